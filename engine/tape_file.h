// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/tape_line.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallimax {

// A saved tape is a UTF-8 text file, one text line for each line of the tape, its cells separated
// by tabs as the tape's Copy gives them, so that a spreadsheet opens it as cells:
//
//     Tallimax tape<TAB>1<TAB>.          the header: what the file is, its format, its separator
//     12.5<TAB>+<TAB><TAB>rent           number, operator, result, note
//     3.<TAB>=<TAB>15.5                  a line whose note is empty ends after its result
//     <TAB>X<TAB>                        an operator pressed with no number typed
//     RESET ALL                          a break; a note goes in the fourth cell
//     7.<TAB><TAB>                       a number still being typed: no operator
//
// Numbers are written as the readout showed them, in the decimal separator the header names.
// The result cell holds the running result or the message of a refused evaluation; a reader
// never takes it, as the keys typed again work every result out anew.
inline constexpr std::string_view TapeFileMagic = "Tallimax tape";
inline constexpr int TapeFileVersion = 1;
inline constexpr std::string_view TapeFileBreak = "RESET ALL";
// The largest file read, as much as the tape keeps in memory.
inline constexpr std::size_t MaxFileBytes = std::size_t{ 64 } << 20U;
// The most lines a file holds, as many as the tape keeps before it lets the oldest go.
inline constexpr std::size_t MaxFileLines = 101'000;
// The longest note, in characters (code points).
inline constexpr std::size_t MaxNoteCharacters = TapeLine::MaxNote;

// One line of the tape as the file writes it.
struct TapeFileLine
{
    bool isBreak = false;
    // As tapeFileNumber() gives it.
    std::string number;
    // '+', '-', 'X', '/' or '='; '\0' while the number is still being typed.
    char op = '\0';
    // The running result, or the message of a refused evaluation.
    std::string result;
    std::string note;
};

// The number cell of a line whose own number keys (its keys without the operator) and readout
// number are these: the readout's text, so that typing the cell gives the line's own keys again.
// A sign typed before any digit shows as "-0" and the separator at first, but is written "-"; a
// sign that an operator came after waits for the next line's digits, whose readout it starts,
// and is written on its own line only.
std::string tapeFileNumber(std::string_view numberKeys, std::string_view shown);

// The line of the tape as the file writes it.
TapeFileLine fileLineOf(const TapeLine &line);

// The header line for a file whose numbers use this decimal separator.
std::string tapeFileHeader(std::string_view separator);

// Appends the text line of one tape line, its line end included. A note's tabs and line breaks
// become spaces, as they would split it into cells and lines, and a note over MaxNoteCharacters
// is cut there, so that whatever is written reads back.
void appendTapeFileLine(std::string &file, const TapeFileLine &line);

// The whole file for these lines.
std::string writeTapeFile(std::span<const TapeFileLine> lines, std::string_view separator);

// The whole file for the tape's lines.
std::string writeTapeFile(const std::deque<TapeLine> &lines, std::string_view separator);

// Why a file reads as no tape, and the text line (1-based; 0 for the file as a whole) where.
struct TapeFileError
{
    enum class Reason : std::uint8_t {
        TooLarge, // over MaxFileBytes
        NotATape, // the first line is not a tape's header
        NewerVersion, // the header names a later format than this reader knows
        InvalidUtf8, // bytes that are no UTF-8 text
        BadSeparator, // the header's decimal separator could not be told from a number's digits
        TooManyLines, // more lines than MaxFileLines
        EmptyLine, // a line with neither number nor operator, before the last line with either
        TooManyCells, // over four cells
        UnknownOperator, // an operator cell that is no operator key
        NotANumber, // a number cell that is not one number
        NumberTooLong, // a number over the paste reader's limit in characters or keys
        MissingOperator, // a number with no operator, and neither the last line nor before a break
        NoteTooLong, // a note over MaxNoteCharacters
    };

    std::size_t line = 0;
    Reason reason = Reason::NotATape;

    friend bool operator==(const TapeFileError &, const TapeFileError &) = default;
};

// A file's lines, or why it reads as none (and then no lines at all).
struct TapeFileReading
{
    std::vector<LineKeys> lines;
    std::optional<TapeFileError> error;
};

// Reads a tape file written in any locale: its numbers are read in the separator its header
// names (or "."), whatever the user's locale. Also read: a UTF-8 byte order mark at the start,
// "\r\n" line ends, a spreadsheet's leaving out the empty cells at a line's end (or giving the
// header empty cells after its three), empty lines at the end of the file, and "*" or "x" for the X
// operator. A number may be written in any way a paste reads one number without digit grouping,
// exponent form included. Any other fault refuses the whole file.
TapeFileReading readTapeFile(std::string_view bytes);

} // namespace tallimax
