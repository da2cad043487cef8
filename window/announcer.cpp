// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/announcer.h"

#include <QAccessible>
#include <QWidget>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace tallimax {

ScreenReaderAnnouncer::ScreenReaderAnnouncer(QWidget &window) : m_window(window) { }

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void ScreenReaderAnnouncer::announce(const QString &text)
{
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    // Polite: said when the screen reader has finished what it is saying, not over it.
    QAccessibleAnnouncementEvent announcement(&m_window, text);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
}

#else

void ScreenReaderAnnouncer::announce(const QString &text)
{
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    if (m_notification == nullptr) {
        // Named before it joins the window, so that assistive technology, which may ask for it as
        // soon as it is there, knows it as a notification from the start.
        m_notification = new QWidget;
        m_notification->setObjectName(QLatin1String(NotificationName));
        m_notification->setParent(&m_window);
        // No size and nothing to draw: the window looks as before, and the pointer and the keys
        // never meet it.
        m_notification->setGeometry(0, 0, 0, 0);
        m_notification->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_notification->setFocusPolicy(Qt::NoFocus);
        m_notification->lower();
    }
    // A notification is spoken as it is shown, so each text shows it anew.
    m_notification->hide();
    m_notification->setAccessibleName(text);
    m_notification->show();
}

#endif

} // namespace tallimax
