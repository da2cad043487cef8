// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"
#include "engine/calculator_view.h"

#include <QBasicTimer>
#include <QColor>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>
#include <string>

class QKeyEvent;
class QLabel;
class QMouseEvent;
class QPoint;

namespace tallimax {

class KeyButton;

namespace keyboard {
struct KeyTarget;
} // namespace keyboard

// The user's decimal separator, read from the locale at every use; "." when it gives none.
std::string systemDecimalSeparator();

// The calculator's one window: twenty controls at fixed places, each click handed to the engine
// as one operation, and the readout coloured by where the mouse moves. Keys of the keyboard and
// pasted text press the on-screen keys, so they run the same operations as clicks.
class CalculatorWindow : public QWidget, public CalculatorView
{
    Q_OBJECT

public:
    // Builds the window and all its controls, then the engine that shows itself in them.
    explicit CalculatorWindow(QWidget *parent = nullptr);

    Calculator &calculator() { return *m_calculator; }

    void SetReadout(const std::string &text) override;
    void SetAction(const std::string &text) override;
    void ShowWarning(const std::string &prompt, const std::string &title) override;

    void SetReadoutBackColor(const QColor &colour);

    // The pointer moved over the bare window background, or over the readout. Which button is
    // held, the modifiers and the position do not matter.
    void Form_MouseMove();
    void Readout_MouseMove();

    // Puts the readout text, exactly as shown, on the clipboard.
    void copyReadout();
    // Presses the on-screen keys the clipboard's text spells, or says by the readout why not.
    void pasteFromClipboard();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    KeyButton *onScreenKeyFor(const keyboard::KeyTarget &target) const;
    void pressFromKeyboard(KeyButton *key);
    void endFlash();
    void showPasteMessage(const QString &text);
    void showReadoutMenu(const QPoint &globalPosition);

    QLabel *m_readout = nullptr;
    QLabel *m_action = nullptr;
    std::array<KeyButton *, NumberCaptions.size()> m_numberKeys{};
    std::array<KeyButton *, OperatorCaptions.size()> m_operatorKeys{};
    KeyButton *m_decimalKey = nullptr;
    KeyButton *m_resetKey = nullptr;
    // The key last pressed from the keyboard, drawn pressed for a moment so the user sees which.
    QPointer<KeyButton> m_flashingKey;
    QBasicTimer m_flashEnd;
    // Why a paste typed nothing, shown over the readout until it goes away by itself. Made by
    // the first refused paste.
    QLabel *m_pasteMessage = nullptr;
    QBasicTimer m_pasteMessageEnd;
    // Counts warning boxes, so a paste knows when one of its keys opened one.
    int m_warningsShown = 0;
    std::unique_ptr<Calculator> m_calculator;
};

} // namespace tallimax
