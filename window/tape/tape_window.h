// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/tape/tape_view.h"

#include <QWidget>

#include <vector>

class QAction;
class QMenuBar;

namespace tallimax {

class KeyTyper;
class TapeDocument;
class TapeEditor;
class TapeModel;
class TimedMessage;

// The tape: a window of its own beside the calculator's, which it leaves as it is, showing every
// line of the session. Lines are corrected, removed, used again and copied here; each correction
// is one step the calculator can take back.
class TapeWindow : public QWidget
{
    Q_OBJECT

public:
    // `shared` are the calculator's actions whose keys work here too (paste, undo, redo).
    TapeWindow(KeyTyper &typer, TapeEditor &editor, TapeDocument &document, QWidget &calculator,
        const std::vector<QAction *> &shared);

    // Shows it beside the calculator, or closes it, as Ctrl+H does.
    void toggle();
    QListView &view() { return *m_view; }

protected:
    // Closing the tape asks first about changes to a saved tape, as closing Tallimax does.
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createMenuBar(const std::vector<QAction *> &shared);
    // Enables what the current line allows, for either menu.
    void enableActions();
    void showTitle();
    void showMenu(const QPoint &globalPosition);
    std::size_t currentLine() const;
    void copySelected();
    void removeCurrent();
    void useCurrent();

    KeyTyper &m_typer;
    TapeEditor &m_editor;
    TapeDocument &m_document;
    QWidget &m_calculator;
    TapeModel *m_model = nullptr;
    TapeView *m_view = nullptr;
    TimedMessage *m_message = nullptr;
    QMenuBar *m_menuBar = nullptr;
    bool m_placed = false;
    QAction *m_edit = nullptr;
    QAction *m_editLine = nullptr;
    QAction *m_use = nullptr;
    QAction *m_copy = nullptr;
    QAction *m_remove = nullptr;
    QAction *m_selectAll = nullptr;
    QAction *m_clear = nullptr;
};

} // namespace tallimax
