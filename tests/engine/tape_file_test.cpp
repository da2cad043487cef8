// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tape_file.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tallimax {
namespace {

using Reason = TapeFileError::Reason;

const std::string Point = "Tallimax tape\t1\t.\n";

std::string repeated(std::string_view text, std::size_t count)
{
    std::string result;
    for (std::size_t i = 0; i < count; ++i)
        result += text;
    return result;
}

// A file and what it reads as: its lines' keys and notes, or the fault and its line.
struct FileCase
{
    const char *name;
    std::string file;
    std::vector<LineKeys> lines;
    std::optional<TapeFileError> error;
};

void PrintTo(const FileCase &row, std::ostream *out)
{
    *out << row.name;
}

class ReadsTapeFile : public testing::TestWithParam<FileCase>
{
};

TEST_P(ReadsTapeFile, AsItsKeysOrItsFault)
{
    const FileCase &row = GetParam();
    const TapeFileReading reading = readTapeFile(row.file);
    EXPECT_EQ(reading.error, row.error);
    EXPECT_EQ(reading.lines, row.lines);
}

TapeFileError at(std::size_t line, Reason reason)
{
    return { line, reason };
}

INSTANTIATE_TEST_SUITE_P(Table, ReadsTapeFile,
    testing::Values(
        FileCase{ "EveryKindOfLine",
            Point + "12.5\t+\t\trent\n3.\t=\t15.5\n\tX\t\nRESET ALL\t\t\tday two\n7.\t\t\n",
            { { "12.5+", "rent" }, { "3=", "" }, { "X", "" }, { "R", "day two" }, { "7", "" } },
            {} },
        FileCase{ "CommaWithBomAndCrlf",
            "\xEF\xBB\xBFTallimax tape\t1\t,\r\n1,5\tx\r\n-2,\t=\t-3\r\n",
            { { "1.5X", "" }, { "-2=", "" } }, {} },
        FileCase{ "ArabicSeparatorAndPoint",
            "Tallimax "
            "tape\t1\t\u066B\n1\u066B25\t/\t\n1.5\t*\t\t\u0645\u0644\u0627\u062D\u0638\u0629",
            { { "1.25/", "" }, { "1.5X", "\u0645\u0644\u0627\u062D\u0638\u0629" } }, {} },
        FileCase{ "SignAloneExponentAndLongNote",
            Point + "7.\t+\n-\t=\n1.5E+3\t-\t\t" + repeated("\u00E9", 200) + "\n",
            { { "7+", "" }, { "-=", "" }, { "1500-", repeated("\u00E9", 200) } }, {} },
        FileCase{ "OpenNumberBeforeBreak", Point + "3.\t\t\nRESET ALL\n",
            { { "3", "" }, { "R", "" } }, {} },
        FileCase{ "HeaderOnlyTrailingCellsAndLines", "Tallimax tape\t01\t.\t\t\n\n\r\n", {}, {} },
        FileCase{ "Picture", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), {},
            at(1, Reason::NotATape) },
        FileCase{ "RandomText", "Dear tape,\n", {}, at(1, Reason::NotATape) },
        FileCase{ "NoSeparator", "Tallimax tape\t1\n", {}, at(1, Reason::NotATape) },
        FileCase{ "NewerVersion", "Tallimax tape\t2\t.\tmore\n", {}, at(1, Reason::NewerVersion) },
        FileCase{ "MinusSeparator", "Tallimax tape\t1\t-\n", {}, at(1, Reason::BadSeparator) },
        FileCase{ "InvalidUtf8", Point + "1.\t+\t\tok\n2.\t+\t\t\xC3\x28\n", {},
            at(3, Reason::InvalidUtf8) },
        FileCase{ "OverlongUtf8", Point + "1.\t+\t\t\xC0\xAF\n", {}, at(2, Reason::InvalidUtf8) },
        FileCase{ "FiveCells", Point + "1.\t+\t\tnote\textra\n", {}, at(2, Reason::TooManyCells) },
        FileCase{ "PercentOperator", Point + "1.\t%\t\n", {}, at(2, Reason::UnknownOperator) },
        FileCase{ "BreakWithOperator", Point + "RESET ALL\t+\n", {}, at(2, Reason::NotANumber) },
        FileCase{ "GroupedNumber", Point + "1,234.5\t+\n", {}, at(2, Reason::NotANumber) },
        FileCase{ "TwoNumbers", Point + "1+2\t=\n", {}, at(2, Reason::NotANumber) },
        FileCase{ "HugeExponent", Point + "1E+999999\t+\n", {}, at(2, Reason::NumberTooLong) },
        FileCase{ "NoteTooLong", Point + "1.\t+\t\t" + repeated("\u00E9", 201) + "\n", {},
            at(2, Reason::NoteTooLong) },
        FileCase{ "EmptyLineInside", Point + "1.\t+\n\n2.\t=\n", {}, at(3, Reason::EmptyLine) },
        FileCase{ "NumberWithoutOperator", Point + "1.\t\t\n2.\t+\n", {},
            at(2, Reason::MissingOperator) }),
    [](const testing::TestParamInfo<FileCase> &row) { return std::string(row.param.name); });

// Built only here: the table is built in every test's process.
TEST(TapeFile, OverItsBoundsIsRefused)
{
    EXPECT_EQ(readTapeFile(Point + repeated("\t+\n", MaxFileLines + 1)).error,
        at(MaxFileLines + 2, Reason::TooManyLines));
    EXPECT_EQ(readTapeFile(Point + std::string(MaxFileBytes, '\n')).error, at(0, Reason::TooLarge));
}

std::string localized(std::string_view text, std::string_view separator)
{
    std::string result;
    for (const char c : text)
        result += c == '.' ? std::string(separator) : std::string(1, c);
    return result;
}

// Whatever the separator a tape was written with, it types the same keys again; a note keeps its
// text, its tabs and line breaks turned to spaces and cut at its longest.
TEST(TapeFile, WrittenLinesReadBackAsTheirKeys)
{
    const std::string longNote = repeated("\u20AC", MaxNoteCharacters + 5);
    for (const std::string separator : { ".", ",", "\u066B" }) {
        const std::vector<TapeFileLine> lines = {
            { false, localized("12.5", separator), '+', "", "a\tb\r\nc" },
            { false, "", 'X', localized("12.5", separator), "" },
            { false, localized("-3.", separator), '=', localized("-37.5", separator), longNote },
            { true, "", '\0', "", "next" },
            { false, "-", '/', "", "" },
            { false, localized("7.", separator), '\0', "", "" },
        };
        const std::string file = writeTapeFile(lines, separator);
        const std::string start =
            "Tallimax tape\t1\t.\n12.5\t+\t\ta b  c\n\tX\t12.5\n-3.\t=\t-37.5\t";
        if (separator == ".") {
            EXPECT_EQ(file.substr(0, start.size()), start);
        }
        const TapeFileReading reading = readTapeFile(file);
        EXPECT_EQ(reading.error, std::nullopt) << separator;
        const std::vector<LineKeys> expected = { { "12.5+", "a b  c" }, { "X", "" },
            { "-3=", repeated("\u20AC", MaxNoteCharacters) }, { "R", "next" }, { "-/", "" },
            { "7", "" } };
        EXPECT_EQ(reading.lines, expected) << separator;
    }
    // A sign alone, and digits after a sign that an operator followed on the line before.
    EXPECT_EQ(tapeFileNumber("-", "-0."), "-");
    EXPECT_EQ(tapeFileNumber("0", "-0."), "0.");
    EXPECT_EQ(tapeFileNumber("-5", "-5."), "-5.");
}

} // namespace
} // namespace tallimax
