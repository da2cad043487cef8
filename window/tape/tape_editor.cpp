// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tape/tape_editor.h"

#include "engine/paste_text.h"
#include "window/keys/key_typer.h"
#include "window/keys/keyboard.h"

namespace tallimax {

TapeEditor::TapeEditor(KeyTyper &typer, QObject *parent) : QObject(parent), m_typer(typer) { }

bool TapeEditor::busy()
{
    if (m_typer.typing())
        //: Shown by the readout, and said by a screen reader, when the tape is corrected while
        //: the division-by-zero warning is open.
        m_typer.say(tr("Not corrected: close the warning first."));
    return m_typer.typing();
}

bool TapeEditor::correct(std::size_t line, const QString &number, std::optional<TapeOperator> op)
{
    if (busy())
        return false;
    Tape &tape = m_typer.tape();
    // A blank text keeps no number, which only a line that came with none may do.
    std::optional<std::string> keys = std::string();
    if (!number.trimmed().isEmpty()) {
        const paste::Reading reading = paste::readPastedText(number.toStdString(),
            keyboard::systemDecimalSeparator(), keyboard::systemGroupSeparator());
        if (reading.refusal == paste::Refusal::TooLong) {
            //: Shown by the readout, and said by a screen reader: a corrected number over 10,000
            //: characters or keys.
            m_typer.say(tr("Not corrected: the number is too long."));
            return false;
        }
        keys = reading.refusal ? std::nullopt : std::optional(reading.keys);
    }
    if (!keys || !tape.takesNumber(line, *keys)) {
        //: Shown by the readout, and said by a screen reader: the tape's line was given a text
        //: that is not one number.
        m_typer.say(tr("Not corrected: the text is not a number."));
        return false;
    }
    return corrected(tape.correct(line, *keys, op, m_typer.snapshot()));
}

bool TapeEditor::annotate(std::size_t line, const QString &note)
{
    return !busy()
        && m_typer.tape().annotate(line, note.toStdString(), m_typer.snapshot()).has_value();
}

bool TapeEditor::removeLine(std::size_t line)
{
    return !busy() && corrected(m_typer.tape().remove(line, m_typer.snapshot()));
}

bool TapeEditor::corrected(const std::optional<Snapshot> &shown)
{
    if (!shown)
        return false;
    m_typer.show(*shown);
    const std::string total = m_typer.tape().runningTotal(m_typer.snapshot().state.ReadoutText);
    //: Said by a screen reader after a line of the tape was corrected or removed; %1 is the
    //: running result the tape now comes to.
    m_typer.announce(tr("Total now %1").arg(QString::fromStdString(total)));
    return true;
}

void TapeEditor::useLine(std::size_t line)
{
    const auto &lines = m_typer.tape().lines();
    if (line >= lines.size() || busy())
        return;
    const TapeLine &chosen = lines[line];
    m_typer.paste(QString::fromStdString(chosen.number.empty() ? chosen.result : chosen.number));
}

void TapeEditor::clearTape()
{
    if (busy() || m_typer.tape().lines().empty())
        return;
    m_typer.tape().clear(m_typer.snapshot());
    //: Said by a screen reader when the tape was emptied.
    m_typer.announce(tr("Tape cleared"));
}

bool TapeEditor::typeLines(const std::vector<LineKeys> &lines)
{
    if (busy())
        return false;
    Tape &tape = m_typer.tape();
    const Snapshot now = m_typer.snapshot();
    if (!tape.continues(now.state)) {
        m_typer.show(tape.typeLines(lines, now));
        return true;
    }
    // The file's totals are its own: it starts where RESET ALL would.
    std::vector<LineKeys> afterBreak{ { "R", {} } };
    afterBreak.insert(afterBreak.end(), lines.begin(), lines.end());
    m_typer.show(tape.typeLines(afterBreak, now));
    return true;
}

void TapeEditor::preload(std::vector<LineKeys> lines)
{
    if (!lines.empty() && !m_typer.typing())
        m_typer.show(m_typer.tape().preload(std::move(lines), m_typer.snapshot()));
}

const Tape &TapeEditor::tape() const
{
    return m_typer.tape();
}

void TapeEditor::announce(const QString &text)
{
    m_typer.announce(text);
}

} // namespace tallimax
