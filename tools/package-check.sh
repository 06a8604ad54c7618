#!/bin/sh
# Builds the Debian package from the normal build in build/ and checks it: the desktop entry
# and the metainfo pass their validators, the package holds every file and names its
# dependencies, and the installed quorvel-sim replays a round. As root the package is really
# installed with apt-get (and removed again); otherwise it is unpacked into a scratch folder.
set -eu
cd "$(dirname "$0")/.."

appId=org.quorvel.Quorvel
iconSizes="16 32 48 64 128 256"

fail() {
    echo "package check FAILED: $*" >&2
    exit 1
}

sh tools/build.sh # installs what is missing, the validators among it
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null 2>&1 ||
        fail "$tool is missing: install desktop-file-utils, appstream and dpkg-dev"
done

rm -f build/quorvel_*.deb
(cd build && cpack -G DEB) || fail "cpack could not build the package"
set -- build/quorvel_*.deb
if [ "$#" -ne 1 ] || [ ! -f "$1" ]; then
    fail "cpack left no single build/quorvel_*.deb"
fi
deb=$(pwd)/$1
echo "package: $deb ($(wc -c <"$deb") bytes)"

scratch=$(mktemp -d)
installedHere=no
cleanup() {
    if [ "$installedHere" = yes ]; then
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -q quorvel >/dev/null ||
            echo "could not remove the quorvel package again" >&2
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# The package's fields and contents.
[ "$(dpkg-deb -f "$deb" Package)" = quorvel ] || fail "the package is not named quorvel"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package's section is not games"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 qt6-qpa-plugins; do
    echo "$depends" | grep -Eq "(^|, )$needed( |,|$)" || fail "Depends does not name $needed"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "Recommends: $recommends"
echo "$recommends" | grep -Eq "(^|, )qt6-wayland( |,|$)" || fail "Recommends does not name qt6-wayland"
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
expected="usr/bin/quorvel usr/bin/quorvel-sim usr/share/applications/$appId.desktop
  usr/share/metainfo/$appId.metainfo.xml usr/share/icons/hicolor/scalable/apps/$appId.svg"
for size in $iconSizes; do
    expected="$expected usr/share/icons/hicolor/${size}x$size/apps/$appId.png"
done
for file in $expected; do
    [ -s "$root/$file" ] || fail "the package lacks /$file"
done
for program in quorvel quorvel-sim; do
    [ -x "$root/usr/bin/$program" ] || fail "/usr/bin/$program is not executable"
done

desktop-file-validate "$root/usr/share/applications/$appId.desktop" ||
    fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$appId.metainfo.xml" ||
    fail "appstreamcli rejects the metainfo"

# Install for real where we may, so that apt resolves the declared dependencies.
if [ "$(id -u)" -eq 0 ]; then
    if dpkg-query -W -f='${Status}' quorvel 2>/dev/null | grep -q "install ok installed"; then
        echo "quorvel was installed before: it is upgraded in place and left installed"
    else
        installedHere=yes
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" ||
        fail "apt-get could not install the package"
    prefix=/usr
else
    echo "not root: checking the unpacked copy in $root instead of installing"
    prefix=$root/usr
fi

missing=$(ldd "$prefix/bin/quorvel" | grep "not found" || true)
[ -z "$missing" ] || fail "the game misses libraries: $missing"

# A short replay: start-up plus three presses give four JSON lines, the same as the build's.
presses='betten
deal
stand
'
printf '%s' "$presses" | "$prefix/bin/quorvel-sim" replay --seed 33 >"$scratch/replay.txt" ||
    fail "the installed quorvel-sim replay exited with $?"
lines=$(grep -c '^{.*}$' "$scratch/replay.txt" || true)
if [ "$lines" -ne 4 ] || [ "$(wc -l <"$scratch/replay.txt")" -ne 4 ]; then
    fail "the installed quorvel-sim replay printed $lines JSON lines, not 4"
fi
printf '%s' "$presses" | build/sim/quorvel-sim replay --seed 33 >"$scratch/built.txt"
cmp -s "$scratch/replay.txt" "$scratch/built.txt" ||
    fail "the installed quorvel-sim replays differently from the one built"

# The game itself starts on an X server (through the xcb plugin) and keeps running.
if [ "$prefix" = /usr ] && command -v xvfb-run >/dev/null 2>&1 &&
    command -v xauth >/dev/null 2>&1; then
    status=0
    xvfb-run -a timeout 3 /usr/bin/quorvel || status=$?
    [ "$status" -eq 124 ] || fail "the installed game stopped with $status within 3 seconds"
    echo "the installed game ran for 3 seconds under Xvfb"
fi

echo "package check passed"
