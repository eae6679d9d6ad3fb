# Sourced by the scripts that run the real program: a fresh home of its
# own, removed on exit, and the offscreen platform. Sets $home and $names,
# and gives ready().
home=$(mktemp -d)
trap 'kill -KILL $(jobs -p) 2>/dev/null || true; rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/config" QT_QPA_PLATFORM=offscreen
names="$XDG_CONFIG_HOME/zarvel/Zarvel.TXT"

# Waits until process $1 runs the program $2 (a shell may still be on its
# way to exec it), has built its window and can take SIGTERM (it then
# catches the signal: SigCgt's bit 15), however slow a busy machine makes
# its start; 30 seconds at most.
ready() {
    for _ in $(seq 300); do
        [ "$(readlink "/proc/$1/exe" 2>/dev/null)" = "$(realpath "$2")" ] || { sleep 0.1; continue; }
        caught=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$1/status" 2>/dev/null || true)
        [ -n "$caught" ] && [ $((0x$caught >> 14 & 1)) -eq 1 ] && return 0
        sleep 0.1
    done
    return 1
}
