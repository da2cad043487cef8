#!/bin/sh
# Runs a test program as it runs beside a screen reader: in a virtual X server, with a private
# D-Bus session whose accessibility bus is up, and Qt's AT-SPI bridge switched on. With --no-bus,
# in the X server and the D-Bus session only: the program starts the accessibility bus itself,
# if and when it wants one, and nothing switches accessibility on.
# Usage: with_accessibility_bus.sh [--no-bus] program [arguments...]
set -eu

skip=77

if [ "${1:-}" != "--inside" ]; then
    for tool in xvfb-run dbus-run-session dbus-send; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "$tool is not installed: skipping"
            exit "$skip"
        fi
    done
    # The bus puts its socket in the runtime directory, or in ~/.cache/at-spi when there is none,
    # where another session's bus, a desktop's or another test run's, would take it over or
    # remove it. A private directory keeps them apart, and settings kept in memory keep the user's
    # accessibility setting out of it.
    runtime=$(mktemp -d)
    trap 'rm -rf "$runtime"' EXIT
    status=0
    XDG_RUNTIME_DIR=$runtime GSETTINGS_BACKEND=memory \
        dbus-run-session -- xvfb-run -a -s "-screen 0 800x600x24" sh "$0" --inside "$@" \
        || status=$?
    exit "$status"
fi
shift
if [ "${1:-}" = "--no-bus" ]; then
    shift
    exec "$@"
fi

# Starting the bus launcher is what a desktop session does once a screen reader asks for it.
if ! dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null; then
    echo "The accessibility bus did not start (is at-spi2-core installed?)" >&2
    exit 1
fi
TALLIMAX_ACCESSIBILITY_BRIDGE=1 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$@"
