#!/usr/bin/env python3
"""Kills each of vyxtool's writers at random moments and checks, after every
kill, that the target is whole (the old file or the new one) and that no more
than the one killed writer's temporary file lies beside it; the next write
removes that one. Prints one line per writer.

Usage: bench/kill_writers.py BUILD_FOLDER [KILLS]   (needs xorriso for the image)
"""
import hashlib, os, random, shutil, signal, subprocess, sys, tempfile, time

build, kills = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 300
tool = os.path.join(build, "src", "vyxtool")
demo = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples", "demo")
work = tempfile.mkdtemp(prefix="vyx-kill-")
cd = os.path.join(work, "cd")
shutil.copytree(demo, os.path.join(cd, "launcher"))
open(os.path.join(cd, "launcher", "launcher.exe"), "wb").write(b"MZ")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")


def run(args):
    return subprocess.run([tool] + args, env=env, capture_output=True)


def digest(path):
    try:
        return hashlib.sha256(open(path, "rb").read()).hexdigest()
    except OSError:
        return None


def strays(folder):
    return [n for n in os.listdir(folder)
            if (n.startswith(".") and n.endswith(".tmp")) or n.endswith(".part") or n == "launcher.tmp"]


def image_whole(path):
    listing = subprocess.run(["xorriso", "-indev", path, "-find", "/launcher/launcher.ini"],
                             capture_output=True, text=True).stdout
    return "launcher.ini" in listing


ini = os.path.join(cd, "launcher", "launcher.ini")
iso = os.path.join(work, "disc.iso")
writers = {
    # name: (the two argument lists it alternates, the target, how a target is judged whole)
    "autorun": ([["autorun", cd, "--delay", "100"], ["autorun", cd, "--delay", "2000"]],
                os.path.join(cd, "autorun.inf"), None),
    "mask -o": ([["mask", os.path.join(cd, "launcher", "background.jpg"), "--color", "000000", "-o",
                  os.path.join(cd, "menu.msk")],
                 ["mask", os.path.join(cd, "launcher", "over.bmp"), "--color", "FFFFFF", "-o",
                  os.path.join(cd, "menu.msk")]], os.path.join(cd, "menu.msk"), None),
    "resave": ([["resave", ini]] * 2, ini, None),
    "iso": ([["iso", cd, "-o", iso]] * 2, iso, image_whole),
}

for name, (variants, target, judge) in writers.items():
    allowed = set()
    started = time.monotonic()
    for args in variants:
        if run(args).returncode != 0:
            sys.exit(f"{name}: a plain run failed")
        allowed.add(digest(target))
    full = (time.monotonic() - started) / len(variants)
    torn = most = 0
    for i in range(kills):
        p = subprocess.Popen([tool] + variants[i % 2], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(random.uniform(0, full * 1.2))
        p.send_signal(signal.SIGKILL)
        p.wait()
        whole = judge(target) if judge else digest(target) in allowed
        torn += not whole
        most = max(most, len(strays(os.path.dirname(target))))
    run(variants[0])
    left = strays(os.path.dirname(target))
    print(f"{name}: {kills} kills at random moments of a {full * 1000:.0f} ms run; target not whole after "
          f"{torn}; at most {most} stray file(s) after a kill; after the next write {len(left)} {left}")
shutil.rmtree(work)
