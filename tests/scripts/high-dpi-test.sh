#!/bin/sh
# Runs a test program with the prefix's screen resolution set to DPI. Wine
# reads the resolution (HKCU\Control Panel\Desktop, LogPixels) when a
# process starts, so the value is set before the program starts and always
# put back afterwards, whatever happens, so that no other program in the
# prefix sees it. The test is registered to run alone.
# Usage: high-dpi-test.sh WINE_RUN DPI PROGRAM [ARGUMENTS...]
set -u
run=$1
dpi=$2
shift 2
key='HKCU\Control Panel\Desktop'

"$run" cmd /c exit >/dev/null 2>&1
if [ $? = 77 ]; then "$run"; exit 77; fi

# What the prefix had: a value to write back, or none to delete.
before=$("$run" reg query "$key" /v LogPixels 2>/dev/null | tr -d '\r' | awk '$1 == "LogPixels" { print $3 }')
restore() {
    if [ -n "$before" ]; then
        "$run" reg add "$key" /v LogPixels /t REG_DWORD /d "$(printf '%d' "$before")" /f >/dev/null 2>&1
    else
        "$run" reg delete "$key" /v LogPixels /f >/dev/null 2>&1
    fi
}
trap restore EXIT
trap 'exit 1' INT TERM HUP

"$run" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 || { echo "could not set LogPixels"; exit 1; }
echo "LogPixels was ${before:-unset}, now $dpi"
"$run" "$@"
