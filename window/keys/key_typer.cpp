// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keys/key_typer.h"

#include "window/keys/key_button.h"
#include "window/keys/keyboard.h"
#include "engine/paste_text.h"
#include "window/calculator/readout_message.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <optional>
#include <utility>

namespace tallimax {

namespace {

// How long a key pressed from the keyboard is drawn pressed, as long as an animated click.
constexpr std::chrono::milliseconds KeyFlash{ 100 };

QString refusalMessage(paste::Refusal refusal)
{
    switch (refusal) {
    case paste::Refusal::Empty:
        //: Shown by the readout for five seconds, and said by a screen reader.
        return KeyTyper::tr("Nothing to paste: the clipboard holds no text.");
    case paste::Refusal::TooLong:
        //: Shown by the readout: the pasted text is over 10,000 characters or keys.
        return KeyTyper::tr("Not pasted: the text is too long to type.");
    case paste::Refusal::NotACalculation:
        break;
    }
    //: Shown by the readout: the pasted text holds something no key types.
    return KeyTyper::tr("Not pasted: the text is not a number or a calculation.");
}

} // namespace

KeyTyper::KeyTyper(Calculator &engine, QWidget &window, QLabel &readout, QLabel &actionPanel,
    std::chrono::milliseconds messageDuration)
    : QObject(&window),
      m_engine(engine),
      m_readout(readout),
      m_actionPanel(actionPanel),
      m_tape(keyboard::systemDecimalSeparator),
      m_screenReader(window),
      m_messageDuration(messageDuration)
{
    window.installEventFilter(this);
    m_flashEnd.setSingleShot(true);
    m_flashEnd.setInterval(KeyFlash);
    connect(&m_flashEnd, &QTimer::timeout, this, &KeyTyper::endFlash);
}

void KeyTyper::addKey(std::string_view caption, KeyButton *key, std::function<void()> operation)
{
    m_keys.emplace(caption, key);
    // On the tape a key is its caption, and RESET ALL, the one key of a longer caption, is "R".
    const char tapeKey = caption.size() == 1 ? caption.front() : 'R';
    // clicked, not pressed: a key also works from the keyboard's Space bar.
    connect(key, &QAbstractButton::clicked, this,
        [this, tapeKey, operation = std::move(operation)] {
            step([&] { typeKey(tapeKey, operation); });
        });
}

void KeyTyper::typeKey(char key, const std::function<void()> &operation)
{
    const KeyStart start = KeyStart::of(m_engine.state());
    m_keyAction.clear();
    // A key may open the warning box, and the window may close while it is open.
    const QPointer<KeyTyper> guard(this);
    operation();
    if (!guard.isNull())
        m_tape.typed(key, start, m_engine.state(), m_keyAction);
}

KeyButton *KeyTyper::keyFor(std::string_view caption) const
{
    const auto key = m_keys.find(caption);
    return key != m_keys.end() ? key->second : nullptr;
}

// A key of the keyboard arrives here wherever the focus is in the window: a focused key button
// takes Space and Tab for itself and passes every other key up to the window.
bool KeyTyper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const std::optional<std::string_view> caption =
            keyboard::captionOf(*static_cast<QKeyEvent *>(event));
        if (KeyButton *key = caption ? keyFor(*caption) : nullptr) {
            pressFromKeyboard(key);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// The key is clicked at once, so keys typed faster than a click animation all count and run in
// the order typed; only the look of the press outlasts it. (An animated click would swallow a
// second press of the same key that comes within its 100 ms.)
void KeyTyper::pressFromKeyboard(KeyButton *key)
{
    endFlash();
    const QPointer<KeyButton> guard(key);
    key->clickFromKeyboard();
    // The click may have opened the warning box, and the window may have closed while it was open.
    if (guard.isNull())
        return;
    key->setFlashing(true);
    m_flashingKey = key;
    m_flashEnd.start();
}

void KeyTyper::endFlash()
{
    m_flashEnd.stop();
    if (!m_flashingKey.isNull())
        m_flashingKey->setFlashing(false);
    m_flashingKey.clear();
}

// Runs the typing as one step, which the history can take back: it keeps what the calculator
// showed before. The keys of a paste run inside the paste's step and make none of their own.
template <typename Typing> void KeyTyper::step(Typing typing)
{
    if (m_typing) {
        typing();
        return;
    }
    const QString actionBefore = m_actionPanel.text();
    m_tape.beginStep(snapshot());
    m_typing = true;
    m_actionWritten = false;
    // A key may open the warning box, and the window may close while it is open.
    const QPointer<KeyTyper> guard(this);
    typing();
    if (guard.isNull())
        return;
    m_typing = false;
    m_tape.endStep();
    announceShown(actionBefore);
}

// Pasting is typing: each key the text spells is clicked in turn, without flashing, which would
// only show the last. A text that is not all keys types nothing, so no half number is left.
void KeyTyper::paste(const QString &text)
{
    const paste::Reading reading = paste::readPastedText(text.toStdString(),
        keyboard::systemDecimalSeparator(), keyboard::systemGroupSeparator());
    if (reading.refusal) {
        say(refusalMessage(*reading.refusal));
        return;
    }
    if (m_message != nullptr)
        m_message->hide();
    endFlash();
    m_interrupted = false;
    const QPointer<KeyTyper> guard(this);
    step([&] {
        for (const char caption : reading.keys) {
            if (KeyButton *key = keyFor(std::string_view(&caption, 1)))
                key->clickFromKeyboard();
            // After a division by zero the user has a warning to read, not more keys behind it.
            if (guard.isNull() || m_interrupted)
                return;
        }
    });
}

void KeyTyper::undo()
{
    //: Shown by the readout, and said by a screen reader, when Undo has no step to take back.
    travel(&Tape::undo, tr("Nothing to undo."));
}

void KeyTyper::redo()
{
    //: Shown by the readout, and said by a screen reader, when Redo has no step to put back.
    travel(&Tape::redo, tr("Nothing to redo."));
}

void KeyTyper::travel(
    std::optional<Snapshot> (Tape::*direction)(Snapshot), const QString &nothingToDo)
{
    // While a step runs (its warning box open) there is no finished step to go back or forth to.
    if (m_typing)
        return;
    if (const std::optional<Snapshot> next = (m_tape.*direction)(snapshot())) {
        if (m_message != nullptr)
            m_message->hide();
        const QString actionBefore = m_actionPanel.text();
        m_engine.restore(*next);
        // Restoring rewrites the action panel whatever it held; only a change is news.
        m_actionWritten = false;
        announceShown(actionBefore);
    } else {
        say(nothingToDo);
    }
}

Snapshot KeyTyper::snapshot() const
{
    return { m_engine.state(), m_actionPanel.text().toStdString() };
}

void KeyTyper::copy()
{
    const QString shown = m_readout.text();
    QGuiApplication::clipboard()->setText(shown);
    //: Said by a screen reader after Copy; %1 is the number copied.
    m_announcer->announce(tr("Copied %1").arg(shown));
}

void KeyTyper::say(const QString &text)
{
    if (m_message == nullptr)
        m_message = new ReadoutMessage(m_readout, m_messageDuration);
    m_message->say(text);
    m_announcer->announce(text);
    emit said(text);
}

// A correction waits while a step runs: its warning box is open, and the step is not finished.
bool KeyTyper::busy()
{
    if (m_typing)
        //: Shown by the readout, and said by a screen reader, when the tape is corrected while
        //: the division-by-zero warning is open.
        say(tr("Not corrected: close the warning first."));
    return m_typing;
}

bool KeyTyper::correct(std::size_t line, const QString &number, char op)
{
    if (busy())
        return false;
    // A line that came with no number typed keeps none: only its operator changes.
    const auto &lines = m_tape.lines();
    if (line < lines.size() && lines[line].number.empty() && number.trimmed().isEmpty())
        return corrected(m_tape.correct(line, {}, op, snapshot()));
    const paste::Reading reading = paste::readPastedText(number.toStdString(),
        keyboard::systemDecimalSeparator(), keyboard::systemGroupSeparator());
    // One number, with its sign: the minus key and then digits and the point.
    const std::string_view keys = reading.keys;
    const std::string_view digits = keys.starts_with('-') ? keys.substr(1) : keys;
    if (reading.refusal == paste::Refusal::TooLong) {
        //: Shown by the readout, and said by a screen reader: a corrected number over 10,000
        //: characters or keys.
        say(tr("Not corrected: the number is too long."));
        return false;
    }
    if (reading.refusal || digits.empty()
        || digits.find_first_not_of("0123456789.") != std::string_view::npos) {
        //: Shown by the readout, and said by a screen reader: the tape's line was given a text
        //: that is not one number.
        say(tr("Not corrected: the text is not a number."));
        return false;
    }
    return corrected(m_tape.correct(line, keys, op, snapshot()));
}

bool KeyTyper::annotate(std::size_t line, const QString &note)
{
    // MERGE: to be wired to the engine's Tape::annotate(line, note, snapshot), which keeps the
    // note as one step; until then no note is kept.
    static_cast<void>(line);
    static_cast<void>(note);
    return false;
}

bool KeyTyper::removeLine(std::size_t line)
{
    return !busy() && corrected(m_tape.remove(line, snapshot()));
}

bool KeyTyper::corrected(const std::optional<Snapshot> &shown)
{
    if (!shown)
        return false;
    if (m_message != nullptr)
        m_message->hide();
    emit said({});
    m_engine.restore(*shown);
    // The running result of the calculation since the last RESET ALL, or the readout before any.
    const auto &lines = m_tape.lines();
    const auto last = std::find_if(lines.rbegin(), lines.rend(),
        [](const TapeLine &line) { return line.isBreak() || !line.result.empty(); });
    const QString total = last != lines.rend() && !last->isBreak()
        ? QString::fromStdString(last->result)
        : m_readout.text();
    //: Said by a screen reader after a line of the tape was corrected or removed; %1 is the
    //: running result the tape now comes to.
    m_announcer->announce(tr("Total now %1").arg(total));
    return true;
}

void KeyTyper::useLine(std::size_t line)
{
    const auto &lines = m_tape.lines();
    if (line >= lines.size() || busy())
        return;
    const TapeLine &chosen = lines[line];
    paste(QString::fromStdString(chosen.number.empty() ? chosen.result : chosen.number));
}

void KeyTyper::clearTape()
{
    if (busy() || m_tape.lines().empty())
        return;
    m_tape.clear(snapshot());
    //: Said by a screen reader when the tape was emptied.
    m_announcer->announce(tr("Tape cleared"));
}

// One announcement a step: what the action panel says when the step wrote it or it changed, then
// the readout. A digit only changes the readout, so the number being typed is all there is to hear.
void KeyTyper::announceShown(const QString &actionBefore)
{
    const QString action = m_actionPanel.text();
    const QString readout = m_readout.text();
    if (m_actionWritten || action != actionBefore)
        //: Said by a screen reader after a step: the action panel's text, then the readout's.
        m_announcer->announce(tr("%1, %2").arg(action, readout));
    else
        m_announcer->announce(readout);
}

} // namespace tallimax
