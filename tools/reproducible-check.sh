#!/bin/sh
# Shows that the Debian package is reproducible: the last commit is cloned into two folders of
# different names and depths, and each clone builds its package with tools/package.sh from
# nothing, one after the other (so at different times, and without the compiler cache), the
# second with another umask and time zone. The two packages must be the same bytes. Prints each
# build's time and the packages' SHA-256.
#   sh tools/reproducible-check.sh [scratch folder]   (default: a new one under /tmp, removed after)
set -eu
cd "$(dirname "$0")/.."
repo=$(pwd)

if [ $# -gt 0 ]; then
    scratch=$1
    mkdir -p "$scratch"
else
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
fi
trap 'exit 1' INT TERM
commit=$(git rev-parse HEAD)
git diff --quiet HEAD || echo "note: uncommitted changes are not in the check; it builds $commit"

build() { # build <clone folder> <umask> <time zone>: prints the package's path
    rm -rf "$1"
    started=$(date +%s)
    (umask "$2" && git clone -q "$repo" "$1" && cd "$1" && git checkout -q "$commit" &&
        TZ=$3 CCACHE_DISABLE=1 sh tools/package.sh >"$1.log" 2>&1) || {
        tail -n 20 "$1.log" >&2
        echo "the package build in $1 failed" >&2
        exit 1
    }
    echo "built in $1 in $(($(date +%s) - started)) s" >&2
    echo "$1"/build/quorvel_*.deb
}

first=$(build "$scratch/first/quorvel" 022 UTC0)
second=$(build "$scratch/second-clone/sources/q" 002 IST-5:30)
sha256sum "$first" "$second"
if cmp -s "$first" "$second"; then
    echo "reproducible: the two packages are the same $(wc -c <"$first") bytes"
    exit 0
fi
echo "NOT reproducible: the packages differ" >&2
for deb in "$first" "$second"; do
    mkdir -p "$deb.x"
    dpkg-deb -R "$deb" "$deb.x"
done
diff -r "$first.x" "$second.x" >&2 || true
exit 1
