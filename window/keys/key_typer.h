// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"
#include "engine/tape.h"
#include "window/access/screen_reader_announcer.h"

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
// taking steps back and putting them back all pass here, and each key is typed through the tape,
// so each key press, each whole paste (and each change of the tape, which its editor makes) is
// one step of the session's record, which the tape shows. An on-screen key is known by its
// caption alone.
class KeyTyper : public QObject
{
    Q_OBJECT

public:
    // Keys of the keyboard that reach the window are typed here. The readout and the action panel
    // are the engine's; the typer reads the action panel for its snapshots and says by the readout
    // what it could not do.
    KeyTyper(Calculator &engine, QWidget &window, QLabel &readout, QLabel &actionPanel,
        std::chrono::milliseconds messageDuration);

    // The on-screen key with this caption. Each of its clicks types its key as one step.
    void addKey(std::string_view caption, KeyButton *key);

    // Types the keys a pasted text spells as one step, or says by the readout why it types none.
    void paste(const QString &text);
    // Takes the last step back, or puts back the last step taken back; says so when there is none.
    void undo();
    void redo();
    bool canUndo() const { return m_tape.history().canUndo(); }
    bool canRedo() const { return m_tape.history().canRedo(); }
    // Copies the readout, exactly as shown, to the clipboard.
    void copy();

    const Tape &tape() const { return m_tape; }
    // For the tape's editor: the tape to change, what the calculator shows now, whether a step
    // is running (its warning box open), and showing what a change of the tape left.
    Tape &tape() { return m_tape; }
    Snapshot snapshot() const;
    bool typing() const { return m_typing; }
    void show(const Snapshot &shown);
    // Says a message by the readout, and to the screen reader.
    void say(const QString &text);
    void addTapeListener(TapeListener *listener) { m_tape.addListener(listener); }
    void removeTapeListener(TapeListener *listener) { m_tape.removeListener(listener); }
    // Tells the screen reader, through the one announcer every announcement goes through.
    void announce(const QString &text) { m_announcer->announce(text); }

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

    const History &history() const { return m_tape.history(); }

signals:
    // A message was said by the readout, for whoever shows it elsewhere too; an empty one when a
    // correction was made, which leaves nothing to say.
    void said(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyButton *keyFor(std::string_view caption) const;
    void pressFromKeyboard(KeyButton *key);
    void endFlash();
    template <typename Typing> void step(Typing typing);
    // Takes a step back or puts one back, the tape's undo or redo choosing which.
    void travel(std::optional<Snapshot> (Tape::*direction)(Snapshot), const QString &nothingToDo);
    // Tells the screen reader what the calculator shows now, after a step or a step taken back or
    // put back, as the action panel read before it; `written` when the step wrote the panel.
    void announceShown(const QString &actionBefore, bool written);

    Calculator &m_engine;
    QLabel &m_readout;
    QLabel &m_actionPanel;
    std::map<std::string, KeyButton *, std::less<>> m_keys;
    Tape m_tape;
    // True while a step runs, so the keys of a paste make one step.
    bool m_typing = false;
    bool m_interrupted = false;
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
