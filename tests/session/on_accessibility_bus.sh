#!/bin/sh
# Runs a command as a screen reader's user runs programs: under Xvfb, with
# a session bus of its own, the accessibility bus and Qt's accessibility on
# (Qt then sends every accessibility event, as to a screen reader). Ends
# every process it started, and fails when one is still running after.
#   on_accessibility_bus.sh COMMAND [ARG…]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
if [ "${ACCESSIBILITY_BUS_INNER:-}" != 1 ]; then
    ACCESSIBILITY_BUS_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi
# shellcheck source=tests/session/mark_and_end_processes.sh
. "$here/mark_and_end_processes.sh"
# A runtime folder of its own, for the buses' and the speech server's sockets.
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
trap 'end_marked; rm -rf "$runtime"' EXIT
marked /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
# The launcher registers the bus on the session bus in a moment; Qt finds
# it there when it starts.
if ! within 30 accessibility_bus_up; then
    echo "FAIL: the accessibility bus was not up within 30 seconds"
    exit 1
fi
status=0
ZARVEL_ON_ACCESSIBILITY_BUS=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$@" || status=$?
trap - EXIT
end_marked || status=1
rm -rf "$runtime"
exit "$status"
