// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

namespace tallimax {

class TapeScrollBar;

// The list of the tape's lines. Keys it has no use for go on to the calculator, so typing goes on
// wherever the focus is.
//
// Every line is as wide as the list and as high as the others, so where a line is follows from
// its row alone: the list lays out nothing, and a line typed, changed or taken off costs the same
// however long the tape is. It is a QListView still, to assistive technology as to the desktop's
// style, but none of QListView's own layout is used: everything that would ask it is answered
// here from the row height.
class TapeView : public QListView
{
    Q_OBJECT

public:
    TapeView(QWidget &calculator, QWidget *parent);

    QRect visualRect(const QModelIndex &index) const override;
    QModelIndex indexAt(const QPoint &point) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

signals:
    void removeRequested();
    void useRequested();
    void copyRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    QSize viewportSizeHint() const override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;

    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
        const QList<int> &roles = {}) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(
        const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    int rowCount() const;
    // The scroll bar's range for this many lines.
    void fitScrollBar(int rows);
    int rowHeight() const;
    // The row at this height of the viewport: -1 above the first, rowCount() or more below the
    // last.
    int rowAtY(int y) const;
    // Pixels a step of the scroll bar is: a row when it scrolls by lines, else one.
    int scrollUnit() const;
    // How many lines the viewport shows whole, at least one.
    int pageRows() const;
    QModelIndex indexOfRow(int row) const;

    QWidget &m_calculator;
    TapeScrollBar *m_scrollBar = nullptr;
    // Measured once from a line, then again whenever the font or the style may change it.
    mutable int m_rowHeight = 0;
    // True while lines above those in view go: the scroll bar follows them, the viewport stays.
    bool m_keepingLines = false;
};

} // namespace tallimax
