#!/bin/sh
# Installs what Quillnote needs to build and test on Debian 12, when it is
# missing: MinGW-w64, Wine of both bitnesses (with the i386 architecture),
# widl, Xvfb, CMake, GoogleTest's sources, Wine's fonts, the fallback fonts
# for other scripts (DejaVu Sans: Greek, Cyrillic, Hebrew, Arabic; Droid Sans
# Fallback: Chinese and Japanese; LexiGulim: Korean; Wine sees them through
# fontconfig) and the screenshot tools; then makes 32-bit programs runnable
# (scripts/ensure-32bit.sh: through qemu-user where the kernel refuses them).
# Quick when everything is there already. Run as root.
set -eu
cd "$(dirname "$0")/.."

packages="cmake make g++ mingw-w64 wine wine64 wine64-tools wine32:i386 xvfb xauth \
googletest fonts-wine fonts-dejavu-core fonts-droid-fallback fonts-lexi-gulim xdotool x11-utils x11-apps imagemagick python3 clang-format"

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        "install ok installed") ;;
        *) missing="$missing $package" ;;
    esac
done
if [ -z "$missing" ]; then
    exec scripts/ensure-32bit.sh
fi

echo "Installing:$missing"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# Some i386 maintainer scripts cannot run on a kernel without 32-bit support;
# the packages are still unpacked and usable by the 64-bit side.
apt-get install -y -qq $missing >/dev/null || {
    dpkg --configure -a >/dev/null 2>&1 || true
    apt-get install -y -qq -f >/dev/null
}
exec scripts/ensure-32bit.sh
