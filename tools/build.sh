#!/bin/sh
# Configures and builds everything into build/: the game, the tests, the benchmarks and tools.
# Installs what the whole suite needs.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
