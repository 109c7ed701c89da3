#!/bin/sh
# Builds samples/cpp against the INSTALLED package of this tree (cmake
# --install into a temporary prefix, then configure and build the sample there
# with the tree's MinGW toolchain) and runs it under Wine with no registration
# at all: the question is answered with "Yes" from outside (the Y key) and the
# program must print "answer 6" and exit 0. The sample's countdown argument
# (60 seconds) only keeps a lost key from hanging the test. closed.exe learns
# the answer of its modeless question from the Closed event: OK pressed with
# Enter ("closed 1"), then its countdown left to end ("closed 32000").
# Usage: cpp-sample-test.sh WINE_RUN TREE SAMPLE_DIR TOOLCHAIN_FILE
set -u
run=$1
tree=$2
sample=$3
toolchain=$4
. "$(dirname "$0")/dialog-answers.sh"
require_wine_and_display "$run"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$tree" --prefix "$work/Quillnote" --component quillnote >/dev/null || {
    echo "FAILED: cmake --install"
    exit 1
}
# The component must not be registered: the sample finds it only through
# its manifest.
"$run" regsvr32 /s /u "$(printf 'Z:%s/bin/Quillnote.dll' "$tree" | tr '/' '\\')" >/dev/null 2>&1
cmake -S "$sample" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$work/Quillnote" >"$work/configure.log" 2>&1 || {
    cat "$work/configure.log"
    echo "FAILED: configuring the sample against the installed package"
    exit 1
}
cmake --build "$work/build" || { echo "FAILED: building the sample"; exit 1; }

passed=0
failed=0
check() { # name, condition status
    if [ "$2" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL $1"; fi
}
for file in hello.exe closed.exe Quillnote.dll Quillnote.manifest; do
    [ -f "$work/build/$file" ]
    check "$file in the program's folder" $?
done

"$run" "$work/build/hello.exe" 60 >"$work/output" 2>&1 &
program=$!
answer_window '^Quillnote sample$' y 30
check "the question was answered" $?
wait $program
rc=$?
text=$(tr -d '\r' <"$work/output")
printf '%s\n' "$text"
check "hello.exe exits 0" "$rc"
printf '%s\n' "$text" | grep -qx 'answer 6'
check "hello.exe printed the answer Yes (6)" $?

"$run" "$work/build/closed.exe" 60 >"$work/output" 2>&1 &
program=$!
answer_window '^Quillnote sample$' Return 30
check "the modeless question was answered" $?
wait $program
rc=$?
text=$(tr -d '\r' <"$work/output")
printf '%s\n' "$text"
check "closed.exe exits 0 (answered)" "$rc"
printf '%s\n' "$text" | grep -qx 'closed 1'
check "Closed brought the answer OK (1) to the program's own loop" $?

"$run" "$work/build/closed.exe" 2 >"$work/output" 2>&1 &
program=$!
wait_for_window '^Quillnote sample$' 30 >/dev/null
check "the modeless question is on screen" $?
wait $program
rc=$?
text=$(tr -d '\r' <"$work/output")
printf '%s\n' "$text"
check "closed.exe exits 0 (countdown)" "$rc"
printf '%s\n' "$text" | grep -qx 'closed 32000'
check "Closed brought the countdown's TimeoutResult (32000)" $?

# Without the DLL beside it, creation fails with a message, not silence.
rm "$work/build/Quillnote.dll"
"$run" "$work/build/hello.exe" 1 >"$work/output" 2>&1
rc=$?
text=$(tr -d '\r' <"$work/output")
printf '%s\n' "$text"
[ "$rc" = 1 ]
check "hello.exe without the DLL exits 1" $?
printf '%s\n' "$text" | grep -q '^Creating QuillnoteLib.Quillnote failed: HRESULT 0x[0-9A-F]\{8\}: .'
check "a failed creation prints the HRESULT and its text" $?

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
