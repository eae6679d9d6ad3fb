#!/bin/sh
# A filtered run of a GoogleTest program fails, running nothing, when a
# pattern of its filter, one to run or one to leave out, names no test of
# the program; when every pattern names one, the run gets the filter.
#   run_filtered_test.sh TESTS      TESTS: a GoogleTest program
set -eu
tests=$1
run_filtered="$(dirname "$0")/run_filtered.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
# filtered FILTER: the run, whose command notes the arguments it was given.
filtered() {
    rm -f "$work/given"
    status=0
    "$run_filtered" "$tests" "$1" sh -c 'printf "%s\n" "$@" >"$0"' "$work/given" >"$work/out" 2>&1 || status=$?
}
verdict() {
    if [ -z "$1" ]; then passed=$((passed + 1)); else echo "FAIL: $1"; failed=$((failed + 1)); fi
}
for filter in '*:NoSuchSuite.NoSuchTest' '*-NoSuchSuite.NoSuchTest'; do
    filtered "$filter"
    why=
    [ "$status" -ne 0 ] || why="$filter passed"
    grep -q "pattern NoSuchSuite.NoSuchTest names none" "$work/out" || why="${why:-$filter: no word of the pattern}"
    [ ! -e "$work/given" ] || why="${why:-$filter: the tests ran}"
    verdict "$why"
done
filtered '*'
why=
[ "$status" -eq 0 ] || why="* failed: $(cat "$work/out")"
[ "$(tail -n 1 "$work/given" 2>/dev/null)" = "--gtest_filter=*" ] || why="${why:-the run was not given the filter}"
verdict "$why"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
