// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"
#include "engine/calculator_view.h"
#include "window/calculator/layout.h"

#include <QColor>
#include <QWidget>

#include <memory>
#include <string>

class QAction;
class QLabel;
class QMouseEvent;
class QPoint;

namespace tallimax {

class KeyTyper;
class TapeEditor;
class TapeDocument;
class TapeWindow;

// The calculator's one window: twenty controls at fixed places, each click handed to the engine
// as one operation, and the readout coloured by where the mouse moves. Its keys are typed through
// a KeyTyper, with the keyboard's keys, pastes, and steps taken back and put back.
class CalculatorWindow : public QWidget, public CalculatorView
{
    Q_OBJECT

public:
    // Builds the window and all its controls, then the engine that shows itself in them.
    explicit CalculatorWindow(QWidget *parent = nullptr);
    ~CalculatorWindow() override;

    Calculator &calculator() { return *m_calculator; }
    KeyTyper &typer() { return *m_typer; }
    TapeEditor &editor() { return *m_editor; }
    // The tape's window, made the first time it opens; null until then.
    TapeWindow *tapeWindow();
    // Opens the tape beside the window, or closes it, as Ctrl+H does.
    void toggleTape();
    TapeDocument &document() { return *m_document; }
    // Opens the file as the tape and shows the tape beside the window, as `tallimax FILE` does.
    void openTapeFile(const QString &path);

    void SetReadout(const std::string &text) override;
    void SetAction(const std::string &text) override;
    void ShowWarning(const std::string &prompt, const std::string &title) override;

    void SetReadoutBackColor(const QColor &colour);

    // The pointer moved over the bare window background, or over the readout. Which button is
    // held, the modifiers and the position do not matter.
    void Form_MouseMove();
    void Readout_MouseMove();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createActions();
    void showReadoutMenu(const QPoint &globalPosition);

    QLabel *m_readout = nullptr;
    QLabel *m_action = nullptr;
    std::unique_ptr<Calculator> m_calculator;
    KeyTyper *m_typer = nullptr;
    TapeEditor *m_editor = nullptr;
    // Their keys work anywhere in the window, and the readout's menu shows them.
    QAction *m_copy = nullptr;
    QAction *m_paste = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QAction *m_showTape = nullptr;
    TapeDocument *m_document = nullptr;
    bool m_painted = false;
    // A child window, made on first use and deleted first when this one goes.
    TapeWindow *m_tape = nullptr;
};

} // namespace tallimax
