#!/bin/sh
# The main job: builds the component and runs the sample through it under
# Wine. The sample creates a Quillnote object through COM, as any scripting
# client does, and prints its properties.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
mkdir -p build
scripts/ensure-deps.sh
scripts/build.sh x86_64

export WINEPREFIX="$root/build/wineprefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv,wineoss.drv=d;mscoree,mshtml="
scripts/wine-prefix.sh "$WINEPREFIX"
wine=/usr/lib/wine/wine64
winpath() { printf 'Z:%s' "$1" | tr '/' '\\'; }
dll=$(winpath "$root/build/x86_64/bin/Quillnote.dll")

run() {
    "$wine" regsvr32 /s "$dll"
    status=0
    "$wine" cscript //nologo "$(winpath "$root/samples/properties.vbs")" | tr -d '\r' || status=$?
    "$wine" regsvr32 /s /u "$dll"
    wineserver -k >/dev/null 2>&1 || true
    return $status
}

run
