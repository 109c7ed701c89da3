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

# Runs a sample program in the background, answers its question with a key
# (or, with the key "-", only waits for the question to show), and checks
# that it exits 0 having printed the expected line.
# answered PROGRAM ARGUMENT KEY EXPECTED_LINE WHAT
answered() {
    "$run" "$work/build/$1" "$2" >"$work/output" 2>&1 &
    program=$!
    if [ "$3" = - ]; then
        wait_for_window '^Quillnote sample$' 30 >/dev/null
    else
        answer_window '^Quillnote sample$' "$3" 30
    fi
    check "$1 $2: the question was shown (and answered with $3)" $?
    wait $program
    rc=$?
    tr -d '\r' <"$work/output"
    check "$1 $2 exits 0" "$rc"
    tr -d '\r' <"$work/output" | grep -qx "$4"
    check "$1 $2: $5" $?
}
answered hello.exe 60 y 'answer 6' "printed the answer Yes (6)"
answered closed.exe 60 Return 'closed 1' "Closed brought the answer OK (1) to the program's own loop"
answered closed.exe 2 - 'closed 32000' "Closed brought the countdown's TimeoutResult (32000)"

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
