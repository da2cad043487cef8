#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a language Tallimax ships lacks a finished translation of any of its texts, or when a
# .ts file is not what lupdate makes of the sources as they are now: a text added, changed or
# dropped in the code and not yet in the translations. Each file is checked on a copy; the fix for
# the second is `cmake --build build --target update_translations`, then translating what it adds.
# Usage: translations_test.sh LUPDATE LUPDATE_ARGUMENT... -- TS_FILE...
#        (the lupdate arguments are the build's options and the sources, as the update target has)
set -euo pipefail

lupdate=$1
shift
lupdate_arguments=()
while [ "$1" != -- ]; do
    lupdate_arguments+=("$1")
    shift
done
shift

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for ts in "$@"; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    if ! "$lupdate" -silent "${lupdate_arguments[@]}" -ts "$work/$name" >"$work/lupdate.log" 2>&1; then
        cat "$work/lupdate.log" >&2
        echo "FAIL: lupdate could not read the sources into $name" >&2
        exit 1
    fi
    if ! cmp -s "$ts" "$work/$name"; then
        echo "FAIL: $name is not up to date with the sources; lupdate would change it so:" >&2
        diff -u "$ts" "$work/$name" | tail -n +3 >&2 || true
        failed=1
    fi
    # lupdate adds a new text as unfinished; a translator who clears the mark leaves it empty.
    untranslated=$(grep -c -e 'type="unfinished"' -e '<translation></translation>' \
        -e '<translation/>' "$ts" || true)
    if [ "$untranslated" -gt 0 ]; then
        echo "FAIL: $name has $untranslated text(s) without a finished translation:" >&2
        grep -B 3 -e 'type="unfinished"' -e '<translation></translation>' -e '<translation/>' \
            "$ts" | grep '<source>' >&2 || true
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "$# translation(s) complete and up to date with the sources"
exit "$failed"
