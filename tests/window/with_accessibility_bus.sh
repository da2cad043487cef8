#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
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
    # accessibility setting out of it. The run inside removes the directory.
    XDG_RUNTIME_DIR=$(mktemp -d)
    GSETTINGS_BACKEND=memory
    export XDG_RUNTIME_DIR GSETTINGS_BACKEND
    exec dbus-run-session -- xvfb-run -a -s "-screen 0 800x600x24 -noreset" sh "$0" --inside "$@"
fi
shift

if [ "${1:-}" = "--no-bus" ]; then
    shift
else
    # Starting the bus launcher is what a desktop session does once a screen reader asks for it.
    if ! dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null; then
        echo "The accessibility bus did not start (is at-spi2-core installed?)" >&2
        rm -rf "$XDG_RUNTIME_DIR"
        exit 1
    fi
    TALLIMAX_ACCESSIBILITY_BRIDGE=1
    QT_QPA_PLATFORM=xcb
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    export TALLIMAX_ACCESSIBILITY_BRIDGE QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON
fi

status=0
"$@" || status=$?
rm -rf "$XDG_RUNTIME_DIR"
exit "$status"
