#!/bin/sh
# Redraws the committed table pictures (tests/render/reference/table*.png) after an intended
# change of the card art, the badges or the text. Usage: sh tools/update-reference.sh [builddir]
set -eu
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target render_tests -j 2
QUORVEL_UPDATE_REFERENCE=1 QT_QPA_PLATFORM=offscreen "$build/tests/render/render_tests" \
    --gtest_filter='*TableReference*:*ReferenceRatio*'
echo "look at the pictures in tests/render/reference/ before committing them"
