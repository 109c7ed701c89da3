#!/bin/sh
# Configures and builds the three trees under build/: the native tree (the
# portable core and its unit tests) and the two Windows trees, i686 and
# x86_64 (the component, the sample program and their Windows tests).
# Usage: build.sh [--target TARGET] [native] [i686] [x86_64]
#   (default: all three trees, every target of each)
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
mkdir -p build
target=""
if [ "${1:-}" = "--target" ]; then
    target="--target $2"
    shift 2
fi
trees=${*:-native i686 x86_64}
jobs=$(nproc 2>/dev/null || echo 2)

for tree in $trees; do
    case "$tree" in
        native) toolchain="" ;;
        i686) toolchain="-DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-i686-w64-mingw32.cmake" ;;
        x86_64) toolchain="-DCMAKE_TOOLCHAIN_FILE=$root/cmake/toolchain-x86_64-w64-mingw32.cmake \
-DQUILLNOTE_PEER_DLL=$root/build/i686/bin/Quillnote.dll" ;;
        *) echo "unknown tree: $tree" >&2; exit 2 ;;
    esac
    # A tree configured before the set-up noted how 32-bit programs run
    # (build/wine32.status) is configured again to read it.
    if ! grep -qs '^QUILLNOTE_WINE32_STATUS:' "build/$tree/CMakeCache.txt"; then
        # shellcheck disable=SC2086
        cmake -S . -B "build/$tree" -DCMAKE_BUILD_TYPE=Release \
            -DQUILLNOTE_WINEPREFIX="$root/build/wineprefix" \
            -DQUILLNOTE_WINE32_STATUS="$root/build/wine32.status" $toolchain >"build/$tree.configure.log" 2>&1 || {
            cat "build/$tree.configure.log"
            exit 1
        }
    fi
    # shellcheck disable=SC2086
    cmake --build "build/$tree" -j "$jobs" $target
done
