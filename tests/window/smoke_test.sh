#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program in a virtual X server with no window manager, finds its window by title,
# checks its size, that it cannot be resized, that keys typed reach it and take steps back and put
# them back, that Ctrl+H opens and closes the tape beside it, then closes it.
# Usage: smoke_test.sh path/to/tallimax
set -eu

skip=77
program=$1

if [ "${2:-}" != "--inside-x" ]; then
    if ! command -v xvfb-run >/dev/null 2>&1; then
        echo "xvfb-run is not installed: skipping the smoke test"
        exit "$skip"
    fi
    # Wide enough for the tape beside the calculator.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" sh "$0" "$program" --inside-x
fi

fail() {
    echo "FAIL: $*" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
}

"$program" &
pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tallimax version 1$' | head -n 1) \
    || fail "no window titled 'Tallimax version 1' appeared"
[ -n "$window" ] || fail "no window titled 'Tallimax version 1' appeared"

title=$(xdotool getwindowname "$window")
[ "$title" = "Tallimax version 1" ] || fail "title is '$title'"

info=$(xwininfo -id "$window")
width=$(printf '%s\n' "$info" | sed -n 's/^ *Width: *//p')
height=$(printf '%s\n' "$info" | sed -n 's/^ *Height: *//p')
[ "$width" = 550 ] && [ "$height" = 267 ] || fail "window is ${width}x${height}, not 550x267"

hints=$(xprop -id "$window" WM_NORMAL_HINTS)
printf '%s\n' "$hints" | grep -q 'program specified minimum size: 550 by 267' \
    || fail "no minimum size of 550 by 267: $hints"
printf '%s\n' "$hints" | grep -q 'program specified maximum size: 550 by 267' \
    || fail "no maximum size of 550 by 267: $hints"

# The X window holding the keyboard focus, or "none"; PointerRoot and no focus count as none.
focus_window() {
    xdotool getwindowfocus 2>/dev/null || echo none
}

# Waits up to five seconds for the keyboard focus to reach the window, or the window $2.
wait_for_focus() {
    tries=50
    while [ "$(focus_window)" != "${2:-$window}" ]; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || fail "$1: the keyboard focus is on $(focus_window), not on the window"
        sleep 0.1
    done
}

# Waits up to five seconds for no window titled as the regular expression $1 to show; fails with
# $2 if one still does.
wait_until_gone() {
    tries=50
    while xdotool search --onlyvisible --name "$1" >/dev/null; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || fail "$2"
        sleep 0.1
    done
}

# No window manager runs here, so nobody but the program gives its window the keyboard focus.
# The pointer rests outside the window: keys reach the calculator only through that focus.
xdotool mousemove 700 500
wait_for_focus "at start"

# Types the keys, which must open the warning box, then closes it with Return and waits for the
# keyboard focus to come back to the window they were typed in ($typed_in) for the keys that follow.
typed_in=$window
expect_warning() {
    what=$1
    shift
    xdotool key --delay 50 "$@"
    timeout 10 xdotool search --sync --onlyvisible --name '^Message From Vor$' >/dev/null \
        || fail "$what: no warning box after the keys $*"
    xdotool key Return
    wait_until_gone '^Message From Vor$' "Return did not close the warning box"
    wait_for_focus "after the warning box" "$typed_in"
}

# 8 / 0 = typed on the keyboard opens the warning box, and again after it closes.
expect_warning "keys typed did not reach the calculator" 8 slash 0 equal
expect_warning "keys typed after the warning box were lost" slash 0 equal
# Each of these divides by zero only if the step taken back or put back is exactly right.
expect_warning "Backspace took back no digit" Escape 8 slash 2 BackSpace 0 equal
expect_warning "Ctrl+Z brought back no calculation" Escape 8 slash 0 Delete ctrl+z equal
expect_warning "Ctrl+Shift+Z put back no digit" Escape 8 slash 0 BackSpace ctrl+shift+z equal
expect_warning "Ctrl+Y put back no digit" Escape 8 slash 0 ctrl+z ctrl+y equal

# Where the window is and its size: x y width height.
geometry() {
    xwininfo -id "$1" | sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p' | xargs
}
calculator=$(geometry "$window")
xdotool key ctrl+h
tape=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tallimax tape$' | head -n 1) || true
[ -n "$tape" ] || fail "Ctrl+H showed no window titled 'Tallimax tape'"
# With no window manager, the tape stands where the program put it: beside the calculator.
# shellcheck disable=SC2046,SC2086 # four numbers each, split on purpose
set -- $calculator $(geometry "$tape")
[ $(($5 >= $1 + $3 || $5 + $7 <= $1 || $6 >= $2 + $4 || $6 + $8 <= $2)) = 1 ] \
    || fail "the tape ($5,$6 $7x$8) covers the calculator ($1,$2 $3x$4)"
wait_for_focus "the tape opened" "$tape"
typed_in=$tape
expect_warning "keys typed into the tape did not reach the calculator" Escape 8 slash 0 equal
xdotool key ctrl+h
wait_until_gone '^Tallimax tape$' "Ctrl+H did not close the tape"
[ "$(geometry "$window")" = "$calculator" ] \
    || fail "the calculator moved or changed size with the tape: $(geometry "$window")"

kill "$pid"
wait "$pid" || true
echo "Tallimax opened its 550x267 window titled 'Tallimax version 1' and took keys typed into it;" \
    "Ctrl+H opened the tape beside it and closed it"
