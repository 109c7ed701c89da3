#!/bin/sh
# Runs a script sample (samples/hello.vbs or hello.js) through the cscript of
# this tree's bitness with the component registered for the machine: answers
# its question with "Yes" from outside (the Y key), checks that the modeless
# "Saved" message is on screen while the countdown runs, and that the script
# printed the answer and ran to its end. Removes the registration afterwards.
# Usage: script-sample-test.sh WINE_RUN DLL SCRIPT
set -u
run=$1
dll=$(printf 'Z:%s' "$2" | tr '/' '\\')
script=$(printf 'Z:%s' "$3" | tr '/' '\\')
. "$(dirname "$0")/dialog-answers.sh"
require_wine_and_display "$run"

"$run" regsvr32 /s "$dll" || { echo "FAILED: regsvr32 failed"; exit 1; }
output=$(mktemp)
"$run" cscript //nologo "$script" >"$output" 2>&1 &
host=$!

passed=0
failed=0
check() { # name, condition status
    if [ "$2" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL $1"; fi
}
answer_window '^Quillnote sample$' y 30
check "the question was answered" $?
wait_for_window '^Saved$' 10 >/dev/null
check "the modeless message is on screen" $?
sleep 1
wait_for_window '^Saved$' 1 >/dev/null
check "the modeless message is still on screen a second later" $?
wait $host
rc=$?
"$run" regsvr32 /s /u "$dll"
text=$(tr -d '\r' <"$output")
rm -f "$output"
printf '%s\n' "$text"
check "cscript exits 0" "$rc"
printf '%s\n' "$text" | grep -qx 'answer: Yes'
check "the script printed the answer" $?
printf '%s\n' "$text" | grep -qx 'done'
check "the script ran to its end" $?
[ -z "$(xdotool search --onlyvisible --name '^Saved$' 2>/dev/null)" ]
check "the modeless message went with the script" $?
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
