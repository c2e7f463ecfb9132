#!/usr/bin/env bash
# Runs every benchmark in one go in a fresh X server and prints one line a figure; see
# "Benchmarks" in README.md. Usage: [LANGUAGE=de] bench/run.sh BUILD_DIR [PART...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
programs=$(realpath "$1/bench")
# The tests' helpers speak English; LANGUAGE=de (or another) runs the program in that language.
language=${LANGUAGE:-}
source "$root/tests/x11/lib.sh"
if [[ -n $language ]]; then
    export LANGUAGE=$language
fi

# Folders of the bench's own, so that the program meets no learner's settings or record.
XDG_RUNTIME_DIR=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d)
export XDG_RUNTIME_DIR XDG_CONFIG_HOME XDG_DATA_HOME
start_x_server
trap 'stop_all; rm -rf "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"' EXIT
"$programs/bench-run" "$programs" "$root/assets" "${@:2}"
