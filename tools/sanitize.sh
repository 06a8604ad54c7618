#!/bin/sh
# Builds everything with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole test suite there, the random play at a million rounds. Any
# sanitizer report fails its test, and so the run.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
sh tools/setup.sh
cmake -S . -B build-asan -DQUORVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-asan -j "$(nproc)"

ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1
LSAN_OPTIONS=suppressions=$root/tools/sanitizer/lsan.supp:print_suppressions=0
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QUORVEL_RANDOM_PLAY_ROUNDS=1000000
export ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS QUORVEL_RANDOM_PLAY_ROUNDS
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
