// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallimax::fuzz {

// How a locale writes numbers: its decimal separator, and the separator that groups integer
// digits by threes.
struct Spelling
{
    std::string_view name;
    std::string_view decimal;
    std::string_view group;
};

inline constexpr std::array<Spelling, 4> Spellings = { {
    { "en", ".", "," },
    { "de", ",", "." },
    { "fr", ",", "\u202F" },
    { "ar", "\u066B", "\u066C" },
} };

// A calculation written out as a person would paste it, in one locale's spelling, and the
// captions of the keys it must type: each number's value as written, the operators by their
// keys' captions.
struct WrittenCalculation
{
    // A part of the text: blanks, a sign, a number, an operator, "=", a line break, or a
    // character put in by a fault.
    struct Piece
    {
        enum class Kind : std::uint8_t { Blank, Sign, Number, Operator, Equals, LineBreak, Stray };
        Kind kind;
        std::string text;
    };

    Spelling spelling;
    std::vector<Piece> pieces;
    std::string keys;

    std::string text() const;
    // How many characters (not bytes) the text has.
    std::size_t characters() const;
};

// A well-formed calculation made from the bytes: one or more numbers, each with an optional
// minus, written with the locale's decimal separator or ".", optionally grouped by threes and
// optionally with an exponent; the operators + - * x X / between them; blanks around any of
// them; an optional "=" and line break at the end. The bytes choose the spelling, every number
// and every operator; missing bytes count as zeros. Text and keys stay well below the paste
// reader's limit.
WrittenCalculation writeCalculation(std::span<const std::uint8_t> bytes);

// The calculation with one fault put in that makes it no calculation at all: a stray character,
// bad grouping, an operator first or last, two numbers with only blanks between them, two
// operators in a row, two decimal separators in a number, an "=" that does not end it, an
// exponent without digits, or a line break inside. `fault` chooses which, `place` where. Returns
// what was put in, for messages; the keys are left as they were.
std::string_view putFault(WrittenCalculation &calculation, std::uint8_t fault, std::uint8_t place);

} // namespace tallimax::fuzz
