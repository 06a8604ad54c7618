#!/bin/sh
# Builds everything and runs the whole test suite.
set -eu
cd "$(dirname "$0")/.."
sh tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
