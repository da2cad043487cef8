// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/readout_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>

namespace tallimax {
namespace {

CellValue text(const char *value)
{
    return std::string(value);
}

TEST(FormatZero, AlwaysEndsWithTheSeparator)
{
    for (const std::string separator : { ".", ",", "\u066B" }) {
        EXPECT_EQ(FormatZero("0.", separator), "0" + separator);
        EXPECT_EQ(FormatZero(".", separator), separator);
        EXPECT_EQ(FormatZero("-0.", separator), "-0" + separator);
    }
}

TEST(IntegerPart, StopsAtTheFirstSeparator)
{
    EXPECT_EQ(IntegerPart(".", "."), "");
    EXPECT_EQ(IntegerPart("-5.", "."), "-5");
    EXPECT_EQ(IntegerPart("12.34", "."), "12");
    EXPECT_EQ(IntegerPart("12,34", ","), "12");
    EXPECT_EQ(IntegerPart("123\u066B", "\u066B"), "123");
    // A two-byte separator is compared whole, not byte by byte.
    EXPECT_EQ(IntegerPart("12\xD9\xAA\u066B", "\u066B"), "12\xD9\xAA");
}

struct Reading
{
    const char *text;
    const char *separator;
    double value;
};

void PrintTo(const Reading &reading, std::ostream *out)
{
    *out << '"' << reading.text << "\" with separator \"" << reading.separator << '"';
}

class ReadsNumber : public testing::TestWithParam<Reading>
{
};

TEST_P(ReadsNumber, AsItsValue)
{
    const Reading &reading = GetParam();
    const std::optional<double> number = ToNumber(text(reading.text), reading.separator);
    ASSERT_TRUE(number.has_value()) << reading.text;
    EXPECT_EQ(*number, reading.value) << reading.text;
}

// The largest double as a paste types it: the digits of its text, shifted by the exponent.
const std::string LargestInPlainDigits = "179769313486232" + std::string(294, '0') + ",";

INSTANTIATE_TEST_SUITE_P(TypedAndShownTexts, ReadsNumber,
    testing::Values(Reading{ "7.", ".", 7 }, Reading{ "007.", ".", 7 }, Reading{ "00.", ".", 0 },
        Reading{ "-0.", ".", 0 }, Reading{ ".", ".", 0 }, Reading{ "-", ",", 0 },
        Reading{ "12,5", ",", 12.5 }, Reading{ "-0,5", ",", -0.5 },
        Reading{ "12\u066B5", "\u066B", 12.5 }, Reading{ "3", ",", 3 },
        Reading{ "1E+20", ".", 1e20 }, Reading{ "1,5E-05", ",", 1.5e-5 },
        Reading{ "-2,5E+300", ",", -2.5e300 }, Reading{ "1.79769313486232E+308", ".", DBL_MAX },
        Reading{ "-1.79769313486232E+308", ".", -DBL_MAX },
        Reading{ LargestInPlainDigits.c_str(), ",", DBL_MAX },
        Reading{ "-0.179769313486232000E+309", ".", -DBL_MAX },
        Reading{ "4.94065645841247E-324", ".", std::numeric_limits<double>::denorm_min() },
        Reading{ "1E-400", ".", 0 }, Reading{ "0.000000000000000000001E-330", ".", 0 }));

TEST(ToNumber, NonTextValues)
{
    EXPECT_EQ(ToNumber(CellValue{}, "."), 0.0);
    EXPECT_EQ(ToNumber(CellValue{ std::int16_t{ -12 } }, "."), -12.0);
    EXPECT_EQ(ToNumber(CellValue{ 2.5 }, ","), 2.5);
}

TEST(ToNumber, ReadsALoneSeparatorAsZero)
{
    EXPECT_EQ(ToNumber(text("."), "."), 0.0);
    EXPECT_EQ(ToNumber(text(","), ","), 0.0);
}

TEST(ToNumber, RefusesWhatIsNotANumberOrOutOfRange)
{
    for (const char *bad : { "", "inf", "-inf", "nan", "abc", "1..2", "1E", "1E+", "--1", "+1",
             "0x10", " 1", "1 ", "1E+309", "-1E+309", "1.8E+308", "1E+999999999999999999999" })
        EXPECT_FALSE(ToNumber(text(bad), ".").has_value()) << bad;
    EXPECT_FALSE(ToNumber(text(std::string(400, '9').c_str()), ".").has_value());
    // A point is not a separator where the locale uses a comma.
    EXPECT_FALSE(ToNumber(text("1.5"), ",").has_value());
    EXPECT_FALSE(IsZero(text("x"), ".").has_value());
}

TEST(ToText, ShowsFifteenSignificantDigits)
{
    const std::string sep = ",";
    EXPECT_EQ(ToText(9.0, sep), "9");
    EXPECT_EQ(ToText(-2.0, sep), "-2");
    EXPECT_EQ(ToText(3.5, sep), "3,5");
    EXPECT_EQ(ToText(0.1 + 0.2, sep), "0,3");
    EXPECT_EQ(ToText(1.0 / 3.0, sep), "0,333333333333333");
    EXPECT_EQ(ToText(-2.0 / 3.0, sep), "-0,666666666666667");
    EXPECT_EQ(ToText(123456789012345.0, sep), "123456789012345");
    EXPECT_EQ(ToText(1e15, sep), "1E+15");
    EXPECT_EQ(ToText(1e20, sep), "1E+20");
    EXPECT_EQ(ToText(0.0001, sep), "0,0001");
    EXPECT_EQ(ToText(0.00001, sep), "1E-05");
    EXPECT_EQ(ToText(1.5e-5, "\u066B"), "1\u066B5E-05");
    EXPECT_EQ(ToText(-0.0, sep), "0");
    EXPECT_EQ(ToText(DBL_MAX, "."), "1.79769313486232E+308");
}

TEST(ToText, TextAndIntegersShowThemselves)
{
    EXPECT_EQ(ToText(text("8."), ","), "8.");
    EXPECT_EQ(ToText(text("-"), "."), "-");
    EXPECT_EQ(ToText(CellValue{ std::int16_t{ 0 } }, "."), "0");
}

TEST(ToText, ReadsBackWithinFifteenDigits)
{
    std::mt19937_64 random(12345);
    std::uniform_int_distribution<std::uint64_t> bits;
    int checked = 0;
    for (int i = 0; i < 20000; ++i) {
        const auto value = std::bit_cast<double>(bits(random));
        if (!std::isfinite(value))
            continue;
        for (const char *separator : { ".", "\u066B" }) {
            const std::string shown = ToText(value, separator);
            const std::optional<double> back = ToNumber(CellValue{ shown }, separator);
            ASSERT_TRUE(back.has_value()) << shown;
            EXPECT_LE(std::abs(*back - value), std::abs(value) * 1e-14) << shown;
        }
        ++checked;
    }
    EXPECT_GT(checked, 19000);
}

TEST(IsZero, ComparesTheValue)
{
    for (const char *zero : { "0.", "-0.", "00.", "0.000", "." })
        EXPECT_EQ(IsZero(text(zero), "."), true) << zero;
    EXPECT_EQ(IsZero(text("0.001"), "."), false);
    EXPECT_EQ(IsZero(CellValue{ -0.0 }, "."), true);
}

} // namespace
} // namespace tallimax
