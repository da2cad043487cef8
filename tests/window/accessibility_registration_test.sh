#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program beside a desktop's accessibility bus with nobody having switched
# assistive technology on, and checks that the accessibility registry lists it: a screen reader
# started later, or a tool that reads the tree without switching it on, must find the calculator.
# bus-first starts the bus before the program, program-first after it. Runs inside a D-Bus
# session and an X server of its own: with_accessibility_bus.sh --no-bus.
# Usage: accessibility_registration_test.sh path/to/tallimax bus-first|program-first
set -eu

program=$1
order=$2

pid=
fail() {
    echo "FAIL ($order): $*" >&2
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    exit 1
}

# Asking for the bus's address starts the bus, as a desktop session does at login.
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
case $order in
bus-first)
    start_bus
    "$program" &
    pid=$!
    ;;
program-first)
    "$program" &
    pid=$!
    sleep 1
    start_bus
    ;;
*) fail "unknown order" ;;
esac

tries=100
until registered; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || fail "the accessibility registry does not list Tallimax"
    sleep 0.1
done
kill "$pid"
wait "$pid" || true
echo "Tallimax is listed by the accessibility registry ($order)"
