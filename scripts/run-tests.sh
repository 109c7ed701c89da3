#!/bin/sh
# Runs ctest in each built tree and adds up the results.
set -u
cd "$(dirname "$0")/.."
# A wineserver left from an earlier run keeps the display it started with;
# the tests must see this run's display (its size, its windows).
WINEPREFIX="$(pwd)/build/wineprefix" wineserver -k >/dev/null 2>&1 || true
passed=0
failed=0
skipped=0
for tree in native i686 x86_64; do
    [ -f "build/$tree/CTestTestfile.cmake" ] || continue
    echo "== $tree"
    log="build/$tree.ctest.log"
    (cd "build/$tree" && ctest --output-on-failure --timeout 300) >"$log" 2>&1
    cat "$log"
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$line" ]; then
        echo "ctest in build/$tree printed no summary"
        failed=$((failed + 1))
        continue
    fi
    total=$(echo "$line" | sed -E 's/.* out of ([0-9]+).*/\1/')
    bad=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed.*/\1/')
    skip=$(grep -c -E '\((Skipped|Disabled)\)$' "$log" || true)
    passed=$((passed + total - bad - skip))
    failed=$((failed + bad))
    skipped=$((skipped + skip))
done
# A wineserver left waiting would keep this run's processes alive.
WINEPREFIX="$(pwd)/build/wineprefix" wineserver -k >/dev/null 2>&1 || true
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" = 0 ]
