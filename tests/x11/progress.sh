#!/usr/bin/env bash
# My progress in the real program: after a quiz of two unanswered questions, the P key opens
# the window, whose table a screen reader reads: each key asked once, none right, no time.
source "$(dirname "$0")/lib.sh"
ensure_session_bus "$@"
program=$1 pictures=$2

home=$(mktemp -d)
start_x_server
trap 'stop_all; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data

declare -A key_of=(
    ["1 sharp"]=G ["2 sharps"]=D ["3 sharps"]=A ["4 sharps"]=E ["5 sharps"]=B
    ["6 sharps"]="F Sharp" ["7 sharps"]="C Sharp" ["1 flat"]=F ["2 flats"]="B Flat"
    ["3 flats"]="E Flat" ["4 flats"]="A Flat" ["5 flats"]="D Flat" ["6 flats"]="G Flat"
    ["7 flats"]="C Flat")

signature_on_show() {
    read_tree
    local name
    name=$(name_at 31 14)
    echo "${name#Key signature: }"
}

start_program "$program" "$pictures"
xdotool windowfocus --sync "$WINDOW"
xdotool key Tab End Tab End Up Tab Return       # no time to answer, two questions
asked=("${key_of[$(signature_on_show)]}")
for _ in $(seq 40); do
    second=$(signature_on_show)
    [[ ${key_of[$second]} != "${asked[0]}" ]] && break
    sleep 0.2
done
asked+=("${key_of[$second]}")
[[ -n ${asked[0]} && -n ${asked[1]} && ${asked[0]} != "${asked[1]}" ]] ||
    fail "the questions asked were not read: ${asked[*]}"
for _ in $(seq 40); do
    read_tree
    grep -q "Quiz over" <<<"$TREE" && break
    sleep 0.2
done

xdotool key p
for _ in $(seq 25); do
    read_tree
    grep -q $'\ttable cell\t' <<<"$TREE" && break
    sleep 0.2
done
# The table's rows: key, asked, right, average time.
rows=$(awk -F'\t' '$3 == "table cell" { cell[$2] = cell[$2] (cell[$2] == "" ? "" : "|") $4 }
    END { for (y in cell) print cell[y] }' <<<"$TREE" | sort)
[[ $(wc -l <<<"$rows") == 14 ]] || fail "the table has not fourteen rows: $rows"
while IFS='|' read -r key times right seconds; do
    expected=0
    [[ $key == "${asked[0]}" || $key == "${asked[1]}" ]] && expected=1
    [[ "$times|$right|$seconds" == "$expected|0|—" ]] ||
        fail "$key: asked $times, right $right, time $seconds; expected $expected, 0, —"
done <<<"$rows"
echo "ok: the table reads ${asked[0]} and ${asked[1]} asked once each, none right, no time"
