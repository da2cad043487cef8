// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>

#include <chrono>

namespace tallimax {

// A short message that goes away by itself after a while: why a paste typed nothing, that there
// is nothing to take back, why a correction was refused. It shows wherever it is put, by the
// readout or under the tape, each saying the same words for as long.
class TimedMessage : public QLabel
{
    Q_OBJECT

public:
    // How long a message stays: long enough to read twice.
    static constexpr std::chrono::milliseconds Duration{ 5000 };

    explicit TimedMessage(QWidget *parent, std::chrono::milliseconds duration = Duration);

    // Shows the text for the message's duration, from now; an empty text hides the message.
    void say(const QString &text);

protected:
    // Puts the message where it shows, just before it does.
    virtual void place() { }

private:
    QTimer m_end;
};

} // namespace tallimax
