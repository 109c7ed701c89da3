#!/bin/sh
# A modeless dialog shown by a script host that then runs on without pumping
# messages is on the screen and fully painted: pictures of the screen taken
# from outside the process while the host is busy show its body.
# Usage: modeless-painted-test.sh WINE_RUN DLL SCRIPT
set -u
run=$1
dll=$(printf 'Z:%s' "$2" | tr '/' '\\')
script=$(printf 'Z:%s' "$3" | tr '/' '\\')

"$run" cmd /c exit >/dev/null 2>&1
if [ $? = 77 ]; then "$run"; exit 77; fi
for tool in xwd convert; do
    command -v "$tool" >/dev/null 2>&1 || { echo "FAILED: $tool is missing"; exit 1; }
done
[ -n "${DISPLAY:-}" ] || { echo "FAILED: no display"; exit 1; }

"$run" regsvr32 /s "$dll" || { echo "regsvr32 failed"; exit 1; }
output=$(mktemp)
"$run" cscript //nologo "$script" >"$output" 2>&1 &
host=$!

# Magenta pixels on the screen, in pictures taken while the host is busy.
magenta() {
    xwd -root -silent 2>/dev/null |
        convert xwd:- -fill black +opaque '#FF00FF' -fill white -opaque '#FF00FF' -format '%[fx:round(mean*w*h)]' info: 2>/dev/null
}
best=0
for _ in 1 2 3 4 5 6; do
    sleep 0.4
    count=$(magenta)
    [ -n "$count" ] && [ "$count" -gt "$best" ] && best=$count
done
wait $host
"$run" regsvr32 /s /u "$dll"
tr -d '\r' <"$output"
returned=$(tr -d '\r' <"$output" | grep -c -x 'returned 0')
finished=$(tr -d '\r' <"$output" | grep -c -x 'done')
rm -f "$output"

echo "largest magenta area seen: $best pixels"
passed=0
failed=0
for check in "$returned" "$finished" "$([ "$best" -ge 2000 ] && echo 1 || echo 0)"; do
    if [ "$check" = 1 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done
[ "$returned" = 1 ] || echo "FAIL the modeless call did not return 0"
[ "$finished" = 1 ] || echo "FAIL the script did not run to its end"
[ "$best" -ge 2000 ] || echo "FAIL the dialog's body was never seen painted while the host was busy"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
