#!/usr/bin/env bash
# What a blind user hears: Orca, the screen reader, runs against the real program while a quiz
# of two questions is played from the keyboard. From Orca's own record of every phrase it
# speaks, the settings must be heard as the numbers on screen, and after Go each question with
# its four answers, the choice, the grading with the correct answer, the counters, the end of
# the quiz, Restart, Go and Stop.
source "$(dirname "$0")/lib.sh"
ensure_session_bus "$@"
program=$1 pictures=$2

source "$(dirname "$0")/orca-session.sh"

start_program "$program" "$pictures"
xdotool windowfocus --sync "$WINDOW"
hear "Staff without a key signature image\." "the focused picture"

# The settings: the numbers on screen, whichever way the bar runs.
press Tab
hear "Seconds per question scroll bar 5\." "the seconds setting"
for seconds in 4 3 2 1; do
    press Down
    hear "$seconds" "the seconds going down to $seconds"
done
press Tab
hear "Questions per quiz scroll bar 16\." "the questions setting"
press Up
hear 17 "the questions going up to 17"
press End
hear 1 "the fewest questions"
press Up
hear 2 "two questions"
press Tab
hear "Staff without a key signature image\." "the picture again"

# The key of each signature, to check the answer that Orca calls correct.
declare -A key_of=(
    ["1 sharp"]=G ["2 sharps"]=D ["3 sharps"]=A ["4 sharps"]=E ["5 sharps"]=B
    ["6 sharps"]="F Sharp" ["7 sharps"]="C Sharp" ["1 flat"]=F ["2 flats"]="B Flat"
    ["3 flats"]="E Flat" ["4 flats"]="A Flat" ["5 flats"]="D Flat" ["6 flats"]="G Flat"
    ["7 flats"]="C Flat")
question="([1-7] (sharps?|flats?)): 1 ([A-G][ a-zA-Z]*), 2 ([A-G][ a-zA-Z]*), 3 ([A-G][ a-zA-Z]*), 4 ([A-G][ a-zA-Z]*)"

# The first question is answered right and the second wrong, each with its number key.
press Return
hear "Go\. 2 questions left\. $question\." "Go, the first question and its answers"
read_question "$HEARD"
press "$correct_pos"
hear "You chose $correct_pos, $correct_key\." "the answer chosen with $correct_pos"
hear "Right: $correct_pos, $correct_key\. 1 right, 1 question left\. $question\." \
    "that $correct_pos, $correct_key is right, and the second question"
read_question "${HEARD#*question left. }"
chosen=$((correct_pos == 2 ? 1 : 2))
press "$chosen"
hear "You chose $chosen, ${answers[chosen]}\." "the answer chosen with $chosen"
hear "Wrong: the answer is $correct_pos, $correct_key\. 1 wrong\." \
    "that the answer is $correct_pos, $correct_key"
hear "0 questions left\." "the last question counted off, two seconds later"
hear "Quiz over: 1 right, 1 wrong\." "the end of the quiz"

press r
hear "Restart\. 0 right, 0 wrong, 2 questions left\." "Restart and the counters set back"
press Return
hear "Go\. $question\." "Go and a new question"
press Escape
hear "Stopped\." "Stop"

repeated=$(spoken | uniq -d)
[[ -z $repeated ]] || fail "Orca said the same twice in a row: $repeated"
echo "ok: Orca said all of a quiz, each change once"
