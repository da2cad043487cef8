// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keys/keyboard.h"

#include "engine/calculator.h"
#include "window/calculator/layout.h"

#include <QLocale>

namespace tallimax::keyboard {

std::optional<std::string_view> captionOf(const QKeyEvent &event)
{
    // Shift stays allowed: "+", "*" and "X" need it on many layouts, and so do the digits on some.
    // A key held with Ctrl, Alt or Meta is a command for someone else, never a calculator key.
    if ((event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
        return std::nullopt;

    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return NumberCaptions.at(static_cast<std::size_t>(key - Qt::Key_0));

    // Operators are named by their captions, as the engine knows them.
    switch (key) {
    // Both marks press the one decimal-point key; the engine types the locale's separator.
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return layout::DecimalCaption;
    case Qt::Key_Slash:
        return OperatorCaptions[0];
    case Qt::Key_Plus:
        return OperatorCaptions[1];
    case Qt::Key_Asterisk:
    case Qt::Key_X:
        return OperatorCaptions[2];
    case Qt::Key_Minus:
        return OperatorCaptions[3];
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Equal:
        return OperatorCaptions[4];
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return layout::ResetCaption;
    default:
        break;
    }
    return std::nullopt;
}

std::string systemDecimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? std::string(".") : point.toStdString();
}

std::string systemGroupSeparator()
{
    return QLocale::system().groupSeparator().toStdString();
}

QList<QKeySequence> shortcuts(QKeySequence::StandardKey standard, const QList<QKeySequence> &more)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence &key : more) {
        if (!keys.contains(key))
            keys << key;
    }
    return keys;
}

} // namespace tallimax::keyboard
