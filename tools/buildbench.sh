#!/bin/bash
# How long building the game alone takes from scratch, as a multiple of compiling one file that
# includes <QtWidgets>: configure and build the target quorvel in an empty folder, with no
# compiler cache, on JOBS (2) jobs. Each repetition times the one-file compile just before and
# just after the build, so a machine busy with other work slows both alike; the figure is the
# median ratio of the repetitions. The processor time (user and system) of each is shown too.
#   bash tools/buildbench.sh [REPETITIONS, 3 by default]
set -eu
cd "$(dirname "$0")/.."
source=$(pwd)
repetitions=${1:-3}
jobs=${JOBS:-2}
export CCACHE_DISABLE=1
unset CMAKE_CXX_COMPILER_LAUNCHER

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM
TIMEFORMAT='%R %U %S'

# Runs the command given and prints its wall-clock and processor seconds.
timed() {
    local wall user system
    { time "$@" >/dev/null 2>"$work/errors" || { cat "$work/errors" >&2; return 1; }; } \
        2>"$work/time"
    read -r wall user system <"$work/time"
    echo "$wall $(awk "BEGIN { print $user + $system }")"
}

# The compiler and flags of the game's own files, from a configuration of this tree.
cmake -S "$source" -B "$work/flags" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
compiler=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$work/flags/CMakeCache.txt")
read -r -a flags <<<"$(sed -n 's/^CXX_\(DEFINES\|INCLUDES\|FLAGS\) = //p' \
    "$work/flags/app/CMakeFiles/app.dir/flags.make" | tr '\n' ' ')"
printf '#include <QtWidgets>\nint main() {}\n' >"$work/one.cpp"

buildGame() {
    rm -rf "$work/build"
    cmake -S "$source" -B "$work/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
        cmake --build "$work/build" --target quorvel -j "$jobs"
}

ratios=()
printf '%-4s %14s %14s %7s\n' run "build wall/cpu" "one wall/cpu" ratio
for ((run = 1; run <= repetitions; ++run)); do
    read -r oneWall1 oneCpu1 <<<"$(timed "$compiler" "${flags[@]}" -c "$work/one.cpp" -o "$work/one.o")"
    read -r buildWall buildCpu <<<"$(timed buildGame)"
    read -r oneWall2 oneCpu2 <<<"$(timed "$compiler" "${flags[@]}" -c "$work/one.cpp" -o "$work/one.o")"
    read -r oneWall oneCpu ratio <<<"$(awk "BEGIN { w = ($oneWall1 + $oneWall2) / 2
        print w, ($oneCpu1 + $oneCpu2) / 2, $buildWall / w }")"
    printf '%-4s %7.1f/%-6.1f %7.2f/%-6.2f %7.1f\n' "$run" "$buildWall" "$buildCpu" "$oneWall" \
        "$oneCpu" "$ratio"
    ratios+=("$ratio")
done
median=$(printf '%s\n' "${ratios[@]}" | sort -g | awk '{ r[NR] = $1 } END {
    print (NR % 2) ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2 }')
printf 'median ratio, the game built from scratch / one file with <QtWidgets>: %.1f\n' "$median"
