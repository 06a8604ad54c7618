#!/bin/sh
# Builds the replay fuzz target with clang and libFuzzer into build-fuzz/, runs every committed
# corpus input through it once, then fuzzes a copy of the corpus for FUZZ_SECONDS (60 by
# default). The committed corpus never grows here. Any finding fails the script and is kept in
# build-fuzz/findings/<time of the run>/.
set -eu
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
corpus=tools/fuzz/corpus/replay
findings=build-fuzz/findings/$(date +%Y%m%d-%H%M%S)
sh tools/setup.sh
if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ is missing (Debian packages clang and libclang-rt-14-dev)" >&2
    exit 1
fi

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DQUORVEL_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target replay_fuzz -j 2
fuzzer=build-fuzz/tools/fuzz/replay_fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM
mkdir "$work/corpus"
cp "$corpus"/* "$work/corpus"/
mkdir -p "$findings"

# 4096 bytes hold a thousand presses, replayed in about 0.1 s with the sanitizers; an input
# still running after 10 s hangs.
set -- -max_len=4096 -timeout=10 -dict=tools/fuzz/replay.dict -artifact_prefix="$findings/"
status=0
"$fuzzer" "$@" "$corpus"/* >"$work/committed.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    cat "$work/committed.log"
    echo "fuzz: a committed corpus input fails (exit $status)" >&2
    exit 1
fi
echo "fuzz: all $(find "$corpus" -type f | wc -l) committed inputs pass; fuzzing for ${seconds}s"

"$fuzzer" "$@" -max_total_time="$seconds" -print_final_stats=1 "$work/corpus" || status=$?
if [ "$status" -ne 0 ]; then
    echo "fuzz: finding (exit $status); the failing input is in $findings/:" >&2
    find "$findings" -type f | sed "s|^|  |" >&2
    echo "replay it with: $fuzzer <file>" >&2
    exit 1
fi
