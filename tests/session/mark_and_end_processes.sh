# Sourced by the tests that start desktop services. `marked CMD…` runs CMD
# with a mark in its environment, which whatever it starts inherits (a bus
# daemon, a speech server that detaches); `end_marked` ends every process
# with the mark, and fails naming those still running five seconds after.
# The waits are found in $session when the caller names that folder, else
# in the session folder beside the caller's own.
# shellcheck source=tests/session/waits.sh
. "${session:-$(dirname "$0")/../session}/waits.sh"
mark="ZARVEL_TEST_RUN=$$.$(date +%s%N)"
marked() { env "$mark" "$@"; }
marked_pids() {
    for proc in /proc/[0-9]*; do
        { tr '\0' '\n' <"$proc/environ"; } 2>/dev/null | grep -qxF "$mark" && echo "${proc#/proc/}"
    done
    return 0
}
none_marked() { [ -z "$(marked_pids)" ]; }
end_marked() {
    for pid in $(marked_pids); do kill -KILL "$pid" 2>/dev/null || true; done
    within 5 none_marked || true
    left=$(marked_pids | while read -r pid; do tr '\0' ' ' <"/proc/$pid/cmdline"; echo; done)
    [ -z "$left" ] || { echo "FAIL: still running after the test: $left"; return 1; }
}
