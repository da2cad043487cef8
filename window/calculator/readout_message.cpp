// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculator/readout_message.h"

#include <QGuiApplication>

namespace tallimax {

ReadoutMessage::ReadoutMessage(QLabel &readout, std::chrono::milliseconds duration)
    : QLabel(readout.parentWidget()), m_readout(readout)
{
    setObjectName(QStringLiteral("ReadoutMessage"));
    // Its words are in the user's language and read in its direction, right to left in Arabic,
    // although the window around it keeps left to right.
    setLayoutDirection(QGuiApplication::layoutDirection());
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(2);
    // The pointer over the message is over the readout, and colours it as the readout.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();

    m_end.setSingleShot(true);
    m_end.setInterval(duration);
    connect(&m_end, &QTimer::timeout, this, &QWidget::hide);
}

void ReadoutMessage::say(const QString &text)
{
    setText(text);
    setAccessibleName(text);
    // Along the bottom of the readout, clear of the digits, which sit in its middle.
    const QRect readout = m_readout.geometry().adjusted(4, 4, -4, -4);
    const int height = heightForWidth(readout.width());
    setGeometry(readout.left(), readout.bottom() + 1 - height, readout.width(), height);
    show();
    raise();
    m_end.start();
}

} // namespace tallimax
