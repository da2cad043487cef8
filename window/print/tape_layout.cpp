// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/print/tape_layout.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace tallimax {

int TapeLayout::Line::rows() const
{
    const auto most = std::max({ number.size(), op.size(), result.size(), note.size() });
    return std::max(1, static_cast<int>(most));
}

TapeLayout::TapeLayout(std::span<const PrintedLine> lines, const QFont &font, QPaintDevice *device,
    qreal width, qreal height)
    : m_device(device)
{
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(font, device);
    m_rowHeight = std::max(metrics.lineSpacing(), QFontMetricsF(bold, device).lineSpacing()) * 1.15;
    m_rowsPerPage = std::max(1, static_cast<int>(std::floor(height / m_rowHeight)));

    // As on an adding machine's roll: the number, its operator and the result side by side, and
    // the note in the room that is left.
    const qreal digit = metrics.horizontalAdvance(QLatin1Char('0'));
    const qreal figures = width * 0.3;
    m_number = { 0, figures };
    m_op = { figures, 3 * digit };
    m_result = { m_op.left + m_op.width, figures };
    const qreal noteLeft = m_result.left + figures + 2 * digit;
    m_note = { noteLeft, std::max(width - noteLeft, digit) };

    m_lines.reserve(lines.size());
    for (const PrintedLine &printed : lines) {
        Line line;
        if (!printed.isBreak) {
            line.number = wrap(printed.number, font, m_number.width);
            line.op = wrap(printed.op, font, m_op.width);
            line.result = printed.message.isEmpty()
                ? wrap(printed.result, printed.isTotal ? bold : font, m_result.width)
                : wrap(printed.message, font, m_result.width);
            line.note = wrap(printed.note, font, m_note.width);
        }
        m_lines.push_back(std::move(line));
    }
    paginate();
}

// At word boundaries where there are any, anywhere within a number, so that every character is
// on some row.
QStringList TapeLayout::wrap(const QString &text, const QFont &font, qreal width) const
{
    QStringList rows;
    if (text.isEmpty())
        return rows;
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(shown, font, m_device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(width);
        QString part = shown.mid(row.textStart(), row.textLength());
        part.remove(QChar::LineSeparator);
        rows << part;
    }
    layout.endLayout();
    return rows;
}

// Each page takes whole lines while they fit. A line taller than a page fills pages of its own,
// and its last rows share a page with the lines after it.
void TapeLayout::paginate()
{
    std::vector<Placement> page;
    int used = 0;
    for (std::size_t index = 0; index < m_lines.size(); ++index) {
        const int rows = m_lines[index].rows();
        if (used + rows > m_rowsPerPage && !page.empty()) {
            m_pages.push_back(std::move(page));
            page.clear();
            used = 0;
        }
        int first = 0;
        for (; rows - first > m_rowsPerPage; first += m_rowsPerPage)
            m_pages.push_back({ Placement{ index, first, m_rowsPerPage, 0 } });
        page.push_back(Placement{ index, first, rows - first, used });
        used += rows - first;
    }
    if (!page.empty() || m_pages.empty())
        m_pages.push_back(std::move(page));
}

} // namespace tallimax
