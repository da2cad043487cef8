#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a configured and built tree, unpacks it into a scratch root as
# dpkg would install it, and checks that the program, the menu entry, the icons and the
# metainfo land where the desktop looks for them.
# Usage: package_test.sh <build directory> <desktop id>
set -eu

skip=77
build=$1
id=$2

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli file readelf; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: skipping"
        exit "$skip"
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack could not build the package"
fi
set -- "$work"/out/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one .deb, found: $*"
deb=$1
echo "Built $(basename "$deb")"

[ "$(dpkg-deb --field "$deb" Package)" = tallimax ] || fail "the package is not called tallimax"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
# Worked out by dpkg-shlibdeps from the libraries the program links. Debian 13 renamed some
# library packages for its 64-bit time_t transition (libqt6core6t64), so the suffix may follow.
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
    printf '%s\n' "$depends" | tr ',' '\n' | grep -q "^ *$library\(t64\)\{0,1\} (>= " \
        || fail "Depends lacks $library"
done

root=$work/root
dpkg -x "$deb" "$root"

# Exactly these files, and nothing else: no headers, libraries or test programs.
expected="usr/bin/tallimax
usr/share/applications/$id.desktop
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$(printf '%s\n' "$expected" | LC_ALL=C sort)" ]; then
    printf 'The package holds:\n%s\n' "$actual"
    fail "the package does not hold exactly the expected files"
fi

program=$root/usr/bin/tallimax
[ -x "$program" ] || fail "usr/bin/tallimax is not executable"
file -b "$program" | grep -q '^ELF .* executable' || fail "usr/bin/tallimax: $(file -b "$program")"
# Found through the system's library path, never through one of its own.
if readelf -d "$program" | grep -Eq 'RPATH|RUNPATH'; then
    fail "usr/bin/tallimax carries a library search path"
fi

# The menu entry starts the program on PATH and names an icon that the theme holds.
entry=$root/usr/share/applications/$id.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ "$exec_line" = tallimax ] || fail "Exec is '$exec_line', not tallimax"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ "$icon" = "$id" ] || fail "Icon is '$icon', not $id"
for size in 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
    file -b "$png" | grep -q "^PNG image data, $size x $size," \
        || fail "$png: $(file -b "$png")"
done
file -b "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" | grep -q '^SVG' \
    || fail "the scalable icon is not an SVG"

# The installed files as the desktop's own checkers see them.
output=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $output"
[ -z "$output" ] || fail "desktop-file-validate: $output"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree found problems"

echo "Installed into a scratch root:"
(cd "$root" && find . -type f | sed 's|^\./|/|' | LC_ALL=C sort)
