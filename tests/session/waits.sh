# Sourced by the tests that start desktop services: waits for what they
# started to be ready, or gone, each for a bounded time, in place of
# sleeps that are too short on a loaded machine and too long on others.

# within SECONDS COMMAND…: whether COMMAND succeeds within SECONDS, tried
# every tenth of a second.
within() {
    deadline=$(($(date +%s) + $1))
    shift
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# The accessibility bus is up once its launcher owns its name on the
# session bus; asked without starting a launcher of D-Bus's own.
accessibility_bus_up() {
    dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true
}
accessibility_bus() {
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress | tr -d ' '
}

# Orca listens once it has asked the accessibility bus for text changes
# (its record, written through a buffer, cannot tell when).
orca_listening() {
    bus=$(accessibility_bus 2>/dev/null) || return 1
    dbus-send --bus="$bus" --print-reply --dest=org.a11y.atspi.Registry /org/a11y/atspi/registry \
        org.a11y.atspi.Registry.GetRegisteredEvents 2>/dev/null | grep -q '"Object:TextChanged:Insert"'
}
