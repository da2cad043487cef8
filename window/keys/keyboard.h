// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>
#include <QKeySequence>
#include <QList>

#include <optional>
#include <string>
#include <string_view>

namespace tallimax::keyboard {

// The caption of the on-screen key that a key of the keyboard presses, or nothing for a key the
// calculator does not take. The main row and the keypad press the same keys.
std::optional<std::string_view> captionOf(const QKeyEvent &event);

// The platform's keys for a standard action, and these too where the platform has none of them,
// so that the keys the menus name work on every desktop.
QList<QKeySequence> shortcuts(QKeySequence::StandardKey standard, const QList<QKeySequence> &more);

// The user's decimal separator, read from the locale at every use; "." when it gives none.
std::string systemDecimalSeparator();

// The user's digit group separator; none where the locale gives none.
std::string systemGroupSeparator();

} // namespace tallimax::keyboard
