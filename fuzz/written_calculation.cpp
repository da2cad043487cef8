// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/written_calculation.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tallimax::fuzz {

namespace {

using Piece = WrittenCalculation::Piece;
using Kind = Piece::Kind;

// No further number is added once the text or the keys reach these; one number adds at most
// about 900 characters and 650 keys, so both stay under the paste reader's limit of 10,000.
constexpr std::size_t TextBudget = 4000;
constexpr std::size_t KeyBudget = 4000;
constexpr std::size_t MaxNumbers = 64;

constexpr std::string_view Operators = "+-*xX/";
constexpr std::array<std::string_view, 4> Blanks = { " ", "\t", "  ", " \t " };
constexpr std::array<std::string_view, 3> LineBreaks = { "\n", "\r\n", "\r" };
// The spaces a locale that groups with a space may be pasted with; they look alike.
constexpr std::array<std::string_view, 3> SpaceGroups = { " ", "\u00A0", "\u202F" };

class ByteReader
{
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) { }

    // The next byte; zero once there are none.
    std::uint8_t next() { return m_pos < m_bytes.size() ? m_bytes[m_pos++] : 0; }
    bool atEnd() const { return m_pos >= m_bytes.size(); }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
};

bool isSet(std::uint8_t byte, unsigned bit)
{
    return (byte & (1U << bit)) != 0;
}

// A count of digits: mostly a few, sometimes a run of hundreds.
std::size_t digitCount(std::uint8_t byte)
{
    return byte < 240 ? byte % 12U : (byte - 239U) * 20U;
}

// Digits made from a seed: the lowest seeds repeat one digit, the others mix them.
std::string digits(std::size_t count, std::uint8_t seed)
{
    std::string text(count, static_cast<char>('0' + seed % 10));
    if (seed < 20)
        return text;
    std::uint32_t state = seed;
    for (char &digit : text) {
        state = state * 1103515245U + 12345U;
        digit = static_cast<char>('0' + (state >> 16U) % 10U);
    }
    return text;
}

bool groupsWithSpace(const Spelling &spelling)
{
    return spelling.group == SpaceGroups[2];
}

std::string_view groupSeparator(const Spelling &spelling, std::uint8_t choice)
{
    return groupsWithSpace(spelling) ? SpaceGroups[choice % SpaceGroups.size()] : spelling.group;
}

// The integer digits grouped by threes, counted from the right.
std::string grouped(std::string_view integer, std::string_view separator)
{
    if (integer.size() <= 3)
        return std::string(integer);
    const std::size_t first = integer.size() % 3 == 0 ? 3 : integer.size() % 3;
    std::string text(integer.substr(0, first));
    for (std::size_t at = first; at < integer.size(); at += 3) {
        text += separator;
        text += integer.substr(at, 3);
    }
    return text;
}

// The decimal separator to write: the locale's, or "." when asked. Where "." also groups digits,
// it is a decimal separator only where it cannot be read as grouping: in a number not grouped,
// before a fraction that is not three digits long.
std::string_view decimalMark(
    const Spelling &spelling, bool dot, bool groupedInteger, std::size_t fractionDigits)
{
    if (!dot || (spelling.group == "." && (groupedInteger || fractionDigits == 3)))
        return spelling.decimal;
    return ".";
}

struct WrittenNumber
{
    std::string text;
    std::string keys;
};

// A number without its sign. Without an exponent it types its digits as written; with one, it
// is written as a value's digits with the point moved, and types that value's shortest digits.
WrittenNumber writeNumber(ByteReader &in, const Spelling &spelling)
{
    const std::uint8_t flags = in.next();
    const bool point = isSet(flags, 0);
    const bool grouping = isSet(flags, 1);
    const bool exponent = isSet(flags, 2);
    const bool dot = isSet(flags, 3);
    const std::string_view separator = groupSeparator(spelling, flags >> 6U);
    std::string integer = digits(digitCount(in.next()), in.next());
    std::string fraction = digits(digitCount(in.next()), in.next());

    if (!exponent) {
        if (!point)
            fraction.clear();
        if (integer.empty() && fraction.empty())
            integer = "0";
        const bool groupedInteger = grouping && integer.size() > 3;
        WrittenNumber number{ groupedInteger ? grouped(integer, separator) : integer, integer };
        if (point) {
            number.text += decimalMark(spelling, dot, groupedInteger, fraction.size());
            number.text += fraction;
            number.keys += "." + fraction;
        }
        return number;
    }

    integer.erase(0, integer.find_first_not_of('0'));
    if (integer.empty())
        integer = "0";
    fraction.erase(fraction.find_last_not_of('0') + 1);
    WrittenNumber number{ {}, fraction.empty() ? integer : integer + "." + fraction };

    const int power = static_cast<std::int8_t>(in.next()) % 25;
    std::string all = integer + fraction;
    long pointAt = static_cast<long>(integer.size()) - power;
    if (pointAt < 0) {
        all.insert(0, static_cast<std::size_t>(-pointAt), '0');
        pointAt = 0;
    }
    const auto mantissaDigits = static_cast<std::size_t>(pointAt);
    if (mantissaDigits > all.size())
        all.append(mantissaDigits - all.size(), '0');
    const std::string mantissaInteger = all.substr(0, mantissaDigits);
    const std::string mantissaFraction = all.substr(mantissaDigits);
    const bool groupedInteger = grouping && mantissaInteger.size() > 3;

    number.text = groupedInteger ? grouped(mantissaInteger, separator) : mantissaInteger;
    if (!mantissaFraction.empty() || (point && !mantissaInteger.empty())) {
        number.text += decimalMark(spelling, dot, groupedInteger, mantissaFraction.size());
        number.text += mantissaFraction;
    }
    number.text += isSet(flags, 4) ? 'e' : 'E';
    if (power < 0)
        number.text += '-';
    else if (isSet(flags, 5))
        number.text += '+';
    if (isSet(flags, 7))
        number.text += '0';
    number.text += std::to_string(std::abs(power));
    return number;
}

std::vector<std::size_t> indexesOf(const std::vector<Piece> &pieces, Kind kind)
{
    std::vector<std::size_t> indexes;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].kind == kind)
            indexes.push_back(i);
    }
    return indexes;
}

} // namespace

std::string WrittenCalculation::text() const
{
    std::string text;
    for (const Piece &piece : pieces)
        text += piece.text;
    return text;
}

std::size_t WrittenCalculation::characters() const
{
    std::size_t count = 0;
    for (const Piece &piece : pieces) {
        // Every UTF-8 character has exactly one byte that is not a continuation byte.
        count += static_cast<std::size_t>(std::count_if(piece.text.begin(), piece.text.end(),
            [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; }));
    }
    return count;
}

WrittenCalculation writeCalculation(std::span<const std::uint8_t> bytes)
{
    ByteReader in(bytes);
    const std::uint8_t head = in.next();
    WrittenCalculation calculation{ Spellings[head % Spellings.size()], {}, {} };
    const auto add = [&](Kind kind, std::string_view text) {
        calculation.pieces.push_back({ kind, std::string(text) });
    };

    if (isSet(head, 2))
        add(Kind::Blank, Blanks[head >> 6U]);
    std::size_t count = 0;
    do {
        if (count > 0) {
            const std::uint8_t op = in.next();
            const char caption = Operators[op % Operators.size()];
            if (isSet(op, 3))
                add(Kind::Blank, Blanks[(op >> 4U) % Blanks.size()]);
            add(Kind::Operator, std::string(1, caption));
            if (isSet(op, 6))
                add(Kind::Blank, Blanks[op >> 6U]);
            calculation.keys += caption == '*' || caption == 'x' ? 'X' : caption;
        }
        const std::uint8_t sign = in.next();
        if (isSet(sign, 0)) {
            add(Kind::Sign, "-");
            calculation.keys += '-';
            if (isSet(sign, 1))
                add(Kind::Blank, Blanks[(sign >> 2U) % Blanks.size()]);
        }
        const WrittenNumber number = writeNumber(in, calculation.spelling);
        add(Kind::Number, number.text);
        calculation.keys += number.keys;
        if (isSet(sign, 4))
            add(Kind::Blank, Blanks[(sign >> 5U) % Blanks.size()]);
        ++count;
    } while (!in.atEnd() && count < MaxNumbers && calculation.characters() < TextBudget
        && calculation.keys.size() < KeyBudget);

    if (isSet(head, 3)) {
        add(Kind::Equals, "=");
        calculation.keys += '=';
        if (isSet(head, 5))
            add(Kind::Blank, Blanks[head >> 6U]);
    }
    if (isSet(head, 4))
        add(Kind::LineBreak, LineBreaks[(head >> 6U) % LineBreaks.size()]);
    return calculation;
}

std::string_view putFault(WrittenCalculation &calculation, std::uint8_t fault, std::uint8_t place)
{
    std::vector<Piece> &pieces = calculation.pieces;
    const Spelling &spelling = calculation.spelling;
    const std::vector<std::size_t> numbers = indexesOf(pieces, Kind::Number);
    const std::vector<std::size_t> operators = indexesOf(pieces, Kind::Operator);
    const std::size_t number = numbers[place % numbers.size()];
    const std::size_t op = operators.empty() ? 0 : operators[place % operators.size()];
    const auto variant = static_cast<std::uint8_t>(fault / 10U);
    const auto insert = [&](std::size_t at, Kind kind, std::string_view text) {
        pieces.insert(
            pieces.begin() + static_cast<std::ptrdiff_t>(at), { kind, std::string(text) });
    };

    switch (fault % 10U) {
    case 1: {
        // A later group of two or four digits, or a first group of four.
        constexpr std::array<std::pair<std::string_view, std::string_view>, 3> Groups = {
            { { "1", "23" }, { "1", "2345" }, { "1234", "567" } }
        };
        const auto &[first, second] = Groups[variant % Groups.size()];
        std::string text = std::string(first) + std::string(groupSeparator(spelling, variant))
            + std::string(second);
        // Where the group separator may also be the decimal one, a decimal part after it leaves
        // it nothing but a group separator.
        if (spelling.group == "." || isSet(variant, 2))
            text += std::string(spelling.decimal) + "5";
        pieces[number].text = text;
        return "bad grouping";
    }
    case 2:
        insert(0, Kind::Operator, std::string(1, "+*xX/="[variant % 6]));
        return "an operator first";
    case 3:
        insert(numbers.back() + 1, Kind::Operator, std::string(1, Operators[variant % 6]));
        return "an operator last";
    case 4: {
        if (operators.empty())
            break;
        // Everything from the blanks before the operator to the next number's digits, its sign
        // included, gives way to blanks. Where a space groups digits, a single one between two
        // numbers would join them.
        std::size_t first = op;
        while (pieces[first - 1].kind == Kind::Blank)
            --first;
        std::size_t last = op;
        while (pieces[last].kind != Kind::Number)
            ++last;
        pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(first),
            pieces.begin() + static_cast<std::ptrdiff_t>(last));
        const bool tab = isSet(variant, 0);
        insert(first, Kind::Blank, tab ? "\t" : groupsWithSpace(spelling) ? "  " : " ");
        return "two numbers with only blanks between";
    }
    case 5:
        if (operators.empty())
            break;
        insert(op + 1, Kind::Operator, std::string(1, "+*xX/="[variant % 6]));
        return "two operators in a row";
    case 6: {
        const std::string decimal(spelling.decimal);
        pieces[number].text = "1" + decimal + (isSet(variant, 0) ? "" : "2") + decimal + "5";
        return "two decimal separators";
    }
    case 7:
        if (operators.empty())
            insert(0, Kind::Equals, "=");
        else
            pieces[op] = { Kind::Equals, "=" };
        return "an equals sign that does not end it";
    case 8:
        pieces[number].text += isSet(variant, 0) ? "e" : "E";
        pieces[number].text += isSet(variant, 1) ? "-" : "+";
        return "an exponent without digits";
    case 9: {
        // Before the last number or "=", so that something follows it.
        std::size_t last = 0;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (pieces[i].kind == Kind::Number || pieces[i].kind == Kind::Equals)
                last = i;
        }
        insert(place % (last + 1), Kind::LineBreak, LineBreaks[variant % LineBreaks.size()]);
        return "a line break inside";
    }
    default:
        break;
    }
    // Anything a number or calculation never holds: letters other than e and x, symbols,
    // digits of another script, the typographic minus.
    constexpr std::array<std::string_view, 12> Strays = { "a", "b", "z", "Q", "#", "(", "%", "$",
        "_", "\u20AC", "\u0663", "\u2212" };
    insert(place % (pieces.size() + 1), Kind::Stray, Strays[variant % Strays.size()]);
    return "a stray character";
}

} // namespace tallimax::fuzz
