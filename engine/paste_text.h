// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallimax::paste {

// Why a pasted text types nothing.
enum class Refusal : std::uint8_t {
    Empty, // no text at all, or only spaces and line breaks
    TooLong, // over MaxCharacters, or a number whose exponent needs more keys than that
    NotACalculation, // anything else no sequence of on-screen keys spells
};

// The longest text a paste reads, in characters.
inline constexpr std::size_t MaxCharacters = 10'000;

// What a pasted text types: the captions of the on-screen keys to press, in order (digits, ".",
// "+", "-", "X", "/" and "="), or why it types nothing.
struct Reading
{
    std::string keys;
    std::optional<Refusal> refusal;
};

// Reads a pasted UTF-8 text as a person would type it: numbers, each with an optional leading
// minus, joined by the operators + - * x X / and optionally ended by "=". A number is written
// with "." or the locale's decimal separator, may group its integer digits with the locale's
// group separator, and may carry an exponent ("1.5E+20"), which is typed as the plain digits of
// its value. Spaces and tabs around numbers and operators and one line break at the end do not
// count. Any other text is refused whole.
Reading readPastedText(
    std::string_view text, std::string_view decimalSeparator, std::string_view groupSeparator);

} // namespace tallimax::paste
