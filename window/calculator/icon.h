// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/calculator/icon.xpm"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace tallimax::icon {

// The picture is decoded from its XPM text by the compiler, and its enlargements are made there
// too: starting the calculator parses and scales no image, it only copies these pixels to Qt.
// Each pixel is 0xAARRGGBB, and is either opaque or wholly clear.

constexpr int Side = 32;

namespace detail {

constexpr std::size_t Side = icon::Side;

constexpr std::string_view row(std::size_t index)
{
    return tallimax_icon_xpm[index];
}

constexpr std::size_t number(std::string_view text, std::size_t &at)
{
    while (at < text.size() && text[at] == ' ')
        ++at;
    std::size_t value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        value = value * 10 + static_cast<std::size_t>(text[at++] - '0');
    return value;
}

constexpr std::uint32_t hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<std::uint32_t>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<std::uint32_t>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint32_t>(c - 'A' + 10);
    throw "the icon's colours must be #RRGGBB or None";
}

struct Header
{
    std::size_t width;
    std::size_t height;
    std::size_t colours;
    std::size_t charsPerPixel;
};

constexpr Header header()
{
    std::size_t at = 0;
    const std::string_view text = row(0);
    Header parsed{};
    parsed.width = number(text, at);
    parsed.height = number(text, at);
    parsed.colours = number(text, at);
    parsed.charsPerPixel = number(text, at);
    return parsed;
}

constexpr Header Picture = header();
static_assert(Picture.width == Side && Picture.height == Side && Picture.charsPerPixel == 1,
    "the icon is a 32 by 32 picture with one character per pixel");
static_assert(std::size(tallimax_icon_xpm) == 1 + Picture.colours + Side,
    "the icon has its header, its colours and one row per pixel line");

// The colour of every key character, from lines such as "g c #808080" or "  c None".
constexpr std::array<std::uint32_t, 128> palette()
{
    std::array<std::uint32_t, 128> colours{};
    for (std::size_t i = 1; i <= Picture.colours; ++i) {
        const std::string_view line = row(i);
        const auto key = static_cast<unsigned char>(line.front());
        const std::string_view value = line.substr(line.rfind(' ') + 1);
        if (key >= colours.size())
            throw "the icon's key characters must be ASCII";
        if (value == "None") {
            colours.at(key) = 0x00000000U;
            continue;
        }
        if (value.size() != 7 || value.front() != '#')
            throw "the icon's colours must be #RRGGBB or None";
        std::uint32_t rgb = 0;
        for (const char c : value.substr(1))
            rgb = rgb * 16U + hexDigit(c);
        colours.at(key) = 0xFF000000U | rgb;
    }
    return colours;
}

constexpr std::array<std::uint32_t, 128> Palette = palette();

} // namespace detail

// The picture at Size by Size pixels, each screen pixel taking the picture pixel it starts in (as
// Qt's fast transformation picks them), so enlargements stay sharp blocks of the picture's own
// colours.
template <std::size_t Size> constexpr std::array<std::uint32_t, Size * Size> pixels()
{
    std::array<std::uint32_t, Size * Size> result{};
    for (std::size_t y = 0; y < Size; ++y) {
        const std::string_view line = detail::row(1 + detail::Picture.colours + y * Side / Size);
        for (std::size_t x = 0; x < Size; ++x)
            result.at(y * Size + x) =
                detail::Palette.at(static_cast<unsigned char>(line.at(x * Side / Size)));
    }
    return result;
}

// The picture and its renderings for screens scaled by 1.5, 2 and 3.
inline constexpr auto Pixels32 = pixels<32>();
inline constexpr auto Pixels48 = pixels<48>();
inline constexpr auto Pixels64 = pixels<64>();
inline constexpr auto Pixels96 = pixels<96>();

} // namespace tallimax::icon
