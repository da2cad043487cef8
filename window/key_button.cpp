// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/key_button.h"

#include "window/keyboard.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tallimax {

void KeyButton::clickFromKeyboard()
{
    // QAbstractButton::click() would also end a press the user is holding on this key, so its
    // release would then click nothing.
    Q_EMIT clicked();
}

void KeyButton::setFlashing(bool flashing)
{
    if (m_flashing == flashing)
        return;
    m_flashing = flashing;
    update();
}

// Keys that press an on-screen key belong to the window, whatever the focused key's state: a push
// button takes Escape for itself while it is down.
void KeyButton::keyPressEvent(QKeyEvent *event)
{
    if (keyboard::captionOf(*event)) {
        event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void KeyButton::paintEvent(QPaintEvent *event)
{
    if (!m_flashing) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state |= QStyle::State_Sunken;
    option.state &= ~QStyle::State_Raised;
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace tallimax
