#!/bin/sh
# Runs samples/countdown.vbs through the cscript of this tree's bitness with
# the component registered for the machine, twice: once answered from outside
# with its own captions' access keys (D ticks "Don't ask again" and stops the
# countdown, N is "Don't save"), once left alone until its 10-second
# countdown answers Cancel. Removes the registration afterwards.
# Usage: countdown-sample-test.sh WINE_RUN DLL SCRIPT
set -u
run=$1
dll=$(printf 'Z:%s' "$2" | tr '/' '\\')
script=$(printf 'Z:%s' "$3" | tr '/' '\\')
. "$(dirname "$0")/dialog-answers.sh"
require_wine_and_display "$run"

"$run" regsvr32 /s "$dll" || { echo "FAILED: regsvr32 failed"; exit 1; }
output=$(mktemp)
trap 'rm -f "$output"' EXIT

passed=0
failed=0
check() { # name, condition status
    if [ "$2" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL $1"; fi
}
printed() { # line: whether the script printed exactly that line
    tr -d '\r' <"$output" | grep -qx "$1"
}

"$run" cscript //nologo "$script" >"$output" 2>&1 &
host=$!
answer_window '^Quillnote sample$' d 30
check "the check box was ticked by its access key" $?
sleep 0.5
answer_window '^Quillnote sample$' n 5
check "Don't save was pressed by its access key" $?
wait $host
check "cscript exits 0 (answered)" $?
tr -d '\r' <"$output"
printed "answer: Don't save"
check "the answer is the caption's button, No" $?
printed "don't ask again: True"
check "CheckBoxValue holds the tick" $?

started=$(date +%s)
"$run" cscript //nologo "$script" >"$output" 2>&1
check "cscript exits 0 (left alone)" $?
took=$(($(date +%s) - started))
tr -d '\r' <"$output"
printed "answer: Cancel"
check "the countdown answered TimeoutResult, Cancel" $?
printed "don't ask again: False"
check "CheckBoxValue stays as it was" $?
[ "$took" -ge 9 ]
check "the countdown ran its 10 seconds (took ${took} s)" $?

"$run" regsvr32 /s /u "$dll"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
