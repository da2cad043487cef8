// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tape/tape_delegate.h"

#include "window/tape/line_editor.h"
#include "window/tape/tape_model.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace tallimax {

namespace {

// The four columns of a line: the number and the result share what the operator leaves with the
// note, which has a quarter of it.
struct Columns
{
    QRect number;
    QRect op;
    QRect result;
    QRect note;
};

Columns columnsOf(const QRect &rect, const QFontMetrics &metrics)
{
    const int margin = metrics.horizontalAdvance(QLatin1Char('0'));
    const int opWidth = 3 * margin;
    const QRect inner = rect.adjusted(margin / 2, 0, -margin / 2, 0);
    const int shared = inner.width() - opWidth;
    const int numberWidth = shared * 3 / 8;
    const int noteWidth = shared - 2 * numberWidth;
    const int top = inner.top();
    const int height = inner.height();
    int left = inner.left();
    const auto next = [&](int width) {
        const QRect column(left, top, width, height);
        left += width;
        return column;
    };
    const QRect number = next(numberWidth);
    const QRect op = next(opWidth);
    const QRect result = next(numberWidth);
    // The note keeps a little room from the result, whose digits end at its right edge.
    return { number, op, result, next(noteWidth).adjusted(margin, 0, 0, 0) };
}

} // namespace

void TapeDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // The background, selection and focus as the desktop's style draws an item, without its text.
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget != nullptr ? widget->style() : nullptr;
    if (style != nullptr)
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    painter->save();
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->setPen(option.palette.color(
        option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
        selected ? QPalette::HighlightedText : QPalette::Text));
    // Numbers and their columns read left to right, in Arabic and Persian too.
    painter->setLayoutDirection(Qt::LeftToRight);
    const QRect &rect = option.rect;
    const Columns columns = columnsOf(rect, option.fontMetrics);
    const auto drawCut = [&](const QRect &where, const QString &text, Qt::TextElideMode elide,
                             Qt::Alignment align) {
        const QString shown = painter->fontMetrics().elidedText(text, elide, where.width());
        painter->drawText(where, static_cast<int>(align | Qt::AlignVCenter), shown);
    };
    // A note starts where its own words start: at the left, or at the right in Arabic.
    const QString note = index.data(TapeModel::NoteRole).toString();
    if (!note.isEmpty()) {
        painter->save();
        painter->setLayoutDirection(note.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        drawCut(columns.note, note, Qt::ElideRight, Qt::AlignLeft);
        painter->restore();
    }
    if (index.data(TapeModel::BreakRole).toBool()) {
        QPen pen = painter->pen();
        pen.setStyle(Qt::DashLine);
        painter->setPen(pen);
        const int y = rect.center().y();
        painter->drawLine(
            rect.left() + 4, y, note.isEmpty() ? rect.right() - 4 : columns.result.right(), y);
        painter->restore();
        return;
    }
    // A long number keeps its last digits in view, as the readout does; the tooltip, Copy and
    // the editor show it whole.
    drawCut(columns.number, index.data(TapeModel::NumberRole).toString(), Qt::ElideLeft,
        Qt::AlignRight);
    drawCut(columns.op, index.data(TapeModel::OperatorRole).toString(), Qt::ElideNone,
        Qt::AlignHCenter);
    if (index.data(TapeModel::TotalRole).toBool()) {
        // An adding machine sets a total apart: a rule above it, and bold.
        const int y = rect.top() + 1;
        painter->drawLine(
            columns.result.left() + columns.result.width() / 4, y, columns.result.right(), y);
        QFont bold = painter->font();
        bold.setBold(true);
        painter->setFont(bold);
    }
    const QString message = index.data(TapeModel::MessageRole).toString();
    if (message.isEmpty())
        drawCut(columns.result, index.data(TapeModel::ResultRole).toString(), Qt::ElideLeft,
            Qt::AlignRight);
    else
        drawCut(columns.result, message, Qt::ElideRight, Qt::AlignRight);
    painter->restore();
}

QSize TapeDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // As wide as the list, whatever the line's texts: the columns share that width, and a long
    // number or message is cut rather than scrolled out of view.
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    return { 0, std::max(size.height(), option.fontMetrics.height() + 6) };
}

QWidget *TapeDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem & /*option*/, const QModelIndex &index) const
{
    if (index.data(TapeModel::BreakRole).toBool())
        return nullptr;
    return new LineEditor(index.data(TapeModel::OperatorRole).toString().isEmpty(), parent);
}

void TapeDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const auto *line = static_cast<LineEditor *>(editor);
    line->number().setText(index.data(TapeModel::NumberRole).toString());
    line->number().selectAll();
    line->op().setCurrentText(index.data(TapeModel::OperatorRole).toString());
    line->note().setText(index.data(TapeModel::NoteRole).toString());
}

// Keeping an edit hands the number and operator to the model, and then the note: each that
// changed is a step of its own, one that changed nothing is none, and a refused correction keeps
// the note as it was too.
void TapeDelegate::setModelData(
    QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const auto *line = static_cast<LineEditor *>(editor);
    const QPersistentModelIndex kept(index);
    const bool corrected = model->setData(
        index, QStringList{ line->number().text(), line->op().currentText() }, Qt::EditRole);
    if (corrected && kept.isValid())
        model->setData(kept, line->note().text(), TapeModel::NoteRole);
}

void TapeDelegate::updateEditorGeometry(
    QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex & /*index*/) const
{
    editor->setGeometry(option.rect);
}

} // namespace tallimax
