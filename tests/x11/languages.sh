#!/usr/bin/env bash
# The program in German, French, Polish and Russian, in a real X server: the answers are that
# language's key names, the right one names the key on show, the box for a missing picture
# speaks the language, and the painted words on the window are the language's.
source "$(dirname "$0")/lib.sh"
ensure_session_bus "$@"
program=$1 pictures=$2 window_pictures=$3

# Keys 1 to 14, and what the picture of each shows, as a musician of the language says them.
declare -A names=(
    [de]="G|D|A|E|H|Fis|Cis|F|B|Es|As|Des|Ges|Ces"
    [fr]="Sol|Ré|La|Mi|Si|Fa dièse|Do dièse|Fa|Si bémol|Mi bémol|La bémol|Ré bémol|Sol bémol|Do bémol"
    [pl]="G|D|A|E|H|Fis|Cis|F|B|Es|As|Des|Ges|Ces"
    [ru]="Соль|Ре|Ля|Ми|Си|Фа-диез|До-диез|Фа|Си-бемоль|Ми-бемоль|Ля-бемоль|Ре-бемоль|Соль-бемоль|До-бемоль"
)
declare -A shows=(
    [de]="1 Kreuz|2 Kreuze|3 Kreuze|4 Kreuze|5 Kreuze|6 Kreuze|7 Kreuze|1 b|2 b|3 b|4 b|5 b|6 b|7 b"
    [fr]="1 dièse|2 dièses|3 dièses|4 dièses|5 dièses|6 dièses|7 dièses|1 bémol|2 bémols|3 bémols|4 bémols|5 bémols|6 bémols|7 bémols"
    [pl]="1 krzyżyk|2 krzyżyki|3 krzyżyki|4 krzyżyki|5 krzyżyków|6 krzyżyków|7 krzyżyków|1 bemol|2 bemole|3 bemole|4 bemole|5 bemoli|6 bemoli|7 bemoli"
    [ru]="1 диез|2 диеза|3 диеза|4 диеза|5 диезов|6 диезов|7 диезов|1 бемоль|2 бемоля|3 бемоля|4 бемоля|5 бемолей|6 бемолей|7 бемолей"
)
# French sets a no-break space before a colon and a narrow one before ! ? ;.
nbsp=$'\xc2\xa0' narrow_nbsp=$'\xe2\x80\xaf'  # UTF-8, whatever the locale
declare -A signature=([de]="Vorzeichen: %s" [fr]="Armure$nbsp: %s" [pl]="Znaki przykluczowe: %s"
    [ru]="Ключевые знаки: %s")
declare -A answer=([de]="Antwort %d: " [fr]="Réponse %d$nbsp: " [pl]="Odpowiedź %d: " [ru]="Ответ %d: ")
declare -A correct=([de]=", die richtige Antwort" [fr]=", la bonne réponse"
    [pl]=", poprawna odpowiedź" [ru]=", правильный ответ")
declare -A missing=([de]="Eine benötigte Datei wurde nicht gefunden!"
    [fr]="Un fichier nécessaire est introuvable$narrow_nbsp!"
    [pl]="Nie znaleziono potrzebnego pliku!" [ru]="Не найден нужный файл!")

# The item for key $2 in the list $1.
item_of_key() {
    IFS='|' read -r -a list <<<"$1"
    echo "${list[$2 - 1]}"
}

name_of_key() {
    item_of_key "${names[$1]}" "$2"
}

# The picture's accessible name for each key, and so the key that a name stands for.
key_shown() {
    local language=$1 shown=$2 key
    for key in $(seq 14); do
        [[ $shown == "$(printf "${signature[$language]}" "$(item_of_key "${shows[$language]}" "$key")")" ]] &&
            { echo "$key"; return; }
    done
    fail "$language: the picture is described as \"$shown\""
}

# The four answers' accessible names, from TREE.
answer_names() {
    local pos
    for pos in 1 2 3 4; do
        name_at "${answer_x[pos]}" "${answer_y[pos]}"
    done
}
answer_x=(0 104 121 136 144)
answer_y=(0 163 193 223 253)

# A stretch of the window where the backdrop's painted words show through: the Go button, the
# lamps' labels and the word over the right-answer count.
painted_words_match() {
    local picture=$1 shot=$2 region differ
    for region in 38x39+291+228 60x41+354+176 48x19+287+142; do
        convert "$shot" -crop "$region" +repage "$shot.a.png"
        convert "$picture" -crop "$region" +repage "$shot.b.png"
        differ=$(compare -metric AE "$shot.a.png" "$shot.b.png" null: 2>&1 || true)
        [[ $differ == 0 ]] || return 1
    done
}

check_language() {
    local language=$1 locale=$2 folder shot key right pos names_shown
    folder=$(mktemp -d)
    cp "$pictures"/*.gif "$folder"
    LANG=$locale start_program "$program" "$folder"

    shot="$folder/window.png"
    import -window "$WINDOW" "$shot"
    painted_words_match "$window_pictures/background-$language.gif" "$shot" ||
        fail "$language: the painted words are not the language's backdrop"
    painted_words_match "$window_pictures/background.gif" "$shot" &&
        fail "$language: the painted words are English"
    echo "ok: $language: the painted words are the language's"

    for _ in $(seq 4); do click_at 332 121; done    # one second a question
    click_at 310 247                                # Go
    read_tree
    names_shown=$(answer_names)
    key=$(key_shown "$language" "$(name_at 31 14)")
    right=$(name_of_key "$language" "$key")
    for pos in 1 2 3 4; do
        local prefix=$(printf "${answer[$language]}" "$pos")
        local shown=$(sed -n "${pos}p" <<<"$names_shown")
        [[ $shown == "$prefix"* ]] || fail "$language: answer $pos is \"$shown\""
        [[ "|${names[$language]}|" == *"|${shown#"$prefix"}|"* ]] ||
            fail "$language: answer $pos, \"${shown#"$prefix"}\", is no key name of the language"
    done
    grep -qx ".* $right" <<<"$names_shown" || fail "$language: no answer names key $key, $right"
    echo "ok: $language: key $key on show, answers: $(tr '\n' ';' <<<"$names_shown")"

    local graded=""
    for _ in $(seq 30); do
        read_tree
        graded=$(answer_names | grep -F "${correct[$language]}" || true)
        [[ -n $graded ]] && break
        sleep 0.2
    done
    [[ $graded == *" $right${correct[$language]}" ]] ||
        fail "$language: graded as \"$graded\", not $right"
    echo "ok: $language: graded, $graded"

    click_at 392 247                                # Stop
    rm "$folder"/{1,2,3,4,5,6,7,8,9,10,11,12,13,14}.gif
    click_at 351 247                                # Restart
    click_at 310 247                                # Go
    local box=""
    for _ in $(seq 25); do
        read_tree
        box=$(grep -F "${missing[$language]}" <<<"$TREE" || true)
        [[ -n $box ]] && break
        sleep 0.2
    done
    [[ -n $box ]] || fail "$language: no box saying \"${missing[$language]}\""
    echo "ok: $language: the box says \"${missing[$language]}\""
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    rm -rf "$folder"
}

start_x_server
check_language de de_DE.UTF-8
check_language fr fr_FR.UTF-8
check_language pl pl_PL.UTF-8
check_language ru ru_RU.UTF-8
