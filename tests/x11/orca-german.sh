#!/usr/bin/env bash
# What a blind German user hears: Orca runs against the program in German while a quiz of one
# question is played from the keyboard. The settings, the question with its signature and four
# answers, the choice, the grading with the key's German name and the end of the quiz must all
# be heard in German.
source "$(dirname "$0")/lib.sh"
ensure_session_bus "$@"
program=$1 pictures=$2

source "$(dirname "$0")/orca-session.sh"

# Only the program speaks German: the speech services keep the test machine's own language.
LANG=de_DE.UTF-8 start_program "$program" "$pictures"
xdotool windowfocus --sync "$WINDOW"
hear "Notensystem ohne Vorzeichen image\." "the focused picture"

press Tab
hear "Sekunden pro Frage scroll bar 5\." "the seconds setting"
press Tab
hear "Fragen pro Quiz scroll bar 16\." "the questions setting"
press End
hear 1 "the fewest questions"
press Tab
hear "Notensystem ohne Vorzeichen image\." "the picture again"

declare -A key_of=(
    ["1 Kreuz"]=G ["2 Kreuze"]=D ["3 Kreuze"]=A ["4 Kreuze"]=E ["5 Kreuze"]=H ["6 Kreuze"]=Fis
    ["7 Kreuze"]=Cis ["1 b"]=F ["2 b"]=B ["3 b"]=Es ["4 b"]=As ["5 b"]=Des ["6 b"]=Ges
    ["7 b"]=Ces)
name="[A-H][a-z]*"
question="([1-7] (Kreuze?|b)): 1 ($name), 2 ($name), 3 ($name), 4 ($name)"

press Return
hear "Los\. 1 Frage übrig\. $question\." "Go and the question in German"
read_question "$HEARD"

chosen=$((correct_pos == 2 ? 1 : 2))
press "$chosen"
hear "Ihre Wahl: $chosen, ${answers[chosen]}\." "the answer chosen with $chosen"
hear "Falsch: richtig ist $correct_pos, $correct_key\. 1 falsch\." \
    "that the answer is $correct_pos, $correct_key"
hear "Keine Fragen mehr\." "the last question counted off"
hear "Quiz beendet: 0 richtig, 1 falsch\." "the end of the quiz"
echo "ok: Orca said the quiz in German"
