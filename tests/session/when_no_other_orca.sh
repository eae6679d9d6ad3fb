#!/bin/sh
# Runs COMMAND, a test that starts Orca, in its turn: Orca will not start
# beside another Orca of the same user (and --replace would end that one),
# so such tests take turns through a lock of the user's own, and a test
# never ends a screen reader it did not start: while an Orca of the user's
# runs, COMMAND is skipped with the reason (exit status 77). Waits 10
# minutes at most for its turn; leaves no file behind.
#   when_no_other_orca.sh COMMAND [ARG…]
set -eu
uid=$(id -u)
# The user's runtime folder, where no other user can put a file of theirs;
# without one, a folder of the user's own in the temporary folder.
folder=${XDG_RUNTIME_DIR:-}
if [ -z "$folder" ] || [ ! -d "$folder" ] || [ ! -O "$folder" ]; then
    folder="${TMPDIR:-/tmp}/zarvel-$uid"
    own=yes
fi
lock="$folder/zarvel-orca.lock"
while :; do
    [ -z "${own:-}" ] || mkdir -m 700 "$folder" 2>/dev/null || [ -d "$folder" ]
    if [ ! -O "$folder" ]; then
        echo "FAIL: $folder, where the Orca tests take turns, is not yours"
        exit 1
    fi
    exec 9>>"$lock"
    if ! flock -w 600 9; then
        echo "FAIL: another Orca test has held $lock for 10 minutes"
        exit 1
    fi
    # The test before removes the file as it ends, still holding it: a
    # lock on a removed file is no turn, so take the one now at the path.
    [ "$(stat -c %d:%i "$lock" 2>/dev/null)" != "$(stat -L -c %d:%i "/proc/$$/fd/9")" ] || break
    exec 9>&-
done
trap 'rm -f "$lock"; [ -z "${own:-}" ] || rmdir "$folder" 2>/dev/null || true' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

for proc in /proc/[0-9]*; do
    if [ "$(cat "$proc/comm" 2>/dev/null)" = orca ] &&
        [ "$(sed -n 's/^Uid:[[:space:]]*\([0-9]*\).*/\1/p' "$proc/status" 2>/dev/null)" = "$uid" ]; then
        echo "skipped: an Orca of yours runs ($(tr '\0' ' ' <"$proc/cmdline" 2>/dev/null | sed 's/ $//'), process ${proc#/proc/})," \
            "and this test's Orca cannot run beside it"
        exit 77
    fi
done
# What the test starts does not hold the turn: only this script gives it up.
status=0
"$@" 9>&- || status=$?
exit "$status"
