#!/usr/bin/env bash
# The main window closed as a window manager closes it, during a running quiz with the About
# window open: its drill ends at once (no timer wakes the program, no box asks for the key
# pictures taken away meanwhile), and the program ends when the About window is closed.
source "$(dirname "$0")/lib.sh"
program=$1
here=$(dirname "$0")
pictures=$(mktemp -d)
trap 'stop_all; rm -rf "$pictures"' EXIT
cp "$2"/*.gif "$pictures"

start_x_server
trap 'stop_all; rm -rf "$pictures"' EXIT
start_program "$program" "$pictures"

# Wake-ups of the program's main thread so far.
wakeups() {
    awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$APP_PID/task/$APP_PID/status"
}

for _ in $(seq 5); do click_at 332 121; done    # "0" seconds: a question every half second
click_at 310 247                                # Go
click_at 350 40                                 # the logo: the About window
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About$' | head -n1)
[[ -n $about ]] || fail "the About window did not open"
rm "$pictures"/[0-9]*.gif                       # any further question would ask for them

/usr/bin/python3 "$here/wm-close.py" "$WINDOW"
sleep 0.5
! xwininfo -id "$WINDOW" 2>/dev/null | grep -q IsViewable || fail "the main window is still on screen"
before=$(wakeups)
sleep 3
woken=$(($(wakeups) - before))
((woken <= 1)) || fail "the closed window's drill woke the program $woken times in 3 s"
echo "ok: after the close the program woke $woken times in 3 s"
boxes=$(xdotool search --onlyvisible --name '\.gif$' 2>/dev/null || true)
[[ -z $boxes ]] || fail "a message box appeared for the closed window"
echo "ok: no message box"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended with the About window still open"

xdotool mousemove --window "$about" 300 70 click 1    # the About window's bare background
for _ in $(seq 50); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$APP_PID" 2>/dev/null && fail "the program is still running with no window open"
wait "$APP_PID" && status=0 || status=$?
[[ $status == 0 ]] || fail "the program ended with status $status"
APP_PID=""
echo "ok: the program ended when the About window closed"
