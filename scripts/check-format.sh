#!/bin/sh
# Checks that every C and C++ file of the tree is formatted as .clang-format
# says; lists the files that are not.
set -u
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null 2>&1 || { echo "clang-format is missing"; exit 1; }
bad=0
for file in $(git ls-files '*.cpp' '*.h'); do
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file"
        bad=$((bad + 1))
    fi
done
echo "$bad files not formatted"
[ "$bad" = 0 ]
