#!/bin/sh
# Builds the Debian package through tools/package.sh and checks it: lintian finds no error or
# warning, the desktop entry and the metainfo pass their validators, the manual pages render
# without a warning, the package holds every file and names its dependencies, the installed
# quorvel answers --help, --version and a wrong option without a display, quorvel-sim replays a
# round, and the game starts from its desktop entry. As root the package is really installed
# with apt-get (and removed again); otherwise it is unpacked into a scratch folder.
set -eu
cd "$(dirname "$0")/.."

appId=org.quorvel.Quorvel
iconSizes="16 32 48 64 128 256"
# Debian's PATH for a user's session, in which the desktop entry's command is looked up.
sessionPath=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games

fail() {
    echo "package check FAILED: $*" >&2
    exit 1
}

sh tools/setup.sh # the checkers: lintian, the validators, man
sh tools/package.sh
set -- build/quorvel_*.deb
if [ "$#" -ne 1 ] || [ ! -f "$1" ]; then
    fail "tools/package.sh left no single build/quorvel_*.deb"
fi
deb=$(pwd)/$1
version=$(dpkg-deb -f "$deb" Version)
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

# lintian: any error or warning fails; what it says at the levels below is shown, and
# docs/packaging.md explains each such tag that is left.
lintian --fail-on error,warning --display-info --pedantic "$deb" 2>&1 |
    grep -v "running with root privileges" || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || fail "lintian reports errors or warnings"

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
echo "$recommends" | grep -Eq "(^|, )fonts-noto-cjk( |,|$)" || fail "Recommends does not name fonts-noto-cjk"
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./$' -e '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
expected="usr/games/quorvel usr/games/quorvel-sim
  usr/share/man/man6/quorvel.6.gz usr/share/man/man6/quorvel-sim.6.gz
  usr/share/doc/quorvel/changelog.gz usr/share/doc/quorvel/copyright
  usr/share/applications/$appId.desktop usr/share/metainfo/$appId.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/$appId.svg"
for size in $iconSizes; do
    expected="$expected usr/share/icons/hicolor/${size}x$size/apps/$appId.png"
done
for file in $expected; do
    [ -s "$root/$file" ] || fail "the package lacks /$file"
done
for program in quorvel quorvel-sim; do
    [ -x "$root/usr/games/$program" ] || fail "/usr/games/$program is not executable"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
        "$root/usr/share/man/man6/$program.6.gz" 2>&1 >/dev/null) ||
        fail "man cannot render the manual page of $program"
    [ -z "$warnings" ] || fail "the manual page of $program renders with warnings: $warnings"
done

desktop-file-validate "$root/usr/share/applications/$appId.desktop" ||
    fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$appId.metainfo.xml" ||
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

missing=$(ldd "$prefix/games/quorvel" | grep "not found" || true)
[ -z "$missing" ] || fail "the game misses libraries: $missing"

# --help, --version and a wrong option, with no display to open.
cmake -DPROGRAM="$prefix/games/quorvel" -DVERSION="$version" \
    -P tests/app/command_line_check.cmake || fail "the installed game's command line is wrong"

# A short replay: start-up plus three presses give four JSON lines, the same as the build's.
presses='betten
deal
stand
'
printf '%s' "$presses" | "$prefix/games/quorvel-sim" replay --seed 33 >"$scratch/replay.txt" ||
    fail "the installed quorvel-sim replay exited with $?"
lines=$(grep -c '^{.*}$' "$scratch/replay.txt" || true)
if [ "$lines" -ne 4 ] || [ "$(wc -l <"$scratch/replay.txt")" -ne 4 ]; then
    fail "the installed quorvel-sim replay printed $lines JSON lines, not 4"
fi
built=$(find build/package -name quorvel-sim -type f -perm -u+x | head -n 1)
printf '%s' "$presses" | "$built" replay --seed 33 >"$scratch/built.txt"
cmp -s "$scratch/replay.txt" "$scratch/built.txt" ||
    fail "the installed quorvel-sim replays differently from the one built"

# The game starts from its desktop entry's command, found in the session's PATH, on an X
# server (through the xcb plugin) and keeps running.
if [ "$prefix" = /usr ] && command -v xvfb-run >/dev/null 2>&1 &&
    command -v xauth >/dev/null 2>&1; then
    command=$(sed -n 's/^Exec=//p' "/usr/share/applications/$appId.desktop")
    status=0
    # shellcheck disable=SC2086 # the command line splits into words, as a launcher splits it
    env PATH="$sessionPath" xvfb-run -a timeout 3 $command || status=$?
    [ "$status" -eq 124 ] || fail "the installed game ($command) stopped with $status within 3 seconds"
    echo "the installed game ran for 3 seconds under Xvfb, started as $command"
fi

echo "package check passed"
