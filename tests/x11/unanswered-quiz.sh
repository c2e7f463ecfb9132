#!/usr/bin/env bash
# A whole quiz driven with real mouse clicks: 0 seconds and 2 questions set with the scroll
# bars' arrows, Go, no answer given; both questions end up wrong.
source "$(dirname "$0")/lib.sh"
ensure_session_bus "$@"
program=$1 pictures=$2

start_x_server
start_program "$program" "$pictures"

counters() {
    echo "left $(label_at 16 232), right $(label_at 267 142), wrong $(label_at 336 142)"
}

for _ in $(seq 5); do click_at 332 121; done    # the seconds bar's down arrow
for _ in $(seq 14); do click_at 388 121; done   # the questions bar's down arrow
[[ $(label_at 307 102) == 0 ]] || fail "the seconds read '$(label_at 307 102)', not 0"
[[ $(label_at 350 102) == 2 ]] || fail "the questions read '$(label_at 350 102)', not 2"
echo "ok: 0 seconds, 2 questions"

click_at 310 247                                # Go
[[ $(label_at 16 232) == 2 ]] || fail "after Go: $(counters)"
echo "ok: after Go, $(counters)"

# Two unanswered questions of half a second, each with its two-second pause.
want="left 0, right 0, wrong 2"
for _ in $(seq 40); do
    [[ $(counters) == "$want" ]] && break
    sleep 0.5
done
sleep 1
[[ $(counters) == "$want" ]] || fail "at the end: $(counters)"
echo "ok: at the end, $(counters)"
