#!/bin/sh
# Runs vyxtool (builds nothing) on the hostile project files that used to stall
# it or exhaust its memory, and prints the exit status, peak memory and time of
# each; then two writers on one INI file. Usage: bench/hostile_files.sh BUILD_FOLDER
set -eu

if [ $# -lt 1 ] || [ ! -x "$1/src/vyxtool" ]; then
    echo "usage: $0 BUILD_FOLDER (with src/vyxtool built)" >&2
    exit 2
fi
tool=$(cd "$1" && pwd)/src/vyxtool
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# One run: its exit status, peak resident memory and wall time from GNU time.
measure() {
    label=$1
    shift
    timeout 60 /usr/bin/time -v "$@" >out.txt 2>time.txt && status=0 || status=$?
    peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' time.txt)
    wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' time.txt)
    printf '%-44s exit %-3s peak %7.1f MB  time %s\n' "$label" "$status" "$(echo "${peak:-0} / 1024" | bc -l)" "$wall"
}

project() { printf '[MAIN]\r\n%s\r\n[Button#0]\r\nAction=RUN\r\nLeft=0\r\nTop=0\r\nWidth=5\r\nHeight=5\r\nLoadInfo=%s\r\n[TextInfo]\r\nDefaultFile=%s\r\n' "$1" "$2" "$3" > launcher.ini; }

ln -s /dev/zero zero.jpg
mkfifo pipe.bmp pipe.rtf pipe.msk
truncate -s 3G sparse.jpg
truncate -s 3G sparse.rtf

project background=zero.jpg none.rtf none.txt
measure "dump: background links to /dev/zero" "$tool" dump launcher.ini
project background=pipe.bmp none.rtf none.txt
measure "dump: background is a FIFO" "$tool" dump launcher.ini
project background=sparse.jpg none.rtf none.txt
measure "dump: background is a 3 GB sparse .jpg" "$tool" dump launcher.ini
project Program=x pipe.rtf zero.jpg
measure "check: help file FIFO, default file /dev/zero" "$tool" check launcher.ini
measure "resave: same project" "$tool" resave --no-backup launcher.ini
measure "rtf-text: 3 GB sparse .rtf" "$tool" rtf-text sparse.rtf
measure "mask-info: FIFO" "$tool" mask-info pipe.msk

# A valid mask of a million one-pixel rectangles (a checkerboard): 16 MB.
python3 - <<'PY'
import struct
rows, per_row = 1000, 1000
rects = b"".join(struct.pack("<4i", 2 * x + y % 2, y, 2 * x + y % 2 + 1, y + 1)
                 for y in range(rows) for x in range(per_row))
header = struct.pack("<4i4i", 32, 1, rows * per_row, rows * per_row * 16, 0, 0, 2 * per_row, rows)
open("million.msk", "wb").write(header + rects)
PY
measure "mask-info: 16 MB mask, 1,000,000 rectangles" "$tool" mask-info million.msk
echo "  (file $(stat -c %s million.msk) bytes, output $(stat -c %s out.txt) bytes)"

# Two writers: another program changes a value while resave runs on a large project.
big() {
    printf '[MAIN]\r\nProgram=Mine\r\n' > big.ini
    seq 200000 | sed 's/.*/; comment line & of a large project file\r/' >> big.ini
}
big
/usr/bin/time -f '%e s %M' "$tool" resave --no-backup big.ini >/dev/null 2>alone.txt
big
"$tool" resave --no-backup big.ini >/dev/null 2>resave.txt &
writer=$!
sleep 0.1
sed -i 's/^Program=Mine/Program=Theirs/' big.ini
wait $writer && status=0 || status=$?
if grep -q '^Program=Theirs' big.ini; then kept=kept; else kept=LOST; fi
echo "two writers: resave alone takes $(tail -1 alone.txt) kB; with a change during it: exit $status," \
     "the other writer's change $kept: $(head -1 resave.txt)"
