#!/bin/sh
# Runs the benchmark programs of a build folder (builds nothing) and prints each
# ratio against its target. Medians of interleaved repetitions keep the ratios
# steady on a busy machine; the save and its disk floor alternate inside one
# benchmark because fsync latency drifts too fast for anything else. Usage: bench/run_benchmarks.sh BUILD_FOLDER [REPETITIONS]
set -eu

if [ $# -lt 1 ] || [ ! -d "$1/bench" ]; then
    echo "usage: $0 BUILD_FOLDER [REPETITIONS]" >&2
    exit 2
fi
bench_dir=$1/bench
repetitions=${2:-5}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

for program in load_bench canvas_bench save_bench; do
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
medians, counters = {}, {}
for path in sorted(pathlib.Path(sys.argv[1]).glob("*.json")):
    for b in json.loads(path.read_text())["benchmarks"]:
        if b.get("aggregate_name") == "median":
            name = b["run_name"].split("/")[0]
            medians[name] = b["real_time"] * SCALE[b["time_unit"]]
            counters[name] = b

paired = counters.pop("BM_SaveAgainstDurableReplace")
medians.pop("BM_SaveAgainstDurableReplace")
for name in sorted(medians):
    print(f"{name}: {medians[name] * 1e3:.3f} ms (median)")
print(f"SaveProject: {paired['save_ms']:.3f} ms, durable replace: {paired['replace_ms']:.3f} ms (medians)")

def ratio(label, numerator, denominator, target, digits=2):
    value = numerator / denominator
    verdict = "" if value <= target else "  MISSED"
    print(f"{label} ratio: {value:.{digits}f} (target <= {target:g}){verdict}")

m = medians
ratio("load/decode", m["BM_LoadProject"], m["BM_DecodeFloor"], 1.2)
ratio("redraw/copy", m["BM_RedrawCanvas"], m["BM_PlainCopy"], 2)
# BM_PointerMoves runs 10,000 moves per iteration; BM_RedrawCanvas one redraw.
ratio("moves/redraws", m["BM_PointerMoves"], 10_000 * m["BM_RedrawCanvas"], 0.05, 4)
# Save and floor alternate inside one benchmark, which reports their ratio itself.
ratio("save/durable-replace", paired["ratio"], 1, 2)
PY
