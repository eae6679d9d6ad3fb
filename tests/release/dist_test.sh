#!/bin/sh
# make dist gives the same bytes whoever runs it: a second run by a user
# whose git turns line ends into CR LF (core.autocrlf, an attributes file of
# their own) and packs with another umask, with a umask of 077, another
# time zone and xz options of their own writes the same tarball as a run
# with none of that.
#   dist_test.sh SOURCE
set -eu
src=$1
if ! git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "skipped: $src is no git clone, and make dist packs its last commit"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Whatever make runs this test passes down stays out of these runs.
dist() { env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -s -C "$src" dist DIST="$1" >/dev/null; }
dist "$work/plain"
printf '* text eol=crlf\n' >"$work/attributes"
(
    umask 077
    export TZ=Asia/Kathmandu XZ_OPT=-9e GIT_CONFIG_COUNT=3 \
        GIT_CONFIG_KEY_0=core.autocrlf GIT_CONFIG_VALUE_0=true \
        GIT_CONFIG_KEY_1=core.attributesFile GIT_CONFIG_VALUE_1="$work/attributes" \
        GIT_CONFIG_KEY_2=tar.umask GIT_CONFIG_VALUE_2=0077
    dist "$work/varied"
)
plain=$(cat "$work"/plain/*.sha256)
varied=$(cat "$work"/varied/*.sha256)
if [ "$plain" != "$varied" ]; then
    echo "FAIL: make dist wrote $varied with the user's settings varied, $plain without"
    exit 1
fi
echo "make dist wrote the same tarball both times: $plain"
