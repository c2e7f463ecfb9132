#!/usr/bin/env bash
# Builds the Debian package and looks inside: the installed paths and the computed Depends.
set -euo pipefail
build=$1

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
    ./usr/share/icons/hicolor/{16x16,32x32}/apps/org.duridaz.Duridaz.png; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
echo "ok: the package holds every file under /usr"

dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/org.duridaz.Duridaz.desktop |
    grep -qx 'Path=/usr/share/duridaz' || fail "the packaged desktop entry's Path is not /usr/share/duridaz"
echo "ok: the packaged entry starts in /usr/share/duridaz"

depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation2; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
echo "ok: Depends: $depends"
[[ $(dpkg-deb --field "$deb" Section) == education ]] || fail "the section is not education"
