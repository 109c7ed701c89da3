#!/bin/sh
# Runs ctest in each built tree and adds up the results from ctest's JUnit
# reports.
set -u
cd "$(dirname "$0")/.."
# A wineserver left from an earlier run keeps the display it started with;
# the tests must see this run's display (its size, its windows).
WINEPREFIX="$(pwd)/build/wineprefix" wineserver -k >/dev/null 2>&1 || true
reports=""
for tree in native i686 x86_64; do
    [ -f "build/$tree/CTestTestfile.cmake" ] || continue
    echo "== $tree"
    report="$(pwd)/build/$tree.junit.xml"
    rm -f "$report"
    (cd "build/$tree" && ctest --output-on-failure --timeout 300 --output-junit "$report") 2>&1 |
        tee "build/$tree.ctest.log"
    reports="$reports $report"
done
# A wineserver left waiting would keep this run's processes alive.
WINEPREFIX="$(pwd)/build/wineprefix" wineserver -k >/dev/null 2>&1 || true
# shellcheck disable=SC2086
set -- $(python3 scripts/junit-summary.py $reports)
echo "$1 passed, $2 failed, $3 skipped"
[ "$2" = 0 ] && [ "$1" -gt 0 ]
