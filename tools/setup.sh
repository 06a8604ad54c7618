#!/bin/sh
# Installs what building, running and testing need, by Debian package name, when missing.
set -eu
packages="g++ cmake make libgtest-dev libbenchmark-dev qt6-base-dev qt6-qpa-plugins
  fonts-dejavu-core xvfb xauth xdotool x11-utils clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev"
# Test set, the screen reader test: its D-Bus session, the accessibility bus and the pyatspi client.
packages="$packages dbus-daemon at-spi2-core python3-pyatspi"
missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
echo "installing:$missing"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q $missing
