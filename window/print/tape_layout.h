// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/print/printed_line.h"

#include <QFont>
#include <QStringList>

#include <span>
#include <vector>

class QPaintDevice;

namespace tallimax {

// Where the tape's lines go on printed pages: each text wrapped to its column, never cut, and the
// pages broken between lines. A line taller than a whole page is the only one split, between two
// of its rows. Lengths are in the paint device's units.
class TapeLayout
{
public:
    // One column: its left edge and width.
    struct Column
    {
        qreal left = 0;
        qreal width = 0;
    };
    // A line's texts as the rows they wrap into.
    struct Line
    {
        QStringList number;
        QStringList op;
        QStringList result; // the result, or the message that stands in its place
        QStringList note;
        int rows() const;
    };
    // The rows [firstRow, firstRow + rowCount) of one line, placed top rows below the body's top.
    struct Placement
    {
        std::size_t line = 0;
        int firstRow = 0;
        int rowCount = 0;
        int top = 0;
    };

    TapeLayout(std::span<const PrintedLine> lines, const QFont &font, QPaintDevice *device,
        qreal width, qreal height);

    const std::vector<std::vector<Placement>> &pages() const { return m_pages; }
    const Line &line(std::size_t index) const { return m_lines[index]; }
    qreal rowHeight() const { return m_rowHeight; }
    int rowsPerPage() const { return m_rowsPerPage; }
    Column numberColumn() const { return m_number; }
    Column opColumn() const { return m_op; }
    Column resultColumn() const { return m_result; }
    Column noteColumn() const { return m_note; }

private:
    QStringList wrap(const QString &text, const QFont &font, qreal width) const;
    void paginate();

    QPaintDevice *m_device = nullptr;
    std::vector<Line> m_lines;
    std::vector<std::vector<Placement>> m_pages;
    qreal m_rowHeight = 0;
    int m_rowsPerPage = 1;
    Column m_number;
    Column m_op;
    Column m_result;
    Column m_note;
};

} // namespace tallimax
