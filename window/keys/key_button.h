// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace tallimax {

// An on-screen key of the calculator. A key of the keyboard clicks it without touching the state
// a push button keeps for a press of the mouse or the Space bar, and shows that click by drawing
// the key sunken for a moment: a button held down would take the next keys for itself (Escape
// cancels its press) and its own release would click again or not at all.
class KeyButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    // Runs the key's click, as the keyboard or a paste presses it. A press the mouse or the Space
    // bar holds on the key goes on and clicks the key again when it ends.
    void clickFromKeyboard();

    // Whether the key is drawn sunken, as if pressed; nothing else about it changes.
    void setFlashing(bool flashing);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_flashing = false;
};

} // namespace tallimax
