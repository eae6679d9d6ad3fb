#!/bin/sh
# Installs the build into a temporary prefix and checks what a packager
# and a desktop expect: exactly the listed files, manual pages that name
# the version, valid desktop entry and AppStream metadata, and a program
# that answers --help and --version
# without any display, and refuses an unknown option.
set -eu
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

id=io.github.zarvel.Zarvel
expected="bin/zarvel
share/applications/$id.desktop
share/icons/hicolor/128x128/apps/$id.png
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/48x48/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/man/man6/zarvel.6
share/man/ru/man6/zarvel.6
share/metainfo/$id.metainfo.xml"
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
$actual"

# The manual pages' headers name the version and the build's date.
for page in "$prefix"/share/man/man6/zarvel.6 "$prefix"/share/man/*/man6/zarvel.6; do
    head -n 1 "$page" | grep -Eq "^\.TH ZARVEL 6 \"[0-9]{4}-[0-9]{2}-[0-9]{2}\" \"zarvel $version\" " ||
        fail "${page#"$prefix"/}'s header: $(head -n 1 "$page")"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" || fail "AppStream metadata"

for size in 48 128 256; do
    # A PNG's width and height stand at bytes 16 to 23.
    dims=$(od --endian=big -An -tu4 -j16 -N8 "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | tr -s ' ')
    [ "$dims" = " $size $size" ] || fail "icon size $size: $dims"
done
grep -q "<svg" "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "scalable icon"

# No display at all: no DISPLAY, no WAYLAND_DISPLAY, no platform chosen.
bare() { env -i PATH=/usr/bin:/bin HOME="$prefix" "$prefix/bin/zarvel" "$@"; }
bare --version | grep -qx "zarvel $version" || fail "--version"
bare --help | grep -q "Использование: zarvel" || fail "--help"
status=0
bare --fortune 2>"$prefix/err" || status=$?
[ "$status" = 2 ] || fail "an unknown option exited with $status, not 2"
grep -q "неизвестный параметр: fortune" "$prefix/err" || fail "unknown option message"

exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/$id.desktop")
[ "$exec_line" = "$prefix/bin/zarvel" ] || fail "the desktop entry's Exec=$exec_line is not the installed program's path"
# Started as a launcher would, with the install folder not in PATH, it runs
# until asked to end.
env PATH="/usr/bin:/bin" HOME="$prefix/home" XDG_CONFIG_HOME="$prefix/home/config" \
    QT_QPA_PLATFORM=offscreen sh -c "exec $exec_line" 2>/dev/null &
pid=$!
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program from the Exec line did not keep running"
kill -TERM "$pid"
wait "$pid" || fail "the program from the Exec line did not end cleanly"
[ -f "$prefix/home/config/zarvel/Zarvel.TXT" ] || fail "the program from the Exec line kept no names"

echo "1 passed, 0 failed"
