// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keyboard.h"

#include "engine/calculator.h"

#include <string_view>

namespace tallimax::keyboard {

namespace {

// The operator key with this caption; operators are known by caption, as the engine knows them.
constexpr KeyTarget operatorKey(std::string_view caption)
{
    std::int16_t index = 0;
    while (static_cast<std::size_t>(index) < OperatorCaptions.size()
        && OperatorCaptions.at(static_cast<std::size_t>(index)) != caption)
        ++index;
    return { layout::Control::Operator, index };
}

} // namespace

std::optional<KeyTarget> keyTargetOf(const QKeyEvent &event)
{
    // Shift stays allowed: "+", "*" and "X" need it on many layouts, and so do the digits on some.
    // A key held with Ctrl, Alt or Meta is a command for someone else, never a calculator key.
    if ((event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
        return std::nullopt;

    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keyTargetOf(static_cast<char>('0' + (key - Qt::Key_0)));

    switch (key) {
    // Both marks press the one decimal-point key; the engine types the locale's separator.
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return keyTargetOf('.');
    case Qt::Key_Plus:
        return keyTargetOf('+');
    case Qt::Key_Minus:
        return keyTargetOf('-');
    case Qt::Key_Asterisk:
    case Qt::Key_X:
        return keyTargetOf('X');
    case Qt::Key_Slash:
        return keyTargetOf('/');
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Equal:
        return keyTargetOf('=');
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return KeyTarget{ layout::Control::Reset, -1 };
    default:
        break;
    }
    return std::nullopt;
}

std::optional<KeyTarget> keyTargetOf(char caption)
{
    if (caption >= '0' && caption <= '9')
        return KeyTarget{ layout::Control::Number, static_cast<std::int16_t>(caption - '0') };
    if (caption == '.')
        return KeyTarget{ layout::Control::Decimal, -1 };
    const KeyTarget target = operatorKey(std::string_view(&caption, 1));
    if (static_cast<std::size_t>(target.index) < OperatorCaptions.size())
        return target;
    return std::nullopt;
}

} // namespace tallimax::keyboard
