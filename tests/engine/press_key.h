// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"

#include <cstdint>

namespace tallimax {

// Presses the key with this caption: digits, ".", "+", "-", "X", "/", "=", and "R" for RESET ALL.
// False for a character that is no key's.
inline bool pressKey(Calculator &calculator, char key)
{
    if (key >= '0' && key <= '9') {
        calculator.Number_Click(static_cast<std::int16_t>(key - '0'));
        return true;
    }
    if (key == '.') {
        calculator.Decimal_Click();
        return true;
    }
    if (key == 'R') {
        calculator.rset_Click();
        return true;
    }
    for (std::size_t index = 0; index < OperatorCaptions.size(); ++index) {
        if (OperatorCaptions[index] == std::string_view(&key, 1)) {
            calculator.Operator_Click(static_cast<std::int16_t>(index));
            return true;
        }
    }
    return false;
}

} // namespace tallimax
