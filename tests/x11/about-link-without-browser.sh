#!/usr/bin/env bash
# The About window's link on a desktop without a web browser: once with no launcher on the
# PATH at all, once with a launcher that finds no browser and fails, as xdg-open does then.
# Either way nothing new appears, the About window stays open and the program goes on.
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1") pictures=$2

start_x_server
scratch=$(mktemp -d)
trap 'stop_all; rm -rf "$scratch"' EXIT
mkdir "$scratch/empty" "$scratch/failing"
cat >"$scratch/failing/xdg-open" <<'LAUNCHER'
#!/bin/sh
echo "$1" >>"${0%/*}/asked"
echo "xdg-open: no method available for opening '$1'" >&2
exit 3
LAUNCHER
chmod +x "$scratch/failing/xdg-open"

visible_windows() {
    xdotool search --onlyvisible --name '.' 2>/dev/null | sort
}

# Starts the program with only the given folder on its PATH and no browser in its settings.
start_without_browser() {
    (cd "$pictures" && exec env -u BROWSER -u DEFAULT_BROWSER PATH="$1" QT_QPA_PLATFORM=xcb \
        "$program") &
    APP_PID=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Duridaz$' | head -n1)
    [[ -n $WINDOW ]] || fail "the window did not map"
    sleep 0.5
}

for launcher in empty failing; do
    start_without_browser "$scratch/$launcher"
    click_at 300 40                                 # the logo
    about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About$' | head -n1)
    [[ -n $about ]] || fail "the About window did not open"
    before=$(visible_windows)

    xdotool mousemove --window "$about" 160 97 click 1   # the link
    sleep 1.5
    kill -0 "$APP_PID" 2>/dev/null || fail "($launcher) the program ended"
    [[ $(visible_windows) == "$before" ]] || fail "($launcher) the windows on screen changed"
    echo "ok ($launcher): the link changed nothing on screen"

    # The program still answers: a click on the About window's background closes it.
    xdotool mousemove --window "$about" 290 70 click 1
    for _ in $(seq 40); do
        [[ -z $(xdotool search --onlyvisible --name '^About$') ]] && break
        sleep 0.1
    done
    [[ -z $(xdotool search --onlyvisible --name '^About$') ]] ||
        fail "($launcher) the About window no longer answers clicks"
    xdotool search --onlyvisible --name '^Duridaz$' >/dev/null ||
        fail "($launcher) the main window is gone"
    echo "ok ($launcher): the program goes on"
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
done

[[ $(cat "$scratch/failing/asked" 2>/dev/null) == https://duridaz.org/ ]] ||
    fail "the failing launcher was not asked once for the page"
echo "ok: the failing launcher was asked once for the page"
