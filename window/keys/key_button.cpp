// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keys/key_button.h"

#include "window/keys/keyboard.h"

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

// Drawn as QPushButton draws itself, pressed while flashing. A painter takes the application's
// direction, not the key's: in a right-to-left language the style would set the caption of the
// key with a picture (RESET ALL) at the far side of the key, away from its picture.
void KeyButton::paintEvent(QPaintEvent * /*event*/)
{
    QStylePainter painter(this);
    painter.setLayoutDirection(layoutDirection());
    QStyleOptionButton option;
    initStyleOption(&option);
    if (m_flashing) {
        option.state |= QStyle::State_Sunken;
        option.state &= ~QStyle::State_Raised;
    }
    painter.drawControl(QStyle::CE_PushButton, option);
}

} // namespace tallimax
