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

// A text the window shows in the user's language: it looks the source text up in the context
// with QCoreApplication::translate. A text without a context is shown as it stands.
struct TranslatableText
{
    std::string_view context;
    std::string_view source;
};

// Marks a text of the table for translation. lupdate reads translatable() as QT_TRANSLATE_NOOP,
// which takes the same two string literals (the build passes it -tr-function-alias), so the table
// needs no Qt header.
constexpr TranslatableText translatable(std::string_view context, std::string_view source)
{
    return { context, source };
}

// What a screen reader says for a key; "X" and "/" read badly aloud. A digit key is named by its
// digit, which every screen reader speaks as the number in any language and which tools searching
// the tree for the key's caption find. Labels have no name of their own: they are read by their
// text, which changes as the calculator works.
constexpr TranslatableText accessibleNameOf(const ControlRow &row)
{
    switch (row.control) {
    case Control::Reset:
        //: The name a screen reader says for the RESET ALL key, which clears everything.
        return translatable("tallimax::CalculatorWindow", "Reset all");
    case Control::Number:
        return { {}, captionOf(row) };
    case Control::Operator: {
        const std::string_view caption = captionOf(row);
        if (caption == "/")
            //: The name a screen reader says for the division key, "/".
            return translatable("tallimax::CalculatorWindow", "Divide");
        if (caption == "+")
            //: The name a screen reader says for the addition key, "+".
            return translatable("tallimax::CalculatorWindow", "Plus");
        if (caption == "X")
            //: The name a screen reader says for the multiplication key, "X".
            return translatable("tallimax::CalculatorWindow", "Multiply");
        if (caption == "-")
            //: The name a screen reader says for the subtraction key, "-", which also starts a
            //: negative number.
            return translatable("tallimax::CalculatorWindow", "Minus");
        if (caption == "=")
            //: The name a screen reader says for the key that shows the result, "=".
            return translatable("tallimax::CalculatorWindow", "Equals");
        return { {}, caption };
    }
    case Control::Decimal:
        //: The name a screen reader says for the decimal point key, ".", which types the
        //: locale's decimal separator.
        return translatable("tallimax::CalculatorWindow", "Decimal point");
    case Control::JustDid:
    case Control::Action:
    case Control::Readout:
        break;
    }
    return {};
}

// What a label is for, told by a screen reader after its text.
constexpr TranslatableText accessibleDescriptionOf(const ControlRow &row)
{
    switch (row.control) {
    case Control::Readout:
        //: What the large label showing the number is for, said by a screen reader after the
        //: number.
        return translatable(
            "tallimax::CalculatorWindow", "Readout: the number being typed or the last result");
    case Control::Action:
        //: What the label under "Just Did:" is for, said by a screen reader after its text
        //: (such as "Plus(+)", which stays in English).
        return translatable(
            "tallimax::CalculatorWindow", "Action panel: what the calculator just did");
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
