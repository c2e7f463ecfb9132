# Sourced by the Orca tests after lib.sh: a fresh Xvfb with its own PulseAudio null sink,
# speech-dispatcher, accessibility bus and Orca, all stopped on exit; and hear/press to follow
# what Orca says. Orca's own words ("scroll bar", "image") stay in English.

for tool in orca speech-dispatcher pulseaudio; do
    command -v "$tool" >/dev/null || fail "$tool is missing; scripts/install-deps installs it"
done
# Orca runs once for each user; the test does not stop a screen reader that someone is using.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    fail "Orca is running already for this user; the test needs to start its own"
fi

# Everything of this run lives in one folder: sockets, settings, logs. KEEP_ORCA_LOGS=1 keeps
# it, with Orca's record in orca.log.
work=$(mktemp -d)
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config \
    XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data GSETTINGS_BACKEND=memory \
    PULSE_SERVER=unix:$work/pulse \
    SPEECHD_ADDRESS=unix_socket:$work/speech
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" \
    "$work/orca"
chmod 700 "$XDG_RUNTIME_DIR"
orca_log=$work/orca.log

# The pids of every process below this script, grandchildren too (the accessibility bus
# launcher starts a bus and a registry, speech-dispatcher its voice modules).
descendants() {
    ps -e -o pid=,ppid= | awk -v root=$$ -v self="$BASHPID" '
        { parent[$1] = $2 }
        END {
            for (p in parent) {
                q = p
                while (q != root && q != self && q in parent && q > 1) q = parent[q]
                if (q == root && p != root) print p
            }
        }'
}

stop_everything() {
    local pids left
    # The program first: while Orca is alive it answers the program's last key events.
    if [[ -n ${APP_PID:-} ]]; then kill "$APP_PID" 2>/dev/null || true; fi
    mapfile -t pids < <(descendants)
    if ((${#pids[@]})); then
        kill "${pids[@]}" 2>/dev/null || true
        for _ in $(seq 50); do
            mapfile -t left < <(ps -o pid= -p "$(IFS=,; echo "${pids[*]}")" | tr -d ' ')
            ((${#left[@]})) || break
            sleep 0.1
        done
        if ((${#left[@]})); then kill -9 "${left[@]}" 2>/dev/null || true; fi
    fi
    wait 2>/dev/null || true
    if [[ -n ${KEEP_ORCA_LOGS:-} ]]; then echo "kept $work" >&2; else rm -rf "$work"; fi
}

# Waits up to $2 seconds for a condition given as a command.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    fail "$what (waited ${seconds} s)"
}

# The phrases Orca has spoken, one a line.
spoken() {
    tr -d '\r' <"$orca_log" 2>/dev/null |
        sed -n "s/.* - SPEECH OUTPUT: '\(.*\)' *{'established.*/\1/p"
}

# Waits for a phrase after the last one heard: a whole line that matches the extended
# regular expression $1. Sets HEARD to it.
heard_lines=0
hear() {
    local pattern=$1 what=$2 line
    for _ in $(seq 100); do
        line=$(spoken | tail -n +$((heard_lines + 1)) | grep -n -m1 -E "^($pattern)\$" || true)
        if [[ -n $line ]]; then
            heard_lines=$((heard_lines + ${line%%:*}))
            HEARD=${line#*:}
            echo "heard: $HEARD"
            return 0
        fi
        sleep 0.1
    done
    echo "Orca said:" >&2
    spoken | sed 's/^/  /' >&2
    fail "Orca did not say $what within 10 s"
}

# Reads a question phrase by the caller's pattern $question and table key_of (signature to
# key name): sets correct_key, answers (1 to 4) and correct_pos.
read_question() {
    [[ $1 =~ $question ]] || fail "no question in '$1'"
    correct_key=${key_of[${BASH_REMATCH[1]}]}
    answers=("" "${BASH_REMATCH[3]}" "${BASH_REMATCH[4]}" "${BASH_REMATCH[5]}" "${BASH_REMATCH[6]}")
    correct_pos=0
    for pos in 1 2 3 4; do
        [[ ${answers[pos]} == "$correct_key" ]] && correct_pos=$pos
    done
    ((correct_pos)) || fail "the answers of '$1' miss the key $correct_key"
}

press() {
    xdotool key "$1"
}

start_x_server
trap stop_everything EXIT

pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no -L module-null-sink \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$work/pulse" \
    >"$work/pulseaudio.out" 2>&1 &
speech-dispatcher --run-single --timeout 0 --communication-method unix_socket \
    --socket-path "$work/speech" --log-dir "$work" >"$work/speech-dispatcher.out" 2>&1 &
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
wait_for 10 "pulseaudio did not start" test -S "$work/pulse"
wait_for 10 "speech-dispatcher did not start" test -S "$work/speech"
# Asking the accessibility bus for its address would start a second launcher.
a11y_bus_up() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q true
}
wait_for 10 "the accessibility bus did not start" a11y_bus_up
# Written to a file, Orca's record stays in a buffer until some kilobytes have gathered; to a
# terminal it goes line by line, so each phrase can be read as soon as it is spoken.
script -qfec "orca -u $work/orca --debug-file /dev/tty" "$orca_log" \
    </dev/null >/dev/null 2>&1 &
hear "Screen reader on\." "that it is on"
