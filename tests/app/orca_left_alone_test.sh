#!/bin/sh
# The Orca tests leave a screen reader they did not start alone: while an
# Orca of the user's runs (here a stand-in of that name), the window's and
# the page's Orca tests are each skipped at once, saying why, and the
# stand-in still runs after them; the lock they take turns by is gone
# after them, in the user's runtime folder or, without one, in the
# temporary folder.
#   orca_left_alone_test.sh SOURCE ZARVEL
set -eu
src=$(realpath "$1")
zarvel=$2
work=$(mktemp -d)
cp "$(command -v sleep)" "$work/orca"
"$work/orca" 600 &
orca=$!
trap 'kill "$orca" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    [ "$(cat "/proc/$orca/comm" 2>/dev/null)" = orca ] && break
    sleep 0.1
done
mkdir -m 700 "$work/runtime" "$work/tmp"

passed=0 failed=0
# left_alone RUNTIME TEST [ARG…]: TEST, with RUNTIME as the user's runtime
# folder (none when empty), skips and leaves the stand-in and the folders
# as they were.
left_alone() {
    runtime=$1
    shift
    status=0
    (
        if [ -n "$runtime" ]; then export XDG_RUNTIME_DIR="$runtime"; else unset XDG_RUNTIME_DIR; fi
        TMPDIR="$work/tmp" ZARVEL_SITE="$work" exec timeout 60 "$@"
    ) >"$work/out" 2>&1 || status=$?
    sed 's/^/    /' "$work/out"
    why=
    [ "$status" -eq 77 ] || why="$why; it ended with $status, not skipped (77)"
    grep -q "^skipped: an Orca of yours runs" "$work/out" || why="$why; it did not say that it skipped for the user's Orca"
    kill -0 "$orca" 2>/dev/null || why="$why; it ended the user's Orca"
    left=$(find "$work/runtime" "$work/tmp" -mindepth 1 -maxdepth 1)
    [ -z "$left" ] || why="$why; it left $(echo "$left" | tr '\n' ' ')"
    if [ -z "$why" ]; then
        passed=$((passed + 1))
    else
        echo "FAIL: ${1##*/}:${why#;}"
        failed=$((failed + 1))
    fi
}
left_alone "$work/runtime" "$src/tests/app/orca_reading_test.sh" "$zarvel"
left_alone "$work/runtime" "$src/tests/web/orca/orca_page_test.sh" chromium
left_alone "" "$src/tests/app/orca_reading_test.sh" "$zarvel"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
