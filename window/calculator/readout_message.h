// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>

#include <chrono>

namespace tallimax {

// A short message along the bottom of the readout that goes away by itself: why a paste typed
// nothing, or that there is nothing to take back. A child of the window, not a tooltip or a
// popup: it shows on every platform, Wayland included, and never takes the focus. Its text is
// its accessible name; the key typer tells screen readers of it.
class ReadoutMessage : public QLabel
{
    Q_OBJECT

public:
    ReadoutMessage(QLabel &readout, std::chrono::milliseconds duration);

    // Shows the text for the message's duration, from now.
    void say(const QString &text);

private:
    QLabel &m_readout;
    QTimer m_end;
};

} // namespace tallimax
