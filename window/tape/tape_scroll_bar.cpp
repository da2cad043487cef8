// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/tape/tape_scroll_bar.h"

#include <QStyleOptionSlider>

namespace tallimax {

TapeScrollBar::TapeScrollBar(QWidget *parent) : QScrollBar(Qt::Vertical, parent) { }

TapeScrollBar::Look TapeScrollBar::look() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return { style()->subControlRect(
                 QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
        option.sliderValue == option.minimum, option.sliderValue == option.maximum, option.state };
}

// A change that leaves the bar looking as it was drawn costs no paint.
void TapeScrollBar::sliderChange(SliderChange change)
{
    if (m_changing || look() == m_drawn)
        return;
    QScrollBar::sliderChange(change);
}

void TapeScrollBar::paintEvent(QPaintEvent *event)
{
    m_drawn = look();
    QScrollBar::paintEvent(event);
}

} // namespace tallimax
