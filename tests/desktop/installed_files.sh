#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the program, the menu entry, the icons, the metainfo and the manual page land where
# the desktop and man look for them, and nothing else does, translated into each language of
# po/LINGUAS.
# Usage: installed_files.sh --build <build directory> <desktop id>
#            installs the built tree with `cmake --install` under /usr in a scratch folder
#        installed_files.sh <root> <prefix> <desktop id> [--deb]
#            checks what was installed under <root>/<prefix>, e.g. a DESTDIR and usr/local;
#            --deb: unpacked from the Debian package, which also holds its copyright and
#            changelog and compresses the manual page
set -eu

skip=77
for tool in desktop-file-validate appstreamcli file readelf man; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed: skipping"
        exit "$skip"
    fi
done

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if [ "$1" = --build ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT INT TERM
    DESTDIR=$work/root cmake --install "$2" --prefix /usr >"$work/install.log" 2>&1 \
        || { cat "$work/install.log"; fail "cmake --install failed"; }
    root=$work/root prefix=usr id=$3 deb=no
else
    root=$1 prefix=$2 id=$3 deb=no
    [ "${4:-}" = --deb ] && deb=yes
fi

# The languages of po/LINGUAS, read as gettext reads it: "#" starts a comment, any blank separates.
languages=$(sed 's/#.*//' "$(dirname "$0")/../../po/LINGUAS" | tr -s ' \t' '\n' | sed '/^$/d')
[ -n "$languages" ] || fail "po/LINGUAS names no language"

# Exactly these files, and nothing else: no headers, libraries or test programs. The print
# module lies in the library folder, which is lib/ or a multiarch folder under it.
module=$(cd "$root" && find "$prefix/lib" -path "$prefix/lib/*tallimax/tallimax-print.so" \
    2>/dev/null | head -n 1)
[ -n "$module" ] || fail "no tallimax/tallimax-print.so under $prefix/lib"
man=$prefix/share/man/man1/tallimax.1
pages=$man
for lang in $languages; do
    pages="$pages $prefix/share/man/$lang/man1/tallimax.1"
done
expected="$prefix/bin/tallimax
$module
$prefix/share/applications/$id.desktop
$prefix/share/icons/hicolor/128x128/apps/$id.png
$prefix/share/icons/hicolor/256x256/apps/$id.png
$prefix/share/icons/hicolor/32x32/apps/$id.png
$prefix/share/icons/hicolor/48x48/apps/$id.png
$prefix/share/icons/hicolor/64x64/apps/$id.png
$prefix/share/icons/hicolor/scalable/apps/$id.svg
$prefix/share/metainfo/$id.metainfo.xml
$prefix/share/mime/packages/$id.xml"
if [ "$deb" = yes ]; then
    pages=$(for page in $pages; do echo "$page.gz"; done)
    expected="$expected
$prefix/share/doc/tallimax/changelog.gz
$prefix/share/doc/tallimax/copyright"
fi
for page in $pages; do
    expected="$expected
$page"
done
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$(printf '%s\n' "$expected" | LC_ALL=C sort)" ]; then
    printf 'Installed:\n%s\n' "$actual"
    fail "the installed files are not exactly the expected ones"
fi

program=$root/$prefix/bin/tallimax
[ -x "$program" ] || fail "$prefix/bin/tallimax is not executable"
file -b "$program" | grep -q '^ELF .* executable' || fail "$prefix/bin/tallimax: $(file -b "$program")"
# Found through the system's library path, never through one of its own.
for binary in "$program" "$root/$module"; do
    if readelf -d "$binary" | grep -Eq 'RPATH|RUNPATH'; then
        fail "$binary carries a library search path"
    fi
done
# Qt's print support is the module's alone: the program's start never loads it.
readelf -d "$program" | grep -q 'libQt6PrintSupport' && fail "the program links Qt's print support"
readelf -d "$root/$module" | grep -q 'libQt6PrintSupport' || fail "the print module lacks it"

# The menu entry starts the program on PATH with the one tape file it opens, the type of which
# the installed mime package defines, and names an icon that the theme holds.
entry=$root/$prefix/share/applications/$id.desktop
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[ "$exec_line" = 'tallimax %f' ] || fail "Exec is '$exec_line', not 'tallimax %f'"
mime_type=$(sed -n 's/^MimeType=//p' "$entry")
grep -q "<mime-type type=\"${mime_type%;}\">" "$root/$prefix/share/mime/packages/$id.xml" \
    || fail "the mime package does not define the menu entry's MimeType '$mime_type'"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ "$icon" = "$id" ] || fail "Icon is '$icon', not $id"
for size in 32 48 64 128 256; do
    png=$root/$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    file -b "$png" | grep -q "^PNG image data, $size x $size," \
        || fail "$png: $(file -b "$png")"
done
file -b "$root/$prefix/share/icons/hicolor/scalable/apps/$icon.svg" | grep -q '^SVG' \
    || fail "the scalable icon is not an SVG"

# Each manual page is a page of section 1 for tallimax, with its version filled in, that groff
# formats without a warning, and its first section names tallimax as whatis and apropos read it.
for page in $pages; do
    case $page in
    *.gz) text=$(gzip -dc "$root/$page") ;;
    *) text=$(cat "$root/$page") ;;
    esac
    head=$(printf '%s\n' "$text" | grep -m 1 '^\.TH')
    case $head in
    '.TH TALLIMAX 1 '*) ;;
    *) fail "$page starts '$head'" ;;
    esac
    if printf '%s\n' "$text" | grep -q '@[A-Z_]*@'; then
        fail "$page holds a placeholder the build did not fill in"
    fi
    # Formatted as man shows it on a UTF-8 terminal, with no complaint from groff.
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/$page" 2>&1 >/dev/null) \
        || fail "$page: man could not format it: $warnings"
    [ -z "$warnings" ] || fail "$page: man --warnings: $warnings"
    name=$(printf '%s\n' "$text" | sed -n '/^\.SH /{n;p;q}')
    case $name in
    'tallimax \- '*) ;;
    *) fail "$page: the first section reads '$name', not 'tallimax \- ...'" ;;
    esac
done

# The menu entry and the metainfo speak every language; the Name is Tallimax in all of them.
# gettext 0.23 writes a language with a country in the metainfo as XML spells it (pt-BR), and
# Chinese by its script (zh-Hans, zh-Hant), 0.21 as po/LINGUAS does (pt_BR, zh_CN); AppStream
# reads them all.
metainfo=$root/$prefix/share/metainfo/$id.metainfo.xml
for lang in $languages; do
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$lang\]=." "$entry" || fail "the menu entry has no $key[$lang]"
    done
    tag="($lang|$(echo "$lang" | tr _ -))"
    case "$lang" in
    zh_CN) tag="(zh_CN|zh-CN|zh-Hans(-CN)?)" ;;
    zh_TW) tag="(zh_TW|zh-TW|zh-Hant(-TW)?)" ;;
    esac
    for element in summary p li keyword; do
        grep -Eq "<$element xml:lang=\"$tag\">" "$metainfo" \
            || fail "the metainfo has no <$element xml:lang=\"$lang\">"
    done
done
if grep -q '^Name\[' "$entry" || grep -q '<name xml:lang=' "$metainfo"; then
    fail "the name Tallimax is translated"
fi

# The installed files as the desktop's own checkers see them.
output=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $output"
[ -z "$output" ] || fail "desktop-file-validate: $output"
# validate-tree reads <prefix>/share; it passes a folder where it found nothing, only noting so.
output=$(appstreamcli validate-tree --no-net "$root/$prefix" 2>&1) \
    || { printf '%s\n' "$output"; fail "appstreamcli validate-tree found problems"; }
printf '%s\n' "$output"
case $output in
*dir-no-metadata-found*) fail "appstreamcli validate-tree found no metainfo" ;;
esac

echo "Installed under $root:"
(cd "$root" && find . -type f | sed 's|^\./|/|' | LC_ALL=C sort)
