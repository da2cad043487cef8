// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

class QLabel;

namespace tallimax {

// Has assistive technology see the calculator window as an application window (a frame, to
// AT-SPI) named by its caption, and the window's own labels as AccessibleLabel. Qt would present
// a plain top-level widget as a mere client area. Other labels, such as the warning box's, stay as
// Qt presents them. Called once before the window is shown; safe to call again.
void installAccessibleInterfaces();

// A label of the calculator window as assistive technology sees it: static text named by its
// current text, as Qt presents a label, and that text offered through the text interface as well,
// which a screen reader's review mode and testing tools read (Qt's own label offers none). The
// text is read from the label at every request, so it is always the one shown.
class AccessibleLabel : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleLabel(QLabel *label);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // The text interface: the whole text, read only, with no cursor and no selection.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

private:
    QString shownText() const;
};

} // namespace tallimax
