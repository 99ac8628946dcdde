#!/usr/bin/env bash
# The instrumented build: clang with AddressSanitizer, UndefinedBehaviorSanitizer
# (no recovery) and libFuzzer's coverage, into build-asan/ (or $VYX_ASAN_BUILD_DIR).
# One build serves both the sanitizer test run and the fuzz harnesses.
# Usage: asan-build.sh [TARGET...]  (default: everything); prints the build folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VYX_ASAN_BUILD_DIR:-$root/build-asan}"
bash "$root/scripts/install-deps.sh" --deep >&2
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVYX_BUILD_FUZZ=ON -DVYX_BUILD_TESTS=ON -DVYX_BUILD_BENCH=OFF >&2
fi
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "$build" -j "$(nproc)" "${targets[@]}" >&2
echo "$build"
