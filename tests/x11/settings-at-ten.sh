#!/usr/bin/env bash
# The settings at their widest: at "10" seconds the scroll bars look as they do at "5" and
# take a click on every column of both arrows, the numbers and the words under them end left
# of the bars, and a double-click on SELECT is one press.
source "$(dirname "$0")/lib.sh"
program=$1 pictures=$2

start_x_server
start_program "$program" "$pictures"

crop() {
    import -window "$WINDOW" -crop "$1" +repage -depth 8 rgb:- | md5sum
}

# The rightmost column with dark ink in a band of the window, or -1.
ink_right() {
    import -window "$WINDOW" -crop "$1" +repage -depth 8 txt:- |
        awk -F'[,: ()]+' -v left="${1#*+}" 'NR > 1 && $4 < 128 && $5 < 128 && $6 < 128 {
            if ($1 > right) right = $1 } BEGIN { right = -1 }
            END { split(left, o, "+"); print right < 0 ? -1 : right + o[1] }'
}

bars="12x26+326+100 12x26+382+100"
declare -A at_five
for bar in $bars; do at_five[$bar]=$(crop "$bar"); done

for _ in $(seq 5); do click_at 331 104; done    # the seconds bar's up arrow, to "10"
xdotool mousemove --window "$WINDOW" 200 200    # no arrow lit up under the pointer
sleep 0.3
seconds_ink=$(ink_right 36x24+290+102)
((seconds_ink >= 318 && seconds_ink < 326)) || fail "\"10\" ends at column $seconds_ink"
echo "ok: \"10\" ends at column $seconds_ink, left of its bar at 326"
for bar in $bars; do
    [[ $(crop "$bar") == "${at_five[$bar]}" ]] || fail "the bar at $bar looks other at \"10\""
done
echo "ok: both bars look as they do at \"5\""

speed_ink=$(ink_right 41x13+285+122)
questions_ink=$(ink_right 46x13+336+122)
((speed_ink > 300 && speed_ink < 318)) || fail "\"speed\" ends at column $speed_ink"
((questions_ink > 360 && questions_ink < 382)) || fail "\"questions\" ends at column $questions_ink"
echo "ok: \"speed\" ends at $speed_ink, \"questions\" at $questions_ink, inside their boxes"

# Down then up on each column: each click changes the number beside the bar.
check_columns() {
    local left=$1 number=$2 x before
    for ((x = left; x < left + 12; ++x)); do
        for y in 119 106; do
            before=$(crop "$number")
            click_at "$x" "$y"
            [[ $(crop "$number") != "$before" ]] || fail "a click at ($x, $y) changed nothing"
        done
    done
    echo "ok: every column of both arrows of the bar at $left takes its click"
}
check_columns 326 20x24+307+102
check_columns 382 26x23+350+102

lamp() {
    local r g b
    read -r r g b < <(pixel "$1" "$2")
    ((r > 150 && g < 90 && b < 90)) && echo lit || echo unlit
}
xdotool mousemove --window "$WINDOW" 295 195 click 1                  # all keys again
sleep 0.7
xdotool mousemove --window "$WINDOW" 295 195 click --repeat 2 --delay 60 1
sleep 0.3
lamps="sharps $(lamp 340 184), flats $(lamp 340 208)"
[[ $lamps == "sharps unlit, flats lit" ]] || fail "after a double-click on SELECT: $lamps"
echo "ok: a double-click on SELECT moved on one kind: $lamps"
