// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculator/readout_message.h"

#include <QGuiApplication>

namespace tallimax {

ReadoutMessage::ReadoutMessage(QLabel &readout, std::chrono::milliseconds duration)
    : TimedMessage(readout.parentWidget(), duration), m_readout(readout)
{
    setObjectName(QStringLiteral("ReadoutMessage"));
    // Its words are in the user's language and read in its direction, right to left in Arabic,
    // although the window around it keeps left to right.
    setLayoutDirection(QGuiApplication::layoutDirection());
    setTextFormat(Qt::PlainText);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(2);
    // The pointer over the message is over the readout, and colours it as the readout.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

// Along the bottom of the readout, clear of the digits, which sit in its middle.
void ReadoutMessage::place()
{
    setAccessibleName(text());
    const QRect readout = m_readout.geometry().adjusted(4, 4, -4, -4);
    const int height = heightForWidth(readout.width());
    setGeometry(readout.left(), readout.bottom() + 1 - height, readout.width(), height);
}

} // namespace tallimax
