// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculator/readout_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace tallimax {

void ReadoutLabel::paintEvent(QPaintEvent *event)
{
    // The room for the text: inside the frame, with the indent kept free on both sides.
    const int indent = std::max(QLabel::indent(), 0);
    const QRect room = contentsRect().adjusted(indent, 0, -indent, 0);
    const QFontMetrics metrics = fontMetrics();
    // A minus sign stays in front: the ellipsis stands for hidden digits, never for the sign.
    const QString &whole = text();
    const QString sign = whole.startsWith(u'-') ? QStringLiteral("-") : QString();
    // Every character is at least a pixel wide, so no more of the digits' end than the room has
    // pixels can ever show: only that much is measured, and a number thousands of digits long
    // draws as quickly as a short one.
    const QString digits = whole.mid(sign.size()).right(room.width() + 1);
    if (digits.size() + sign.size() == whole.size()
        && metrics.horizontalAdvance(whole) <= room.width()) {
        QLabel::paintEvent(event);
        return;
    }
    const QString shown = sign
        + metrics.elidedText(digits, Qt::ElideLeft, room.width() - metrics.horizontalAdvance(sign));

    QPainter painter(this);
    // The readout's direction, not the application's: the digits stay at its right edge in a
    // right-to-left language too.
    painter.setLayoutDirection(layoutDirection());
    drawFrame(&painter);
    style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(),
        shown, foregroundRole());
}

} // namespace tallimax
