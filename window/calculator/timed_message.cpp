// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculator/timed_message.h"

namespace tallimax {

TimedMessage::TimedMessage(QWidget *parent, std::chrono::milliseconds duration) : QLabel(parent)
{
    setWordWrap(true);
    hide();
    m_end.setSingleShot(true);
    m_end.setInterval(duration);
    connect(&m_end, &QTimer::timeout, this, &QWidget::hide);
}

void TimedMessage::say(const QString &text)
{
    if (text.isEmpty()) {
        hide();
        return;
    }
    setText(text);
    place();
    show();
    raise();
    m_end.start();
}

} // namespace tallimax
