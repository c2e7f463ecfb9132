#!/usr/bin/env bash
# The learner's record in the real program. With nothing chosen it writes no file at all. Kept,
# it restores its settings, loses no answer graded before a SIGKILL in the middle of a quiz,
# and takes every answer of two copies at work at once. A bad database or settings file gets
# one clear message, the drill goes on, and the file is left as it was or, if damaged, kept
# aside beside a fresh one.
source "$(dirname "$0")/lib.sh"
ensure_session_bus "$@"
program=$1 pictures=$2

home=$(mktemp -d)
start_x_server
trap 'stop_all; rm -rf "$home"' EXIT
export HOME=$home/home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
record=$XDG_DATA_HOME/duridaz/record.db
settings=$XDG_CONFIG_HOME/duridaz/duridaz.conf
mkdir -p "$HOME"

# Runs statements on a database and prints the last one's rows, "a|b" a line.
sql() {
    /usr/bin/python3 -c 'import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
*first, last = sys.argv[2].split(";")
db.executescript(";".join(first))
rows = db.execute(last).fetchall()
db.commit()
print("\n".join("|".join(map(str, row)) for row in rows))' "$@"
}

# Right and wrong answers counted on screen, read over the accessibility bus.
counted() {
    read_tree
    local right=${TREE#*Right answers: } wrong=${TREE#*Wrong answers: }
    echo $((${right%%[^0-9]*} + ${wrong%%[^0-9]*}))
}

keep_record_with() {
    mkdir -p "$(dirname "$settings")"
    printf '[General]\nkeepRecord=true\n%s\n' "$@" >"$settings"
}

stop_program() {
    kill "${1:-$APP_PID}" 2>/dev/null || true
    wait "${1:-$APP_PID}" 2>/dev/null || true
    APP_PID=
}

# A quiz at half a second a question, played by a number key now and then.
play() {
    xdotool windowfocus --sync "$WINDOW"
    xdotool key Return
    for _ in $(seq "$1"); do
        sleep 0.4
        xdotool key 2
    done
}

# --- Nothing chosen: nothing written.
start_program "$program" "$pictures"
xdotool windowfocus --sync "$WINDOW"
xdotool key Tab End Tab Tab                     # the fewest seconds
play 4
stop_program
written=$(find "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" -type f 2>/dev/null || true)
[[ -z $written ]] || fail "files were written: $written"
echo "ok: a quiz with the record not kept wrote no file"

# --- Kept: the settings come back, and a kill loses no graded answer.
keep_record_with seconds=0 questions=25 keyKind=2 clef=alto mode=minor
start_program "$program" "$pictures"
read_tree
[[ "$(name_at 307 102), $(name_at 350 102)" == "Seconds per question: 0, Questions per quiz: 25" ]] ||
    fail "the remembered settings are not back: $(name_at 307 102), $(name_at 350 102)"
play 12
graded=$(counted)
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=
stored=$(sql "$record" "SELECT count(*) FROM answers WHERE clef = 'alto' AND mode = 'minor'")
((stored >= graded && stored <= graded + 1)) || fail "$graded answers graded, $stored stored"
[[ $(sql "$record" "PRAGMA integrity_check") == ok ]] || fail "the record is damaged after the kill"
[[ $(sql "$record" "SELECT count(*) FROM answers WHERE key > 7") == 0 ]] ||
    fail "a flat key was asked in a drill of the sharp keys"
echo "ok: killed after $graded graded answers, the record holds $stored and is whole"

# --- Turned off, the record asks what becomes of its files.
turn_off_and_press() {
    start_program "$program" "$pictures"
    xdotool windowfocus --sync "$WINDOW" key Menu r
    /usr/bin/python3 "$(dirname "$0")/press.py" "$1" || fail "no question with \"$1\""
    sleep 0.3
    stop_program
}
turn_off_and_press Cancel
grep -q keepRecord=true "$settings" || fail "Cancel still turned the record off"
turn_off_and_press "Keep the files"
grep -q keepRecord=false "$settings" && [[ -f $record ]] || fail "the files were not kept as they were"
keep_record_with seconds=0 questions=25 keyKind=2 clef=alto mode=minor
echo "ok: turned off, the record asks: Cancel keeps it on, Keep the files keeps them, turned off"

# --- Two copies at once, each playing a whole quiz of three questions.
keep_record_with seconds=0 questions=3
before=$(sql "$record" "SELECT count(*) FROM answers")
start_program "$program" "$pictures"
first=$APP_PID
xdotool windowfocus --sync "$WINDOW" key Return
start_program "$program" "$pictures"
xdotool windowfocus --sync "$WINDOW" key Return
sleep 9
stop_program
stop_program "$first"
after=$(sql "$record" "SELECT count(*) FROM answers")
((after - before == 6)) || fail "two copies graded 6 answers, the record took $((after - before))"
echo "ok: two copies at once graded 6 answers, and the record holds them all"

turn_off_and_press "Delete them"
[[ ! -e $record && ! -e $settings ]] || fail "Delete them left files: $(find "$home" -type f)"
echo "ok: Delete them deleted the record and the settings"

# --- Bad databases: the message, the drill, and what became of the file.
# Each row: how to spoil it, a word of the message, and whether the file is kept aside.
while IFS='|' read -r kind word aside; do
    rm -rf "$XDG_DATA_HOME"
    mkdir -p "$(dirname "$record")"
    case $kind in
        text) echo "not a database" >"$record" ;;
        damaged) sql "$record" "CREATE TABLE t (x); INSERT INTO t SELECT zeroblob(200) FROM
                     (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 99)
                      SELECT i FROM n)" >/dev/null
                 printf 'scribbled over' | dd of="$record" bs=1 seek=4096 conv=notrunc 2>/dev/null ;;
        newer) sql "$record" "PRAGMA user_version = 99" >/dev/null ;;
        folder) mkdir "$record" ;;
        full) mount -t tmpfs -o size=64k tmpfs "$(dirname "$record")" ||
                  { echo "skipped: full: no tmpfs can be mounted here"; continue; }
              head -c 65536 /dev/zero >"$(dirname "$record")/filler" 2>/dev/null || true ;;
        read-only) sql "$record" "PRAGMA user_version = 2" >/dev/null
                   chmod 500 "$(dirname "$record")"
                   chmod 400 "$record" ;;
    esac
    was=$(cd "$(dirname "$record")" && ls -la --time-style=+ | md5sum)
    keep_record_with seconds=0 questions=2
    # As root, read-only files are read-only only without the right to override permissions.
    AS_USER=$( ((EUID == 0)) && echo "setpriv --bounding-set=-dac_override,-dac_read_search")
    start_program "$program" "$pictures"
    AS_USER=
    xdotool windowfocus --sync "$WINDOW" key Return
    for _ in $(seq 30); do
        read_tree
        grep -q "$word" <<<"$TREE" && break
        sleep 0.2
    done
    grep -q "$word" <<<"$TREE" || fail "$kind: no message saying \"$word\""
    message=$(grep -o "[^	]*$word[^	]*" <<<"$TREE" | head -n1)
    sleep 1.5
    (($(counted) >= 1)) || fail "$kind: the drill stood still"
    stop_program
    if [[ $aside == aside ]]; then
        kept=$(find "$(dirname "$record")" -name 'record.db.damaged-*' | head -n1)
        [[ -n $kept ]] || fail "$kind: the damaged file was not kept aside"
        [[ $(sql "$record" "PRAGMA integrity_check") == ok ]] || fail "$kind: no fresh record"
    else
        [[ $(cd "$(dirname "$record")" && ls -la --time-style=+ | md5sum) == "$was" ]] ||
            fail "$kind: the file was changed"
    fi
    chmod -R u+w "$(dirname "$record")"
    umount "$(dirname "$record")" 2>/dev/null || true
    echo "ok: $kind: \"$message\", the drill went on, the file $([[ $aside == aside ]] && echo kept aside || echo left as it was)"
done <<'TABLE'
text|damaged|aside
damaged|damaged|aside
newer|newer version|left
folder|folder, not a file|left
full|is full|left
read-only|read-only|left
TABLE

# --- A settings file with nonsense values: each falls back alone.
keep_record_with seconds=3 questions=999 keyKind=7 clef=piano mode=minor
cp "$settings" "$home/settings-as-written"
start_program "$program" "$pictures"
read_tree
shown="$(name_at 307 102), $(name_at 350 102)"
[[ $shown == "Seconds per question: 3, Questions per quiz: 16" ]] || fail "nonsense settings: $shown"
grep -q "Asks all fourteen keys" <<<"$TREE" || fail "nonsense key kind: not all keys"
echo "ok: nonsense values fell back alone: $shown, all keys"
stop_program
cmp -s "$settings" "$home/settings-as-written" || fail "a start and a stop rewrote the settings"
