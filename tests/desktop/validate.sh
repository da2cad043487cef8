#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a desktop entry, an AppStream metainfo file or a shared-mime-info package with the
# checker the desktop itself relies on. Any complaint about a desktop entry or a mime package
# fails, hints included.
# Usage: validate.sh file.desktop | file.metainfo.xml | file.mime.xml
set -eu

skip=77
file=$1
case $file in
*.desktop) tool=desktop-file-validate ;;
*.mime.xml) tool=update-mime-database ;;
*.xml) tool=appstreamcli ;;
*)
    echo "validate.sh: no checker for $file" >&2
    exit 2
    ;;
esac
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is not installed: skipping"
    exit "$skip"
fi

if [ "$tool" = desktop-file-validate ]; then
    output=$(desktop-file-validate "$file" 2>&1) || status=$?
    if [ "${status:-0}" -ne 0 ] || [ -n "$output" ]; then
        printf '%s\n' "$output"
        exit 1
    fi
    echo "desktop-file-validate: $file has nothing to report"
elif [ "$tool" = update-mime-database ]; then
    # Built into a database of its own, beside the types it names.
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT INT TERM
    mkdir -p "$work/mime/packages"
    cp "$file" "$work/mime/packages/"
    cp /usr/share/mime/packages/freedesktop.org.xml "$work/mime/packages/" 2>/dev/null || true
    output=$(XDG_DATA_DIRS=$work update-mime-database "$work/mime" 2>&1) || status=$?
    if [ "${status:-0}" -ne 0 ] || [ -n "$output" ]; then
        printf '%s\n' "$output"
        exit 1
    fi
    types=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$file")
    for type in $types; do
        [ -f "$work/mime/$type.xml" ] || { echo "update-mime-database made no $type"; exit 1; }
    done
    echo "update-mime-database: $file defines $types"
else
    appstreamcli validate --no-net "$file"
fi
