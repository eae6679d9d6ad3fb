#!/bin/sh
# The Debian package: lintian says nothing of it, not even its pedantic and
# informational tags; it holds exactly the program's files, and what it
# unpacks runs and reads: the program's --version and its manual pages,
# whose options are those of --help.
set -eu
deb=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

tags=$(lintian --info --pedantic "$deb" 2>/dev/null || true)
[ -z "$tags" ] || fail "lintian: $tags"

id=io.github.zarvel.Zarvel
expected="./usr/games/zarvel
./usr/share/applications/$id.desktop
./usr/share/doc/zarvel/changelog.gz
./usr/share/doc/zarvel/copyright
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/zarvel.1.gz
./usr/share/man/ru/man1/zarvel.1.gz
./usr/share/metainfo/$id.metainfo.xml"
actual=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "the package holds:
$actual"

dpkg-deb -x "$deb" "$work/root"
entry="$work/root/usr/share/applications/$id.desktop"
grep -qx "Exec=/usr/games/zarvel" "$entry" || fail "the desktop entry does not name /usr/games/zarvel"
desktop-file-validate "$entry" || fail "desktop entry"
"$work/root/usr/games/zarvel" --version | grep -qx "zarvel $(dpkg-deb -f "$deb" Version)" || fail "--version"
help=$("$work/root/usr/games/zarvel" --help | grep -o -- '--[a-z]*' | sort)
for page in man1/zarvel.1.gz ru/man1/zarvel.1.gz; do
    text=$(MANWIDTH=80 man -l "$work/root/usr/share/man/$page" 2>/dev/null) || fail "man -l $page"
    documented=$(printf '%s\n' "$text" | grep -o -- '--[a-z]*' | sort -u)
    [ "$documented" = "$help" ] || fail "$page documents $documented, --help offers $help"
done
echo "1 passed, 0 failed"
