#!/usr/bin/env bash
# The window's menu in the real program: opened with the Menu key and with a right-click on an
# answer, it chooses the bass clef and the minor keys; the next question is drawn in the bass
# clef and graded with the relative minor's name. Then the same from the command line with
# --clef tenor --minor.
source "$(dirname "$0")/lib.sh"
ensure_session_bus "$@"
program=$1 pictures=$2 window_pictures=$3

declare -A minor_of=(
    ["1 sharp"]="E Minor" ["2 sharps"]="B Minor" ["3 sharps"]="F Sharp Minor"
    ["4 sharps"]="C Sharp Minor" ["5 sharps"]="G Sharp Minor" ["6 sharps"]="D Sharp Minor"
    ["7 sharps"]="A Sharp Minor" ["1 flat"]="D Minor" ["2 flats"]="G Minor" ["3 flats"]="C Minor"
    ["4 flats"]="F Minor" ["5 flats"]="B Flat Minor" ["6 flats"]="E Flat Minor"
    ["7 flats"]="A Flat Minor")

# The clef as drawn on the window: the picture box's left part, where only the clef is, against
# the clef's own staff picture.
clef_shown_is() {
    local shot rest differ
    shot=$(mktemp --suffix=.png) rest=$(mktemp --suffix=.png)
    import -window "$WINDOW" -crop 55x121+31+14 +repage "$shot"
    convert "$1" -crop 55x121+0+0 +repage "$rest"
    differ=$(compare -metric AE "$shot" "$rest" null: 2>&1 || true)
    rm -f "$shot" "$rest"
    [[ $differ == 0 ]]
}

# Plays one unanswered question at one second and checks its clef and that the answer shown as
# the correct one is the minor key of the signature on show.
play_a_minor_question() {
    local clef=$1 signature expected graded=""
    xdotool windowfocus --sync "$WINDOW"
    xdotool key Tab Down Down Down Down Tab Tab   # one second a question, the picture again
    xdotool key Return                            # Go
    sleep 0.3
    clef_shown_is "$window_pictures/blankstaff-$clef.gif" || fail "the question is not in the $clef clef"
    echo "ok: the question is drawn in the $clef clef"
    read_tree
    signature=$(name_at 31 14)
    signature=${signature#Key signature: }
    expected=${minor_of[$signature]:-}
    [[ -n $expected ]] || fail "the picture is described as \"$signature\""
    for _ in $(seq 30); do
        read_tree
        graded=$(grep -o "Answer [1-4]: [^	]*, the correct answer" <<<"$TREE" || true)
        [[ -n $graded ]] && break
        sleep 0.2
    done
    [[ $graded == "Answer "?": $expected, the correct answer" ]] ||
        fail "$signature: the correct answer is \"$graded\", not $expected"
    echo "ok: $signature in the $clef clef is $expected"
}

start_x_server
start_program "$program" "$pictures"
xdotool windowfocus --sync "$WINDOW"
xdotool key Menu c b                           # Clef, Bass
sleep 0.3
clef_shown_is "$window_pictures/blankstaff-bass.gif" || fail "the staff at rest is not the bass clef's"
echo "ok: the Menu key chose the bass clef, and the staff at rest shows it"
xdotool mousemove --window "$WINDOW" 150 170 click 3   # on the first answer
sleep 0.3
xdotool key k i                                # Keys, Minor
play_a_minor_question bass

kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
start_program "$program" "$pictures" --clef tenor --minor
play_a_minor_question tenor
