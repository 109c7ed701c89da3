#!/bin/sh
# Runs samples/properties.vbs through the cscript of this tree's bitness with
# the component registered for the machine and checks what it prints: all 20
# properties, with the values the sample set and the defaults of the rest.
# Usage: properties-sample-test.sh WINE_RUN DLL SCRIPT
set -u
run=$1
dll=$(printf 'Z:%s' "$2" | tr '/' '\\')
script=$(printf 'Z:%s' "$3" | tr '/' '\\')

"$run" cmd /c exit >/dev/null 2>&1
if [ $? = 77 ]; then "$run"; exit 77; fi
"$run" regsvr32 /s "$dll" || { echo "FAILED: regsvr32 failed"; exit 1; }
output=$("$run" cscript //nologo "$script" 2>&1 | tr -d '\r')
"$run" regsvr32 /s /u "$dll"
printf '%s\n' "$output"

passed=0
failed=0
expect() { # a line the sample prints: name and value, as the sample lays them out
    line=$(printf '%-18s%s' "$1" "$2")
    if printf '%s\n' "$output" | grep -qxF "$line"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL expected: $line"; fi
}
[ "$(printf '%s\n' "$output" | grep -c .)" = 20 ]
if [ $? = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL expected 20 lines"; fi
expect BackColorHeading '&H800000'
expect GradientPaint True
expect GradientDirection 8
expect TimerSeconds 10
expect DefaultTitle 'Quillnote sample'
expect Modal True
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
