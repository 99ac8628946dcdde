#!/bin/sh
# Runs the benchmark programs of a build folder (builds nothing) and prints each
# ratio against its target. Medians of interleaved repetitions keep the ratios
# steady on a busy machine; loading and saving alternate with their floors inside
# one benchmark each, because disk and CPU speed drift too fast for anything else. Usage: bench/run_benchmarks.sh BUILD_FOLDER [REPETITIONS]
set -eu

if [ $# -lt 1 ] || [ ! -d "$1/bench" ]; then
    echo "usage: $0 BUILD_FOLDER [REPETITIONS]" >&2
    exit 2
fi
bench_dir=$1/bench
repetitions=${2:-5}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

for program in load_bench canvas_bench save_bench mask_bench web_page_bench; do
    if [ ! -x "$bench_dir/$program" ]; then
        echo "$bench_dir/$program is missing: build it first" >&2
        exit 2
    fi
    "$bench_dir/$program" --benchmark_repetitions="$repetitions" \
        --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
        --benchmark_out="$out/$program.json" --benchmark_out_format=json >/dev/null 2>"$out/$program.log" ||
        { cat "$out/$program.log" >&2; echo "$program failed" >&2; exit 1; }
done

python3 - "$out" <<'PY'
import json, pathlib, sys

SCALE = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
medians = {}
for path in sorted(pathlib.Path(sys.argv[1]).glob("*.json")):
    for b in json.loads(path.read_text())["benchmarks"]:
        if b.get("aggregate_name") == "median":
            parts = b["run_name"].split("/")
            # The load runs at two picture sizes, named by their arguments.
            medians["/".join(parts[:3]) if parts[0] == "BM_LoadAgainstDecode" else parts[0]] = b

def ms(name):
    b = medians[name]
    return b["real_time"] * SCALE[b["time_unit"]] * 1e3

load = medians["BM_LoadAgainstDecode/1024/768"]
load4k = medians["BM_LoadAgainstDecode/3840/2160"]
save = medians["BM_SaveAgainstDurableReplace"]
print(f"LoadProject {load['load_ms']:.3f} ms, libjpeg decode one after another {load['decode_ms']:.3f} ms; "
      f"3840 x 2160: {load4k['load_ms']:.3f} ms, {load4k['decode_ms']:.3f} ms (medians)")
print(f"RedrawCanvas {ms('BM_RedrawCanvas'):.3f} ms, plain copy {ms('BM_PlainCopy'):.3f} ms, "
      f"10,000 moves {ms('BM_PointerMoves'):.3f} ms (medians)")
print(f"SaveProject {save['save_ms']:.3f} ms (of which {ms('BM_SaveProjectNoDisk'):.3f} ms before the disk), "
      f"durable replace {save['replace_ms']:.3f} ms (medians)")

def ratio(label, value, target, digits=2):
    verdict = "" if value <= target else "  MISSED"
    print(f"{label} ratio: {value:.{digits}f} (target <= {target:g}){verdict}")

# The paired benchmarks alternate an operation with its floor and report the ratio themselves.
ratio("load/decode", load["ratio"], 0.6)
ratio("load/decode 3840x2160", load4k["ratio"], 0.6)
ratio("redraw/copy", ms("BM_RedrawCanvas") / ms("BM_PlainCopy"), 2)
# BM_PointerMoves runs 10,000 moves per iteration; BM_RedrawCanvas one redraw.
ratio("moves/redraws", ms("BM_PointerMoves") / (10_000 * ms("BM_RedrawCanvas")), 0.05, 4)
# BM_DragWithSnapping also runs 10,000 moves per iteration.
ratio("drag-with-snap move/redraw", ms("BM_DragWithSnapping") / (10_000 * ms("BM_RedrawCanvas")), 0.05, 4)
ratio("400% redraw/scaled copy", ms("BM_ZoomedRedraw") / ms("BM_ScaledCopy"), 3)
ratio("save/durable-replace", save["ratio"], 2)

qregion = medians["BM_NoiseBuildAgainstQRegionPerRun"]
noise = medians["BM_NoiseBuildAgainstScan"]
plasma = medians["BM_PlasmaBuildAgainstScan"]
print(f"mask build 512x384 noise {qregion['build_ms']:.3f} ms, QRegion::united per run {qregion['qregion_ms']:.1f} ms; "
      f"1024x768 noise build {noise['build_ms']:.3f} ms, scan {noise['scan_ms']:.3f} ms; "
      f"plasma build {plasma['build_ms']:.3f} ms, scan {plasma['scan_ms']:.3f} ms (medians)")
verdict = "" if qregion["ratio"] >= 100 else "  MISSED"
print(f"qregion-per-run/mask-build ratio: {qregion['ratio']:.1f} (target >= 100){verdict}")
ratio("noise mask-build/scan", noise["ratio"], 3)
ratio("plasma mask-build/scan", plasma["ratio"], 3)

web = medians["BM_WebPageAgainstCopy"]
print(f"web page export {web['export_ms']:.3f} ms, copying its files {web['copy_ms']:.3f} ms (medians)")
ratio("web-page-export/copy", web["ratio"], 3)
first = medians["BM_FirstWebPageAgainstCopy"]
print(f"first web page export (every picture encoded) {first['export_ms']:.3f} ms, copying its files "
      f"{first['copy_ms']:.3f} ms, ratio {first['ratio']:.2f} (medians; no target)")
PY
