# Shell functions that answer a dialog from outside the process, as a user
# would: find the visible X window by its title and press a key in it.
# Sourced by the sample tests; needs xdotool and a display.

# Waits up to $2 seconds for a visible window whose title matches the regular
# expression $1; prints its X window id.
wait_for_window() {
    tenths=0
    while [ "$tenths" -lt "$(($2 * 10))" ]; do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
        tenths=$((tenths + 1))
    done
    return 1
}

# Presses key $2 in the visible window titled $1 (waiting up to $3 seconds for
# it). Wine takes keys from outside only in the window that has the focus.
answer_window() {
    window=$(wait_for_window "$1" "$3") || { echo "FAIL no window titled $1 appeared"; return 1; }
    xdotool windowfocus --sync "$window" >/dev/null 2>&1
    sleep 0.3
    xdotool key --clearmodifiers "$2"
}

# Ends the test as skipped (77) when Wine of this bitness cannot run, and as
# failed when the display or xdotool is missing.
require_wine_and_display() {
    "$1" cmd /c exit >/dev/null 2>&1
    if [ $? = 77 ]; then
        "$1"
        exit 77
    fi
    command -v xdotool >/dev/null 2>&1 || { echo "FAILED: xdotool is missing"; exit 1; }
    [ -n "${DISPLAY:-}" ] || { echo "FAILED: no display"; exit 1; }
}
