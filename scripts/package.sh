#!/bin/sh
# Builds the component for both architectures and makes the release archive
# build/Quillnote-<version>-windows.zip (see cmake/MakeArchive.cmake for what
# it holds). The release trees, build/package/i686 and build/package/x86_64,
# hold the component only: no demonstration program, no test programs.
# Usage: package.sh [OUTPUT_DIR]   (default: build)
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
output=${1:-$root/build}
mkdir -p "$output"
output=$(cd "$output" && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

for arch in i686 x86_64; do
    tree="build/package/$arch"
    if [ ! -f "$tree/CMakeCache.txt" ]; then
        mkdir -p build/package
        # The failure reports name source files relative to the repository,
        # not by this machine's folders.
        cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DQUILLNOTE_COMPONENT_ONLY=ON \
            -DCMAKE_C_FLAGS="-fmacro-prefix-map=$root/=" -DCMAKE_CXX_FLAGS="-fmacro-prefix-map=$root/=" \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" >"build/package/$arch.configure.log" 2>&1 || {
            cat "build/package/$arch.configure.log"
            exit 1
        }
    fi
    cmake --build "$tree" -j "$jobs"
done

cmake -DX86_TREE="$root/build/package/i686" -DX64_TREE="$root/build/package/x86_64" -DOUTPUT_DIR="$output" \
    -P cmake/MakeArchive.cmake
