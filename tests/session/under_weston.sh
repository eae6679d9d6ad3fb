#!/bin/sh
# Runs a command as a Wayland client of a headless Weston of its own:
# Qt's Wayland platform, no X server anywhere.
set -eu
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=zarvel-test-$$
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null || true; wait "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT
for _ in $(seq 200); do [ -S "$runtime/$socket" ] && break; sleep 0.1; done
[ -S "$runtime/$socket" ] || { echo "weston did not start:"; cat "$runtime/weston.log"; exit 1; }
unset DISPLAY
export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
"$@"
