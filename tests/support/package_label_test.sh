#!/bin/sh
# The Debian package's build runs the tests of the label debian/rules names
# to ctest (-L): a label that no test carries would let that build pass
# having run none.
#   package_label_test.sh CTEST BUILD RULES
set -eu
ctest=$1 build=$2 rules=$3
label=$(sed -n 's/.*ARGS+=-L \([^ "]*\).*/\1/p' "$rules")
if [ -z "$label" ]; then
    echo "FAIL: $rules selects the tests to run by no label"
    exit 1
fi
count=$("$ctest" --test-dir "$build" --show-only -L "$label" | sed -n 's/^Total Tests: //p')
if [ "${count:-0}" -eq 0 ]; then
    echo "FAIL: no test carries the label $label, which $rules runs"
    exit 1
fi
echo "$count tests carry the label $label, which $rules runs"
