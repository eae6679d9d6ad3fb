#!/bin/sh
# Runs some of a GoogleTest program's tests, named by a filter, and fails
# before running them when a pattern of the filter matches none of the
# program's tests: GoogleTest runs what matches and passes when nothing
# does, so a renamed test would drop out of the run unseen, and a pattern
# that leaves out a test no longer there would leave out nothing.
#   run_filtered.sh TESTS FILTER COMMAND…
# TESTS: the GoogleTest program, asked which tests each pattern names;
# COMMAND…: what runs it (the program itself, or valgrind or a session
# running it), given --gtest_filter=FILTER as its last argument.
set -eu
tests=$1 filter=$2
shift 2
# A filter is the patterns to run, then after a '-' those to leave out,
# each list split by ':'; no test's name holds either sign. The patterns'
# stars are GoogleTest's, not the shell's.
set -f
for pattern in $(printf '%s\n' "$filter" | tr ':-' '  '); do
    listed=$("$tests" --gtest_list_tests --gtest_filter="$pattern") || {
        echo "FAIL: $tests could not list its tests"
        exit 1
    }
    # The list names each suite, then each of its tests indented.
    if ! printf '%s\n' "$listed" | grep -q '^  '; then
        echo "FAIL: the filter's pattern $pattern names none of the tests of $tests"
        exit 1
    fi
done
exec "$@" --gtest_filter="$filter"
