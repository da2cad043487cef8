// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/access/announcer.h"

#include <QtGlobal>

class QWidget;

namespace tallimax {

// Says it the way the platform's accessibility offers. Qt 6.8 has announcements, which the
// screen reader speaks politely, after its own echo of the key. Older Qt has none: there a
// notification, an object the screen reader speaks when it is shown, appears in the window with
// the text as its name; it has no size and draws nothing. Nothing is sent while no assistive
// technology listens. Each is said in whichever of the program's windows the user is in.
class ScreenReaderAnnouncer : public Announcer
{
public:
    explicit ScreenReaderAnnouncer(QWidget &window);

    void announce(const QString &text) override;

    // The object name of the notification shown where Qt has no announcements.
    static constexpr const char *NotificationName = "Announcement";

private:
    QWidget &speaker() const;

    // The calculator's window. The notification, where Qt has no announcements, is made in a
    // window by its first announcement, as only screen reader users need it.
    QWidget &m_window;
};

} // namespace tallimax
