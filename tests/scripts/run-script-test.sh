#!/bin/sh
# Runs a VBScript or JScript test through Wine's cscript with the component
# registered for the machine, and removes the registration afterwards.
# Usage: run-script-test.sh WINE_RUN DLL SCRIPT
# Passes when cscript exits 0 and the script's last line is its summary
# "N passed, 0 failed": Wine's VBScript ends silently with exit code 0 on a
# run-time error, so a missing summary is a failure.
set -u
run=$1
dll=$2
script=$3
winpath() { printf 'Z:%s' "$1" | tr '/' '\\'; }

"$run" regsvr32 /s "$(winpath "$dll")"
rc=$?
if [ "$rc" = 77 ]; then
    "$run"
    exit 77
fi
[ "$rc" = 0 ] || { echo "regsvr32 failed with $rc"; exit 1; }

output=$("$run" cscript //nologo "$(winpath "$script")" 2>&1 | tr -d '\r')
rc=$?
"$run" regsvr32 /s /u "$(winpath "$dll")"
printf '%s\n' "$output"

summary=$(printf '%s\n' "$output" | grep -E '^[0-9]+ passed, [0-9]+ failed$' | tail -n 1)
if [ -z "$summary" ]; then
    echo "FAILED: the script ended without its summary line (a run-time error?)"
    exit 1
fi
case "$summary" in
    *" 0 failed") [ "$rc" = 0 ] && exit 0 ;;
esac
exit 1
