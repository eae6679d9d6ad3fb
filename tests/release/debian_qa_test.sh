#!/bin/sh
# scripts/debian-qa stops at the first step that fails, naming it, with
# that step's log; and run by another user than root it says why it needs
# root before it starts anything. It runs in a tree of stand-ins
# for the steps it calls, which note each call: nothing is built.
#   debian_qa_test.sh SOURCE
set -eu
qa=$(realpath "$1/scripts/debian-qa")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/scripts" "$work/tests/release" "$work/bin" "$work/build"
# debian-qa calls the scripts of the tree it lies in.
ln -s "$qa" "$work/scripts/debian-qa"
calls="$work/calls"
stand_in() {
    printf '#!/bin/sh\necho "%s $*" >>"%s"\n%s\n' "$1" "$calls" "$2" >"$3"
    chmod +x "$3"
}
stand_in install-deps "" "$work/scripts/install-deps"
stand_in build-deb 'echo "dpkg-buildpackage: error: cmake failed at configure"; exit 2' "$work/scripts/build-deb"
stand_in dist_test.sh 'echo "make dist wrote the same tarball both times"' "$work/tests/release/dist_test.sh"

passed=0 failed=0
fail() { echo "FAIL: $*"; ok=no; }
tally() { if [ "$ok" = yes ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi; }
# qa UID: runs debian-qa as if user UID ran it.
qa() {
    ok=yes
    printf '#!/bin/sh\necho %s\n' "$1" >"$work/bin/id"
    chmod +x "$work/bin/id"
    : >"$calls"
    status=0
    PATH="$work/bin:$PATH" "$work/scripts/debian-qa" "$work/build" >"$work/out" 2>&1 || status=$?
    sed 's/^/    /' "$work/out"
}

echo "A package build that fails:"
qa 0
[ "$status" -ne 0 ] || fail "debian-qa passed"
[ "$(grep -c '^build-deb' "$calls")" -eq 1 ] || fail "debian-qa built $(grep -c '^build-deb' "$calls") times, not once"
grep -q "FAIL: the package build with its tests exited with 2" "$work/out" || fail "the failing step is not named"
grep -q "cmake failed at configure" "$work/out" || fail "the failing step's log is not shown"
! grep -q "built with its tests in" "$work/out" || fail "the failed build was reported as built"
tally

echo "Another user than root:"
qa 1000
[ "$status" -ne 0 ] || fail "debian-qa passed"
grep -q "needs root: autopkgtest" "$work/out" || fail "debian-qa did not say why it needs root"
[ ! -s "$calls" ] || fail "debian-qa went on: $(cat "$calls")"

tally
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
