// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"
#include "engine/history.h"
#include "window/announcer.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class QLabel;

namespace tallimax {

class KeyButton;
class ReadoutMessage;

// Types the calculator's keys. A click of an on-screen key, a key of the keyboard, a paste, and
// taking steps back and putting them back all pass here, so each key press, and each whole paste,
// is one step of the history. An on-screen key is known by its caption alone.
class KeyTyper : public QObject
{
    Q_OBJECT

public:
    // Keys of the keyboard that reach the window are typed here. The readout and the action panel
    // are the engine's; the typer reads the action panel for its snapshots and says by the readout
    // what it could not do.
    KeyTyper(Calculator &engine, QWidget &window, QLabel &readout, QLabel &actionPanel,
        std::chrono::milliseconds messageDuration);

    // The on-screen key with this caption. Each of its clicks runs the operation as one step.
    void addKey(std::string_view caption, KeyButton *key, std::function<void()> operation);

    // Types the keys a pasted text spells as one step, or says by the readout why it types none.
    void paste(const QString &text);
    // Takes the last step back, or puts back the last step taken back; says so when there is none.
    void undo();
    void redo();
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    // Copies the readout, exactly as shown, to the clipboard.
    void copy();

    // The engine wrote the action panel, also when with the same text as before.
    void actionWritten() { m_actionWritten = true; }
    // Who tells the screen reader what each step did; null for the platform's own way.
    void setAnnouncer(Announcer *announcer)
    {
        m_announcer = announcer != nullptr ? announcer : &m_screenReader;
    }

    // A warning box opened: the user has it to read, not more pasted keys typed behind it.
    void interrupt() { m_interrupted = true; }

    // How long a key pressed from the keyboard is drawn pressed; as long as an animated click
    // unless a test changes it. A flash already showing restarts with the new duration.
    void setKeyFlash(std::chrono::milliseconds duration) { m_flashEnd.setInterval(duration); }

    const History &history() const { return m_history; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyButton *keyFor(std::string_view caption) const;
    void pressFromKeyboard(KeyButton *key);
    void endFlash();
    template <typename Typing> void step(Typing typing);
    Snapshot snapshot() const;
    // Takes a step back or puts one back, the history's undo or redo choosing which.
    void travel(std::optional<Snapshot> (History::*direction)(Snapshot), const QString &nothingToDo);
    void say(const QString &text);
    // Tells the screen reader what the calculator shows now, after a step or a step taken back or
    // put back, as the action panel read before it.
    void announceShown(const QString &actionBefore);

    Calculator &m_engine;
    QLabel &m_readout;
    QLabel &m_actionPanel;
    std::map<std::string, KeyButton *, std::less<>> m_keys;
    History m_history;
    // True while a step runs, so the keys of a paste make one step.
    bool m_typing = false;
    bool m_interrupted = false;
    bool m_actionWritten = false;
    ScreenReaderAnnouncer m_screenReader;
    Announcer *m_announcer = &m_screenReader;
    // The key last pressed from the keyboard, drawn pressed for a moment so the user sees which.
    QPointer<KeyButton> m_flashingKey;
    QTimer m_flashEnd;
    // Made by the first message, as most sessions never need one.
    std::chrono::milliseconds m_messageDuration;
    ReadoutMessage *m_message = nullptr;
};

} // namespace tallimax
