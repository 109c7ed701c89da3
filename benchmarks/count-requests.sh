#!/bin/sh
# Counts the requests a MsgBox call makes of Wine's window server, phase by
# phase. Under Wine nearly every window operation is such a request, and the
# time of a first paint follows their number; this is how the phases of
# dialog_phases.exe were taken apart. It starts a window server that traces
# every request (wineserver -d1), runs `dialog_phases.exe --requests` (one
# cold and three warm calls with default properties, the chime off), and
# counts the requests of the program's main thread between the phase marks.
#
# Usage: benchmarks/count-requests.sh [BUILD_DIR]     (default: build/x86_64)
set -eu

build=${1:-build/x86_64}
run="$build/wine-run.sh"
program="$build/bin/dialog_phases.exe"
if [ ! -x "$run" ] || [ ! -f "$program" ]; then
    echo "count-requests: build $program first (cmake --build $build --target dialog_phases)" >&2
    exit 1
fi
WINEPREFIX=$(sed -n 's/^export WINEPREFIX="\(.*\)"$/\1/p' "$run")
export WINEPREFIX

trace=$(mktemp)
trap 'rm -f "$trace"' EXIT

# A traced server of our own for the prefix, started before the program so
# that the program does not start an untraced one.
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
wineserver -f -d1 -p30 2>"$trace" &
server=$!
sleep 1
"$run" "$program" --requests >/dev/null 2>&1 || true
wineserver -k >/dev/null 2>&1 || true
wait "$server" 2>/dev/null || true

# A request line is "TTTT: name( ... )", its reply "TTTT: name() = ...".
# The benchmark marks the start and the end of each call as well.
awk '
/^[0-9a-f]+: [a-z_]+\(/ {
    tid = substr($1, 1, length($1) - 1)
    if (index($0, "() =")) next
    if ($2 ~ /^find_atom\(/ && index($0, "name=L\"phase: ")) {
        name = $0
        sub(/.*name=L"phase: /, "", name)
        sub(/" \).*$/, "", name)
        if (main == "") main = tid
        if (name == "start of the call") { call++; pending = 0; next }
        if (name == "end of the call") { tail[call] = pending; pending = 0; next }
        count[call, name] = pending
        total[call] += pending
        if (!(name in seen)) { seen[name] = 1; order[++phases] = name }
        pending = 0
        next
    }
    if (tid == main && call > 0) pending++
    next
}
END {
    if (call < 2) { print "count-requests: the trace holds no marked calls" > "/dev/stderr"; exit 1 }
    printf "Window server requests of a MsgBox call, default properties, chime off\n"
    printf "(the last of %d warm calls; the first call of the process in brackets)\n", call - 1
    for (i = 1; i <= phases; i++)
        printf "  %-52s %5d  (%d)\n", order[i], count[call, order[i]], count[1, order[i]]
    printf "  %-52s %5d  (%d)\n", "in all, up to the last mark", total[call], total[1]
    printf "  %-52s %5d  (%d)\n", "then: first paint, closing, end of the modal loop", tail[call], tail[1]
}' "$trace"
