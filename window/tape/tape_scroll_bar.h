// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>
#include <QStyle>

namespace tallimax {

// The tape list's scroll bar, drawn again only when what it shows changes. On a long tape a new
// line moves the slider by less than a pixel, so the bar looks the same and is not drawn again.
class TapeScrollBar : public QScrollBar
{
public:
    explicit TapeScrollBar(QWidget *parent);

    // Makes the changes, to the range and then the value say, and draws the bar again once if it
    // then looks other than it did.
    template <typename Changes> void change(Changes changes)
    {
        m_changing = true;
        changes();
        m_changing = false;
        if (look() != m_drawn)
            update();
    }

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // What the style draws from the bar's range and value: the slider's place and size, and its
    // state with the arrows, which a style may grey out at either end.
    struct Look
    {
        QRect slider;
        bool atMinimum = false;
        bool atMaximum = false;
        QStyle::State state;
        bool operator==(const Look &other) const = default;
    };
    Look look() const;

    // As it was last drawn.
    Look m_drawn;
    bool m_changing = false;
};

} // namespace tallimax
