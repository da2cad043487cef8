// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/tape.h"

#include <QAbstractListModel>

namespace tallimax {

// The tape's lines as a list for a view and for assistive technology: one row a line, read as a
// sentence in the user's language. The tape tells it which lines changed, so a step touches only
// its own rows, never the whole list.
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
    };

    explicit TapeModel(const Tape &tape, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // A line's number and operator can be corrected; a break cannot.
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void linesReplaced(std::size_t first, std::size_t removed, std::size_t added) override;
    void oldestDropped(std::size_t count) override;

    // The line as a sentence: "34, equals, total 46".
    static QString sentence(const TapeLine &line);
    // The line as a row of a spreadsheet: number, operator and result, separated by tabs.
    static QString cells(const TapeLine &line);

private:
    const Tape &m_tape;
    // The rows the views know of; the tape may already hold more, or fewer, while it tells.
    int m_rows = 0;
};

} // namespace tallimax
