#!/bin/sh
# The version is written once, in CMakeLists.txt (it comes here as VERSION),
# and said again only where a record of releases must say it: the Debian
# changelog (with a Debian revision after it), NEWS and the AppStream
# <releases>; the manual pages' headers are given it by the build. All of
# them name VERSION as the newest release, the program says it, and NEWS
# is written from the AppStream release notes.
#   release_test.sh SOURCE VERSION PROGRAM
set -eu
src=$1
version=$2
program=$3
fail() { echo "FAIL: $*"; exit 1; }

# The Debian version is the upstream version, a Debian revision after it
# (and maybe an epoch before it).
changelog=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
upstream=${changelog#*:}
upstream=${upstream%-*}
[ "$upstream" = "$version" ] || fail "debian/changelog's newest version $changelog is not one of upstream version $version"
said=$(env -i PATH=/usr/bin:/bin "$program" --version)
[ "$said" = "zarvel $version" ] || fail "--version says $said"

# NEWS is what appstreamcli writes from the AppStream <releases> (make
# news), not a word changed by hand; its newest release is VERSION.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Whatever make runs this test passes down stays out of make news.
env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -s --no-print-directory -C "$src" news NEWS_FILE="$work/NEWS"
cmp -s "$work/NEWS" "$src/NEWS" ||
    fail "NEWS is not what make news writes from the AppStream release notes:
$(diff -u "$src/NEWS" "$work/NEWS")"
[ "$(head -n 1 "$src/NEWS")" = "Version $version" ] || fail "NEWS does not begin with release $version"
echo "1 passed, 0 failed"
