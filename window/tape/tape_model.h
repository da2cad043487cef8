// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/tape.h"

#include <QAbstractListModel>

#include <limits>

namespace tallimax {

class TapeEditor;

// The tape's lines as a list for a view and for assistive technology: one row a line, read as a
// sentence in the user's language. The tape tells it which lines changed, so a step touches only
// its own rows, never the whole list. A line's number, operator and note are changed through it,
// each change a step of the session that the typer makes.
class TapeModel : public QAbstractListModel, public TapeListener
{
    Q_OBJECT

public:
    // The parts of a line, which the view draws as columns.
    enum Role {
        NumberRole = Qt::UserRole,
        OperatorRole,
        ResultRole, // the running result
        MessageRole, // instead of a result: why the evaluation was refused
        TotalRole, // true for the total of an "="
        BreakRole, // true for the break RESET ALL draws
        NoteRole, // what the user wrote beside the line; setData gives the line another note
    };

    // The longest note a line can carry, in characters.
    static constexpr int MaxNoteLength = static_cast<int>(TapeLine::MaxNote);

    TapeModel(const Tape &tape, TapeEditor &editor, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // A line's number and operator can be corrected; a break cannot.
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Qt::EditRole: the number and the operator as a QStringList of two, the operator one of
    // "+-X/=" or empty for none; a change corrects the line, everything after it typed again.
    // NoteRole: the note as a string, cut at MaxNoteLength. Setting what the line already has
    // is no step and succeeds; false when the typer refuses the change.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    void linesReplaced(std::size_t first, std::size_t removed, std::size_t added) override;
    void oldestDropped(std::size_t count) override;

    // The line as a sentence: "34, equals, total 46", and its note after it.
    static QString sentence(const TapeLine &line);
    // The line as a row of a spreadsheet: number, operator and result, separated by tabs, and a
    // fourth cell for its note when it has one.
    static QString cells(const TapeLine &line);

private:
    void beginShift(int from, int shift);
    void endShift(int shift);

    // The number, operator and result of a line that is not a break, as they are said.
    static QStringList sentenceParts(const TapeLine &line);

    const Tape &m_tape;
    TapeEditor &m_editor;
    // The rows the views know of; the tape may already hold more, or fewer, while it tells.
    int m_rows = 0;
    // While the views are told of rows coming or going: rows from m_shiftFrom on are read
    // m_shift rows further on.
    int m_shiftFrom = std::numeric_limits<int>::max();
    int m_shift = 0;
};

} // namespace tallimax
