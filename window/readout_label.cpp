// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/readout_label.h"

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
    if (metrics.horizontalAdvance(text()) <= room.width()) {
        QLabel::paintEvent(event);
        return;
    }
    // A minus sign stays in front: the ellipsis stands for hidden digits, never for the sign.
    const QString sign = text().startsWith(u'-') ? QStringLiteral("-") : QString();
    const QString digits = text().mid(sign.size());
    const QString shown = sign
        + metrics.elidedText(digits, Qt::ElideLeft, room.width() - metrics.horizontalAdvance(sign));

    QPainter painter(this);
    drawFrame(&painter);
    style()->drawItemText(&painter, room, static_cast<int>(alignment()), palette(), isEnabled(),
        shown, foregroundRole());
}

} // namespace tallimax
