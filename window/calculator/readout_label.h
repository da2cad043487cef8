// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class QPaintEvent;

namespace tallimax {

// The readout: a label whose text may grow far wider than the label, since a number being typed
// has no length limit. When the text does not fit inside the frame, the readout shows its end (the
// digits just typed and the separator) after an ellipsis, and a minus sign before that, so the
// user sees that digits are hidden instead of a shorter number cut off at the frame. The label's
// text stays whole: screen readers read it and Copy copies it.
class ReadoutLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tallimax
