#!/bin/sh
# The Debian source and binary packages, given by their .changes: lintian
# says nothing of them, not even its pedantic and informational tags; the
# upstream tarball is the one make dist makes of the last commit; the
# program's package holds exactly the program's files, and what it unpacks
# passes the package's own tests (debian/tests) but the Orca reading, as
# installed it would.
set -eu
changes=$(realpath "$1")
cd "$(dirname "$0")/../.."
deb=${changes%.changes}.deb
dsc=${changes%_*}.dsc
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for file in "$changes" "$deb" "$dsc"; do
    [ -f "$file" ] || fail "no $file"
done

# A lintian older than the policy the package follows (Debian 12's knows
# 4.6.2 at most) warns of the Standards-Version it does not know, and of
# nothing else about it.
standards=$(sed -n 's/^Standards-Version: //p' "$dsc")
known=/usr/share/lintian/data/debian-policy/releases.json
set -- --info --display-info --pedantic
grep -Eq "\"version\" *: *\"$standards(\.[0-9]+)?\"" "$known" || set -- "$@" --suppress-tags=newer-standards-version
tags=$(lintian "$@" "$changes" 2>/dev/null || true)
[ -z "$tags" ] || fail "lintian: $tags"

# The source package's files, listed after "Files:", each " MD5 SIZE NAME".
orig=$(awk '/^Files:/ { on = 1; next } !/^ / { on = 0 } on { print $3 }' "$dsc" | grep '\.orig\.tar\.' || true)
[ -n "$orig" ] || fail "$dsc has no upstream tarball"
# Whatever make runs this test passes down stays out of make dist.
made=$(env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -s --no-print-directory dist DIST="$work/dist" | tail -n 1)
cmp -s "$made" "${dsc%/*}/$orig" || fail "the upstream tarball $orig is not ${made##*/} as make dist makes it"

id=io.github.zarvel.Zarvel
expected="./usr/games/zarvel
./usr/share/applications/$id.desktop
./usr/share/doc/zarvel/changelog.Debian.gz
./usr/share/doc/zarvel/changelog.gz
./usr/share/doc/zarvel/copyright
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/lintian/overrides/zarvel
./usr/share/man/man6/zarvel.6.gz
./usr/share/man/ru/man6/zarvel.6.gz
./usr/share/metainfo/$id.metainfo.xml"
actual=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "the package holds:
$actual"

dpkg-deb -x "$deb" "$work/root"
entry="$work/root/usr/share/applications/$id.desktop"
grep -qx "Exec=/usr/games/zarvel" "$entry" || fail "the desktop entry does not name /usr/games/zarvel"
desktop-file-validate "$entry" || fail "desktop entry"
[ "$(dpkg-deb -f "$deb" Version)" = "$(dpkg-parsechangelog -S Version)" ] || fail "the package is not this tree's"
# The package's own tests (debian/tests), run on what it unpacks, but
# `reading`: it is tests/app/orca_reading_test.sh, which CTest runs on the
# program built from the same commit (`make test` has just run it), and
# the packaged program differs from that one only in its build flags and
# its path, where `smoke` runs it. So `make test` does one whole reading
# with Orca, not two; autopkgtest (make debian-qa) runs `reading` on the
# installed package.
# A skippable test ends with 77 when it skips, as autopkgtest's are told.
for test in $(sed -n 's/^Tests: //p' debian/tests/control); do
    if [ "$test" = reading ]; then
        echo "skipped the package's test reading: make test's CTest does the same reading with Orca"
        continue
    fi
    status=0
    ZARVEL_ROOT="$work/root" "debian/tests/$test" || status=$?
    [ "$status" -eq 0 ] || [ "$status" -eq 77 ] || fail "the package's test $test"
done
echo "1 passed, 0 failed"
