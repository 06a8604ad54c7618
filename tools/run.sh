#!/bin/sh
# Builds the game and starts it.
set -eu
cd "$(dirname "$0")/.."
sh tools/build.sh
exec ./build/app/quorvel
