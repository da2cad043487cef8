// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tape/tape_window.h"

#include "window/calculator/timed_message.h"
#include "window/document/tape_document.h"
#include "window/keys/key_typer.h"
#include "window/keys/keyboard.h"
#include "window/tape/tape_delegate.h"
#include "window/tape/tape_editor.h"
#include "window/tape/tape_model.h"
#include "window/tape/tape_view.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace tallimax {

TapeWindow::TapeWindow(KeyTyper &typer, TapeEditor &editor, TapeDocument &document,
    QWidget &calculator, const std::vector<QAction *> &shared)
    : QWidget(&calculator, Qt::Window),
      m_typer(typer),
      m_editor(editor),
      m_document(document),
      m_calculator(calculator)
{
    setObjectName(QStringLiteral("Tape"));
    showTitle();
    connect(&document, &TapeDocument::titleChanged, this, &TapeWindow::showTitle);
    setWindowIcon(calculator.windowIcon());

    m_model = new TapeModel(typer.tape(), editor, this);
    typer.addTapeListener(m_model);
    // Should the tape's window go first, the tape stops telling it; should the typer, nothing does.
    connect(m_model, &QObject::destroyed, &typer,
        [&typer, model = m_model] { typer.removeTapeListener(model); });
    m_view = new TapeView(calculator, this);
    m_view->setObjectName(QStringLiteral("TapeLines"));
    //: What a screen reader says for the list of the tape's lines.
    m_view->setAccessibleName(tr("Tape"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new TapeDelegate(m_view));
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
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

    m_message = new TimedMessage(this);
    m_message->setObjectName(QStringLiteral("TapeMessage"));
    connect(&typer, &KeyTyper::said, m_message, &TimedMessage::say);
    connect(&document, &TapeDocument::said, m_message, &TimedMessage::say);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(m_view, 1);
    column->addWidget(m_message);

    // The calculator's paste, undo and redo keys work here too; Copy here copies lines.
    for (QAction *action : shared)
        addAction(action);
    createActions();
    createMenuBar(shared);
    column->setMenuBar(m_menuBar);
    // Room for a number, its operator, the result and a short note side by side.
    resize(420, calculator.height());
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
    m_use = add(tr("U&se"), QKeySequence(Qt::Key_Insert), [this] { useCurrent(); });
    //: In the tape's context menu: copies the selected lines, a tab between columns.
    m_copy = add(tr("&Copy"), QKeySequence::Copy, [this] { copySelected(); });
    //: In the tape's context menu: removes the line's number and operator.
    m_remove = add(tr("&Delete"), QKeySequence::Delete, [this] { removeCurrent(); });
    //: In the tape's context menu: selects every line.
    m_selectAll = add(tr("Select &All"), QKeySequence::SelectAll, [this] { m_view->selectAll(); });
    //: In the tape's context menu: empties the tape; the calculator stays as it is.
    m_clear = add(tr("C&lear"), QKeySequence(), [this] { m_editor.clearTape(); });

    // Ctrl+H closes the tape as it opened it.
    auto *close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(close, &QAction::triggered, this, &TapeWindow::toggle);
    addAction(close);
}

void TapeWindow::toggle()
{
    if (isVisible()) {
        if (close())
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
        m_message->say(tr("No line to delete."));
        return;
    }
    if (m_editor.removeLine(line) && m_model->rowCount() > 0)
        m_view->setCurrentIndex(
            m_model->index(std::min(static_cast<int>(line), m_model->rowCount() - 1)));
}

void TapeWindow::useCurrent()
{
    const std::size_t line = currentLine();
    if (line < m_typer.tape().lines().size())
        m_editor.useLine(line);
}

void TapeWindow::showTitle()
{
    setWindowTitle(m_document.title());
    setWindowModified(m_document.isModified());
}

void TapeWindow::closeEvent(QCloseEvent *event)
{
    if (m_document.mayClose())
        event->accept();
    else
        event->ignore();
}

// File has the document's commands, Edit those of the context menu with the calculator's Undo
// and Redo, whose keys work here too.
void TapeWindow::createMenuBar(const std::vector<QAction *> &shared)
{
    m_document.createActions();
    m_menuBar = new QMenuBar(this);
    //: The tape's menu of what is done with the tape as a file.
    QMenu *file = m_menuBar->addMenu(tr("&File"));
    file->addActions({ m_document.newAction(), m_document.openAction(), m_document.saveAction(),
        m_document.saveAsAction() });
    file->addSeparator();
    file->addActions({ m_document.printAction(), m_document.exportAction() });
    file->addSeparator();
    file->addAction(m_document.keepAction());
    file->addSeparator();
    //: In the tape's File menu: closes the tape's window.
    QAction *close = file->addAction(tr("&Close"), this, &QWidget::close);
    close->setShortcuts(
        keyboard::shortcuts(QKeySequence::Close, { QKeySequence(Qt::CTRL | Qt::Key_W) }));
    //: The tape's menu of what is done with its lines.
    QMenu *edit = m_menuBar->addMenu(tr("&Edit", "menu"));
    // Undo and Redo are the calculator's, shared with this window (paste, undo, redo).
    const std::vector<QAction *> steps(shared.begin() + 1, shared.end());
    for (QAction *step : steps)
        edit->addAction(step);
    edit->addSeparator();
    //: In the tape's Edit menu: corrects the current line's number, operator or note.
    m_editLine = edit->addAction(tr("Edit Li&ne"), this, [this] {
        if (m_view->currentIndex().isValid())
            m_view->edit(m_view->currentIndex());
    });
    m_editLine->setShortcut(QKeySequence(Qt::Key_F2));
    m_editLine->setShortcutContext(Qt::WidgetShortcut);
    edit->addActions({ m_use, m_copy, m_remove });
    edit->addSeparator();
    edit->addActions({ m_selectAll, m_clear });
    connect(edit, &QMenu::aboutToShow, this, &TapeWindow::enableActions);
}

void TapeWindow::enableActions()
{
    const bool any = m_model->rowCount() > 0;
    const QModelIndex current = m_view->currentIndex();
    const bool onLine = current.isValid();
    const bool onNumber = onLine && !current.data(TapeModel::BreakRole).toBool();
    m_edit->setEnabled(onNumber);
    m_editLine->setEnabled(onLine);
    m_use->setEnabled(onNumber);
    m_copy->setEnabled(onLine);
    m_remove->setEnabled(onLine);
    m_selectAll->setEnabled(any);
    m_clear->setEnabled(any);
}

void TapeWindow::showMenu(const QPoint &globalPosition)
{
    enableActions();
    QMenu menu(this);
    menu.addActions({ m_edit, m_use, m_copy, m_remove });
    menu.addSeparator();
    menu.addActions({ m_selectAll, m_clear });
    menu.exec(globalPosition);
}

} // namespace tallimax
