// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/access/accessibility.h"

#include "window/access/screen_reader_announcer.h"
#include "window/calculator/calculator_window.h"
#include "window/tape/tape_window.h"

#include <QCoreApplication>
#include <QLabel>

namespace tallimax {

namespace {

// A window of the program's own beside the calculator's, such as the tape: a window of the
// application, as the calculator's is, though it belongs to the calculator and goes with it.
class AccessibleSideWindow : public QAccessibleWidget
{
public:
    explicit AccessibleSideWindow(QWidget *window) : QAccessibleWidget(window, QAccessible::Window)
    { }

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    }
};

QAccessibleInterface *calculatorInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(CalculatorWindow::staticMetaObject.className())
        && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String(TapeWindow::staticMetaObject.className())
        && object->isWidgetType())
        return new AccessibleSideWindow(static_cast<QWidget *>(object));
    // Where Qt has no announcements, a window shows what it tells the screen reader as a
    // notification, which the screen reader speaks as it appears.
    if (object->isWidgetType()
        && object->objectName() == QLatin1String(ScreenReaderAnnouncer::NotificationName)) {
        const QWidget *window = static_cast<QWidget *>(object)->parentWidget();
        if (window != nullptr && window->isWindow())
            return new QAccessibleWidget(
                static_cast<QWidget *>(object), QAccessible::Notification);
    }
    auto *label = qobject_cast<QLabel *>(object);
    if (label != nullptr && qobject_cast<CalculatorWindow *>(label->parentWidget()) != nullptr)
        return new AccessibleLabel(label);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    // Removed first, so that the list of factories holds this one once however often it is called.
    QAccessible::removeFactory(calculatorInterface);
    QAccessible::installFactory(calculatorInterface);
}

AccessibleLabel::AccessibleLabel(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText)
{ }

QString AccessibleLabel::shownText() const
{
    return static_cast<const QLabel *>(object())->text();
}

QString AccessibleLabel::text(QAccessible::Text kind) const
{
    // A name set on the label would take the place of its text; the window sets none.
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
        return shownText();
    return QAccessibleWidget::text(kind);
}

QAccessible::State AccessibleLabel::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
}

void *AccessibleLabel::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleLabel::text(int startOffset, int endOffset) const
{
    return shownText().mid(startOffset, endOffset - startOffset);
}

int AccessibleLabel::characterCount() const
{
    return static_cast<int>(shownText().size());
}

int AccessibleLabel::cursorPosition() const
{
    return 0;
}

void AccessibleLabel::setCursorPosition(int /*position*/) { }

void AccessibleLabel::selection(int /*selectionIndex*/, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int AccessibleLabel::selectionCount() const
{
    return 0;
}

void AccessibleLabel::addSelection(int /*startOffset*/, int /*endOffset*/) { }

void AccessibleLabel::removeSelection(int /*selectionIndex*/) { }

void AccessibleLabel::setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/)
{ }

QString AccessibleLabel::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One run without attributes over the whole text.
    *startOffset = offset < 0 || offset > characterCount() ? -1 : 0;
    *endOffset = *startOffset < 0 ? -1 : characterCount();
    return {};
}

QRect AccessibleLabel::characterRect(int /*offset*/) const
{
    return {};
}

int AccessibleLabel::offsetAtPoint(const QPoint & /*point*/) const
{
    return -1;
}

void AccessibleLabel::scrollToSubstring(int /*startIndex*/, int /*endIndex*/) { }

} // namespace tallimax
