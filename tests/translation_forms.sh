#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks each translation of the program as its language needs it, where the check that the .ts
# files are complete and current does not look: no text obsolete; each count has as many forms as
# Qt's plural rules give the language (as lconvert knows them), each filled in; a translation keeps the placeholders of its
# text (%1, %2; a count's last, general form keeps %n, the others may name the number in words);
# and each menu entry has one access key, which no other entry of its menu shares. The menus are
# named below, by the texts of their entries; any other text with an access key counts as a menu
# of its context's. lconvert writes a .ts file as a PO file, one msgstr[i] for each plural form the
# language has, which awk then reads.
# Usage: translation_forms.sh LCONVERT TS_FILE...
set -eu

lconvert=$1
shift
failed=0
for ts in "$@"; do
    name=$(basename "$ts")
    if grep -q -e 'type="obsolete"' -e 'type="vanished"' "$ts"; then
        echo "FAIL: $name keeps texts the program no longer has" >&2
        failed=1
    fi
    # lconvert fills a count up to the language's number of forms and drops any beyond it: count
    # them in the file itself.
    forms=$("$lconvert" -i "$ts" -of po -o - 2>/dev/null | sed -n 's/.*nplurals=\([0-9]*\).*/\1/p' | head -n 1)
    awk -v file="$name" -v forms="${forms:-1}" '
        /<message numerus="yes">/ { inside = 1; count = 0 }
        inside { count += gsub(/<numerusform/, "&") }
        inside && /<source>/ { source = $0; gsub(/^ *<source>|<\/source>$/, "", source) }
        inside && /<\/message>/ {
            if (count != forms) {
                printf "FAIL: %s: \"%s\" has %d forms, the language %d\n", file, source, count, forms
                failed = 1
            }
            inside = 0
        }
        END { exit failed }
    ' "$ts" >&2 || failed=1
    # The letter after each "&" in lower case (GNU sed knows the cases of every script in a UTF-8
    # locale); awk then reads bytes.
    "$lconvert" -i "$ts" -of po -o - | LC_ALL=C.UTF-8 sed 's/&\([^ &]\)/\&\L\1/g' \
        | LC_ALL=C awk -v file="$name" '
        function unquote(line) {
            sub(/^[^"]*"/, "", line)
            sub(/"$/, "", line)
            return line
        }
        function placeholders(text,    list, rest) {
            list = ""
            rest = text
            while (match(rest, /%([0-9]+|n)/)) {
                list = list " " substr(rest, RSTART, RLENGTH)
                rest = substr(rest, RSTART + RLENGTH)
            }
            return list
        }
        function sorted(list,    n, i, j, item, out, tmp) {
            n = split(list, item, " ")
            for (i = 2; i <= n; i++)
                for (j = i; j > 1 && item[j - 1] > item[j]; j--) {
                    tmp = item[j]; item[j] = item[j - 1]; item[j - 1] = tmp
                }
            out = ""
            for (i = 1; i <= n; i++)
                if (i == 1 || item[i] != item[i - 1])
                    out = out " " item[i]
            return out
        }
        function fail(message) {
            printf "FAIL: %s: %s\n", file, message > "/dev/stderr"
            failed = 1
        }
        # One message read: check it, then forget it.
        function check(    i, j, n, want, forms, key, text, amps, menuList, inMenus) {
            if (id == "" && context == "")
                return
            want = sorted(placeholders(id))
            forms = plural ? count : 1
            for (i = 0; i < forms; i++) {
                text = str[i]
                if (text == "") {
                    fail(sprintf("\"%s\" has no translation (form %d)", id, i))
                    continue
                }
                # A count may name the number in words in its special forms, but not elsewhere.
                got = sorted(placeholders(text))
                if (plural && i < forms - 1) {
                    sub(/ %n/, "", want); sub(/ %n/, "", got)
                }
                if (got != want)
                    fail(sprintf("\"%s\" becomes \"%s\": placeholders%s, not%s", id, text, got,
                        want))
                want = sorted(placeholders(id))
            }
            if (index(id, "&") && !plural) {
                text = str[0]
                amps = gsub(/&/, "&", text)
                if (amps != 1 || !match(text, /&[^ &]/))
                    fail(sprintf("\"%s\" becomes \"%s\": not one access key", id, text))
                else {
                    # The whole character: its first byte and any continuation bytes of UTF-8.
                    key = substr(text, RSTART + 1, 1)
                    for (i = RSTART + 2; i <= length(text); i++) {
                        c = substr(text, i, 1)
                        if (c < "\200" || c >= "\300")
                            break
                        key = key c
                    }
                    menuList = (context, id) in menus ? menus[context, id] : context
                    if (context == "tallimax::TapeDocument|")
                        menuList = "file"
                    n = split(menuList, inMenus, " ")
                    for (j = 1; j <= n; j++) {
                        if ((inMenus[j], key) in keys)
                            fail(sprintf("\"%s\" and \"%s\" share the access key %s in the %s menu",
                                keys[inMenus[j], key], text, key, inMenus[j]))
                        keys[inMenus[j], key] = text
                    }
                }
            }
        }
        function reset() {
            id = ""; plural = 0; count = 0; delete str
        }
        # The menus whose entries come from more than one context, or that share a context with
        # another menu: the readout'"'"'s, the tape'"'"'s context menu, its menu bar, and the bar'"'"'s File
        # (with every text of the document'"'"'s) and Edit menus. Contexts are as lconvert writes
        # them, texts as read here, the letter after "&" in lower case.
        function menu(ctx, text, names) { menus[ctx, text] = names }
        BEGIN {
            reset()
            calculator = "tallimax::CalculatorWindow|"; tape = "tallimax::TapeWindow|"
            menu(calculator, "&copy", "readout"); menu(calculator, "&paste", "readout")
            menu(calculator, "&tape", "readout")
            menu(calculator, "&undo", "readout edit"); menu(calculator, "&redo", "readout edit")
            menu(tape, "&edit", "context"); menu(tape, "Edit Li&ne", "edit")
            menu(tape, "U&se", "context edit"); menu(tape, "&copy", "context edit")
            menu(tape, "&delete", "context edit"); menu(tape, "Select &all", "context edit")
            menu(tape, "C&lear", "context edit"); menu(tape, "&close", "file")
            menu(tape, "&file", "bar"); menu(tape "menu", "&edit", "bar")
        }
        /^msgctxt / { check(); reset(); context = unquote($0); target = "ctx"; next }
        /^msgid / {
            if (target != "ctx") { check(); reset() }
            id = unquote($0); target = "id"; next
        }
        /^msgid_plural / { plural = 1; target = "none"; next }
        /^msgstr / { str[0] = unquote($0); target = 0; count = 1; next }
        /^msgstr\[/ {
            i = $0; sub(/^msgstr\[/, "", i); i = i + 0
            str[i] = unquote($0); target = i; count = i + 1; next
        }
        /^"/ {
            if (target == "id") id = id unquote($0)
            else if (target != "ctx" && target != "none") str[target] = str[target] unquote($0)
            next
        }
        /^$/ { target = "none" }
        END { check(); exit failed }
    ' || failed=1
done
[ "$failed" -eq 0 ] && echo "$# translation(s): plural forms, placeholders and access keys as each language needs"
exit "$failed"
