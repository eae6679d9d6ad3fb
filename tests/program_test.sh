#!/bin/sh
# The real program with its real names file in a temporary home: names
# survive SIGTERM; a save that cannot be written is reported and leaves the
# old file as it was; a FIFO at the file's place does not hang start-up.
set -eu
program=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" QT_QPA_PLATFORM=offscreen
names="$XDG_CONFIG_HOME/zarvel/Zarvel.TXT"
fail() { echo "FAIL: $*"; exit 1; }

# Starts the program (with an optional shell prelude), lets it settle,
# sends SIGTERM and waits up to five seconds for it to end.
# Its stderr goes through a FIFO, which a file-size limit does not cut.
run_and_terminate() {
    rm -f "$home/stderr.fifo"
    mkfifo "$home/stderr.fifo"
    cat "$home/stderr.fifo" >"$home/stderr" &
    sh -c "$1 exec \"$program\"" 2>"$home/stderr.fifo" &
    pid=$!
    sleep 1
    kill -TERM "$pid"
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; return 0; }
        sleep 0.1
    done
    return 1
}

# 1. A first run without typing: SIGTERM saves the four initial texts.
run_and_terminate "" || fail "the program did not end on SIGTERM"
expected=$(printf '\310\354\377\r\n\310\354\377\r\n\310\354\377\r\n\310\354\377\r\n' | od -An -tx1)
[ "$(od -An -tx1 "$names")" = "$expected" ] || fail "unexpected bytes after a first run"

# 2. A save that cannot be written (a file-size limit of 0): the old file
#    stays byte for byte, no temporary file is left and the failure is told.
printf 'a\r\nb\r\nc\r\nd\r\n' > "$names"
before=$(od -An -tx1 "$names")
run_and_terminate "trap '' XFSZ; ulimit -f 0;" || true
kill -KILL "$pid" 2>/dev/null || true # the message box waits for the user
wait
grep -q "Имена не сохранены в файл $names" "$home/stderr" || fail "the failed save was not reported"
[ "$(od -An -tx1 "$names")" = "$before" ] || fail "the old names file was changed"
[ "$(ls "$XDG_CONFIG_HOME/zarvel")" = "Zarvel.TXT" ] || fail "a temporary file was left: $(ls "$XDG_CONFIG_HOME/zarvel")"

# 3. A FIFO at the file's place: start-up goes on and the save replaces it.
rm "$names"
mkfifo "$names"
run_and_terminate "" || fail "a FIFO hung the program"
[ -f "$names" ] && [ "$(od -An -tx1 "$names")" = "$expected" ] || fail "the FIFO was not replaced by the names"

echo "1 passed, 0 failed"
