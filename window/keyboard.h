// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/layout.h"

#include <QKeyEvent>

#include <cstdint>
#include <optional>

namespace tallimax::keyboard {

// An on-screen key: which control, and its index in the Number or Operator array (-1 otherwise).
struct KeyTarget
{
    layout::Control control;
    std::int16_t index;

    friend bool operator==(const KeyTarget &, const KeyTarget &) = default;
};

// The on-screen key that a key of the keyboard presses, or nothing for a key the calculator does
// not take. The main row and the keypad press the same keys.
std::optional<KeyTarget> keyTargetOf(const QKeyEvent &event);

// The on-screen key with this caption: a digit, ".", or an operator ("/", "+", "X", "-", "=").
std::optional<KeyTarget> keyTargetOf(char caption);

} // namespace tallimax::keyboard
