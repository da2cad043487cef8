// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculator/layout.h"

#include <algorithm>

namespace tallimax::layout {

namespace {

constexpr bool indexesMatchKeyTables()
{
    return std::all_of(Controls.begin(), Controls.end(), [](const ControlRow &row) {
        switch (row.control) {
        case Control::Number:
            return row.index >= 0 && static_cast<std::size_t>(row.index) < NumberCaptions.size();
        case Control::Operator:
            return row.index >= 0 && static_cast<std::size_t>(row.index) < OperatorCaptions.size();
        case Control::Reset:
        case Control::Decimal:
        case Control::JustDid:
        case Control::Action:
        case Control::Readout:
            break;
        }
        return row.index == -1;
    });
}
static_assert(indexesMatchKeyTables(), "every key of an array needs a caption in its key table");

// The table is written in twips chosen to fall on whole pixels.
static_assert(std::all_of(Controls.begin(), Controls.end(), [](const ControlRow &row) {
    return row.left % TwipsPerPixel == 0 && row.top % TwipsPerPixel == 0
        && row.width % TwipsPerPixel == 0 && row.height % TwipsPerPixel == 0;
}));

std::string_view nameOf(Control control)
{
    switch (control) {
    case Control::Reset:
        return "rset";
    case Control::Number:
        return "Number";
    case Control::Operator:
        return "Operator";
    case Control::Decimal:
        return "Decimal";
    case Control::JustDid:
        return "Label1";
    case Control::Action:
        return "bla";
    case Control::Readout:
        break;
    }
    return "Readout";
}

} // namespace

std::string objectNameOf(const ControlRow &row)
{
    std::string name(nameOf(row.control));
    if (row.index >= 0)
        name += std::to_string(row.index);
    return name;
}

} // namespace tallimax::layout
