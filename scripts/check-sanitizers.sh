#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (no
# recovery: the first report ends the program with a failure) into build-asan/
# (or $VYX_ASAN_BUILD_DIR) and runs the whole test suite there, offscreen.
# Programs the tests start (vyxtool, vyxedit) run instrumented too.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VYX_ASAN_BUILD_DIR:-$root/build-asan}"
bash "$root/scripts/install-deps.sh"
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVYX_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$build" -j "$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# What Qt and fontconfig keep until the program ends; nothing of ours is listed.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
