// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"
#include "engine/tape.h"
#include "window/access/announcer.h"

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

// Types the calculator's keys. A click of an on-screen key, a key of the keyboard, a paste, taking
// steps back and putting them back, and every correction of the tape all pass here, so each key
// press, each whole paste and each correction is one step of the session's record, which the tape
// shows. An on-screen key is known by its caption alone.
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
    bool canUndo() const { return m_tape.history().canUndo(); }
    bool canRedo() const { return m_tape.history().canRedo(); }
    // Copies the readout, exactly as shown, to the clipboard.
    void copy();

    // The tape's line gets the number a text spells, read as a pasted number is, and the operator
    // (none for '\0'), and everything after it is typed again. False, and a message by the readout
    // saying why, when the text is not one number or no correction can be made now.
    bool correct(std::size_t line, const QString &number, char op);
    // The tape's line carries this note (up to 200 characters; empty for none), a step that can
    // be taken back. False when no note can be set now.
    bool annotate(std::size_t line, const QString &note);
    // The line's number and operator go, and everything after it is typed again.
    bool removeLine(std::size_t line);
    // Types the line's number into the calculator, as pasting it would.
    void useLine(std::size_t line);
    // Empties the tape, a step that can be taken back; the calculator stays as it is.
    void clearTape();
    const Tape &tape() const { return m_tape; }
    void setTapeListener(TapeListener *listener) { m_tape.setListener(listener); }
    // Tells the screen reader, through the one announcer every announcement goes through.
    void announce(const QString &text) { m_announcer->announce(text); }

    // The engine wrote the action panel, also when with the same text as before.
    void actionWritten(const std::string &text)
    {
        m_actionWritten = true;
        m_keyAction = text;
    }
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
    // Runs one key's operation and puts the key on the tape.
    void typeKey(char key, const std::function<void()> &operation);
    Snapshot snapshot() const;
    // Takes a step back or puts one back, the tape's undo or redo choosing which.
    void travel(std::optional<Snapshot> (Tape::*direction)(Snapshot), const QString &nothingToDo);
    // Shows what a correction of the tape left, or says why none was made.
    bool corrected(const std::optional<Snapshot> &shown);
    bool busy();
    void say(const QString &text);
    // Tells the screen reader what the calculator shows now, after a step or a step taken back or
    // put back, as the action panel read before it.
    void announceShown(const QString &actionBefore);

    Calculator &m_engine;
    QLabel &m_readout;
    QLabel &m_actionPanel;
    std::map<std::string, KeyButton *, std::less<>> m_keys;
    Tape m_tape;
    // What the engine wrote on the action panel during the key being typed.
    std::string m_keyAction;
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
