#!/bin/sh
# The whole suite of checks: the normal build's tests, then the same tests built with the
# sanitizers, a bounded fuzz run of the replay reader, the Debian package checked, installed and
# run, and two builds of the package from fresh clones compared byte for byte.
# `sh tools/test.sh quick` stops after the normal build's tests.
set -eu
cd "$(dirname "$0")/.."
sh tools/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
if [ "${1:-}" = quick ]; then
    exit 0
fi
sh tools/sanitize.sh
sh tools/fuzz.sh
sh tools/package-check.sh
sh tools/reproducible-check.sh
echo "every check passed"
