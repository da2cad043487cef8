// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tallimax {

// Tells a screen reader a short text, such as what a step did, without moving the focus. The
// readout and the action panel are labels, which take no focus, and screen readers speak a label's
// changes only when it has the focus: without this, a blind user would hear no result.
class Announcer
{
public:
    virtual ~Announcer() = default;
    virtual void announce(const QString &text) = 0;
};

} // namespace tallimax
