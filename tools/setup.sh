#!/bin/sh
# Installs, by Debian package name, what is missing:
#   sh tools/setup.sh game      what building and running the game needs
#   sh tools/setup.sh package   that, and what building the Debian package needs
#   sh tools/setup.sh           all of that, and what the whole suite of checks needs
set -eu

# The game: compiler and CMake, Qt with its X11 and Wayland platform plugins, Qt Linguist's tools
# that build the translations into the game, the font the game carries inside it with the font
# tools that keep the letters it needs, and the fonts that draw Chinese, Japanese and Korean.
gamePackages="g++ cmake make
  qt6-base-dev qt6-qpa-plugins qt6-wayland libxcb1-dev
  qt6-tools-dev qt6-l10n-tools
  fonts-dejavu-core fonttools fonts-noto-cjk"

# The package: Debian's build flags and library dependencies (dpkg-dev), the file type tool that
# CPack asks which files are programs, and the manual pages written from the programs' --help.
packagePackages="dpkg-dev file help2man"

# The suite: GoogleTest and Google Benchmark; the X server, window manager, compositor and X tools
# that the desktop tests start and drive; the D-Bus session, accessibility bus, screen reader and
# speech server of the screen reader test, and the locale sources it builds a German locale
# from; clang with its sanitizer and fuzzer runtime; the package checkers, and man to render the
# manual pages.
testPackages="libgtest-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils openbox weston
  dbus-daemon at-spi2-core orca speech-dispatcher locales
  clang libclang-rt-14-dev
  desktop-file-utils appstream lintian man-db"

case "${1:-all}" in
game) packages=$gamePackages ;;
package) packages="$gamePackages $packagePackages" ;;
all) packages="$gamePackages $packagePackages $testPackages" ;;
*)
    echo "usage: sh tools/setup.sh [game | package]" >&2
    exit 2
    ;;
esac

# shellcheck disable=SC2086 # the lists split into package names
installed=$(dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' $packages 2>/dev/null |
    awk '$2 == "ii" { print $1 }' || true)
missing=""
for package in $packages; do
    echo "$installed" | grep -Fqx -- "$package" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "installing:$missing"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q $missing
