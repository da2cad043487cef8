// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads every input as a tape file, and also types it as keys on a tape that is then written and
// read back; stops at the first check that breaks.
//
// As a file: it is refused with no lines, or its lines are keys a tape types (a number's keys
// with at most one point, then an operator; "R" for a break; a number with no operator only
// last or before a break) with notes a line holds; written again from those keys in another
// separator, it reads as the same keys.
//
// As keys: the first byte chooses the separator of the tape and that of a second calculator,
// each of ".", "," and "٫"; each later byte below 128 is a key (digits, ".", "+", "-", "X", "/",
// "=", RESET ALL), any other gives the last line a note, from a few with tabs, line breaks, UTF-8
// and one too long. The tape's lines are written with its separator and read back; the keys read,
// typed in the second calculator, must make the same lines in its separator.

#include "engine/calculator.h"
#include "engine/tape.h"
#include "engine/tape_file.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallimax {
namespace {

constexpr std::array<std::string_view, 3> Separators = { ".", ",", "\u066B" };
constexpr std::string_view Keys = "0123456789.+-X/=R";
// Beyond this many keys an input is only read as a file: the tape is typed twice, and a long
// number's every key reads all of it.
constexpr std::size_t MaxKeys = 600;

[[noreturn]] void fail(std::string_view what, std::string_view text)
{
    std::cerr << "tape_file_fuzzer: " << what << ": \"" << text << "\"\n" << std::flush;
    std::abort();
}

void check(bool holds, std::string_view what, std::string_view text = {})
{
    if (!holds)
        fail(what, text);
}

std::string replaced(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at).starts_with(from)) {
            result += to;
            at += from.size();
        } else {
            result += text[at++];
        }
    }
    return result;
}

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    return count;
}

// Checks the lines of a file that was read, and writes them again from their keys in the other
// separator: they must read as the same.
void checkRead(const TapeFileReading &reading, std::string_view separator)
{
    if (reading.error) {
        check(reading.lines.empty(), "a refused file gave lines");
        return;
    }
    std::vector<TapeFileLine> lines;
    for (std::size_t i = 0; i < reading.lines.size(); ++i) {
        const LineKeys &line = reading.lines[i];
        check(characterCount(line.note) <= MaxNoteCharacters, "note too long", line.note);
        check(line.note.find_first_of("\t\n") == std::string::npos, "note with a tab or line end",
            line.note);
        TapeFileLine &written = lines.emplace_back();
        written.note = line.note;
        if (line.keys == "R") {
            written.isBreak = true;
            continue;
        }
        check(!line.keys.empty(), "a line without keys");
        // A lone "-" may be a sign or the minus key; typed again, either is the same key.
        const char last = line.keys.back();
        const bool closed = std::string_view("+-X/=").find(last) != std::string_view::npos;
        const std::string_view number =
            std::string_view(line.keys).substr(0, line.keys.size() - (closed ? 1 : 0));
        const std::string_view digits = number.starts_with('-') ? number.substr(1) : number;
        check(digits.find_first_not_of("0123456789.") == std::string_view::npos
                && digits.find('.') == digits.rfind('.'),
            "keys that are not one number and an operator", line.keys);
        check(closed || i + 1 == reading.lines.size() || reading.lines[i + 1].keys == "R",
            "a number with no operator before a line that would go on it", line.keys);
        written.number = replaced(number, ".", separator);
        written.op = closed ? last : '\0';
    }
    const TapeFileReading again = readTapeFile(writeTapeFile(lines, separator));
    check(!again.error, "written again, a file read is refused");
    check(again.lines == reading.lines, "written again, a file reads otherwise");
}

// A calculator and the tape of what it typed, in one separator.
struct Session
{
    explicit Session(std::string_view separatorInUse)
        : separator(separatorInUse),
          calculator(view, [this] { return separator; }),
          tape([this] { return separator; })
    {
        calculator.Form_Load();
    }

    void type(std::string_view keys)
    {
        for (const char key : keys) {
            tape.beginStep({ calculator.state(), view.action });
            check(tape.type(calculator, key), "no such key", std::string(1, key));
            tape.endStep();
        }
    }

    struct View : CalculatorView
    {
        void SetReadout(const std::string &) override { }
        void SetAction(const std::string &text) override { action = text; }
        void ShowWarning(const std::string &, const std::string &) override { }
        std::string action = "Action";
    };

    std::string separator;
    View view;
    Calculator calculator;
    Tape tape;
};

// A note as the file keeps it.
std::string noteWritten(std::string_view note)
{
    std::string kept;
    std::size_t characters = 0;
    for (const char c : note) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U && ++characters > MaxNoteCharacters)
            break;
        kept += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
    }
    return kept;
}

void checkRoundTrip(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty() || bytes.size() > MaxKeys)
        return;
    const std::string_view from = Separators[bytes[0] % 3];
    const std::string_view to = Separators[bytes[0] / 3 % 3];
    const std::array<std::string, 6> notes = { "", "rent", "a\tb", "two\r\nlines",
        "Gr\u00FC\u00DFe \u2713", std::string(MaxNoteCharacters + 3, 'n') };

    Session typed(from);
    std::vector<std::string> lineNotes;
    for (const std::uint8_t byte : bytes.subspan(1)) {
        if (byte < 0x80U) {
            typed.type(Keys.substr(byte % Keys.size(), 1));
        } else if (!typed.tape.lines().empty()) {
            lineNotes.resize(typed.tape.lines().size());
            lineNotes.back() = notes[byte % notes.size()];
        }
    }
    const auto &tapeLines = typed.tape.lines();
    lineNotes.resize(tapeLines.size());
    std::vector<TapeFileLine> lines;
    for (std::size_t i = 0; i < tapeLines.size(); ++i) {
        const TapeLine &line = tapeLines[i];
        // A line an operator ended ends with its key.
        const bool closed = line.op != TapeLine{}.op;
        const std::string_view numberKeys =
            std::string_view(line.keys).substr(0, line.keys.size() - (closed ? 1 : 0));
        lines.push_back({ line.isBreak(), tapeFileNumber(numberKeys, line.number),
            closed ? line.keys.back() : '\0', line.message.empty() ? line.result : line.message,
            lineNotes[i] });
    }
    const TapeFileReading reading = readTapeFile(writeTapeFile(lines, from));
    check(!reading.error, "a written tape is refused");
    check(reading.lines.size() == lines.size(), "a written tape reads as other lines");

    Session again(to);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        check(reading.lines[i].note == noteWritten(lines[i].note), "a note read otherwise",
            reading.lines[i].note);
        again.type(reading.lines[i].keys);
    }
    const auto &retyped = again.tape.lines();
    check(retyped.size() == tapeLines.size(), "typed again, a tape has other lines");
    for (std::size_t i = 0; i < retyped.size(); ++i) {
        const TapeLine &was = tapeLines[i];
        const TapeLine &is = retyped[i];
        check(is.isBreak() == was.isBreak() && is.op == was.op, "typed again, a line changed",
            was.keys);
        check(is.number == replaced(was.number, from, to), "typed again, a number changed",
            was.number);
        check(is.result == replaced(was.result, from, to) && is.message == was.message,
            "typed again, a result changed", was.result);
    }
}

} // namespace
} // namespace tallimax

extern "C" int LLVMFuzzerTestOneInput( // NOLINT(readability-identifier-naming)
    const std::uint8_t *data, std::size_t size)
{
    using namespace tallimax;
    const std::string_view file(reinterpret_cast<const char *>(data), size);
    checkRead(readTapeFile(file), Separators[size % Separators.size()]);
    checkRoundTrip({ data, size });
    return 0;
}
