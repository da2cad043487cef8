#!/bin/sh
# Runs a test program as it runs beside a screen reader: in a virtual X server, with a private
# D-Bus session whose accessibility bus is up, and Qt's AT-SPI bridge switched on.
# Usage: with_accessibility_bus.sh program [arguments...]
set -eu

skip=77

if [ "${1:-}" != "--inside" ]; then
    for tool in xvfb-run dbus-run-session dbus-send; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "$tool is not installed: skipping"
            exit "$skip"
        fi
    done
    exec dbus-run-session -- xvfb-run -a -s "-screen 0 800x600x24" sh "$0" --inside "$@"
fi
shift

# Starting the bus launcher is what a desktop session does once a screen reader asks for it.
if ! dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null; then
    echo "The accessibility bus did not start (is at-spi2-core installed?)" >&2
    exit 1
fi
TALLIMAX_ACCESSIBILITY_BRIDGE=1 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$@"
