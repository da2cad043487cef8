#!/bin/sh
# Starts the real program in a virtual X server, finds its window by title, checks its size and
# that it cannot be resized, then closes it.
# Usage: smoke_test.sh path/to/tallimax
set -eu

skip=77
program=$1

if [ "${2:-}" != "--inside-x" ]; then
    if ! command -v xvfb-run >/dev/null 2>&1; then
        echo "xvfb-run is not installed: skipping the smoke test"
        exit "$skip"
    fi
    exec xvfb-run -a -s "-screen 0 800x600x24" sh "$0" "$program" --inside-x
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

kill "$pid"
wait "$pid" || true
echo "Tallimax opened its 550x267 window titled 'Tallimax version 1'"
