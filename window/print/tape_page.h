// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/print/printed_line.h"

#include <span>

class QDateTime;
class QPagedPaintDevice;

namespace tallimax {

// Draws the tape as a document on the device's pages, a PDF file's or a printer's: a header with
// the title and when it was printed, the lines as an adding machine's roll prints them, and the
// page's number at its foot. Returns the number of pages, or 0 when the device cannot be painted
// on.
int renderTape(QPagedPaintDevice &device, std::span<const PrintedLine> lines, const QString &title,
    const QDateTime &printedAt);

} // namespace tallimax
