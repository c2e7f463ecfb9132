#!/usr/bin/env bash
# The program's options, where there is no display: help and the version end at once with
# status 0; a mistake is told in one line and ends with status 2.
set -euo pipefail
program=$1
out=$(mktemp) errors=$(mktemp)
trap 'rm -f "$out" "$errors"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The options, the status, and a text that stdout (for 0) or stderr must hold.
while IFS='|' read -r options status says; do
    got=0
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=C.UTF-8 \
        "$program" $options >"$out" 2>"$errors" || got=$?
    [[ $got == "$status" ]] || fail "$options: status $got, not $status: $(cat "$errors")"
    told=$([[ $status == 0 ]] && cat "$out" || cat "$errors")
    grep -qF -- "$says" <<<"$told" || fail "$options: it said: $told"
    [[ $status == 0 || $(wc -l <"$errors") == 1 ]] || fail "$options: more than a line: $told"
    echo "ok: $options: $(head -n1 <<<"$told")"
done <<'TABLE'
--help|0|--clef <clef>
--help|0|--minor
-h|0|--version
--version|0|duridaz 1.0
--clef piano|2|"piano" is no clef
--clef|2|Missing value after '--clef'.
--major|2|Unknown option 'major'.
--minor extra|2|extra
TABLE
