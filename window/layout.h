// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallimax::layout {

// The window's lengths are in twips, 1/1440 inch; 15 of them make one logical pixel.
constexpr int TwipsPerPixel = 15;

// The one place where twips become logical pixels, rounded to the nearest pixel.
constexpr int toPixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

inline constexpr std::string_view WindowCaption = "Tallimax version 1";
constexpr int ClientWidth = 8250;
constexpr int ClientHeight = 4005;

// Back colours of the readout, as 0x00BBGGRR; both read the same as 0x00RRGGBB.
constexpr std::uint32_t BrightWhite = 0x00FFFFFF;
constexpr std::uint32_t LightGrey = 0x00C0C0C0;
constexpr std::uint32_t Black = 0x00000000;

struct FontChoice
{
    std::string_view family;
    double pointSize;
    bool bold;
};

// The keys, "Just Did:" and the action panel.
inline constexpr FontChoice ControlFont{ "Arial", 9.75, true };
inline constexpr FontChoice ReadoutFont{ "MS Sans Serif", 12.0, true };

// The captions of the two keys outside the key arrays.
inline constexpr std::string_view ResetCaption = "RESET ALL";
inline constexpr std::string_view DecimalCaption = ".";

enum class Control : std::uint8_t {
    Reset, // rset
    Number,
    Operator,
    Decimal,
    JustDid, // Label1
    Action, // bla
    Readout,
};

enum class Kind : std::uint8_t { PushButton, Label };

// One row of the control table. Number and Operator keys carry their index in the key array;
// the other controls have index -1.
struct ControlRow
{
    Control control;
    std::int16_t index;
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
};

// Every control of the window, in the order the window defines them.
inline constexpr std::array<ControlRow, 20> Controls = { {
    { Control::Reset, -1, 1080, 2760, 4455, 975, 17 },
    { Control::Number, 7, 5640, 1560, 825, 480, 7 },
    { Control::Number, 8, 5640, 2160, 840, 480, 8 },
    { Control::Number, 9, 4680, 2160, 840, 480, 9 },
    { Control::Number, 4, 2760, 1560, 840, 480, 4 },
    { Control::Number, 5, 3720, 1560, 840, 480, 5 },
    { Control::Number, 6, 4680, 1560, 840, 480, 6 },
    { Control::Operator, 1, 1800, 2160, 840, 480, 10 },
    { Control::Operator, 3, 120, 2160, 720, 480, 11 },
    { Control::Number, 1, 120, 1560, 720, 480, 1 },
    { Control::Number, 2, 960, 1560, 720, 480, 2 },
    { Control::Number, 3, 1800, 1560, 840, 480, 3 },
    { Control::Operator, 2, 2760, 2160, 840, 480, 12 },
    { Control::Operator, 0, 960, 2160, 720, 480, 13 },
    { Control::Number, 0, 3720, 2160, 840, 480, 0 },
    { Control::Decimal, -1, 120, 2760, 720, 960, 15 },
    { Control::Operator, 4, 5640, 2760, 840, 960, 14 },
    { Control::JustDid, -1, 6600, 120, 855, 615, 19 },
    { Control::Action, -1, 6600, 840, 1575, 2160, 18 },
    { Control::Readout, -1, 120, 105, 6360, 1335, 16 },
} };

constexpr Kind kindOf(Control control)
{
    switch (control) {
    case Control::JustDid:
    case Control::Action:
    case Control::Readout:
        return Kind::Label;
    case Control::Reset:
    case Control::Number:
    case Control::Operator:
    case Control::Decimal:
        break;
    }
    return Kind::PushButton;
}

// The caption a control has when the window opens. The two key arrays take theirs from the
// engine's key tables, so a key always shows what the engine makes of it.
constexpr std::string_view captionOf(const ControlRow &row)
{
    switch (row.control) {
    case Control::Reset:
        return ResetCaption;
    case Control::Number:
        return NumberCaptions.at(static_cast<std::size_t>(row.index));
    case Control::Operator:
        return OperatorCaptions.at(static_cast<std::size_t>(row.index));
    case Control::Decimal:
        return DecimalCaption;
    case Control::JustDid:
        return "Just Did:";
    case Control::Action:
        return "Action";
    case Control::Readout:
        break;
    }
    return "0.";
}

// What a screen reader says for a key; "X" and "/" read badly aloud. A digit key is named by its
// digit, which every screen reader speaks as the number and which tools searching the tree for
// the key's caption find. Labels have no name of their own: they are read by their text, which
// changes as the calculator works.
constexpr std::string_view accessibleNameOf(const ControlRow &row)
{
    switch (row.control) {
    case Control::Reset:
        return "Reset all";
    case Control::Number:
        return captionOf(row);
    case Control::Operator: {
        const std::string_view caption = captionOf(row);
        if (caption == "/")
            return "Divide";
        if (caption == "+")
            return "Plus";
        if (caption == "X")
            return "Multiply";
        if (caption == "-")
            return "Minus";
        if (caption == "=")
            return "Equals";
        return caption;
    }
    case Control::Decimal:
        return "Decimal point";
    case Control::JustDid:
    case Control::Action:
    case Control::Readout:
        break;
    }
    return {};
}

// What a label is for, told by a screen reader after its text.
constexpr std::string_view accessibleDescriptionOf(const ControlRow &row)
{
    switch (row.control) {
    case Control::Readout:
        return "Readout: the number being typed or the last result";
    case Control::Action:
        return "Action panel: what the calculator just did";
    case Control::Reset:
    case Control::Number:
    case Control::Operator:
    case Control::Decimal:
    case Control::JustDid:
        break;
    }
    return {};
}

// The control's name; a key of an array adds its index, as in "Number7".
std::string objectNameOf(const ControlRow &row);

} // namespace tallimax::layout
