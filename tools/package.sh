#!/bin/sh
# Builds the Debian package build/quorvel_<version>_amd64.deb, installing first only what the game
# and the packaging need (sh tools/setup.sh package). The package is built in build/package with
# Debian's build flags (hardened, and with the source folder's path mapped to "."), and its
# times come from SOURCE_DATE_EPOCH: the time of the last commit unless it is set, so that two
# builds of one commit give the same bytes. docs/packaging.md describes it.
set -eu
cd "$(dirname "$0")/.."
# CPack gives the package's archive members the modes of the files it writes, so the umask too
# is fixed, as `dpkg-buildpackage --sanitize-env` fixes it.
umask 022

sh tools/setup.sh package
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    if git rev-parse --git-dir >/dev/null 2>&1; then
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    else # a copy of the sources outside git: the changelog's latest entry
        SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l packaging/changelog -S Timestamp)
    fi
fi
export SOURCE_DATE_EPOCH

# Debian's flags for a package, with every hardening feature (bindnow among them). CMake does
# not read CPPFLAGS: they join the compiler's flags. The programs are stripped as they are packed.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
dir=build/package
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DCMAKE_CXX_FLAGS="$CXXFLAGS $CPPFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" >/dev/null
cmake --build "$dir" -j "$(nproc)" --target package-files
rm -f "$dir"/quorvel_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
set -- "$dir"/quorvel_*.deb
if [ "$#" -ne 1 ] || [ ! -f "$1" ]; then
    echo "cpack left no single $dir/quorvel_*.deb" >&2
    exit 1
fi
rm -f build/quorvel_*.deb
mv "$1" build/
echo "build/${1##*/}"
