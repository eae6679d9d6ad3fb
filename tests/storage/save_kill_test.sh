#!/bin/sh
# 300 saves of the names file, each killed with SIGKILL at a random moment:
# the file always holds one whole set of names, never a mixture, a part or
# nothing.
set -eu
saver=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
names="$folder/Zarvel.TXT"
first=$(printf '\300\355\377\r\n\301\356\360\350\361\r\n\302\345\360\340\r\n\303\353\345\341\r\n' | od -An -tx1)
second=$(printf '\304\340\360\374\377\r\n\r\n\306\340\355\355\340, "\306"\r\n \307\356\377\r\n' | od -An -tx1)
"$saver" "$names" &
sleep 0.2
kill -KILL $! 2>/dev/null || true
wait 2>/dev/null || true

failures=0
for i in $(seq 300); do
    "$saver" "$names" &
    pid=$!
    # 0 to 29 ms: from start-up through many whole saves.
    sleep "0.0$(printf '%02d' $(( $(od -An -N2 -tu2 /dev/urandom) % 30 )))"
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    now=$(od -An -tx1 "$names")
    if [ "$now" != "$first" ] && [ "$now" != "$second" ]; then
        echo "FAIL: after kill $i the names file holds:$now"
        failures=$((failures + 1))
    fi
done
echo "300 kills, $(find "$folder" -mindepth 1 -maxdepth 1 ! -name Zarvel.TXT | wc -l) stray temporary files left by killed saves"
echo "$((300 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
