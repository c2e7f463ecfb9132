#!/usr/bin/env bash
# Started where there is no display (over ssh, on a server), the program says so in one plain
# line and ends with status 1, without Qt's abort and core dump.
set -euo pipefail
program=$1
said=$(mktemp)
trap 'rm -f "$said"' EXIT
ulimit -c 0

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

try() {
    local what=$1 status=0
    shift
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" >/dev/null 2>"$said" || status=$?
    [[ $status == 1 ]] || fail "$what: it ended with status $status"
    [[ $(wc -l <"$said") == 1 ]] || fail "$what: it said: $(cat "$said")"
    grep -q "needs a graphical display" "$said" || fail "$what: it said: $(cat "$said")"
    echo "ok: $what: $(cat "$said")"
}

try "no DISPLAY" -u DISPLAY
try "a DISPLAY with no server" DISPLAY=:9999
