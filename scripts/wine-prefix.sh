#!/bin/sh
# Creates the Wine prefix in which Quillnote's tests and samples run, once,
# and updates it once when 32-bit programs can run where they could not when
# it was made; later calls return at once. Usage: wine-prefix.sh PREFIX [WINE_DIR]
set -eu
prefix=$1
winedir=${2:-/usr/lib/wine}
marker="$prefix/.quillnote-ready-2"
# Set when the prefix was made or updated while 32-bit programs could run:
# a prefix made without them lacks its 32-bit half (the registry of 32-bit
# programs, the 32-bit libraries' registrations) until it is updated.
marker32="$prefix/.quillnote-32-bit"
runs32() { "$winedir/wine" --version >/dev/null 2>&1; }
ready() { [ -f "$marker" ] && { [ -f "$marker32" ] || ! runs32; }; }
ready && exit 0

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
ready && exit 0

export WINEPREFIX="$prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv,wineoss.drv=d;mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ] || [ -f "$marker" ]; then
    "$winedir/wine64" wineboot -u </dev/null >/dev/null 2>&1 || true
    wineserver -w
fi
if runs32; then
    touch "$marker32"
fi
[ -f "$marker" ] && exit 0

# Wine's own fonts, so that "MS Sans Serif" is the real bitmap font and not a
# substitute with other metrics.
if [ -d /usr/share/wine/fonts ]; then
    mkdir -p "$prefix/drive_c/windows/Fonts"
    cp -n /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
fi

# Without a window manager Wine draws the frames itself; closing a window then
# no longer waits for the window manager.
"$winedir/wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
# A program that crashes ends at once instead of waiting in the debugger, so
# that a crashing test fails instead of hanging.
"$winedir/wine64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f </dev/null >/dev/null 2>&1
"$winedir/wine64" reg add 'HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f </dev/null >/dev/null 2>&1
"$winedir/wine64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
wineserver -w
touch "$marker"
