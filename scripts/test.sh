#!/bin/sh
# Builds everything and runs every test: the native unit tests of the
# portable core, then the Windows tests of both bitnesses under Wine (with a
# virtual display when there is none). Ends with one summary line.
set -eu
cd "$(dirname "$0")/.."
mkdir -p build
scripts/ensure-deps.sh
scripts/build.sh

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" scripts/run-tests.sh
fi
exec scripts/run-tests.sh
