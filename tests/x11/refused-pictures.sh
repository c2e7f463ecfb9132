#!/usr/bin/env bash
# Picture files that the program must refuse, each in turn in the place of every key picture
# (items of the bad-file corpus: a JPEG of thousands of scans, a BMP holding only its bottom
# row, an icon hiding a huge PNG, a cut JPEG, an RLE BMP, a GIF with a broken code stream): a
# 25-question quiz at 0 seconds played from the keyboard shows the box naming the picture for
# every question, and the window handles every key press within 100 ms.
source "$(dirname "$0")/lib.sh"
ensure_session_bus "$@"
program=$1 pictures=$2 badfiles=$3

folder=$(mktemp -d)
cp "$pictures"/*.gif "$folder"
start_x_server
trap 'stop_all; rm -rf "$folder"' EXIT
start_program "$program" "$folder"

xdotool windowfocus --sync "$WINDOW"
xdotool key Tab End Tab Home                    # the fewest seconds, the most questions
read_tree
settings="$(name_at 307 102), $(name_at 350 102)"
[[ $settings == "Seconds per question: 0, Questions per quiz: 25" ]] || fail "settings: $settings"
echo "ok: $settings"

/usr/bin/python3 "$(dirname "$0")/refused-pictures.py" "$WINDOW" "$folder" 25 100 \
    "$badfiles"/{jpeg-progressive-many-scans,bmp-bottom-row-only,ico-hiding-huge-png}.gif \
    "$badfiles"/{jpeg-cut-in-half,bmp-rle-claims-2048,lzw-code-before-defined}.gif
