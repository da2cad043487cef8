// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tape_file.h"

#include "engine/paste_text.h"
#include "engine/tape.h"
#include "engine/utf8.h"

#include <algorithm>
#include <array>

namespace tallimax {

static_assert(
    MaxFileBytes == Tape::MaxBytes && MaxFileLines == Tape::MaxLines + Tape::MaxLines / 100,
    "a file holds what the tape keeps");

namespace {

using Reason = TapeFileError::Reason;

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t MaxCells = 4;

// How many bytes the UTF-8 character at the start of the text takes, or 0 when it is none: no
// overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t utf8Length(std::string_view text)
{
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char first = byte(0);
    if (first < 0x80U)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80U;
    unsigned char high = 0xBFU;
    if (first >= 0xC2U && first <= 0xDFU) {
        length = 2;
    } else if (first >= 0xE0U && first <= 0xEFU) {
        length = 3;
        low = first == 0xE0U ? 0xA0U : 0x80U;
        high = first == 0xEDU ? 0x9FU : 0xBFU;
    } else if (first >= 0xF0U && first <= 0xF4U) {
        length = 4;
        low = first == 0xF0U ? 0x90U : 0x80U;
        high = first == 0xF4U ? 0x8FU : 0xBFU;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!utf8::isContinuationByte(text[i]))
            return 0;
    }
    return length;
}

// Where the text stops being UTF-8, or nothing when it all is.
std::optional<std::size_t> firstInvalidUtf8(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        // Plain ASCII runs are the bulk of a tape.
        if (static_cast<unsigned char>(text[at]) < 0x80U) {
            ++at;
            continue;
        }
        const std::size_t length = utf8Length(text.substr(at));
        if (length == 0)
            return at;
        at += length;
    }
    return std::nullopt;
}

// A separator that a number's digits, sign and exponent could never be mistaken for.
bool isUsableSeparator(std::string_view separator)
{
    constexpr std::size_t MaxBytes = 8;
    return !separator.empty() && separator.size() <= MaxBytes
        && std::none_of(separator.begin(), separator.end(), [](char c) {
               const auto byte = static_cast<unsigned char>(c);
               const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
               return byte <= 0x20U || byte == 0x7FU || letter || (c >= '0' && c <= '9')
                   || std::string_view("+-*/=").find(c) != std::string_view::npos;
           });
}

// The text lines of the file, each without its line end, "\n" or "\r\n".
class LineReader
{
public:
    explicit LineReader(std::string_view text) : m_text(text) { }

    bool atEnd() const { return m_pos > m_text.size(); }
    std::size_t number() const { return m_number; }
    std::string_view next()
    {
        const std::size_t end = std::min(m_text.find('\n', m_pos), m_text.size());
        std::string_view line = m_text.substr(m_pos, end - m_pos);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        m_pos = end + 1;
        ++m_number;
        return line;
    }
    // Whether only empty lines follow.
    bool onlyEmptyLinesLeft() const
    {
        return m_pos >= m_text.size()
            || m_text.find_first_not_of("\r\n", m_pos) == std::string_view::npos;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_number = 0;
};

// The tab-separated cells of a line; more than MaxCells is told by count().
struct Cells
{
    std::array<std::string_view, MaxCells> cells;
    std::size_t count = 0;

    explicit Cells(std::string_view line)
    {
        while (true) {
            const std::size_t tab = line.find('\t');
            if (count < MaxCells)
                cells[count] = line.substr(0, tab);
            ++count;
            if (tab == std::string_view::npos)
                break;
            line.remove_prefix(tab + 1);
        }
    }
};

// The operator key a cell names; '\0' for an empty cell, nothing for any other text.
std::optional<char> operatorOf(std::string_view cell)
{
    if (cell.empty())
        return '\0';
    if (cell.size() != 1)
        return std::nullopt;
    switch (cell[0]) {
    case '+':
    case '-':
    case '/':
    case '=':
    case 'X':
        return cell[0];
    case '*':
    case 'x':
        return 'X';
    default:
        return std::nullopt;
    }
}

struct NumberKeys
{
    std::string keys;
    std::optional<Reason> refusal;
};

// The readout shows a whole number with the separator after it, typed or not: the point is left
// out of its keys, so that a number still being typed goes on with digits before the separator.
std::string wholeWithoutPoint(std::string keys)
{
    if (keys.ends_with('.') && keys.size() > 1 && keys[keys.size() - 2] != '-')
        keys.pop_back();
    return keys;
}

// The keys that type a number cell. The readout's own way of writing a number, digits with at
// most one separator after an optional "-" (the lone "-" of a sign typed before any digit
// included), is read at any length, as the tape holds numbers longer than a paste takes; anything
// else as a paste of exactly one number, without digit grouping, is read.
NumberKeys readNumberCell(std::string_view cell, std::string_view separator)
{
    std::string keys;
    keys.reserve(cell.size());
    std::size_t at = 0;
    if (cell.starts_with('-')) {
        keys += '-';
        ++at;
    }
    bool point = false;
    while (at < cell.size()) {
        if (cell[at] >= '0' && cell[at] <= '9') {
            keys += cell[at];
            ++at;
        } else if (!point && cell.substr(at).starts_with(separator)) {
            keys += '.';
            at += separator.size();
            point = true;
        } else {
            break;
        }
    }
    if (at == cell.size())
        return { wholeWithoutPoint(std::move(keys)), std::nullopt };

    paste::Reading reading = paste::readPastedText(cell, separator, {});
    if (reading.refusal == paste::Refusal::TooLong)
        return { {}, Reason::NumberTooLong };
    const std::string_view typed = reading.keys;
    const std::string_view digits = typed.starts_with('-') ? typed.substr(1) : typed;
    if (reading.refusal || digits.empty()
        || digits.find_first_not_of("0123456789.") != std::string_view::npos)
        return { {}, Reason::NotANumber };
    return { wholeWithoutPoint(std::move(reading.keys)), std::nullopt };
}

TapeFileReading refused(std::size_t line, Reason reason)
{
    return { {}, TapeFileError{ line, reason } };
}

// Checks the header's cells that say what the file is; the separator waits until the file is
// known to be UTF-8 text.
std::optional<Reason> headerFault(const Cells &header)
{
    if (header.cells[0] != TapeFileMagic || header.count < 2)
        return Reason::NotATape;
    std::string_view version = header.cells[1];
    if (version.empty() || version.find_first_not_of("0123456789") != std::string_view::npos)
        return Reason::NotATape;
    version.remove_prefix(std::min(version.find_first_not_of('0'), version.size()));
    if (version.empty())
        return Reason::NotATape;
    // A later format may say more in its header.
    if (version != std::to_string(TapeFileVersion))
        return Reason::NewerVersion;
    if (header.count != 3)
        return Reason::NotATape;
    return std::nullopt;
}

} // namespace

std::string tapeFileNumber(std::string_view numberKeys, std::string_view shown)
{
    if (numberKeys == "-")
        return "-";
    if (shown.starts_with('-') && !numberKeys.starts_with('-'))
        shown.remove_prefix(1);
    return std::string(shown);
}

TapeFileLine fileLineOf(const TapeLine &line)
{
    TapeFileLine written{ line.isBreak(), {}, '\0', {}, line.note };
    if (written.isBreak)
        return written;
    std::string_view numberKeys = line.keys;
    if (line.op) {
        numberKeys.remove_suffix(1);
        written.op = keyOf(*line.op);
    }
    written.number = tapeFileNumber(numberKeys, line.number);
    written.result = line.message.empty() ? line.result : line.message;
    return written;
}

std::string tapeFileHeader(std::string_view separator)
{
    std::string header(TapeFileMagic);
    header += '\t';
    header += std::to_string(TapeFileVersion);
    header += '\t';
    header += separator;
    header += '\n';
    return header;
}

void appendTapeFileLine(std::string &file, const TapeFileLine &line)
{
    if (line.isBreak) {
        file += TapeFileBreak;
        if (!line.note.empty())
            file += "\t\t";
    } else {
        file += line.number;
        file += '\t';
        if (line.op != '\0')
            file += line.op;
        file += '\t';
        file += line.result;
    }
    if (!line.note.empty()) {
        file += '\t';
        file += noteOf(line.note);
    }
    file += '\n';
}

std::string writeTapeFile(std::span<const TapeFileLine> lines, std::string_view separator)
{
    std::string file = tapeFileHeader(separator);
    std::size_t size = file.size();
    for (const TapeFileLine &line : lines)
        size +=
            line.number.size() + line.result.size() + line.note.size() + TapeFileBreak.size() + 4;
    file.reserve(size);
    for (const TapeFileLine &line : lines)
        appendTapeFileLine(file, line);
    return file;
}

TapeFileReading readTapeFile(std::string_view bytes)
{
    if (bytes.size() > MaxFileBytes)
        return refused(0, Reason::TooLarge);
    if (bytes.starts_with(ByteOrderMark))
        bytes.remove_prefix(ByteOrderMark.size());

    LineReader reader(bytes);
    // A spreadsheet gives every row as many cells as the widest.
    std::string_view headerLine = reader.next();
    headerLine.remove_suffix(headerLine.size() - (headerLine.find_last_not_of('\t') + 1));
    const Cells header(headerLine);
    if (const std::optional<Reason> fault = headerFault(header))
        return refused(1, *fault);
    if (const std::optional<std::size_t> bad = firstInvalidUtf8(bytes)) {
        const auto line =
            std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(*bad), '\n');
        return refused(static_cast<std::size_t>(line) + 1, Reason::InvalidUtf8);
    }
    const std::string_view separator = header.cells[2];
    if (!isUsableSeparator(separator))
        return refused(1, Reason::BadSeparator);

    TapeFileReading reading;
    // Whether the line before was a number that no operator ended yet.
    bool open = false;
    while (!reader.atEnd()) {
        if (reader.onlyEmptyLinesLeft())
            break;
        const Cells line(reader.next());
        const std::size_t at = reader.number();
        if (reading.lines.size() == MaxFileLines)
            return refused(at, Reason::TooManyLines);
        if (line.count > MaxCells)
            return refused(at, Reason::TooManyCells);
        const std::string_view number = line.cells[0];
        const std::optional<char> op = operatorOf(line.cells[1]);
        const std::string_view note = line.cells[3];
        const bool isBreak = number == TapeFileBreak && line.cells[1].empty();
        // Keys typed after an open number would go on that number.
        if (open && !isBreak)
            return refused(at - 1, Reason::MissingOperator);
        if (!op)
            return refused(at, Reason::UnknownOperator);
        if (number.empty() && *op == '\0')
            return refused(at, Reason::EmptyLine);
        if (utf8::characterCount(note) > MaxNoteCharacters)
            return refused(at, Reason::NoteTooLong);

        LineKeys &keys = reading.lines.emplace_back();
        // A carriage return inside a note, as a spreadsheet may leave one, reads as the space
        // the tape writes for it.
        keys.note = note;
        std::replace(keys.note.begin(), keys.note.end(), '\r', ' ');
        if (isBreak) {
            keys.keys = "R";
            open = false;
            continue;
        }
        if (!number.empty()) {
            NumberKeys typed = readNumberCell(number, separator);
            if (typed.refusal)
                return refused(at, *typed.refusal);
            keys.keys = std::move(typed.keys);
        }
        if (*op != '\0')
            keys.keys += *op;
        open = *op == '\0';
    }
    return reading;
}

std::string writeTapeFile(const std::deque<TapeLine> &lines, std::string_view separator)
{
    std::string file = tapeFileHeader(separator);
    for (const TapeLine &line : lines)
        appendTapeFileLine(file, fileLineOf(line));
    return file;
}

} // namespace tallimax
