// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/paste_text.h"

#include "engine/utf8.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tallimax::paste {

namespace {

// The spaces a locale may group digits with; pasted text often has one where the locale has
// another, and they look alike.
constexpr std::array<std::string_view, 3> SpaceGroupSeparators = { " ", "\u00A0", "\u202F" };

// Beyond any exponent that could be typed: a larger one is read as this, and the count of keys
// it takes then refuses it.
constexpr long ExponentCap = 10L * static_cast<long>(MaxCharacters);

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isSpaceGroupSeparator(std::string_view text)
{
    return std::find(SpaceGroupSeparators.begin(), SpaceGroupSeparators.end(), text)
        != SpaceGroupSeparators.end();
}

// A mark between the digits of a number, and what it may stand for.
struct Mark
{
    std::string_view text;
    bool canGroup = false;
    bool canBeDecimal = false;
};

// A number as written: its digits before and after the decimal mark, whether it had one, and the
// power of ten its exponent multiplies it by.
struct WrittenNumber
{
    std::string integer;
    std::string fraction;
    bool point = false;
    std::optional<long> exponent;
};

class TextReader
{
public:
    // A group separator equal to the decimal one could never be told apart; grouping is then
    // not read at all.
    TextReader(std::string_view text, std::string_view decimal, std::string_view group)
        : m_text(text), m_decimal(decimal), m_group(group == decimal ? std::string_view() : group)
    { }

    Reading read();

private:
    bool atEnd() const { return m_pos == m_text.size(); }
    bool startsWith(std::string_view prefix) const
    {
        return !prefix.empty() && m_text.substr(m_pos).starts_with(prefix);
    }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(m_text[m_pos]))
            ++m_pos;
    }
    std::optional<Mark> markHere() const;
    std::optional<WrittenNumber> readNumber();
    std::optional<long> readExponent();

    std::string_view m_text;
    std::string_view m_decimal;
    std::string_view m_group;
    std::size_t m_pos = 0;
};

// The mark at the reading position, if any. A space groups digits only in a locale that groups
// with one, and only between two digits; elsewhere it ends the number.
std::optional<Mark> TextReader::markHere() const
{
    const bool groupsWithSpace = isSpaceGroupSeparator(m_group);
    for (const std::string_view text : { m_decimal, std::string_view("."), m_group }) {
        if (startsWith(text) && !(groupsWithSpace && text == m_group))
            return Mark{ text, text == m_group, text == m_decimal || text == "." };
    }
    if (!groupsWithSpace)
        return std::nullopt;
    for (const std::string_view space : SpaceGroupSeparators) {
        const std::size_t after = m_pos + space.size();
        if (startsWith(space) && m_pos > 0 && isDigit(m_text[m_pos - 1]) && after < m_text.size()
            && isDigit(m_text[after]))
            return Mark{ space, true, false };
    }
    return std::nullopt;
}

// Groups of digits between marks. Read as the locale writes numbers when that fits: every mark a
// group separator, groups of three after the first. Otherwise the last mark is the decimal one
// and any before it group the integer digits; a decimal mark may not also appear as a group
// separator ("1.234.5" is refused where "." groups).
std::optional<WrittenNumber> TextReader::readNumber()
{
    std::vector<std::string_view> groups;
    std::vector<Mark> marks;
    std::size_t groupStart = m_pos;
    while (!atEnd()) {
        if (isDigit(m_text[m_pos])) {
            ++m_pos;
            continue;
        }
        const std::optional<Mark> mark = markHere();
        if (!mark)
            break;
        groups.push_back(m_text.substr(groupStart, m_pos - groupStart));
        marks.push_back(*mark);
        m_pos += mark->text.size();
        groupStart = m_pos;
    }
    groups.push_back(m_text.substr(groupStart, m_pos - groupStart));

    // Whether the first marks group the digits before them, each later group three digits long.
    const auto groupsIntegerDigits = [&](std::size_t markCount) {
        for (std::size_t i = 0; i < markCount; ++i) {
            if (!marks[i].canGroup || groups[i + 1].size() != 3)
                return false;
        }
        return markCount == 0 || (!groups[0].empty() && groups[0].size() <= 3);
    };
    const auto joined = [&](std::size_t groupCount) {
        std::string digits;
        for (std::size_t i = 0; i < groupCount; ++i)
            digits.append(groups[i]);
        return digits;
    };

    WrittenNumber number;
    if (groupsIntegerDigits(marks.size())) {
        number.integer = joined(groups.size());
    } else {
        const std::size_t last = marks.size() - 1;
        if (marks.empty() || !marks[last].canBeDecimal || !groupsIntegerDigits(last)
            || std::any_of(marks.begin(), marks.begin() + static_cast<std::ptrdiff_t>(last),
                [&](const Mark &mark) { return mark.text == marks[last].text; }))
            return std::nullopt;
        number.integer = joined(groups.size() - 1);
        number.fraction = groups.back();
        number.point = true;
    }
    if (number.integer.empty() && number.fraction.empty())
        return std::nullopt;

    if (!atEnd() && (m_text[m_pos] == 'E' || m_text[m_pos] == 'e')) {
        ++m_pos;
        number.exponent = readExponent();
        if (!number.exponent)
            return std::nullopt;
    }
    return number;
}

// An exponent's sign and digits.
std::optional<long> TextReader::readExponent()
{
    bool negative = false;
    if (!atEnd() && (m_text[m_pos] == '+' || m_text[m_pos] == '-')) {
        negative = m_text[m_pos] == '-';
        ++m_pos;
    }
    const std::size_t start = m_pos;
    long exponent = 0;
    while (!atEnd() && isDigit(m_text[m_pos])) {
        exponent = std::min(exponent * 10 + (m_text[m_pos] - '0'), ExponentCap);
        ++m_pos;
    }
    if (m_pos == start)
        return std::nullopt;
    return negative ? -exponent : exponent;
}

// The keys that type a number. An exponent moves the decimal point within the digits, so the
// typed number has exactly the value written, however many digits that takes.
std::string keysOf(const WrittenNumber &number)
{
    if (!number.exponent)
        return number.point ? number.integer + "." + number.fraction : number.integer;

    std::string digits = number.integer + number.fraction;
    long point = static_cast<long>(number.integer.size()) + *number.exponent;
    if (point < 0) {
        digits.insert(0, static_cast<std::size_t>(-point), '0');
        point = 0;
    }
    const auto pointAt = static_cast<std::size_t>(point);
    if (pointAt > digits.size())
        digits.append(pointAt - digits.size(), '0');
    std::string integer = digits.substr(0, pointAt);
    std::string fraction = digits.substr(pointAt);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (integer.empty())
        integer = "0";
    return fraction.empty() ? integer : integer + "." + fraction;
}

Reading refused(Refusal why)
{
    return { {}, why };
}

// number (operator number)* ["="], each number with an optional "-" in front.
Reading TextReader::read()
{
    std::string keys;
    skipBlanks();
    if (atEnd())
        return refused(Refusal::Empty);
    while (true) {
        if (m_text[m_pos] == '-') {
            keys += '-';
            ++m_pos;
            skipBlanks();
        }
        const std::optional<WrittenNumber> number = readNumber();
        if (!number)
            return refused(Refusal::NotACalculation);
        // An exponent can ask for far more digits than the text holds.
        keys += keysOf(*number);
        if (keys.size() > MaxCharacters)
            return refused(Refusal::TooLong);

        skipBlanks();
        if (atEnd())
            return { keys, std::nullopt };
        const char next = m_text[m_pos];
        ++m_pos;
        skipBlanks();
        if (next == '=' && atEnd())
            return { keys + "=", std::nullopt };
        if (next == '+' || next == '-' || next == '/')
            keys += next;
        else if (next == '*' || next == 'x' || next == 'X')
            keys += 'X';
        else
            return refused(Refusal::NotACalculation);
        if (atEnd())
            return refused(Refusal::NotACalculation);
    }
}

} // namespace

Reading readPastedText(
    std::string_view text, std::string_view decimalSeparator, std::string_view groupSeparator)
{
    if (utf8::characterCount(text) > MaxCharacters)
        return refused(Refusal::TooLong);
    // A copied line or spreadsheet cell often ends in a line break.
    for (const std::string_view lineBreak : { "\r\n", "\n", "\r" }) {
        if (text.ends_with(lineBreak)) {
            text.remove_suffix(lineBreak.size());
            break;
        }
    }
    return TextReader(text, decimalSeparator, groupSeparator).read();
}

} // namespace tallimax::paste
