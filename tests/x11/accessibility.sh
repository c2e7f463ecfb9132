#!/usr/bin/env bash
# A screen reader's view of the real program: every control has its name, and one question
# played from the keyboard is announced step by step over the accessibility bus.
source "$(dirname "$0")/lib.sh"
ensure_session_bus "$@"
program=$1 pictures=$2
here=$(dirname "$0")

start_x_server
start_program "$program" "$pictures"

read_tree
for name in "Go" "Stop" "Restart" "Key kind" "About" "Seconds per question" \
    "Questions per quiz" "Seconds per question: 5" "Questions per quiz: 16" \
    "Questions left: 0" "Right answers: 00" "Wrong answers: 00" "Answer 1" "Answer 2" \
    "Answer 3" "Answer 4" "Staff without a key signature"; do
    awk -F'\t' -v n="$name" '$4 == n { found = 1 } END { exit !found }' <<<"$TREE" ||
        fail "no control is named '$name'"
done
echo "ok: every control has its name"

announcements=$(mktemp)
/usr/bin/python3 "$here/listen.py" 6 >"$announcements" &
listener=$!
for _ in $(seq 50); do grep -q listening "$announcements" && break; sleep 0.1; done
grep -q listening "$announcements" || fail "the listener did not start within five seconds"

xdotool windowfocus --sync "$WINDOW"
xdotool key Tab Down Down Down Down            # the seconds bar to 1
xdotool key Return                            # Go
sleep 0.2
xdotool key 1                                 # answer 1
sleep 1.5                                     # graded after one and a half seconds
read_tree
counts="$(name_at 267 142), $(name_at 336 142)"
case $counts in
    "Right answers: 1, Wrong answers: 0" | "Right answers: 0, Wrong answers: 1") ;;
    *) fail "after one graded question: $counts" ;;
esac
echo "ok: $counts"
wait "$listener"

echo "announced during the question:"
sed 's/^/  /' "$announcements"
grep -q $'accessible-name\timage\tKey signature: ' "$announcements" || fail "no new picture announced"
grep -q $'accessible-name\tpush button\tAnswer 1: .*, your choice' "$announcements" ||
    fail "the chosen answer was not announced"
grep -q $'accessible-name\tlabel\t\\(Right\\|Wrong\\) answers: 1' "$announcements" ||
    fail "the grading was not announced"
rm -f "$announcements"
