// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/access/screen_reader_announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace tallimax {

ScreenReaderAnnouncer::ScreenReaderAnnouncer(QWidget &window) : m_window(window) { }

// Said in the window the user is in, the calculator's or one of its own, such as the tape: a
// screen reader speaks what the active window says.
QWidget &ScreenReaderAnnouncer::speaker() const
{
    QWidget *active = QApplication::activeWindow();
    const bool ours = active != nullptr
        && (active == &m_window || active->parentWidget() == &m_window);
    return ours ? *active : m_window;
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void ScreenReaderAnnouncer::announce(const QString &text)
{
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    // Polite: said when the screen reader has finished what it is saying, not over it.
    QAccessibleAnnouncementEvent announcement(&speaker(), text);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
}

#else

void ScreenReaderAnnouncer::announce(const QString &text)
{
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    QWidget &window = speaker();
    const QLatin1String name(NotificationName);
    auto *notification = window.findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
    if (notification == nullptr) {
        // Named before it joins the window, so that assistive technology, which may ask for it as
        // soon as it is there, knows it as a notification from the start.
        notification = new QWidget;
        notification->setObjectName(name);
        notification->setParent(&window);
        // No size and nothing to draw: the window looks as before, and the pointer and the keys
        // never meet it.
        notification->setGeometry(0, 0, 0, 0);
        notification->setAttribute(Qt::WA_TransparentForMouseEvents);
        notification->setFocusPolicy(Qt::NoFocus);
        notification->lower();
    }
    // A notification is spoken as it is shown, so each text shows it anew.
    notification->hide();
    notification->setAccessibleName(text);
    notification->show();
}

#endif

} // namespace tallimax
