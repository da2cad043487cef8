// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/calculator/timed_message.h"

#include <chrono>

namespace tallimax {

// The timed message along the bottom of the readout. A child of the window, not a tooltip or a
// popup: it shows on every platform, Wayland included, and never takes the focus. Its text is its
// accessible name; the key typer tells screen readers of it.
class ReadoutMessage : public TimedMessage
{
    Q_OBJECT

public:
    explicit ReadoutMessage(QLabel &readout, std::chrono::milliseconds duration = Duration);

protected:
    void place() override;

private:
    QLabel &m_readout;
};

} // namespace tallimax
