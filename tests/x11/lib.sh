# Shared by the tests that run the real program in a real X server.
set -euo pipefail

# The tests read the program's English texts, and Orca's, whatever the machine's language; a
# test of another language sets LANG itself.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES

# Starts Xvfb on a free display and exports DISPLAY; stops it, and the program, on exit.
start_x_server() {
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [[ -s $fd_file ]] && break
        sleep 0.05
    done
    [[ -s $fd_file ]] || { kill "$XVFB_PID"; fail "Xvfb did not start within five seconds"; }
    export DISPLAY=":$(head -n1 "$fd_file")"
    rm -f "$fd_file"
    trap stop_all EXIT
}

stop_all() {
    [[ -n ${APP_PID:-} ]] && kill "$APP_PID" 2>/dev/null || true
    kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    if [[ -n ${DURIDAZ_OWN_RUNTIME_DIR:-} && ${XDG_RUNTIME_DIR:-} == "$DURIDAZ_OWN_RUNTIME_DIR" ]]; then
        rm -rf "$DURIDAZ_OWN_RUNTIME_DIR"
    fi
}

# Starts the program from the picture folder, with any options given after it, and waits for
# its window; sets WINDOW.
start_program() {
    local program pictures=$2
    program=$(realpath "$1")
    (cd "$pictures" && QT_QPA_PLATFORM=xcb exec ${AS_USER:-} "$program" "${@:3}") &
    APP_PID=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --all --pid "$APP_PID" \
        --name '^Duridaz$' | head -n1)
    [[ -n $WINDOW ]] || fail "the window did not map"
    sleep 0.5
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

window_size() {
    xwininfo -id "$WINDOW" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'
}

# Prints "r g b" of one pixel of the window.
pixel() {
    import -window "$WINDOW" -crop "1x1+$1+$2" -depth 8 txt:- |
        sed -n 's/.*#\([0-9A-Fa-f]\{2\}\)\([0-9A-Fa-f]\{2\}\)\([0-9A-Fa-f]\{2\}\).*/\1 \2 \3/p' |
        while read -r r g b; do echo "$((16#$r)) $((16#$g)) $((16#$b))"; done
}

# Checks a pixel against a colour class: black, white, green, orange or red.
expect_colour() {
    local x=$1 y=$2 want=$3 what=$4 r g b ok=0
    read -r r g b < <(pixel "$x" "$y")
    case $want in
        black) ((r < 60 && g < 60 && b < 60)) && ok=1 ;;
        white) ((r > 220 && g > 220 && b > 220)) && ok=1 ;;
        green) ((g > r + 40 && g > b + 40)) && ok=1 ;;
        orange) ((r > 180 && g > 80 && g < r - 40 && b < g - 30)) && ok=1 ;;
        red) ((r > 150 && g < 90 && b < 90)) && ok=1 ;;
    esac
    ((ok)) || fail "$what at ($x, $y) is rgb($r, $g, $b), not $want"
    echo "ok: $what is $want"
}

# Runs the calling script again inside its own session bus, where the program's labels can be
# read over the accessibility bus. The bus gets a runtime folder of its own: in the shared one,
# test runs at the same time would meet at one accessibility bus socket.
ensure_session_bus() {
    if [[ -z ${DURIDAZ_SESSION_BUS:-} ]]; then
        export DURIDAZ_SESSION_BUS=1
        XDG_RUNTIME_DIR=$(mktemp -d)
        export XDG_RUNTIME_DIR DURIDAZ_OWN_RUNTIME_DIR=$XDG_RUNTIME_DIR
        exec dbus-run-session -- "$0" "$@" 2> >(grep -v -e dbus-daemon -e SpiRegistry >&2)
    fi
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Reads the program's accessibility tree into TREE, one control a line (see labels.py). On a
# loaded machine the accessibility bus may not answer the first call in time: it tries thrice.
read_tree() {
    local attempt
    for attempt in 1 2 3; do
        TREE=$(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/labels.py" 2>/dev/null) && return
        sleep 1
    done
    fail "the accessibility bus did not answer three times"
}

# Prints the accessible name of the control whose top-left corner is at x y, from TREE.
name_at() {
    awk -F'\t' -v x="$1" -v y="$2" '$1 == x && $2 == y { print $4; exit }' <<<"$TREE"
}

click_at() {
    xdotool mousemove --window "$WINDOW" "$1" "$2" click 1
    sleep 0.05
}
