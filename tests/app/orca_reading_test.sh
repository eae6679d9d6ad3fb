#!/bin/sh
# A whole reading by keyboard alone with Orca, the screen reader, running:
# F10 and the arrows pick a figure, «Назначить имена», four names typed,
# «Ок», a question, «Раскинуть». Orca's own record of what it speaks (its
# debug file's SPEECH OUTPUT lines) must hold the answer once, and no
# answer of the cards laid before it. The names typed are saved when the
# session ends the program and read back at its next start. Runs on an
# accessibility bus of its own (tests/session/on_accessibility_bus.sh),
# with a small window manager.
#   orca_reading_test.sh ZARVEL
set -eu
zarvel=$(realpath "$1")
# In its turn among the tests that run Orca; skipped while the user's own
# Orca runs.
if [ "${ORCA_TEST_INNER:-}" != 1 ]; then
    ORCA_TEST_INNER=1 exec "$(dirname "$0")/../session/when_no_other_orca.sh" \
        "$(dirname "$0")/../session/on_accessibility_bus.sh" "$0" "$zarvel"
fi

work=$(mktemp -d)
export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
# shellcheck source=tests/session/mark_and_end_processes.sh
. "$(dirname "$0")/../session/mark_and_end_processes.sh"
# shellcheck source=tests/session/wait_for_program.sh
. "$(dirname "$0")/../session/wait_for_program.sh"
trap 'end_marked >/dev/null || true; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    echo "0 passed, 1 failed"
    exit 1
}
marked openbox >/dev/null 2>&1 &
log="$work/orca.log"
marked orca --disable braille --debug-file="$log" >/dev/null 2>&1 &
within 60 orca_listening || fail "Orca did not listen to the accessibility bus within 60 seconds"

# Marked through env, which becomes the program: $! is the program's pid.
env "$mark" "$zarvel" >"$work/zarvel.out" 2>&1 &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zarvel$' | head -n 1)
[ -n "$window" ] || fail "no window named Zarvel was shown within a minute; the program said: $(cat "$work/zarvel.out")"
# The window manager may still be starting on a busy machine: until it
# manages the screen, it refuses to activate a window.
within 60 timeout 10 xdotool windowactivate --sync "$window" 2>/dev/null ||
    fail "the window manager did not make the window active within 60 seconds"
sleep 2
keys() { xdotool key --delay 400 "$@"; sleep 0.5; }
# F10 opens «Гадание»; Down goes to «Девушки», Right opens «На 4 короля»
# and its menu, Return picks «Вы-дама бубен-молодая».
keys F10 Down Right Right Return
# «Назначить имена», the menu bar's second item; from «Раскинуть» past the
# question box to the first name box.
keys F10 Right Return
keys Tab Tab
for name in Anna Boris Vera Gleb; do
    xdotool type --delay 60 "$name"
    keys Tab
done
keys space           # «Ок»; the focus goes on to «Раскинуть»
keys Tab Down        # the question box: «Кто меня любит?»
keys shift+Tab space # «Раскинуть»
# The reveal takes two seconds at most; the rest is time for Orca to speak.
sleep 6
# Orca writes its record through a buffer, may lag behind on a busy machine
# and does not always end when asked to; so it is made to write on: the
# focus goes round the window until Orca's echo of two of those Tab keys,
# after the Space that dealt, is in the record. On a loaded machine Orca
# falls a minute behind the keys: after two Tabs it gets one every five
# seconds, so as not to pile up more for it (three minutes at most).
echoed() { awk "/SPEECH OUTPUT: 'space ?'/ { s = 1; n = 0 } /SPEECH OUTPUT: 'tab ?'/ { ++n } END { print s ? n : 0 }" "$log"; }
for i in $(seq 90); do
    [ "$(echoed)" -ge 2 ] && break
    if [ "$i" -le 2 ] || [ $((i % 5)) -eq 0 ]; then keys Tab; else sleep 2; fi
done
after=$(echoed)
terminate "$pid" || saved=no
left=$(end_marked || true)
grep -o "SPEECH OUTPUT: '.*'" "$log" >"$work/spoken" || true
[ -z "${ORCA_TEST_LOG:-}" ] || cp "$log" "$ORCA_TEST_LOG"
told=$(grep -c -- "Кто меня любит?-" "$work/spoken" || true)
echo "Orca spoke:"
sed 's/^/    /' "$work/spoken" | tail -n 40
[ "$after" -ge 2 ] || fail "Orca's record ends before the keys pressed after the reading"
[ -z "$left" ] || fail "${left#FAIL: }"
[ "$told" -eq 1 ] || fail "the answer was spoken $told times, not once"
# Orca ends what it says of an object with a full stop.
answer=$(grep -o -- "Кто меня любит?-[^']*" "$work/spoken" | sed 's/\.$//')
case $answer in
*-Anna | *-Boris | *-Vera | *-Gleb | *-Незнакомец\(ка\) | *-Не\ выпало) ;;
*) fail "spoken «$answer» is no answer" ;;
esac
echo "the answer «$answer» was spoken once"

# The names, saved at the session's end (SIGTERM) in the file's own
# encoding and line ends; at the next start they are read back, so ending
# that run saves them again unchanged.
names="$XDG_CONFIG_HOME/zarvel/Zarvel.TXT"
expected=$(printf 'Anna\r\nBoris\r\nVera\r\nGleb\r\n' | od -An -tx1)
for run in reading next; do
    if [ "${saved:-}" = no ] || [ "$(od -An -tx1 "$names" 2>/dev/null)" != "$expected" ]; then
        fail "after the $run run the names file holds: $(od -c "$names" 2>&1)"
    fi
    [ "$run" = next ] && break
    QT_QPA_PLATFORM=offscreen env "$mark" "$zarvel" 2>/dev/null &
    pid=$!
    { ready "$pid" "$zarvel" && terminate "$pid"; } || saved=no
done
end_marked
echo "the names were saved and read back; 1 passed, 0 failed"
