#!/usr/bin/env bash
# Builds the libFuzzer harnesses (fuzz/) with clang into build-fuzz/ (or
# $VYX_FUZZ_BUILD_DIR); prints the build folder. Usage: fuzz-build.sh [HARNESS...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VYX_FUZZ_BUILD_DIR:-$root/build-fuzz}"
bash "$root/scripts/install-deps.sh" --fuzz >&2
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVYX_BUILD_FUZZ=ON -DVYX_BUILD_TESTS=OFF -DVYX_BUILD_BENCH=OFF >&2
targets=()
for harness in "$@"; do targets+=(--target "${harness}_fuzzer"); done
cmake --build "$build" -j "$(nproc)" "${targets[@]}" >&2
echo "$build"
