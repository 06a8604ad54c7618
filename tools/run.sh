#!/bin/sh
# Builds the game alone (no test, benchmark or tool beyond what the game is made with) and
# starts it. Installs only what the game needs.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh game
# Once configured, the build itself configures again when a CMakeLists.txt changes.
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build --target quorvel -j "$(nproc)"
exec ./build/app/quorvel
