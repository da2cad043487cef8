// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tallimax {

// The value of one engine field: empty until assigned, a 16-bit integer, a double or text.
using CellValue = std::variant<std::monostate, std::int16_t, double, std::string>;

// The three ways the engine writes zero: "0." gives "0" plus the separator, "." the separator
// alone and "-0." "-0" plus the separator. Any other pattern gives the separator alone.
std::string FormatZero(std::string_view pattern, std::string_view separator);

// The value of a field as a double. Empty reads as 0 and so does the lone sign "-" that a minus
// key leaves in the readout before any digit. Text is read in the given separator's notation,
// with or without fractional digits and with an optional exponent ("7.", "-0.5", "1,5E+20").
// Returns nothing when the text is not a number or its value lies beyond the double range.
std::optional<double> ToNumber(const CellValue &value, std::string_view separator);

// The text a field shows. Text shows itself; a double shows at most 15 significant digits,
// no separator when it is whole, and an exponent ("1E+20", "1,5E-05") for very large or very
// small magnitudes.
std::string ToText(const CellValue &value, std::string_view separator);

// Whether the field reads as zero; nothing when it does not read as a number at all.
std::optional<bool> IsZero(const CellValue &value, std::string_view separator);

// The characters before the first separator, or the whole text when there is none.
std::string IntegerPart(std::string_view text, std::string_view separator);

// Whether the field holds exactly this text.
bool IsText(const CellValue &value, std::string_view text);

} // namespace tallimax
