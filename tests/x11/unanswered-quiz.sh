#!/usr/bin/env bash
# A whole quiz driven with real mouse clicks: 0 seconds and 2 questions set with the scroll
# bars' arrows, Go, no answer given; both questions end up wrong.
source "$(dirname "$0")/lib.sh"
ensure_session_bus "$@"
program=$1 pictures=$2

start_x_server
start_program "$program" "$pictures"

counters() {
    read_tree
    echo "$(name_at 16 232), $(name_at 267 142), $(name_at 336 142)"
}

for _ in $(seq 5); do click_at 332 121; done    # the seconds bar's down arrow
for _ in $(seq 14); do click_at 388 121; done   # the questions bar's down arrow
read_tree
settings="$(name_at 307 102), $(name_at 350 102)"
[[ $settings == "Seconds per question: 0, Questions per quiz: 2" ]] || fail "settings: $settings"
echo "ok: $settings"

click_at 310 247                                # Go
after_go=$(counters)
[[ $after_go == "Questions left: 2, "* ]] || fail "after Go: $after_go"
echo "ok: after Go, $after_go"

# Two unanswered questions of half a second, each with its two-second pause.
want="Questions left: 0, Right answers: 0, Wrong answers: 2"
for _ in $(seq 40); do
    [[ $(counters) == "$want" ]] && break
    sleep 0.5
done
sleep 1
[[ $(counters) == "$want" ]] || fail "at the end: $(counters)"
echo "ok: at the end, $(counters)"
