// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/access/announcer.h"

#include <QMetaObject>
#include <QStringList>
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
    bool isOurs(const QWidget *window) const;
    // Says it now, in the window the user is in.
    void say(const QString &text);
    void sayWaiting();

    // The calculator's window. The notification, where Qt has no announcements, is made in a
    // window by its first announcement, as only screen reader users need it.
    QWidget &m_window;
    // Said once a dialog of another window's, such as a file dialog, has given the keys back.
    QStringList m_waiting;
    QMetaObject::Connection m_focusBack;
};

} // namespace tallimax
