// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tallimax {

// What the calculator engine needs from whatever shows it: two texts and a modal warning.
// The engine never reads anything back; every write is pushed at once, even an unchanged one.
class CalculatorView
{
public:
    virtual ~CalculatorView() = default;
    virtual void SetReadout(const std::string &text) = 0;
    virtual void SetAction(const std::string &text) = 0;
    // Returns when the user has dismissed the warning.
    virtual void ShowWarning(const std::string &prompt, const std::string &title) = 0;
};

} // namespace tallimax
