#!/usr/bin/env bash
# The real program maps its window at the size of its backdrop, whose bottom row it cuts off,
# with the painted furniture in its places.
source "$(dirname "$0")/lib.sh"
program=$1 pictures=$2

start_x_server
start_program "$program" "$pictures"

backdrop=$(identify -format '%w %h' "$(dirname "$0")/../../mainwindow/pictures/background.gif")
read -r width height <<<"$backdrop"
size=$(window_size)
[[ $size == "${width}x$((height - 1))" ]] || fail "the window is $size; the backdrop is $backdrop"
echo "ok: window is $size"

expect_colour 30 70 black "the staff box's frame"
expect_colour 229 70 black "the staff box's frame"
expect_colour 200 120 white "the staff box"
for bar in "170 172" "185 202" "195 232" "210 262"; do
    expect_colour ${bar% *} ${bar#* } black "an answer bar"
done
expect_colour 300 247 green "the GO button"
expect_colour 341 247 orange "the RESET button"
expect_colour 382 247 red "the STOP button"
