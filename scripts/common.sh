# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the run and test commands: install missing Debian packages, configure and build.
# Sourced, not run.

TALLIMAX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages needed to build and start the calculator. Qt's translation tools (lupdate, lrelease)
# and CMake's commands for them (qt6-tools-dev) build the program's translations; gettext and po4a
# translate the menu entry, the metainfo and the manual page, and appstream holds the rules that
# tell gettext what to translate in the metainfo.
TALLIMAX_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools
    fonts-liberation2 gettext po4a appstream)
# Further packages the tests need: GoogleTest, an X server and the X tools for the smoke test;
# a D-Bus session and the accessibility bus for the screen-reader test; the desktop's file
# checkers, and `file` to check the installed files; Qt's GTK theme plugin for
# the dark-theme test under a real desktop theme; Qt's Wayland plugin and a headless Wayland
# compositor for the window's tests on Wayland; Qt's own translations, which turn the application
# right to left in Arabic, Persian and Hebrew, for the test that the window stays as it is; Python,
# which compares the translations' texts with those lupdate finds; poppler's pdftotext, which reads
# the printed tape's PDF back; man, which checks that every language's manual page formats without
# a warning; and one font that has Chinese, Japanese and Korean, for the test that their texts
# show in real glyphs.
TALLIMAX_TEST_PACKAGES=(libgtest-dev xvfb xauth xdotool x11-utils dbus-daemon dbus-bin at-spi2-core
    desktop-file-utils appstream file qt6-gtk-platformtheme qt6-wayland weston qt6-translations-l10n
    python3 poppler-utils man-db fonts-wqy-microhei)

# Installs whichever of the given packages are missing; does nothing when all are present.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    # Another apt run on the machine holds the lock for a while: wait for it, up to ten minutes.
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
        --no-install-recommends "${missing[@]}"
}

# Configures and builds the tree in build/, or in the folder TALLIMAX_BUILD_DIR names (relative to
# the checkout); extra arguments go to the configure step. Warnings are errors only when
# TALLIMAX_WARNINGS_AS_ERRORS=ON is in the environment, as in CI: a newer compiler or Qt that warns
# about something new must not stop a user's build. Both settings are given every time, so the run
# and test commands can share build/ in either order.
build_tree() {
    local dir=${TALLIMAX_BUILD_DIR:-build}
    echo "Building in $dir/; warnings are errors: ${TALLIMAX_WARNINGS_AS_ERRORS:-OFF}"
    cmake -S "$TALLIMAX_ROOT" -B "$TALLIMAX_ROOT/$dir" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTALLIMAX_WARNINGS_AS_ERRORS="${TALLIMAX_WARNINGS_AS_ERRORS:-OFF}" "$@"
    cmake --build "$TALLIMAX_ROOT/$dir" --parallel
}
