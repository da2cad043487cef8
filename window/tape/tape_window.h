// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QWidget>

#include <vector>

class QAction;
class QLabel;

namespace tallimax {

class KeyTyper;
class TapeEditor;
class TapeModel;

// Draws a tape line as an adding machine prints it: the number, the operator and the running
// result in columns, numbers right-aligned and left to right in every language, the total of an
// "=" in bold under a rule, and the break RESET ALL draws as a line across. Edits a line's number
// and operator in place; keeping the edit corrects the tape.
class TapeDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    TapeDelegate(TapeEditor &editor, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;

private:
    TapeEditor &m_editor;
};

// The list of the tape's lines. Keys it has no use for go on to the calculator, so typing goes on
// wherever the focus is.
class TapeView : public QListView
{
    Q_OBJECT

public:
    TapeView(QWidget &calculator, QWidget *parent);

signals:
    void removeRequested();
    void useRequested();
    void copyRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
        const QList<int> &roles = {}) override;

private:
    QWidget &m_calculator;
};

// The tape: a window of its own beside the calculator's, which it leaves as it is, showing every
// line of the session. Lines are corrected, removed, used again and copied here; each correction
// is one step the calculator can take back.
class TapeWindow : public QWidget
{
    Q_OBJECT

public:
    // `shared` are the calculator's actions whose keys work here too (paste, undo, redo).
    TapeWindow(KeyTyper &typer, TapeEditor &editor, QWidget &calculator,
        const std::vector<QAction *> &shared);

    // Shows it beside the calculator, or closes it, as Ctrl+H does.
    void toggle();
    QListView &view() { return *m_view; }

private:
    void createActions();
    void showMenu(const QPoint &globalPosition);
    std::size_t currentLine() const;
    void copySelected();
    void removeCurrent();
    void useCurrent();
    void showMessage(const QString &text);
    void followEnd();

    KeyTyper &m_typer;
    TapeEditor &m_editor;
    QWidget &m_calculator;
    TapeModel *m_model = nullptr;
    TapeView *m_view = nullptr;
    QLabel *m_message = nullptr;
    QTimer m_messageEnd;
    bool m_placed = false;
    QAction *m_edit = nullptr;
    QAction *m_use = nullptr;
    QAction *m_copy = nullptr;
    QAction *m_remove = nullptr;
    QAction *m_selectAll = nullptr;
    QAction *m_clear = nullptr;
};

} // namespace tallimax
