// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tape/tape_model.h"

#include "window/calculator/layout.h"
#include "window/keys/keyboard.h"
#include "window/language/translations.h"
#include "window/tape/tape_editor.h"

#include <algorithm>
#include <limits>

namespace tallimax {

namespace {

QString toQString(const std::string &text)
{
    return QString::fromStdString(text);
}

QString operatorText(const TapeLine &line)
{
    return line.op ? QString(QLatin1Char(keyOf(*line.op))) : QString();
}

// What a screen reader says for the operator: the name its key has.
QString spokenOperator(char op)
{
    const std::string_view caption(&op, 1);
    for (const layout::ControlRow &row : layout::Controls) {
        if (row.control == layout::Control::Operator && layout::captionOf(row) == caption)
            return translated(layout::accessibleNameOf(row));
    }
    return {};
}

} // namespace

TapeModel::TapeModel(const Tape &tape, TapeEditor &editor, QObject *parent)
    : QAbstractListModel(parent),
      m_tape(tape),
      m_editor(editor),
      m_rows(static_cast<int>(tape.lines().size()))
{ }

int TapeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QString TapeModel::sentence(const TapeLine &line)
{
    QStringList parts;
    if (line.isBreak())
        //: Said by a screen reader for the tape's line that RESET ALL draws.
        parts << tr("Reset all");
    else
        parts << sentenceParts(line);
    if (!line.note.empty())
        parts << toQString(line.note);
    //: Joins the parts of a tape line said by a screen reader: number, operator, result.
    return parts.join(tr(", "));
}

QStringList TapeModel::sentenceParts(const TapeLine &line)
{
    QStringList parts;
    if (!line.number.empty()) {
        // A number being typed ends with the separator, which read aloud before the comma
        // joining the parts would be heard as a pause or a stray comma.
        QString number = toQString(line.number);
        const QString separator = QString::fromStdString(keyboard::systemDecimalSeparator());
        if (number.endsWith(separator) && number.size() > separator.size())
            number.chop(separator.size());
        parts << number;
    }
    if (line.op)
        parts << spokenOperator(keyOf(*line.op));
    if (!line.message.empty())
        parts << toQString(line.message);
    else if (line.isTotal())
        //: Part of what a screen reader says for a tape line ending with "=": "34, equals,
        //: total 46".
        parts << tr("total %1").arg(toQString(line.result));
    else if (!line.result.empty())
        //: Part of what a screen reader says for a tape line whose operator worked out a running
        //: result: "3, multiply, result 5".
        parts << tr("result %1").arg(toQString(line.result));
    return parts;
}

QString TapeModel::cells(const TapeLine &line)
{
    QString text;
    if (line.isBreak()) {
        text = QString::fromLatin1(
            layout::ResetCaption.data(), static_cast<qsizetype>(layout::ResetCaption.size()));
    } else {
        const QString op = line.op ? QString(QLatin1Char(keyOf(*line.op))) : QString();
        const QString result = toQString(line.message.empty() ? line.result : line.message);
        text = toQString(line.number) + u'\t' + op + u'\t' + result;
    }
    if (!line.note.empty())
        text += (line.isBreak() ? QStringLiteral("\t\t\t") : QStringLiteral("\t"))
            + toQString(line.note);
    return text;
}

QVariant TapeModel::data(const QModelIndex &index, int role) const
{
    const auto &lines = m_tape.lines();
    const int row = index.row() >= m_shiftFrom ? index.row() + m_shift : index.row();
    if (!index.isValid() || row < 0 || static_cast<std::size_t>(row) >= lines.size())
        return {};
    const TapeLine &line = lines[static_cast<std::size_t>(row)];
    switch (role) {
    case Qt::DisplayRole:
        return cells(line);
    case Qt::AccessibleTextRole:
        return sentence(line);
    case Qt::ToolTipRole: {
        // The whole line, however long its numbers, for a line the view had to cut: a long
        // number broken into lines a screen wide.
        constexpr qsizetype Width = 80;
        QString text = cells(line).replace(u'\t', u' ');
        for (qsizetype at = Width; at < text.size(); at += Width + 1)
            text.insert(at, u'\n');
        return text;
    }
    case Qt::EditRole:
        return QStringList{ toQString(line.number), operatorText(line) };
    case NumberRole:
        return toQString(line.number);
    case OperatorRole:
        return operatorText(line);
    case NoteRole:
        return toQString(line.note);
    case ResultRole:
        return toQString(line.result);
    case MessageRole:
        return toQString(line.message);
    case TotalRole:
        return line.isTotal();
    case BreakRole:
        return line.isBreak();
    default:
        return {};
    }
}

Qt::ItemFlags TapeModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractListModel::flags(index);
    return !index.isValid() || index.data(BreakRole).toBool() ? flags : flags | Qt::ItemIsEditable;
}

bool TapeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const auto row = static_cast<std::size_t>(index.row());
    if (row >= m_tape.lines().size())
        return false;
    const TapeLine &line = m_tape.lines()[row];
    if (role == NoteRole) {
        const QString note = value.toString().left(MaxNoteLength);
        return note == toQString(line.note) || m_editor.annotate(row, note);
    }
    const QStringList parts = value.toStringList();
    if (role != Qt::EditRole || line.isBreak() || parts.size() != 2 || parts[1].size() > 1)
        return false;
    const QString &number = parts[0];
    const QString &op = parts[1];
    if (number == toQString(line.number) && op == operatorText(line))
        return true;
    return m_editor.correct(
        row, number, op.isEmpty() ? std::nullopt : operatorOf(op.front().toLatin1()));
}

// A step changes the end of the tape: the rows it kept the number of change in place, the others
// come or go.
// The tape tells of a change once it is made, so while the views are told that rows are about
// to come or go, the rows after them are read where the tape has them now.
void TapeModel::linesReplaced(std::size_t first, std::size_t removed, std::size_t added)
{
    const int from = static_cast<int>(first);
    const int kept = static_cast<int>(std::min(removed, added));
    const int shift = static_cast<int>(added) - static_cast<int>(removed);
    const int after = from + static_cast<int>(removed);
    if (shift < 0) {
        beginShift(after, shift);
        beginRemoveRows({}, from + kept, after - 1);
        endShift(shift);
        endRemoveRows();
    } else if (shift > 0) {
        beginShift(after, shift);
        beginInsertRows({}, from + kept, from + static_cast<int>(added) - 1);
        endShift(shift);
        endInsertRows();
    }
    if (kept > 0)
        emit dataChanged(index(from), index(from + kept - 1));
}

void TapeModel::oldestDropped(std::size_t count)
{
    const int rows = static_cast<int>(count);
    beginShift(rows, -rows);
    beginRemoveRows({}, 0, rows - 1);
    endShift(-rows);
    endRemoveRows();
}

void TapeModel::beginShift(int from, int shift)
{
    m_shiftFrom = from;
    m_shift = shift;
}

void TapeModel::endShift(int shift)
{
    m_shiftFrom = std::numeric_limits<int>::max();
    m_shift = 0;
    m_rows += shift;
}

} // namespace tallimax
