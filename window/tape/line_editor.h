// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace tallimax {

// The number, operator and note of a tape line being corrected, in that order, Tab going from
// one to the next. Return in any of them keeps the correction and Escape drops it: none takes
// those keys, and the delegate's own filter on the editor sees them.
class LineEditor : public QWidget
{
    Q_OBJECT

public:
    // A line being typed may stay without an operator; any other keeps one.
    LineEditor(bool operatorOptional, QWidget *parent);

    QLineEdit &number() const { return *m_number; }
    QComboBox &op() const { return *m_op; }
    QLineEdit &note() const { return *m_note; }

private:
    QLineEdit *m_number = nullptr;
    QComboBox *m_op = nullptr;
    QLineEdit *m_note = nullptr;
};

} // namespace tallimax
