#!/bin/sh
# Starts the real program beside an accessibility bus, as a desktop session runs one, with nobody
# having switched assistive technology on, and checks that the accessibility registry lists it:
# a screen reader started later, or a tool that reads the tree without switching it on, must
# find the calculator. Once with the bus running before the program, once with the bus started
# after it.
# Usage: accessibility_registration_test.sh path/to/tallimax
set -eu

skip=77
program=$1

if [ "${2:-}" != "--inside" ]; then
    for tool in xvfb-run dbus-run-session dbus-send; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "$tool is not installed: skipping"
            exit "$skip"
        fi
    done
    if [ ! -x /usr/libexec/at-spi-bus-launcher ]; then
        echo "at-spi2-core is not installed: skipping"
        exit "$skip"
    fi
    # A private runtime directory keeps the bus's socket apart from any other session's, and
    # settings kept in memory keep the user's accessibility setting out of it, both ways.
    runtime=$(mktemp -d)
    trap 'rm -rf "$runtime"' EXIT
    for order in bus-first program-first; do
        XDG_RUNTIME_DIR=$runtime GSETTINGS_BACKEND=memory dbus-run-session -- \
            xvfb-run -a -s "-screen 0 800x600x24" sh "$0" "$program" --inside "$order"
    done
    exit 0
fi
order=$3

pid=
fail() {
    echo "FAIL ($order): $*" >&2
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    exit 1
}

# Asking for the bus's address starts the bus, as a desktop session does at login. Nobody
# switches accessibility on.
start_bus() {
    address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress | tr -d ' ') || fail "the accessibility bus did not start"
    enabled=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Get string:org.a11y.Status string:IsEnabled)
    case $enabled in
    *false*) ;;
    *) fail "accessibility is already switched on: $enabled" ;;
    esac
}

# Whether the accessibility registry lists an application named tallimax.
registered() {
    children=$(dbus-send --bus="$address" --print-reply --dest=org.a11y.atspi.Registry \
        /org/a11y/atspi/accessible/root org.a11y.atspi.Accessible.GetChildren 2>/dev/null) \
        || return 1
    for name in $(printf '%s\n' "$children" | sed -n 's/.*string "\(:[0-9.]*\)".*/\1/p'); do
        dbus-send --bus="$address" --print-reply=literal --dest="$name" \
            /org/a11y/atspi/accessible/root org.freedesktop.DBus.Properties.Get \
            string:org.a11y.atspi.Accessible string:Name 2>/dev/null | grep -qw tallimax \
            && return 0
    done
    return 1
}

unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON
if [ "$order" = bus-first ]; then
    start_bus
    "$program" &
    pid=$!
else
    "$program" &
    pid=$!
    sleep 1
    start_bus
fi

tries=100
until registered; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "the accessibility registry does not list Tallimax"
    sleep 0.1
done
kill "$pid"
wait "$pid" || true
echo "Tallimax is listed by the accessibility registry ($order)"
