// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/print/tape_page.h"

#include "window/print/tape_layout.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

namespace tallimax {

namespace {

// The rows a header takes above the lines (the title, then a rule), and a footer below them.
constexpr qreal HeaderRows = 2;
constexpr qreal FooterRows = 1.5;

void drawRow(QPainter &painter, const QStringList &rows, int row, qreal y, qreal height,
    const TapeLayout::Column &column, Qt::Alignment align)
{
    if (row < rows.size())
        painter.drawText(QRectF(column.left, y, column.width, height),
            static_cast<int>(align | Qt::AlignVCenter | Qt::TextDontClip), rows[row]);
}

} // namespace

int renderTape(QPagedPaintDevice &device, std::span<const PrintedLine> lines, const QString &title,
    const QDateTime &printedAt)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    QFont font = QGuiApplication::font();
    font.setPointSizeF(10);
    QFont bold = font;
    bold.setBold(true);
    const auto width = static_cast<qreal>(device.width());
    const auto height = static_cast<qreal>(device.height());
    const qreal row = QFontMetricsF(bold, &device).lineSpacing() * 1.15;
    const qreal bodyTop = HeaderRows * row;
    const TapeLayout layout(lines, font, &device, width, height - bodyTop - FooterRows * row);
    const qreal rowHeight = layout.rowHeight();
    const auto pageCount = static_cast<int>(layout.pages().size());
    const QString printed = QLocale().toString(printedAt, QLocale::ShortFormat);
    const Qt::LayoutDirection direction = QGuiApplication::layoutDirection();
    // Rules as thin as a printed line, and the break's dashes long enough to see.
    const QPen rule(Qt::black, row / 20);
    const QPen dashed(Qt::black, row / 20, Qt::DashLine);

    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            device.newPage();
        // The header and footer run in the reader's direction.
        painter.setLayoutDirection(direction);
        painter.setPen(rule);
        painter.setFont(bold);
        const QString shownTitle =
            painter.fontMetrics().elidedText(title, Qt::ElideMiddle, static_cast<int>(width * 0.6));
        painter.drawText(QRectF(0, 0, width, row), Qt::AlignLeft | Qt::AlignVCenter, shownTitle);
        painter.setFont(font);
        painter.drawText(QRectF(0, 0, width, row), Qt::AlignRight | Qt::AlignVCenter, printed);
        painter.drawLine(QPointF(0, row * 1.4), QPointF(width, row * 1.4));
        painter.drawText(QRectF(0, height - row, width, row), Qt::AlignHCenter | Qt::AlignVCenter,
            //: At the foot of each page of the printed tape.
            QCoreApplication::translate("tallimax::TapePrint", "Page %1 of %2")
                .arg(page + 1)
                .arg(pageCount));

        // Numbers and their columns read left to right in every language.
        painter.setLayoutDirection(Qt::LeftToRight);
        for (const TapeLayout::Placement &placed : layout.pages()[static_cast<std::size_t>(page)]) {
            const PrintedLine &printedLine = lines[placed.line];
            const TapeLayout::Line &line = layout.line(placed.line);
            const qreal top = bodyTop + placed.top * rowHeight;
            if (printedLine.isBreak) {
                painter.setPen(dashed);
                painter.drawLine(
                    QPointF(0, top + rowHeight / 2), QPointF(width, top + rowHeight / 2));
                painter.setPen(rule);
                continue;
            }
            if (printedLine.isTotal && placed.firstRow == 0) {
                // An adding machine sets a total apart: a rule above it, and bold.
                const TapeLayout::Column result = layout.resultColumn();
                painter.drawLine(QPointF(result.left + result.width / 4, top),
                    QPointF(result.left + result.width, top));
            }
            for (int offset = 0; offset < placed.rowCount; ++offset) {
                const int at = placed.firstRow + offset;
                const qreal y = top + offset * rowHeight;
                painter.setFont(font);
                drawRow(
                    painter, line.number, at, y, rowHeight, layout.numberColumn(), Qt::AlignRight);
                drawRow(painter, line.op, at, y, rowHeight, layout.opColumn(), Qt::AlignHCenter);
                drawRow(painter, line.note, at, y, rowHeight, layout.noteColumn(), Qt::AlignLeft);
                if (printedLine.isTotal && printedLine.message.isEmpty())
                    painter.setFont(bold);
                drawRow(
                    painter, line.result, at, y, rowHeight, layout.resultColumn(), Qt::AlignRight);
            }
        }
    }
    return painter.end() ? pageCount : 0;
}

} // namespace tallimax
