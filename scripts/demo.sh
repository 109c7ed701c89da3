#!/bin/sh
# The main job: builds everything and starts the demonstration program,
# QuillnoteSample.exe, under Wine. The program finds the component without any
# registration: its manifest names the side-by-side assembly that
# Quillnote.dll and Quillnote.manifest form in the same folder.
#
# With a display, the window opens and the script waits until it is closed.
# Without one, the program runs on a virtual display (Xvfb): the script waits
# for the window, saves a picture of it, clicks "Show Message", saves a
# picture of the message, closes everything and prints where the pictures are.
#
# Only the program and the component are built; scripts/test.sh builds the
# rest. Usage: demo.sh [--32-bit]   (the 32-bit program and component
# instead of the 64-bit ones; pictures named demo-window-32-bit.png and so on)
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)

export WINEPREFIX="$root/build/wineprefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="winealsa.drv,winepulse.drv,wineoss.drv=d;mscoree,mshtml="
tree=x86_64
wine=/usr/lib/wine/wine64
suffix=""
for argument in "$@"; do
    case "$argument" in
        --32-bit)
            tree=i686
            # /usr/bin/wine's loader: the 32-bit one.
            wine=/usr/lib/wine/wine
            suffix="-32-bit"
            ;;
        --virtual-display-session) ;;
        *) echo "usage: $0 [--32-bit]" >&2; exit 2 ;;
    esac
done
program="$root/build/$tree/bin/QuillnoteSample.exe"
shots="$root/build/screenshots"
log="$root/build/demo$suffix.log"

stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
}

# --- The session on the virtual display -------------------------------------

# Waits up to $2 seconds for a visible window of the program whose name
# matches $1; prints the X window ids, one a line.
wait_for_windows() {
    pattern=$1
    limit=$2
    count=${3:-1}
    waited=0
    while [ "$waited" -lt "$((limit * 10))" ]; do
        ids=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null || true)
        if [ -n "$ids" ] && [ "$(printf '%s\n' "$ids" | wc -l)" -ge "$count" ]; then
            printf '%s\n' "$ids"
            return 0
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    return 1
}

# The geometry of X window $1 as shell assignments X, Y, WIDTH, HEIGHT.
geometry_of() {
    xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)='
}

# A picture of X window $1, saved as $2.
picture_of() {
    xwd -id "$1" -silent | convert xwd:- "$2"
}

# A picture of X window $1 with window $2 over it, saved as $3. Each window is
# taken by itself and the second laid over the first: the component's dialog
# (a topmost window) comes out black in a picture of the whole screen taken
# without a compositing manager.
picture_of_both() {
    eval "$(geometry_of "$1")"
    under_x=$X under_y=$Y
    eval "$(geometry_of "$2")"
    xwd -id "$2" -silent | convert xwd:- "$shots/.over.png"
    xwd -id "$1" -silent | convert xwd:- "$shots/.over.png" \
        -geometry "+$((X - under_x))+$((Y - under_y))" -composite "$3"
    rm -f "$shots/.over.png"
}

session() {
    mkdir -p "$shots"
    window_shot="$shots/demo-window$suffix.png"
    message_shot="$shots/demo-message$suffix.png"
    rm -f "$window_shot" "$message_shot"
    "$wine" "$program" >"$log" 2>&1 &
    pid=$!

    status=0
    if windows=$(wait_for_windows "Quillnote Demonstration" 60); then
        window=$(printf '%s\n' "$windows" | head -n 1)
    else
        echo "The demonstration window did not appear; the program's output is in $log" >&2
        status=1
    fi

    if [ "$status" = 0 ]; then
        # Without a window manager nothing activates the window: give it the
        # input focus, so that it shows its start-up state (the focus in the
        # message field) and takes the keys below.
        timeout 5 xdotool windowfocus --sync "$window" >/dev/null 2>&1 || true
        sleep 1
        picture_of "$window" "$window_shot"

        # Click "Show Message": its place in the client area comes from the
        # window's layout (480, 5910, 1335 x 375 twips; 15 twips a pixel),
        # the client area's place from the frame around its 450 x 427 pixels.
        eval "$(geometry_of "$window")"
        border=$(((WIDTH - 450) / 2))
        top=$((HEIGHT - 427 - border))
        xdotool mousemove "$((X + border + 32 + 44))" "$((Y + top + 394 + 12))" click 1

        # The component's dialog is a second window of the program.
        if ! windows=$(wait_for_windows "Quillnote Demonstration" 20 2); then
            echo "The message did not appear; the program's output is in $log" >&2
            status=1
        else
            dialog=$(printf '%s\n' "$windows" | grep -vx "$window" | head -n 1)
            sleep 1.5
            picture_of_both "$window" "$dialog" "$message_shot"
            # OK has the focus in the message; then Escape ends the program.
            timeout 5 xdotool windowfocus --sync "$dialog" >/dev/null 2>&1 || true
            xdotool key Return
            sleep 1
            timeout 5 xdotool windowfocus --sync "$window" >/dev/null 2>&1 || true
            xdotool key Escape
        fi
    fi

    # Give the program ten seconds to end by itself, then end it.
    waited=0
    while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 100 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "The program did not end by itself; stopping it." >&2
        kill "$pid" 2>/dev/null || true
    fi
    stop_wine

    if [ "$status" = 0 ]; then
        echo "Screenshots of the demonstration:"
        echo "  window:  $window_shot"
        echo "  message: $message_shot"
    fi
    return "$status"
}

case " $* " in
*" --virtual-display-session "*)
    session
    exit $?
    ;;
esac

# --- Build, then run on the desktop or on a virtual display -----------------

mkdir -p build
scripts/ensure-deps.sh
if [ "$tree" = i686 ] && ! "$wine" --version >/dev/null 2>&1; then
    echo "32-bit programs cannot run on this machine: $(cat build/wine32.status 2>/dev/null)" >&2
    exit 1
fi
scripts/build.sh --target QuillnoteSample "$tree"
scripts/wine-prefix.sh "$WINEPREFIX"
if [ ! -f "$program" ]; then
    echo "$program was not built (is QUILLNOTE_COMPONENT_ONLY set in build/$tree?)" >&2
    exit 1
fi

if [ -n "${DISPLAY:-}" ]; then
    status=0
    "$wine" "$program" || status=$?
    stop_wine
    exit "$status"
fi

# No display: the same script runs the session on a virtual one. A session
# that hangs is ended after three minutes.
status=0
timeout 180 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@" --virtual-display-session || status=$?
stop_wine
exit "$status"
