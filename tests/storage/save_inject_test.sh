#!/bin/sh
# Fails each system call of the names file's save in turn, at each of its
# call positions, in the real program, and once more under a file-size
# limit that fails its writes. After every run the names file holds the old
# contents or the new, never anything else; no temporary file is left; and
# whenever the new contents are not on disk the program said so.
#
# strace attaches only once the program is up and idle, so the counting of
# calls starts with the save (SIGTERM). write is failed through the size
# limit only: failing every write would break the event loop's own wakeups.
set -eu
program=$1
# shellcheck source=tests/session/temp_home.sh
. "$(dirname "$0")/../session/temp_home.sh"
dir="$XDG_CONFIG_HOME/zarvel"
old=$(printf 'a\r\nb\r\nc\r\nd\r\ne\r\n' | od -An -tx1)   # five lines: the save writes four
new_after_old=$(printf 'a\r\nb\r\nc\r\nd\r\n' | od -An -tx1)
new_first=$(printf '\310\354\377\r\n\310\354\377\r\n\310\354\377\r\n\310\354\377\r\n' | od -An -tx1)
runs=0
failures=0

# $1: "old" or "none" (the file before), $2: shell prelude, $3: strace
# inject expression or "" for none.
run_case() {
    rm -rf "$dir"
    mkdir -p "$dir"
    if [ "$1" = old ]; then
        printf 'a\r\nb\r\nc\r\nd\r\ne\r\n' >"$names"
        chmod 640 "$names"
        before=$old new=$new_after_old want_mode=640
    else
        before="" new=$new_first want_mode=600
    fi
    rm -f "$home/err.fifo"
    mkfifo "$home/err.fifo"
    cat "$home/err.fifo" >"$home/stderr" &
    reader=$!
    sh -c "$2 exec \"$program\"" 2>"$home/err.fifo" &
    pid=$!
    ready "$pid" "$program" || echo "the program is not up after 30 seconds"
    tracer=""
    if [ -n "$3" ]; then
        rm -f "$home/strace"
        strace -f -qq -p "$pid" -e trace="${3%%:*},ppoll,poll" -e inject="$3" -o "$home/strace" 2>/dev/null &
        tracer=$!
        for _ in $(seq 50); do # attached once the idle loop's polls show
            grep -q poll "$home/strace" 2>/dev/null && break
            sleep 0.1
        done
    fi
    kill -TERM "$pid"
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        grep -q "Имена не сохранены" "$home/stderr" 2>/dev/null && break # a message box waits
        sleep 0.1
    done
    sleep 0.2
    kill -KILL "$pid" 2>/dev/null || true
    [ -n "$tracer" ] && { kill "$tracer" 2>/dev/null || true; wait "$tracer" 2>/dev/null || true; }
    wait "$pid" 2>/dev/null || true
    wait "$reader" 2>/dev/null || true

    runs=$((runs + 1))
    label="[$1 file, ${3:-${2:-no injection}}]"
    if [ -f "$names" ]; then now=$(od -An -tx1 "$names"); else now=""; fi
    left=$(find "$dir" -mindepth 1 -maxdepth 1 ! -name Zarvel.TXT -printf '%f\n')
    if [ -f "$names" ]; then mode=$(stat -c %a "$names"); else mode=""; fi
    if [ "$now" != "$before" ] && [ "$now" != "$new" ]; then
        echo "FAIL $label: the names file is neither old nor new:$now"; failures=$((failures + 1))
    elif [ -n "$mode" ] && [ "$mode" != "$want_mode" ]; then
        echo "FAIL $label: the names file's mode is $mode, not $want_mode"; failures=$((failures + 1))
    elif [ -n "$left" ]; then
        echo "FAIL $label: left beside the names file: $left"; failures=$((failures + 1))
    elif [ "$now" != "$new" ] && ! grep -q "Имена не сохранены в файл $names" "$home/stderr"; then
        echo "FAIL $label: the new names are not on disk and nothing was said"; failures=$((failures + 1))
    else
        if [ "$now" = "$new" ]; then outcome=saved; else outcome="not saved, said: $(grep -o 'Имена не сохранены.*' "$home/stderr")"; fi
        echo "ok   $label: $outcome"
    fi
}

for start in old none; do
    for inject in openat:error=ENOSPC:when=1 fchmod:error=EPERM:when=1 chmod:error=EPERM:when=1 \
                  fdatasync:error=EIO:when=1 fdatasync:error=EIO:when=2 fsync:error=EIO:when=1 \
                  linkat:error=ENOSPC:when=1 linkat:error=ENOSPC:when=2 \
                  rename:error=ENOSPC:when=1 renameat2:error=ENOSPC:when=1 \
                  unlink:error=EIO:when=1 close:error=EIO:when=1; do
        run_case "$start" "" "$inject"
    done
    run_case "$start" "trap '' XFSZ; ulimit -f 0;" ""
    run_case "$start" "ulimit -f 0;" "" # SIGXFSZ at its default: the program ignores it
done

echo "$runs injected failures tried"
echo "$((runs - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
