// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/readout_text.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <system_error>

namespace tallimax {

namespace {

constexpr std::string_view PlainPoint = ".";

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos;
         found = text.find(from, start)) {
        result.append(text.substr(start, found - start));
        result.append(to);
        start = found + from.size();
    }
    result.append(text.substr(start));
    return result;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether the text is a plain decimal number: an optional "-", digits with an optional point
// (at least one digit in all), and an optional exponent "E", sign and digits. from_chars alone
// would also take "inf", "nan" and other forms a readout never holds.
bool isPlainNumber(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t exponentStart = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == exponentStart)
            return false;
    }
    return i == text.size();
}

// A plain number's significant digits, without the zeros before and after them, and the
// decimal places of the first one: 1 for "5.", 0 for ".5", -1 for ".05", 309 for "1E+308".
// No digits for zero.
struct Significand
{
    std::string digits;
    long long magnitude = 0;
};

Significand significandOf(std::string_view text)
{
    const std::size_t exponentAt = text.find_first_of("Ee");
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = text.substr(exponentAt + 1);
        const bool negative = digits.front() == '-';
        if (digits.front() == '+' || digits.front() == '-')
            digits.remove_prefix(1);
        // An exponent too long to count is far out of range either way; cap it.
        for (const char c : digits)
            exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
        if (negative)
            exponent = -exponent;
    }

    std::string_view mantissa = text.substr(0, exponentAt);
    if (mantissa.front() == '-')
        mantissa.remove_prefix(1);
    const std::size_t point = mantissa.find('.');
    const std::string_view integer = mantissa.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);

    Significand significand;
    significand.digits.append(integer).append(fraction);
    const std::size_t first = significand.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    significand.digits.erase(0, first);
    significand.digits.erase(significand.digits.find_last_not_of('0') + 1);
    significand.magnitude =
        static_cast<long long>(integer.size()) - static_cast<long long>(first) + exponent;
    return significand;
}

std::string formatDouble(double value)
{
    std::array<char, 32> buffer{};
    // A whole number of fifteen digits or fewer shows as its digits, exactly what the general
    // format gives it, without the cost of formatting a fraction: most results are whole. Minus
    // zero, which shows its sign, is left to the general format.
    if (std::fabs(value) < 1e15 && std::trunc(value) == value
        && (value != 0.0 || !std::signbit(value))) {
        const auto [end, error] = std::to_chars(
            buffer.data(), buffer.data() + buffer.size(), static_cast<long long>(value));
        if (error == std::errc())
            return { buffer.data(), end };
    }
    // Fifteen significant digits, as much as a double always carries through a round trip.
    const auto [end, error] = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    if (error != std::errc())
        return "0";
    std::string text(buffer.data(), end);
    for (char &c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

std::optional<double> parseText(std::string_view text, std::string_view separator)
{
    // The sign a minus key leaves before any digit, and a separator with no digits around it
    // (the start of a new number), count as zero.
    if (text == "-" || text == separator)
        return 0.0;
    if (text.size() == separator.size() + 1 && text.front() == '-' && text.substr(1) == separator)
        return -0.0;
    // Only the separator in force marks the fraction; a "." in a "," locale is not a number.
    if (separator != PlainPoint && text.find(PlainPoint) != std::string_view::npos)
        return std::nullopt;
    const std::string plain = replaceAll(text, separator, PlainPoint);
    if (!isPlainNumber(plain))
        return std::nullopt;

    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc() && end == plain.data() + plain.size())
        return value;
    if (error != std::errc::result_out_of_range)
        return std::nullopt;
    // Too small a magnitude to hold reads as zero.
    const Significand significand = significandOf(plain);
    if (significand.magnitude <= 0)
        return plain.front() == '-' ? -0.0 : 0.0;
    // The largest double shows rounded up to fifteen digits, "1.79769313486232E+308"; that value
    // still reads back as it, in plain digits too, as a paste types it.
    const Significand largest = significandOf(formatDouble(DBL_MAX));
    if (significand.digits == largest.digits && significand.magnitude == largest.magnitude)
        return plain.front() == '-' ? -DBL_MAX : DBL_MAX;
    return std::nullopt;
}

} // namespace

std::string FormatZero(std::string_view pattern, std::string_view separator)
{
    std::string result;
    if (pattern == "-0.")
        result = "-0";
    else if (pattern == "0.")
        result = "0";
    result.append(separator);
    return result;
}

std::optional<double> ToNumber(const CellValue &value, std::string_view separator)
{
    if (const auto *integer = std::get_if<std::int16_t>(&value))
        return *integer;
    if (const auto *number = std::get_if<double>(&value))
        return *number;
    if (const auto *text = std::get_if<std::string>(&value))
        return parseText(*text, separator);
    return 0.0;
}

std::string ToText(const CellValue &value, std::string_view separator)
{
    if (const auto *text = std::get_if<std::string>(&value))
        return *text;
    if (const auto *integer = std::get_if<std::int16_t>(&value))
        return std::to_string(*integer);
    if (const auto *number = std::get_if<double>(&value)) {
        // A negative zero is still zero to the user.
        if (*number == 0.0)
            return "0";
        if (!std::isfinite(*number))
            return "0";
        return replaceAll(formatDouble(*number), PlainPoint, separator);
    }
    return "0";
}

std::optional<bool> IsZero(const CellValue &value, std::string_view separator)
{
    const std::optional<double> number = ToNumber(value, separator);
    if (!number)
        return std::nullopt;
    return *number == 0.0;
}

std::string IntegerPart(std::string_view text, std::string_view separator)
{
    if (separator.empty())
        return std::string(text);
    return std::string(text.substr(0, text.find(separator)));
}

bool IsText(const CellValue &value, std::string_view text)
{
    const auto *held = std::get_if<std::string>(&value);
    return held != nullptr && *held == text;
}

} // namespace tallimax
