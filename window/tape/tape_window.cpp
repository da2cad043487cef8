// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tape/tape_window.h"

#include "window/keys/key_typer.h"
#include "window/keys/keyboard.h"
#include "window/tape/tape_model.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

namespace tallimax {

namespace {

// The operators a line can end with; none only while its number is being typed.
constexpr std::string_view EditableOperators = "+-X/=";

// How long a message stays under the list, as long as by the readout.
constexpr std::chrono::milliseconds MessageDuration{ 5000 };

// The number and operator of a line being corrected.
class LineEditor : public QWidget
{
public:
    explicit LineEditor(QWidget *parent) : QWidget(parent)
    {
        auto *row = new QHBoxLayout(this);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(2);
        number = new QLineEdit(this);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Numbers read left to right in every language.
        number->setLayoutDirection(Qt::LeftToRight);
        //: What a screen reader says for the box that corrects a tape line's number.
        number->setAccessibleName(TapeWindow::tr("Number"));
        op = new QComboBox(this);
        //: What a screen reader says for the list that changes a tape line's operator.
        op->setAccessibleName(TapeWindow::tr("Operator"));
        row->addWidget(number, 1);
        row->addWidget(op);
        setFocusProxy(number);
    }

    QLineEdit *number = nullptr;
    QComboBox *op = nullptr;
};

// The three columns of a line: the number takes what the operator leaves, shared with the result.
struct Columns
{
    QRect number;
    QRect op;
    QRect result;
};

Columns columnsOf(const QRect &rect, const QFontMetrics &metrics)
{
    const int margin = metrics.horizontalAdvance(QLatin1Char('0'));
    const int opWidth = 3 * margin;
    const QRect inner = rect.adjusted(margin / 2, 0, -margin / 2, 0);
    const int numberWidth = (inner.width() - opWidth) / 2;
    return { QRect(inner.left(), inner.top(), numberWidth, inner.height()),
        QRect(inner.left() + numberWidth, inner.top(), opWidth, inner.height()),
        QRect(inner.left() + numberWidth + opWidth, inner.top(),
            inner.width() - numberWidth - opWidth, inner.height()) };
}

} // namespace

TapeDelegate::TapeDelegate(KeyTyper &typer, QObject *parent)
    : QStyledItemDelegate(parent), m_typer(typer)
{ }

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
    if (index.data(TapeModel::BreakRole).toBool()) {
        QPen pen = painter->pen();
        pen.setStyle(Qt::DashLine);
        painter->setPen(pen);
        const int y = rect.center().y();
        painter->drawLine(rect.left() + 4, y, rect.right() - 4, y);
        painter->restore();
        return;
    }
    const Columns columns = columnsOf(rect, option.fontMetrics);
    const auto drawCut = [&](const QRect &where, const QString &text, Qt::TextElideMode elide,
                             Qt::Alignment align) {
        const QString shown = painter->fontMetrics().elidedText(text, elide, where.width());
        painter->drawText(where, static_cast<int>(align | Qt::AlignVCenter), shown);
    };
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
    auto *editor = new LineEditor(parent);
    // A line being typed may stay without an operator; any other keeps one.
    if (index.data(TapeModel::OperatorRole).toString().isEmpty())
        editor->op->addItem(QString());
    for (const char op : EditableOperators)
        editor->op->addItem(QString(QLatin1Char(op)));
    // Return in either field keeps the correction and Escape drops it: neither field takes those
    // keys, and the delegate's own filter on the editor sees them.
    return editor;
}

void TapeDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = static_cast<LineEditor *>(editor);
    line->number->setText(index.data(TapeModel::NumberRole).toString());
    line->number->selectAll();
    line->op->setCurrentText(index.data(TapeModel::OperatorRole).toString());
}

// Keeping an edit corrects the tape through the typer, which types the session again; the model
// shows what that gives. An edit that changes nothing is no step.
void TapeDelegate::setModelData(
    QWidget *editor, QAbstractItemModel * /*model*/, const QModelIndex &index) const
{
    const auto *line = static_cast<LineEditor *>(editor);
    const QString number = line->number->text();
    const QString op = line->op->currentText();
    if (number == index.data(TapeModel::NumberRole).toString()
        && op == index.data(TapeModel::OperatorRole).toString())
        return;
    m_typer.correct(
        static_cast<std::size_t>(index.row()), number, op.isEmpty() ? '\0' : op.front().toLatin1());
}

void TapeDelegate::updateEditorGeometry(
    QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex & /*index*/) const
{
    editor->setGeometry(option.rect);
}

TapeView::TapeView(QWidget &calculator, QWidget *parent)
    : QListView(parent), m_calculator(calculator)
{ }

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

// Every line is as wide as the list and one row high, so a line that changes moves no other: it
// is only drawn again, without the list laying out every line anew as it would for items whose
// size may have changed. A digit typed costs the same however long the tape is.
void TapeView::dataChanged(
    const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

TapeWindow::TapeWindow(KeyTyper &typer, QWidget &calculator, const std::vector<QAction *> &shared)
    : QWidget(&calculator, Qt::Window), m_typer(typer), m_calculator(calculator)
{
    setObjectName(QStringLiteral("Tape"));
    //: The title of the window that lists every number typed, with its operator and result.
    setWindowTitle(tr("Tallimax tape"));
    setWindowIcon(calculator.windowIcon());

    m_model = new TapeModel(typer.tape(), this);
    typer.setTapeListener(m_model);
    // Should the tape's window go first, the tape stops telling it; should the typer, nothing does.
    connect(m_model, &QObject::destroyed, &typer, [&typer] { typer.setTapeListener(nullptr); });
    m_view = new TapeView(calculator, this);
    m_view->setObjectName(QStringLiteral("TapeLines"));
    //: What a screen reader says for the list of the tape's lines.
    m_view->setAccessibleName(tr("Tape"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new TapeDelegate(typer, m_view));
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_view->setUniformItemSizes(true);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    // A right click makes its line the current one and opens the menu there; the menu key opens
    // it at the current line.
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        const QRect current = m_view->visualRect(m_view->currentIndex());
        const bool onCurrent = m_view->indexAt(at) == m_view->currentIndex();
        showMenu(m_view->viewport()->mapToGlobal(
            onCurrent || !current.isValid() ? at : current.center()));
    });
    connect(m_view, &TapeView::removeRequested, this, &TapeWindow::removeCurrent);
    connect(m_view, &TapeView::useRequested, this, &TapeWindow::useCurrent);
    connect(m_view, &TapeView::copyRequested, this, &TapeWindow::copySelected);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &TapeWindow::followEnd);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("TapeMessage"));
    m_message->setWordWrap(true);
    m_message->hide();
    m_messageEnd.setSingleShot(true);
    m_messageEnd.setInterval(MessageDuration);
    connect(&m_messageEnd, &QTimer::timeout, m_message, &QWidget::hide);
    connect(&typer, &KeyTyper::said, this, &TapeWindow::showMessage);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(m_view, 1);
    column->addWidget(m_message);

    // The calculator's paste, undo and redo keys work here too; Copy here copies lines.
    for (QAction *action : shared)
        addAction(action);
    createActions();
    resize(320, calculator.height());
}

void TapeWindow::createActions()
{
    const auto add = [this](const QString &text, const QKeySequence &keys, auto slot) {
        auto *action = new QAction(text, this);
        action->setShortcut(keys);
        // The list takes these keys itself; the shortcuts only name them in the menu.
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    //: In the tape's context menu: corrects the line's number or operator.
    m_edit = add(tr("&Edit"), QKeySequence(Qt::Key_F2), [this] {
        if (m_view->currentIndex().isValid())
            m_view->edit(m_view->currentIndex());
    });
    //: In the tape's context menu: types the line's number into the calculator.
    m_use = add(tr("&Use"), QKeySequence(Qt::Key_Insert), [this] { useCurrent(); });
    //: In the tape's context menu: copies the selected lines, a tab between columns.
    m_copy = add(tr("&Copy"), QKeySequence::Copy, [this] { copySelected(); });
    //: In the tape's context menu: removes the line's number and operator.
    m_remove = add(tr("&Delete"), QKeySequence::Delete, [this] { removeCurrent(); });
    //: In the tape's context menu: selects every line.
    m_selectAll = add(tr("Select &All"), QKeySequence::SelectAll, [this] { m_view->selectAll(); });
    //: In the tape's context menu: empties the tape; the calculator stays as it is.
    m_clear = add(tr("C&lear"), QKeySequence(), [this] { m_typer.clearTape(); });

    // Ctrl+H closes the tape as it opened it.
    auto *close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(close, &QAction::triggered, this, &TapeWindow::toggle);
    addAction(close);
}

void TapeWindow::toggle()
{
    if (isVisible()) {
        close();
        m_calculator.activateWindow();
        return;
    }
    // Beside the calculator the first time, where the window system lets a program choose.
    if (!m_placed) {
        const QRect calculator = m_calculator.frameGeometry();
        QPoint at(calculator.right() + 8, calculator.top());
        if (const QScreen *screen = m_calculator.screen()) {
            const QRect room = screen->availableGeometry();
            if (at.x() + width() > room.right())
                at.setX(std::max(room.left(), calculator.left() - width() - 8));
        }
        move(at);
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    m_view->setFocus();
    if (!m_view->currentIndex().isValid() && m_model->rowCount() > 0)
        m_view->setCurrentIndex(m_model->index(m_model->rowCount() - 1));
    m_view->scrollToBottom();
    const int lines = m_model->rowCount();
    //: Said by a screen reader when the tape opens; %n is how many lines it holds, one form for
    //: each of the language's plural forms.
    m_typer.announce(tr("Tape, %n line(s)", nullptr, lines));
}

std::size_t TapeWindow::currentLine() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? static_cast<std::size_t>(current.row())
                             : m_typer.tape().lines().size();
}

void TapeWindow::copySelected()
{
    QModelIndexList rows = m_view->selectionModel()->selectedIndexes();
    if (rows.isEmpty() && m_view->currentIndex().isValid())
        rows << m_view->currentIndex();
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end(),
        [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QStringList text;
    for (const QModelIndex &row : rows)
        text << row.data(Qt::DisplayRole).toString();
    QGuiApplication::clipboard()->setText(text.join(u'\n') + u'\n');
    //: Said by a screen reader after the tape's Copy; %n is how many lines were copied, one form
    //: for each of the language's plural forms.
    m_typer.announce(tr("Copied %n line(s)", nullptr, static_cast<int>(rows.size())));
}

void TapeWindow::removeCurrent()
{
    const std::size_t line = currentLine();
    if (line >= m_typer.tape().lines().size()) {
        //: Shown under the tape, and said by a screen reader, when Delete finds no line.
        m_typer.announce(tr("No line to delete."));
        showMessage(tr("No line to delete."));
        return;
    }
    if (m_typer.removeLine(line) && m_model->rowCount() > 0)
        m_view->setCurrentIndex(
            m_model->index(std::min(static_cast<int>(line), m_model->rowCount() - 1)));
}

void TapeWindow::useCurrent()
{
    const std::size_t line = currentLine();
    if (line < m_typer.tape().lines().size())
        m_typer.useLine(line);
}

void TapeWindow::showMessage(const QString &text)
{
    if (text.isEmpty()) {
        m_message->hide();
        return;
    }
    m_message->setText(text);
    m_message->show();
    m_messageEnd.start();
}

// New lines come at the end: the list follows them while its end is in view.
void TapeWindow::followEnd()
{
    // A hidden list is laid out when it shows again, not for every line typed meanwhile.
    if (!isVisible())
        return;
    const QScrollBar *bar = m_view->verticalScrollBar();
    if (bar->value() >= bar->maximum() - m_view->sizeHintForRow(0))
        m_view->scrollToBottom();
}

void TapeWindow::showMenu(const QPoint &globalPosition)
{
    const bool any = m_model->rowCount() > 0;
    const QModelIndex current = m_view->currentIndex();
    const bool onLine = current.isValid();
    const bool onNumber = onLine && !current.data(TapeModel::BreakRole).toBool();
    m_edit->setEnabled(onNumber);
    m_use->setEnabled(onNumber);
    m_copy->setEnabled(onLine);
    m_remove->setEnabled(onLine);
    m_selectAll->setEnabled(any);
    m_clear->setEnabled(any);
    QMenu menu(this);
    menu.addActions({ m_edit, m_use, m_copy, m_remove });
    menu.addSeparator();
    menu.addActions({ m_selectAll, m_clear });
    menu.exec(globalPosition);
}

} // namespace tallimax
