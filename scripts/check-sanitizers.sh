#!/usr/bin/env bash
# Runs the whole test suite in the instrumented build (scripts/asan-build.sh):
# any AddressSanitizer, LeakSanitizer or UndefinedBehaviorSanitizer report ends
# that test with a failure. Programs the tests start (vyxtool, vyxedit) run
# instrumented too.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(bash "$root/scripts/asan-build.sh")"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# What Qt and fontconfig keep until the program ends; nothing of ours is listed.
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" -LE x11
ctest --output-on-failure -L x11 --repeat until-pass:2
