// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/print/print_module.h"
#include "window/print/printed_line.h"

#include <vector>

class QWidget;

namespace tallimax {

// The tape as a document. title is the tape file's name, or the tape window's title when the tape
// was never saved.

// Writes the lines to path as a PDF file, on the paper size of the user's locale. On failure,
// returns false with a message for the user in error.
bool exportTapePdf(const QString &path, const std::vector<PrintedLine> &lines, const QString &title,
    QString *error);

// Opens the print dialog over parent and prints the lines on the printer chosen there. Loads the
// print module the first time. Returns false when nothing was printed: with a message for the
// user in error, or with error empty when the user cancelled the dialog.
bool printTape(
    QWidget *parent, const std::vector<PrintedLine> &lines, const QString &title, QString *error);

// The print module's entry at path, or null with the reason in error.
PrintTapeFunction loadPrintModule(const QString &path, QString *error);

} // namespace tallimax
