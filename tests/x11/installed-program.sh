#!/usr/bin/env bash
# Installs into an empty prefix and starts the program as a desktop menu would: the installed
# desktop entry's command, in the entry's working folder. Go must then show a key picture.
source "$(dirname "$0")/lib.sh"
build=$1 assets=$2

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

expected=(
    bin/duridaz
    share/applications/org.duridaz.Duridaz.desktop
    share/metainfo/org.duridaz.Duridaz.metainfo.xml
    share/icons/hicolor/16x16/apps/org.duridaz.Duridaz.png
    share/icons/hicolor/32x32/apps/org.duridaz.Duridaz.png
)
for picture in $(cd "$assets" && echo *.gif); do
    expected+=("share/duridaz/$picture")
    cmp -s "$assets/$picture" "$prefix/share/duridaz/$picture" ||
        fail "share/duridaz/$picture is missing or differs from the one in assets"
done
for file in "${expected[@]}"; do
    [[ -f $prefix/$file ]] || fail "$file was not installed"
done
[[ -x $prefix/bin/duridaz ]] || fail "bin/duridaz is not executable"
unexpected=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort |
    comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
[[ -z $unexpected ]] || fail "unexpected files were installed: $unexpected"
for size in 16 32; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/org.duridaz.Duridaz.png
    [[ $(identify -format '%wx%h' "$icon") == "${size}x${size}" ]] ||
        fail "the ${size}x${size} icon is $(identify -format '%wx%h' "$icon")"
done
echo "ok: all ${#expected[@]} files installed"

entry=$prefix/share/applications/org.duridaz.Duridaz.desktop
desktop-file-validate "$entry" || fail "the installed desktop entry is not valid"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
folder=$(sed -n 's/^Path=//p' "$entry")
[[ $folder == "$prefix/share/duridaz" ]] || fail "the entry's Path is '$folder'"
read -r -a command <<<"$exec_line"
program=$(PATH="$prefix/bin:$PATH" command -v "${command[0]}") ||
    fail "the entry's command '${command[0]}' is not found"
[[ $program == "$prefix/bin/duridaz" && ${#command[@]} -eq 1 ]] ||
    fail "the entry's Exec '$exec_line' does not start the installed program"
echo "ok: the entry starts $program in $folder"

start_x_server
trap 'stop_all; rm -rf "$prefix"' EXIT
start_program "$program" "$folder"

# Accidentals stand right of the clef, from window x 90 on; the blank staff has only lines
# there. A key of one flat changes some 180 pixels of this crop.
crop() { import -window "$WINDOW" -crop 135x110+85+20 +repage "$prefix/$1.png"; }
crop before
click_at 310 247                                # Go
for _ in $(seq 20); do
    crop after
    changed=$(compare -metric AE "$prefix/before.png" "$prefix/after.png" null: 2>&1 || true)
    ((changed > 50)) && break
    sleep 0.1
done
((changed > 50)) || fail "after Go the picture box still shows the blank staff ($changed pixels changed)"
# A picture file not found brings up a message box over the picture box.
windows=$(xdotool search --onlyvisible --pid "$APP_PID" | wc -l)
((windows == 1)) || fail "after Go the program shows $windows windows, not 1"
echo "ok: after Go a key picture shows ($changed pixels changed)"
