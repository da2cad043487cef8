// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tape/line_editor.h"

#include "window/tape/tape_model.h"
#include "window/tape/tape_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

#include <string_view>

namespace tallimax {

namespace {

// The operators a line can end with; none only while its number is being typed.
constexpr std::string_view EditableOperators = "+-X/=";

} // namespace

LineEditor::LineEditor(bool operatorOptional, QWidget *parent) : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    m_number = new QLineEdit(this);
    m_number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Numbers read left to right in every language.
    m_number->setLayoutDirection(Qt::LeftToRight);
    //: What a screen reader says for the box that corrects a tape line's number.
    m_number->setAccessibleName(TapeWindow::tr("Number"));
    m_op = new QComboBox(this);
    //: What a screen reader says for the list that changes a tape line's operator.
    m_op->setAccessibleName(TapeWindow::tr("Operator"));
    if (operatorOptional)
        m_op->addItem(QString());
    for (const char op : EditableOperators)
        m_op->addItem(QString(QLatin1Char(op)));
    m_note = new QLineEdit(this);
    m_note->setMaxLength(TapeModel::MaxNoteLength);
    //: What a screen reader says for the box that writes a note beside a tape line.
    m_note->setAccessibleName(TapeWindow::tr("Note"));
    row->addWidget(m_number, 2);
    row->addWidget(m_op);
    row->addWidget(m_note, 1);
    setTabOrder(m_number, m_op);
    setTabOrder(m_op, m_note);
    setFocusProxy(m_number);
}

} // namespace tallimax
