#!/bin/sh
# Makes the release archive from the two built Windows trees (the step that
# scripts/package.sh runs after building) and checks its listing: every file a
# caller needs is there for both architectures, and nothing of the build
# (objects, CMake's files, test programs, the benchmark) came along.
# Usage: package-test.sh SOURCE_DIR X86_TREE X64_TREE VERSION
set -u
source_dir=$1
x86_tree=$2
x64_tree=$3
version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -DX86_TREE="$x86_tree" -DX64_TREE="$x64_tree" -DOUTPUT_DIR="$work" -P "$source_dir/cmake/MakeArchive.cmake" || {
    echo "FAILED: making the archive"
    exit 1
}
archive="$work/Quillnote-$version-windows.zip"
[ -f "$archive" ] || { echo "FAILED: $archive was not made"; exit 1; }
(cd "$work" && cmake -E tar tf "$archive") | sed 's|/$||' | sort >"$work/listing"
cat "$work/listing"

passed=0
failed=0
root="Quillnote-$version-windows"
expect() {
    if grep -qx "$root/$1" "$work/listing"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL missing $1"; fi
}
for arch in x86 x64; do
    for file in bin/Quillnote.dll bin/Quillnote.manifest include/Quillnote.h include/Quillnote_i.c \
        lib/QuillnoteLib.tlb lib/cmake/Quillnote/QuillnoteConfig.cmake lib/cmake/Quillnote/QuillnoteConfigVersion.cmake \
        lib/cmake/Quillnote/QuillnoteApplication.manifest.in lib/cmake/Quillnote/QuillnoteGuids.cpp; do
        expect "$arch/$file"
    done
done
for file in README.md LICENSE samples/properties.vbs samples/hello.vbs samples/hello.js samples/cpp/CMakeLists.txt \
    samples/countdown.vbs samples/cpp/hello.cpp samples/cpp/closed.cpp samples/cpp/hello-x86.manifest \
    samples/cpp/hello-amd64.manifest \
    docs/building.md docs/registering.md docs/samples.md docs/members.md docs/results.md docs/behaviour.md \
    docs/speed.md; do
    expect "$file"
done

debris=$(grep -E '\.(o|obj|a|exe|log|tcl|ninja)$|CMakeFiles|CMakeCache|cmake_install|CTest|Testing|_test|googletest|benchmark|wineprefix' \
    "$work/listing")
if [ -z "$debris" ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL build debris: $debris"; fi
outside=$(grep -v "^$root\(/\|$\)" "$work/listing")
if [ -z "$outside" ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL outside $root/: $outside"; fi

# The two DLLs are of their architectures (PE machine 0x14c and 0x8664).
(cd "$work" && cmake -E tar xf "$archive")
machine() { od -An -tx1 -j "$(($(od -An -tu4 -j60 -N4 "$1") + 4))" -N2 "$1" | tr -d ' '; }
[ "$(machine "$work/$root/x86/bin/Quillnote.dll")" = 4c01 ]
if [ $? = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL x86/bin/Quillnote.dll is not a 32-bit DLL"; fi
[ "$(machine "$work/$root/x64/bin/Quillnote.dll")" = 6486 ]
if [ $? = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL x64/bin/Quillnote.dll is not a 64-bit DLL"; fi
grep -q 'processorArchitecture="x86"' "$work/$root/x86/bin/Quillnote.manifest" &&
    grep -q 'processorArchitecture="amd64"' "$work/$root/x64/bin/Quillnote.manifest"
if [ $? = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL an assembly manifest names the wrong architecture"; fi

# No text of the archive names a folder of the machine that built it: the
# package finds its files relative to itself.
machine_paths=$(find "$work/$root" -type f ! -name '*.dll' ! -name '*.tlb' -exec grep -lF -e "$source_dir" -e "$x64_tree" -e "$x86_tree" {} +)
if [ -z "$machine_paths" ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL build paths in: $machine_paths"; fi

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
