#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a desktop entry or an AppStream metainfo file with the checker the desktop itself
# relies on. Any complaint about a desktop entry fails, hints included.
# Usage: validate.sh file.desktop | file.metainfo.xml
set -eu

skip=77
file=$1
case $file in
*.desktop) tool=desktop-file-validate ;;
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
else
    appstreamcli validate --no-net "$file"
fi
