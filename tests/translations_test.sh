#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a language Tallimax ships lacks a finished translation of any of its texts, or when a
# .ts file does not hold the texts lupdate finds in the sources as they are now: a text added,
# changed or dropped in the code and not yet in the translations. Each file is checked on a copy;
# the fix for the second is `cmake --build build --target update_translations`, then translating
# what it adds.
# A message counts by its context, source text, disambiguation and whether it is plural, and by
# its translation's state; the translator comments lupdate extracts (Qt 6.11 reads one more of
# them than Qt 6.4 does), locations and the file's layout differ between Qt versions and count
# for nothing.
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

# Compares the translations in file $1, as checked in, with $2, as lupdate made them.
compare() {
    python3 - "$@" <<'PYTHON'
import sys
import xml.etree.ElementTree as ET

def messages(path):
    # Key -> (translation's state, number of forms, whether every form is filled).
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            key = (context.findtext("name", ""), message.findtext("source", ""),
                   message.findtext("comment", ""), message.get("numerus") == "yes")
            translation = message.find("translation")
            forms = [form.text for form in translation.iter("numerusform")] \
                if key[3] else [translation.text]
            found[key] = (translation.get("type", "finished"), len(forms), all(forms))
    return found

def describe(key):
    context, source, comment, numerus = key
    return f"{context}: {source!r}" + (f" ({comment})" if comment else "") \
        + (" (plural)" if numerus else "")

checked_in, current = messages(sys.argv[1]), messages(sys.argv[2])
problems = [f"  in the sources, not in the file: {describe(key)}"
            for key in current if key not in checked_in]
problems += [f"  in the file, no longer in the sources: {describe(key)}"
             for key in checked_in if key not in current]
# lupdate marks a text whose translation it doubts, and gives a plural every form the language has.
problems += [f"  lupdate makes it {current[key][0]}, {current[key][1]} form(s): {describe(key)}"
             for key in checked_in if key in current and current[key][:2] != checked_in[key][:2]]
# lupdate adds a new text as unfinished; a translator who clears the mark may leave it empty.
problems += [f"  without a finished translation: {describe(key)}"
             for key, (state, _, filled) in checked_in.items() if state != "finished" or not filled]
print("\n".join(problems))
sys.exit(1 if problems else 0)
PYTHON
}

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
    if ! compare "$ts" "$work/$name" >"$work/problems" 2>&1; then
        echo "FAIL: $name is not complete and up to date with the sources:" >&2
        cat "$work/problems" >&2
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "$# translation(s) complete and up to date with the sources"
exit "$failed"
