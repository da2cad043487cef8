# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# What the benchmarks and the CI checks need to start the program where nothing of the machine
# reaches it: a private X server, a private session bus, bounded waits that fail loudly, and starts
# counted under callgrind. Sourced, not run; it sources common.sh.
#
# Everything started here is ended, and $SESSION_DIR deleted, when the calling shell exits. A
# caller that sets its own EXIT trap calls session_stop from it.

source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

SESSION_DIR=$(mktemp -d /tmp/tallimax-session.XXXXXX)
session_pids=()

session_stop() {
    local pid
    for pid in "${session_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    session_pids=()
    rm -rf "$SESSION_DIR"
}
trap session_stop EXIT

# Names what failed, shows the log that tells why, and ends the calling script.
fail_with_log() {
    local what=$1 log=$2
    echo "FAIL: $what; its log ($log):" >&2
    sed 's/^/    /' "$log" >&2 || true
    exit 1
}

# wait_until WHAT PID LOG SECONDS COMMAND...: polls COMMAND until it succeeds. Fails as soon as
# the process PID (the one that should make COMMAND succeed) has ended, or after SECONDS.
wait_until() {
    local what=$1 pid=$2 log=$3 seconds=$4 deadline=$((SECONDS + $4))
    shift 4
    until "$@" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || fail_with_log "$what ended before it was ready" "$log"
        [ "$SECONDS" -lt "$deadline" ] \
            || fail_with_log "$what was not ready within $seconds s" "$log"
        sleep 0.1
    done
}

# wait_exit WHAT PID LOG SECONDS: waits for the process PID, a child of this shell that was asked
# to close, to end by itself; fails when it still runs after SECONDS or ends with a status not 0.
wait_exit() {
    local what=$1 pid=$2 log=$3 deadline=$((SECONDS + $4)) status=0
    while kill -0 "$pid" 2>/dev/null; do
        [ "$SECONDS" -lt "$deadline" ] \
            || fail_with_log "$what was still running $4 s after it was asked to close" "$log"
        sleep 0.1
    done
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail_with_log "$what exited with status $status on close" "$log"
}

# Starts a private X server with no window manager and no TCP, at 96 dpi, and sets X_DISPLAY to
# it once a client has opened it. Argument: the screen size, by default 1280x1024x24.
# -noreset: an X server resets itself whenever its last client leaves, and a client that connects
# during the reset is refused; without it, the next client after the xdpyinfo check below could
# find the display "cannot be opened".
x_start() {
    ensure_packages xvfb xauth x11-utils
    local log=$SESSION_DIR/xvfb.log
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -dpi 96 -nolisten tcp -noreset \
        3>"$SESSION_DIR/display" >"$log" 2>&1 &
    session_pids+=($!)
    wait_until "the X server (Xvfb)" $! "$log" 10 test -s "$SESSION_DIR/display"
    X_DISPLAY=:$(head -n 1 "$SESSION_DIR/display")
    if ! DISPLAY=$X_DISPLAY xdpyinfo >>"$log" 2>&1; then
        fail_with_log "the X server (Xvfb) gave display $X_DISPLAY, which cannot be opened" "$log"
    fi
}

# find_window LOG SECONDS SEARCH...: prints the id of the first visible window that
# `xdotool search SEARCH` finds on X_DISPLAY within SECONDS; fails showing the program's LOG.
find_window() {
    local log=$1 seconds=$2 window
    shift 2
    ensure_packages xdotool >&2
    window=$(DISPLAY=$X_DISPLAY timeout "$seconds" xdotool search --sync --onlyvisible "$@" \
        | head -n 1) || true
    [ -n "$window" ] || fail_with_log "no window ($*) was shown within $seconds s" "$log"
    echo "$window"
}

# Starts a private session bus and sets BUS_desktop or BUS_isolated to its address. The kinds:
#   desktop   dbus-daemon's standard session bus, as a desktop session has one: services are
#             started on demand (the accessibility bus, when at-spi2-core is installed) and stay
#             running for the programs after. For timings and pictures of a start as users see it.
#   isolated  a bus with no service directories: nothing can be started on demand, so each start
#             meets the same bus whatever ran before it. Instruction counts need this to repeat.
bus_start() {
    local kind=$1 log=$SESSION_DIR/bus-$1.log
    ensure_packages dbus-daemon
    local config=(--session)
    if [ "$kind" = isolated ]; then
        cat >"$SESSION_DIR/isolated-bus.conf" <<'EOF'
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
        config=(--config-file="$SESSION_DIR/isolated-bus.conf")
    fi
    dbus-daemon "${config[@]}" --nofork --print-address=3 3>"$SESSION_DIR/bus-$kind" >"$log" 2>&1 &
    session_pids+=($!)
    wait_until "the $kind session bus (dbus-daemon)" $! "$log" 10 test -s "$SESSION_DIR/bus-$kind"
    printf -v "BUS_$kind" '%s' "$(head -n 1 "$SESSION_DIR/bus-$kind")"
}

# The desktops a start is measured in, by name: what each adds to the environment. Needs
# x_start's display, for the KDE colour schemes a folder of their own.
SESSIONS_KNOWN="plain gnome-light gnome-dark kde-light kde-dark"
session_description() {
    case "$1" in
    plain) echo "plain X session" ;;
    gnome-light) echo "GNOME-like, light: XDG_CURRENT_DESKTOP=GNOME, GTK theme plugin installed" ;;
    gnome-dark) echo "GNOME-like, dark: as gnome-light with GTK_THEME=Adwaita:dark" ;;
    kde-light) echo "KDE-like, light: XDG_CURRENT_DESKTOP=KDE, KDE_FULL_SESSION=true, KDE_SESSION_VERSION=6, plasma-integration, Breeze colour scheme" ;;
    kde-dark) echo "KDE-like, dark: as kde-light with the Breeze Dark colour scheme" ;;
    *) echo "unknown session: $1 (known: $SESSIONS_KNOWN)" >&2; exit 2 ;;
    esac
}
# The packages a session needs beyond the program's own.
session_packages() {
    case "$1" in
    gnome-*) echo qt6-gtk-platformtheme gnome-themes-extra ;;
    kde-*) echo plasma-integration kde-style-breeze qt6-svg-plugins ;;
    esac
}

# env_for BUS SESSION: the command prefix that starts a program in SESSION with the bus of kind
# BUS, into the array ENV. Every program starts from the same small environment: a private HOME
# and runtime folder, LANG=C.UTF-8 (or SESSION_LANG), the private display and bus, and what the
# session adds.
env_for() {
    local bus=BUS_$1 scheme=BreezeLight
    mkdir -p -m 700 "$SESSION_DIR/home" "$SESSION_DIR/runtime"
    ENV=(env -i HOME="$SESSION_DIR/home" PATH="$PATH" LANG="${SESSION_LANG:-C.UTF-8}"
        DISPLAY="$X_DISPLAY"
        XDG_RUNTIME_DIR="$SESSION_DIR/runtime" DBUS_SESSION_BUS_ADDRESS="${!bus}")
    case "$2" in
    plain) ;;
    gnome-light) ENV+=(XDG_CURRENT_DESKTOP=GNOME) ;;
    gnome-dark) ENV+=(XDG_CURRENT_DESKTOP=GNOME GTK_THEME=Adwaita:dark) ;;
    kde-light | kde-dark)
        # A Plasma colour scheme as the desktop's settings tool applies it: the scheme's colours
        # copied into kdeglobals, where KDE's platform theme reads them.
        [ "$2" = kde-dark ] && scheme=BreezeDark
        local kde=$SESSION_DIR/config-$scheme
        mkdir -p "$kde"
        cat "/usr/share/color-schemes/$scheme.colors" >"$kde/kdeglobals" \
            || echo "warning: the colour scheme $scheme is not installed; kdeglobals names it only" >&2
        printf '\n[General]\nColorScheme=%s\n' "$scheme" >>"$kde/kdeglobals"
        ENV+=(XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=6
            XDG_CONFIG_HOME="$kde") ;;
    *) session_description "$2" ;;
    esac
}

# Configures build-bench/ as a release build with the benchmarks, the same build type as
# scripts/run, and builds the given targets in it.
bench_build() {
    ensure_packages "${TALLIMAX_BUILD_PACKAGES[@]}" libx11-dev libxdamage-dev libbenchmark-dev
    BENCH_BUILD=$TALLIMAX_ROOT/build-bench
    cmake -S "$TALLIMAX_ROOT" -B "$BENCH_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTALLIMAX_BENCH=ON -DTALLIMAX_BUILD_TESTS=OFF >/dev/null
    cmake --build "$BENCH_BUILD" --parallel --target "$@" >/dev/null
}

# count_instructions NAME PROGRAM RUNS SESSION: the instructions of RUNS starts of PROGRAM in
# SESSION with the isolated bus, each from exec to its first paint, where the probe ends it; one
# count a line. One start outside callgrind comes first, so that the caches a first start writes
# (fontconfig's, in the private HOME) are in place before anything is counted. The profiles stay
# in $SESSION_DIR/NAME.N.callgrind. Needs x_start, bus_start isolated and the probe in
# build-bench/ (bench_build tallimax_startup_probe).
count_instructions() {
    local name=$1 program=$2 runs=$3 i log=$SESSION_DIR/$1.callgrind.log
    local probe=$BENCH_BUILD/bench/tallimax_startup_probe
    ensure_packages valgrind
    env_for isolated "$4"
    "${ENV[@]}" "$probe" --runs 1 --warmup 0 "$name=$program" >/dev/null 2>"$log" \
        || fail_with_log "a start of $program in the $4 session" "$log"
    for ((i = 1; i <= runs; ++i)); do
        "${ENV[@]}" "$probe" --runs 1 --warmup 0 --settle-ms 0 --timeout-ms 120000 --term \
            "$name=valgrind --tool=callgrind --callgrind-out-file=$SESSION_DIR/$name.$i.callgrind $program" \
            >/dev/null 2>>"$log" || fail_with_log "a start of $program under callgrind" "$log"
        awk '/^totals:/ { print $2 }' "$SESSION_DIR/$name.$i.callgrind"
    done
}

# Reads numbers, one a line; prints their median, least and most. Of an even number, the lower
# of the two middle ones is the median.
median_least_most() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)], v[1], v[NR] }'
}
