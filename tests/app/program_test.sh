#!/bin/sh
# The real program with its real names file in a temporary home: names
# survive SIGTERM, and a FIFO at the file's place does not hang start-up.
set -eu
program=$1
# shellcheck source=tests/session/temp_home.sh
. "$(dirname "$0")/../session/temp_home.sh"
fail() { echo "FAIL: $*"; exit 1; }

# Starts the program, waits until it is up, sends SIGTERM and waits up to five
# seconds for it to end with status 0.
run_and_terminate() {
    "$program" 2>/dev/null &
    pid=$!
    ready "$pid" "$program" || return 1
    terminate "$pid"
}

# 1. A first run without typing: SIGTERM saves the four initial texts.
run_and_terminate || fail "the program did not end on SIGTERM"
expected=$(printf '\310\354\377\r\n\310\354\377\r\n\310\354\377\r\n\310\354\377\r\n' | od -An -tx1)
[ "$(od -An -tx1 "$names")" = "$expected" ] || fail "unexpected bytes after a first run"

# 2. A FIFO at the file's place: start-up goes on, the save leaves it and
# says so, a second SIGTERM closes the message, and the exit status is 1.
rm "$names"
mkfifo "$names"
"$program" 2>"$home/err" &
pid=$!
ready "$pid" "$program" || fail "the program did not start"
kill -TERM "$pid"
for _ in $(seq 50); do grep -q "Имена не сохранены" "$home/err" && break; sleep 0.1; done
grep -q "Имена не сохранены в файл $names: на месте файла стоит не обычный файл" "$home/err" || fail "no message: $(cat "$home/err")"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" = 1 ] || fail "the exit status after a failed save is $status, not 1"
[ -p "$names" ] || fail "the FIFO was replaced"

echo "2 passed, 0 failed"
