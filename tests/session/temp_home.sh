# Sourced by the scripts that run the real program: a fresh home of its
# own, removed on exit, and the offscreen platform. Sets $home and $names,
# and gives ready() and terminate().
home=$(mktemp -d)
trap 'kill -KILL $(jobs -p) 2>/dev/null || true; rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" QT_QPA_PLATFORM=offscreen
names="$XDG_CONFIG_HOME/zarvel/Zarvel.TXT"

# shellcheck source=tests/session/wait_for_program.sh
. "$(dirname "$0")/../session/wait_for_program.sh"
