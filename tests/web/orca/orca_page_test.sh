#!/bin/sh
# The page with Orca, the screen reader, running, in a window of the
# engine's browser with its accessibility on: orca_page.mjs walks the menu
# by keyboard, picks a question and makes two readings in a row with the
# same answer, each started by pressing «Раскинуть», then checks Orca's own
# record of what it spoke (its debug file's SPEECH OUTPUT lines): each
# answer once, no caption of the cards laid before it, no decoration in a
# menu item's name, no empty region read out; a check the engine gives Orca
# no way to hear is skipped, saying why. Runs on an accessibility bus of its
# own (tests/session/on_accessibility_bus.sh) with a small window manager, as
# tests/app/orca_reading_test.sh does for the window, and takes its turn
# with it (tests/session/when_no_other_orca.sh): skipped while the user's own
# Orca runs.
#   orca_page_test.sh ENGINE      chromium, firefox or webkit; the site in
#                                 ZARVEL_SITE (by default build/web)
set -eu
engine=$1
here=$(realpath "$(dirname "$0")")
if [ "${ORCA_TEST_INNER:-}" != 1 ]; then
    ZARVEL_SITE=$(realpath "${ZARVEL_SITE:-$here/../../../build/web}") ORCA_TEST_INNER=1 \
        exec "$here/../../session/when_no_other_orca.sh" "$here/../../session/on_accessibility_bus.sh" "$0" "$engine"
fi
work=$(mktemp -d)
# Orca's own words in English, whatever the machine's language.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" LC_ALL=C.UTF-8
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
session="$here/../../session"
# shellcheck source=tests/session/mark_and_end_processes.sh
. "$session/mark_and_end_processes.sh"
trap 'end_marked >/dev/null || true; rm -rf "$work"' EXIT
marked openbox >/dev/null 2>&1 &
log="$work/orca.log"
: >"$log"
marked orca --disable braille --debug-file="$log" >/dev/null 2>&1 &
if within 60 orca_listening; then
    marked env ORCA_LOG="$log" ZARVEL_ENGINE="$engine" node "$here/orca_page.mjs" >"$work/checks" 2>&1 || true
else
    echo "not ok - Orca did not listen to the accessibility bus within 60 seconds" >"$work/checks"
fi
left=$(end_marked || true)
[ -z "${ORCA_TEST_LOG:-}" ] || cp "$log" "$ORCA_TEST_LOG"
echo "Orca and the page in $engine:"
cat "$work/checks"
[ -z "$left" ] || echo "not ok - $left"
passed=$(grep -c '^ok - ' "$work/checks" || true)
failed=$(grep -c '^not ok - ' "$work/checks" || true)
[ -z "$left" ] || failed=$((failed + 1))
# The scenario ends by saying how many checks it made (its plan), and each
# of them says how it went; one that stopped before its end has failed.
plan=$(sed -n 's/^1\.\.\([0-9][0-9]*\)$/\1/p' "$work/checks")
if [ -z "$plan" ] || [ "$(grep -c -E '^(ok|not ok|skip) - ' "$work/checks")" -ne "$plan" ]; then
    echo "not ok - orca_page.mjs did not make the checks of its plan (${plan:-none})"
    failed=$((failed + 1))
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
