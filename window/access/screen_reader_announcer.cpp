// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/access/screen_reader_announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

#include <chrono>
#include <utility>

namespace tallimax {

namespace {

constexpr std::chrono::milliseconds WaitAfterFocus{ 300 };
constexpr std::chrono::milliseconds WaitAtMost{ 1500 };

} // namespace

ScreenReaderAnnouncer::ScreenReaderAnnouncer(QWidget &window) : m_window(window) { }

// Said in the window the user is in, the calculator's or one of its own, such as the tape: a
// screen reader speaks what the active window says.
bool ScreenReaderAnnouncer::isOurs(const QWidget *window) const
{
    return window == &m_window || window->parentWidget() == &m_window;
}

QWidget &ScreenReaderAnnouncer::speaker() const
{
    QWidget *active = QApplication::activeWindow();
    return active != nullptr && isOurs(active) ? *active : m_window;
}

// What a dialog of the tape's led to (a file saved, a tape opened) is known while the dialog still
// holds the keys, and a screen reader would not hear it there, nor in a window without them: it
// waits until one of Tallimax's own windows has the keys again, or a second and a half at most.
void ScreenReaderAnnouncer::announce(const QString &text)
{
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    const QWidget *active = QApplication::activeWindow();
    if (active == nullptr || isOurs(active)) {
        say(text);
        return;
    }
    m_waiting << text;
    if (m_focusBack)
        return;
    // The screen reader first follows the keys to the window and says where they are: the news
    // comes a moment later, once it knows that window for the active one.
    m_focusBack = QObject::connect(qApp, &QApplication::focusChanged, &m_window, [this] {
        const QWidget *now = QApplication::activeWindow();
        if (now != nullptr && isOurs(now))
            QTimer::singleShot(WaitAfterFocus, &m_window, [this] { sayWaiting(); });
    });
    QTimer::singleShot(WaitAtMost, &m_window, [this] { sayWaiting(); });
}

void ScreenReaderAnnouncer::sayWaiting()
{
    if (m_waiting.isEmpty())
        return;
    QObject::disconnect(m_focusBack);
    m_focusBack = {};
    const QStringList waiting = std::exchange(m_waiting, {});
    for (const QString &text : waiting)
        say(text);
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void ScreenReaderAnnouncer::say(const QString &text)
{
    // Polite: said when the screen reader has finished what it is saying, not over it.
    QAccessibleAnnouncementEvent announcement(&speaker(), text);
    announcement.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&announcement);
}

#else

void ScreenReaderAnnouncer::say(const QString &text)
{
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
