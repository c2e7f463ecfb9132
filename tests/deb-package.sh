#!/usr/bin/env bash
# Builds the Debian package and looks inside: the installed paths, the computed Depends, the
# manual page as man shows it, and what lintian says of the whole.
set -euo pipefail
build=$1
overrides=$(dirname "$0")/lintian-overrides

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null) || fail "cpack failed"
debs=("$out"/duridaz_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "cpack made no duridaz_*.deb"
deb=${debs[0]}
echo "ok: made $(basename "$deb")"

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for path in ./usr/bin/duridaz ./usr/share/duridaz/arrow.gif \
    ./usr/share/duridaz/{,bass-,alto-,tenor-}{1..14}.gif \
    ./usr/share/applications/org.duridaz.Duridaz.desktop \
    ./usr/share/metainfo/org.duridaz.Duridaz.metainfo.xml \
    ./usr/share/icons/hicolor/{16x16,32x32}/apps/org.duridaz.Duridaz.png \
    ./usr/share/man/man1/duridaz.1.gz ./usr/share/doc/duridaz/{copyright,changelog.gz}; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
echo "ok: the package holds every file under /usr"

dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/org.duridaz.Duridaz.desktop |
    grep -qx 'Path=/usr/share/duridaz' || fail "the packaged desktop entry's Path is not /usr/share/duridaz"
echo "ok: the packaged entry starts in /usr/share/duridaz"

depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6sql6 libc6 fonts-liberation2 \
    libqt6sql6-sqlite; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
echo "ok: Depends: $depends"
[[ $(dpkg-deb --field "$deb" Section) == education ]] || fail "the section is not education"
recommends=$(dpkg-deb --field "$deb" Recommends)
for package in qt6-translations-l10n qt6-wayland; do
    grep -q "\b$package\b" <<<"$recommends" || fail "Recommends lacks $package: $recommends"
done
echo "ok: Recommends: $recommends"

root=$out/root
dpkg-deb -x "$deb" "$root"
# gzip -9n: no name, no time (so the same sources give the same bytes), the best compression.
for file in usr/share/man/man1/duridaz.1.gz usr/share/doc/duridaz/changelog.gz; do
    header=$(od -An -tx1 -j3 -N6 "$root/$file" | tr -d ' \n')
    [[ $header == 000000000002 ]] || fail "$file is not made by gzip -9n (header $header)"
done
echo "ok: the manual page and the changelog are gzipped without name or time"

page=$root/usr/share/man/man1/duridaz.1.gz
warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null) ||
    fail "man failed: $warnings"
[[ -z $warnings ]] || fail "man warns of the manual page: $warnings"
text=$(MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null)
version=$(dpkg-deb --field "$deb" Version)
for expected in "Duridaz $version" SYNOPSIS PICTURES KEYS OPTIONS ENVIRONMENT \
    LANGUAGE LC_ALL LC_MESSAGES LANG /usr/share/duridaz; do
    grep -qw -- "$expected" <<<"$text" || fail "the manual page does not show '$expected'"
done
echo "ok: the manual page shows without warnings"

# Every error and warning fails, unless tests/lintian-overrides lists its tag with the reason.
declare -A reasons=()
while IFS= read -r entry; do
    [[ $entry =~ ^[[:space:]]*(#|$) ]] && continue
    reason=${entry#*:}
    [[ $entry == *:* && -n ${reason// /} ]] || fail "lintian-overrides: '$entry' gives no reason"
    reasons[${entry%%:*}]=$reason
done <"$overrides"
report=$(lintian --fail-on none "$deb" 2>"$out/lintian-errors") ||
    fail "lintian did not run: $(cat "$out/lintian-errors")"
unlisted=() reported=()
while IFS= read -r line; do
    [[ $line =~ ^[EW]:\ [^:]+:\ ([^ ]+) ]] || continue
    tag=${BASH_REMATCH[1]}
    reported+=("$tag")
    if [[ -v reasons[$tag] ]]; then
        echo "accepted: $line (${reasons[$tag]# })"
    else
        unlisted+=("$line")
    fi
done <<<"$report"
((${#unlisted[@]} == 0)) || fail "lintian: $(printf '\n  %s' "${unlisted[@]}")"
for tag in "${!reasons[@]}"; do
    [[ " ${reported[*]} " == *" $tag "* ]] ||
        fail "lintian-overrides lists $tag, which lintian no longer reports"
done
echo "ok: lintian reports no error or warning beyond the ${#reasons[@]} listed"
