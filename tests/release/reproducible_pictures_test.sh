#!/bin/sh
# Two runs of the picture tool draw byte-identical pictures, list and
# icons: nothing in them depends on the time or on chance, so packages
# built from one commit are the same.
set -eu
cardtool=$1 deck=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
for run in 1 2; do
    "$cardtool" "$deck" "$work/$run" >/dev/null
    "$cardtool" --icon "$deck" "$work/$run" io.github.zarvel.Zarvel >/dev/null
done
files=$(ls "$work/1" | wc -l)
diff -r "$work/1" "$work/2" >/dev/null || { diff -rq "$work/1" "$work/2"; echo "0 passed, 1 failed"; exit 1; }
echo "$files files alike; 1 passed, 0 failed"
