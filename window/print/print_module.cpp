// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/print/print_module.h"

#include "window/print/tape_page.h"

#include <QDateTime>
#include <QPrintDialog>
#include <QPrinter>

using tallimax::PrintOutcome;

extern "C" Q_DECL_EXPORT int tallimax_print_tape(
    QWidget *parent, const tallimax::PrintedLine *lines, std::size_t count, const QString *title)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(*title);
    printer.setCreator(QStringLiteral("Tallimax"));
    QPrintDialog dialog(&printer, parent);
    // Every page is printed: the tape has no selection or page range to print on its own.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
        | QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted)
        return static_cast<int>(PrintOutcome::Cancelled);
    const int pages = tallimax::renderTape(
        printer, std::span(lines, count), *title, QDateTime::currentDateTime());
    return static_cast<int>(pages > 0 ? PrintOutcome::Printed : PrintOutcome::Failed);
}
