// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tape/tape_view.h"

#include "window/keys/keyboard.h"
#include "window/tape/tape_scroll_bar.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace tallimax {

TapeView::TapeView(QWidget &calculator, QWidget *parent)
    : QListView(parent), m_calculator(calculator)
{
    setUniformItemSizes(true);
    // The list hears of its new scroll bar's moves as of the one it replaces.
    m_scrollBar = new TapeScrollBar(this);
    setVerticalScrollBar(m_scrollBar);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &TapeView::verticalScrollbarValueChanged);
    connect(m_scrollBar, &QScrollBar::actionTriggered, this, &TapeView::verticalScrollbarAction);
}

int TapeView::rowCount() const
{
    return model() != nullptr ? model()->rowCount(rootIndex()) : 0;
}

QModelIndex TapeView::indexOfRow(int row) const
{
    return model()->index(row, modelColumn(), rootIndex());
}

// The height the delegate asks of a line; the last line is measured, as QListView measures one
// for items all of a size, and only once, as a long line takes a while to measure.
int TapeView::rowHeight() const
{
    if (m_rowHeight > 0)
        return m_rowHeight;
    const int rows = rowCount();
    if (rows == 0 || itemDelegate() == nullptr)
        return std::max(1, fontMetrics().height());
    const QModelIndex sample = indexOfRow(rows - 1);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    m_rowHeight = std::max(1, itemDelegateForIndex(sample)->sizeHint(option, sample).height());
    return m_rowHeight;
}

int TapeView::rowAtY(int y) const
{
    const int contentY = y + verticalOffset();
    return contentY < 0 ? -1 : contentY / rowHeight();
}

int TapeView::scrollUnit() const
{
    return verticalScrollMode() == ScrollPerItem ? rowHeight() : 1;
}

int TapeView::pageRows() const
{
    return std::max(1, viewport()->height() / rowHeight());
}

QRect TapeView::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex()
        || index.column() != modelColumn())
        return {};
    const int height = rowHeight();
    return { 0, index.row() * height - verticalOffset(), viewport()->width(), height };
}

QModelIndex TapeView::indexAt(const QPoint &point) const
{
    const int row = rowAtY(point.y());
    if (point.x() < 0 || point.x() >= viewport()->width() || row < 0 || row >= rowCount())
        return {};
    return indexOfRow(row);
}

int TapeView::horizontalOffset() const
{
    return 0;
}

int TapeView::verticalOffset() const
{
    return verticalScrollBar()->value() * scrollUnit();
}

void TapeView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid() || index.parent() != rootIndex())
        return;
    QScrollBar *bar = verticalScrollBar();
    // In steps of the scroll bar: the line's top, and how many steps the viewport shows.
    const int unit = scrollUnit();
    const int top = index.row() * rowHeight() / unit;
    const int line = rowHeight() / unit;
    const int page = verticalScrollMode() == ScrollPerItem ? pageRows() : viewport()->height();
    int value = bar->value();
    switch (hint) {
    case EnsureVisible:
        if (top < value)
            value = top;
        else if (top + line > value + page)
            value = top + line - page;
        break;
    case PositionAtTop:
        value = top;
        break;
    case PositionAtBottom:
        value = top + line - page;
        break;
    case PositionAtCenter:
        value = top - (page - line) / 2;
        break;
    }
    bar->setValue(value);
}

// Nothing to lay out: a new font or style may change the height of a line, which is measured
// again, and the scroll bar follows.
void TapeView::doItemsLayout()
{
    m_rowHeight = 0;
    QAbstractItemView::doItemsLayout();
}

void TapeView::updateGeometries()
{
    fitScrollBar(rowCount());
    QAbstractItemView::updateGeometries();
}

void TapeView::fitScrollBar(int rows)
{
    horizontalScrollBar()->setRange(0, 0);
    QScrollBar *bar = verticalScrollBar();
    if (verticalScrollMode() == ScrollPerItem) {
        const int page = pageRows();
        bar->setSingleStep(1);
        bar->setPageStep(page);
        bar->setRange(0, std::max(0, rows - page));
    } else {
        const int height = viewport()->height();
        bar->setSingleStep(rowHeight());
        bar->setPageStep(height);
        bar->setRange(0, std::max(0, rows * rowHeight() - height));
    }
}

QSize TapeView::viewportSizeHint() const
{
    return { viewport()->width(), rowCount() * rowHeight() };
}

// A wider or narrower list changes no line's height: the scroll bar follows, nothing is laid out.
void TapeView::resizeEvent(QResizeEvent *event)
{
    QAbstractItemView::resizeEvent(event);
}

void TapeView::scrollContentsBy(int dx, int dy)
{
    // The scroll bar moved with the lines, which stay where they are in the viewport.
    if (m_keepingLines)
        return;
    viewport()->scroll(dx, dy * scrollUnit());
}

// Draws the lines in the region to paint, each as QListView would: selected, current and focused,
// hovered. Only the lines that cross the region are drawn: after a scroll, the strip scrolled into
// view and a line changed elsewhere are two bands, and the lines between them are already drawn.
void TapeView::paintEvent(QPaintEvent *event)
{
    const int rows = rowCount();
    if (rows == 0 || itemDelegate() == nullptr)
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QPainter painter(viewport());
    const QModelIndex current = currentIndex();
    const QModelIndex hover = viewport()->underMouse()
        ? indexAt(viewport()->mapFromGlobal(QCursor::pos()))
        : QModelIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QStyle::State state = option.state;
    const bool enabled = (state & QStyle::State_Enabled) != 0;
    const QItemSelectionModel *selections = selectionModel();
    const auto paintRow = [&](int row) {
        const QModelIndex index = indexOfRow(row);
        option.rect = visualRect(index);
        option.state = state;
        if (selections != nullptr && selections->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool itemEnabled = (model()->flags(index) & Qt::ItemIsEnabled) != 0;
            if (!itemEnabled)
                option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(
                itemEnabled ? QPalette::Normal : QPalette::Disabled);
        }
        // No style has read State_Editing since Qt 5, and Qt 6.11 deprecates it: not set.
        if (focus && index == current)
            option.state |= QStyle::State_HasFocus;
        if (index == hover)
            option.state |= QStyle::State_MouseOver;
        else
            option.state &= ~QStyle::State_MouseOver;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    };
    // The region's rectangles come top to bottom, so a line two of them cross is drawn once.
    int drawn = -1;
    for (const QRect &area : event->region()) {
        const int last = std::min(rows - 1, rowAtY(area.bottom()));
        for (int row = std::max({ 0, drawn + 1, rowAtY(area.top()) }); row <= last; ++row)
            paintRow(row);
        drawn = std::max(drawn, last);
    }
}

// The keys move as in QListView: a line up or down, a page less a line, the first or last line.
QModelIndex TapeView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers /*modifiers*/)
{
    const int rows = rowCount();
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return indexOfRow(0);
    const int height = rowHeight();
    const int top = current.row() * height;
    const int view = viewport()->height();
    int row = current.row();
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        row = std::max(0, row - 1);
        break;
    case MoveDown:
    case MoveNext:
        row = std::min(rows - 1, row + 1);
        break;
    case MovePageUp:
        row = std::max(
            0, std::min(row - 1, (std::max(0, top - view + height) + height - 1) / height));
        break;
    case MovePageDown:
        row = std::min(rows - 1,
            std::max(row + 1, std::min(top + view - height, rows * height - height + 1) / height));
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = rows - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return indexOfRow(row);
}

// A click selects the line under it; a drag, the lines it crosses; Shift with a key or a click,
// the lines from one to the other.
void TapeView::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (selectionModel() == nullptr)
        return;
    const int rows = rowCount();
    int first = rowAtY(rect.top());
    int last = rowAtY(rect.bottom());
    if (first > last)
        std::swap(first, last);
    if (state() == DragSelectingState) {
        first = std::max(first, 0);
        last = std::min(last, rows - 1);
    }
    QItemSelection selection;
    if (first >= 0 && last < rows && first <= last)
        selection.select(indexOfRow(first), indexOfRow(last));
    selectionModel()->select(selection, command);
}

QRegion TapeView::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    const int height = rowHeight();
    const QRect view = viewport()->rect();
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid() || range.parent() != rootIndex())
            continue;
        const QRect lines(0, range.top() * height - verticalOffset(), view.width(),
            (range.bottom() - range.top() + 1) * height);
        region += lines.intersected(view);
    }
    return region;
}

void TapeView::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (state() != EditingState) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (currentIndex().isValid())
                edit(currentIndex());
            return;
        }
        if (key == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
            emit removeRequested();
            return;
        }
        if (key == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
            emit useRequested();
            return;
        }
        if (event->matches(QKeySequence::Copy)) {
            emit copyRequested();
            return;
        }
        // The calculator's keys type there, as if its window had the focus.
        if (keyboard::captionOf(*event)) {
            QCoreApplication::sendEvent(&m_calculator, event);
            return;
        }
    }
    QListView::keyPressEvent(event);
}

// A line that changes moves no other: it is only drawn again. Of lines that change together only
// those in view are, found from their rows: QAbstractItemView would measure every line of the
// range, and a correction near the top of a long tape changes every line after it.
void TapeView::dataChanged(
    const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    if (topLeft == bottomRight || !topLeft.isValid() || !bottomRight.isValid()
        || topLeft.parent() != rootIndex()) {
        QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    // The line being edited shows what it holds now, as in any view.
    const QModelIndex current = currentIndex();
    if (current.row() >= topLeft.row() && current.row() <= bottomRight.row()) {
        if (QWidget *editor = indexWidget(current))
            itemDelegateForIndex(current)->setEditorData(editor, current);
    }
    const int first = std::max(topLeft.row(), rowAtY(0));
    const int last = std::min(bottomRight.row(), rowAtY(viewport()->height() - 1));
    if (isVisible() && first <= last) {
        const int top = visualRect(indexOfRow(first)).top();
        viewport()->update(0, top, viewport()->width(), (last - first + 1) * rowHeight());
    }
#if QT_CONFIG(accessibility)
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
        event.setFirstRow(topLeft.row());
        event.setFirstColumn(topLeft.column());
        event.setLastRow(bottomRight.row());
        event.setLastColumn(bottomRight.column());
        QAccessible::updateAccessibility(&event);
    }
#endif
}

// New lines move only those after them, which are drawn again; the scroll bar grows. New lines
// come at the end: the list follows them while its end is in view, scrolling before it marks them
// to be drawn, so that the lines already drawn are moved, not drawn again.
void TapeView::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    if (parent != rootIndex())
        return;
    QScrollBar *bar = verticalScrollBar();
    const bool follow = isVisible() && bar->value() >= bar->maximum() - rowHeight() / scrollUnit();
    m_scrollBar->change([&] {
        fitScrollBar(rowCount());
        if (follow)
            bar->setValue(bar->maximum());
    });
    const QRect from = visualRect(indexOfRow(start));
    viewport()->update(0, from.top(), viewport()->width(), viewport()->height() - from.top());
}

// The lines going take their editors and the current line with them, as in any view. Lines going
// above those in view leave them where they are; those after lines going in view move up and are
// drawn again. The scroll bar shrinks.
void TapeView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    if (parent != rootIndex())
        return;
    QScrollBar *bar = verticalScrollBar();
    const int topRow = std::max(0, rowAtY(0));
    const int above = std::max(0, std::min(end + 1, topRow) - start);
    const int value = bar->value() - above * rowHeight() / scrollUnit();
    m_keepingLines = true;
    m_scrollBar->change([&] {
        fitScrollBar(rowCount() - (end - start + 1));
        bar->setValue(value);
    });
    m_keepingLines = false;
    if (end >= topRow) {
        const int top = std::max(0, visualRect(indexOfRow(std::max(start, topRow))).top());
        viewport()->update(0, top, viewport()->width(), viewport()->height() - top);
    }
}

// Assistive technology hears of the line that became current, or was selected, by its row: every
// row is a line of the list.
void TapeView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
#if QT_CONFIG(accessibility)
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(current.row());
        QAccessible::updateAccessibility(&event);
    }
#endif
    QAbstractItemView::currentChanged(current, previous);
}

void TapeView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
#if QT_CONFIG(accessibility)
    if (QAccessible::isActive()) {
        const auto tell = [this](const QItemSelection &lines, QAccessible::Event change) {
            if (lines.isEmpty() || !lines.first().isValid())
                return;
            const QModelIndex first = lines.first().topLeft();
            QAccessibleEvent event(this, change);
            event.setChild(first.row());
            QAccessible::updateAccessibility(&event);
        };
        tell(selected, QAccessible::SelectionAdd);
        tell(deselected, QAccessible::SelectionRemove);
    }
#endif
    QAbstractItemView::selectionChanged(selected, deselected);
}

} // namespace tallimax
