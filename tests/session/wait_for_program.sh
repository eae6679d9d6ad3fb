# Sourced by the scripts that start the real program: ready PID PROGRAM
# waits until process PID runs PROGRAM (a shell may still be on its way to
# exec it), has built its window and can take SIGTERM (it then catches the
# signal: SigCgt's bit 15), however slow a busy machine makes its start;
# 30 seconds at most.
ready() {
    for _ in $(seq 300); do
        [ "$(readlink "/proc/$1/exe" 2>/dev/null)" = "$(realpath "$2")" ] || { sleep 0.1; continue; }
        caught=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$1/status" 2>/dev/null || true)
        [ -n "$caught" ] && [ $((0x$caught >> 14 & 1)) -eq 1 ] && return 0
        sleep 0.1
    done
    return 1
}

# Ends process PID with SIGTERM, as a session's end does, and waits up to
# five seconds for it to end; its exit status is ours.
terminate() {
    kill -TERM "$1"
    for _ in $(seq 50); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; return; }
        sleep 0.1
    done
    return 1
}
