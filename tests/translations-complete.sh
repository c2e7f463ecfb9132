#!/usr/bin/env bash
# Runs lupdate over the program's sources against copies of the shipped translations: every
# message must be translated and finished, every plural form filled, none left over from texts
# the code no longer has, and every source that holds a translatable text must be among those
# lupdate reads. English, the sources' language, holds only the plural forms.
# usage: translations-complete.sh LUPDATE SOURCE_ROOT TS_FILE... -- SOURCE...
set -euo pipefail
lupdate=$1 root=$2
shift 2
ts_files=()
while [[ $1 != -- ]]; do ts_files+=("$1"); shift; done
shift
sources=("$@")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$root"
while read -r file; do
    grep -qxF "$root/$file" <(printf '%s\n' "${sources[@]}") ||
        fail "$file has translatable texts but lupdate does not read it"
done < <(find quiz mainwindow about app fonts record progress tools translations -name '*.cpp' -o -name '*.h' |
    xargs grep -l -E '\btr\("|translate\("|QT_TRANSLATE_(N_)?NOOP\(' || true)

copies=()
for ts in "${ts_files[@]}"; do
    cp "$ts" "$work/"
    copies+=("$work/$(basename "$ts")")
done
# usage: update [OPTION...] -- TS_FILE...
update() {
    local options=()
    while [[ $1 != -- ]]; do options+=("$1"); shift; done
    shift
    "$lupdate" "${options[@]}" -no-obsolete -locations none "${sources[@]}" -ts "$@" \
        >"$work/lupdate.log" 2>&1 || { cat "$work/lupdate.log"; fail "lupdate failed"; }
}
# Each language's own typography: French sets a no-break space before a colon and a narrow one
# before ; ! and ?, Spanish opens ! and ? with ¡ and ¿, German quotes „so“.
typography() {
    python3 - "$1" <<'EOF'
import re, sys, xml.etree.ElementTree as tree
rules = {"fr": "(?<!\u00a0):|(?<!\u202f)[;!?]", "es": "^[^¡]*!|^[^¿]*[?]", "de": "[\"”]"}
ts = tree.parse(sys.argv[1])
rule = rules.get(ts.getroot().get("language"))
texts = [t.text for t in ts.iter() if t.tag in ("translation", "numerusform") and t.text]
wrong = [t for t in texts if rule and re.search(rule, t)]
print(*wrong, sep="\n", file=sys.stderr)
sys.exit(1 if wrong else 0)
EOF
}

update -- $(printf '%s\n' "${copies[@]}" | grep -v '_en\.ts$')
update -pluralonly -- $(printf '%s\n' "${copies[@]}" | grep '_en\.ts$')

for copy in "${copies[@]}"; do
    name=$(basename "$copy")
    messages=$(grep -c '<message' "$copy")
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    empty=$(grep -c '<translation></translation>' "$copy" || true)
    comments=$(grep -c '<source></source>' "$copy" || true)
    empty_forms=$(grep -c '<numerusform></numerusform>' "$copy" || true)
    ((unfinished == 0)) || fail "$name: $unfinished unfinished or untranslated messages"
    ((empty == comments)) || fail "$name: $((empty - comments)) empty translations"
    ((empty_forms == 0)) || fail "$name: $empty_forms plural forms left empty"
    grep -q 'type="vanished"\|type="obsolete"' "$copy" && fail "$name: messages the code no longer has"
    typography "$copy" || fail "$name: typography its language does not use"
    cmp -s "$copy" "$(printf '%s\n' "${ts_files[@]}" | grep "/$name\$")" ||
        fail "$name is not as lupdate writes it: update it with the update_translations target"
    echo "ok: $name, $((messages - comments)) messages, all translated"
done
