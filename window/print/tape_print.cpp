// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/print/tape_print.h"

#include "window/print/tape_page.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLibrary>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace tallimax {

namespace {

// Where the print module is: beside the program in the build tree, else where it is installed.
QStringList moduleCandidates()
{
    return { QCoreApplication::applicationDirPath() + u'/' + QLatin1String(PrintModuleFileName),
        QStringLiteral(TALLIMAX_PRINT_MODULE_DIR "/") + QLatin1String(PrintModuleFileName) };
}

} // namespace

bool exportTapePdf(const QString &path, const std::vector<PrintedLine> &lines, const QString &title,
    QString *error)
{
    // The file is replaced only once the whole document is written.
    QSaveFile file(path);
    const auto failed = [&](const QString &reason) {
        if (error != nullptr)
            //: After Export as PDF failed: %1 is the file's path, %2 why it failed.
            *error = QCoreApplication::translate("tallimax::TapePrint", "Could not write %1: %2")
                         .arg(QDir::toNativeSeparators(path), reason);
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tallimax"));
    // The paper in use where the user lives, with margins a printer can reach.
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    writer.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
        QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    if (renderTape(writer, lines, title, QDateTime::currentDateTime()) == 0) {
        file.cancelWriting();
        return failed(file.errorString());
    }
    if (!file.commit())
        return failed(file.errorString());
    return true;
}

PrintTapeFunction loadPrintModule(const QString &path, QString *error)
{
    // The module stays loaded once loaded: QLibrary's destructor leaves it in place.
    QLibrary module(path);
    if (!module.load()) {
        if (error != nullptr)
            *error = module.errorString();
        return nullptr;
    }
    const auto entry = reinterpret_cast<PrintTapeFunction>(module.resolve(PrintTapeSymbol));
    if (entry == nullptr && error != nullptr)
        *error = module.errorString();
    return entry;
}

bool printTape(
    QWidget *parent, const std::vector<PrintedLine> &lines, const QString &title, QString *error)
{
    static PrintTapeFunction print = nullptr;
    QString reason;
    for (const QString &candidate : moduleCandidates()) {
        if (print == nullptr)
            print = loadPrintModule(candidate, &reason);
    }
    if (error != nullptr)
        error->clear();
    if (print == nullptr) {
        if (error != nullptr)
            //: When printing cannot start because Tallimax's print module is missing or broken;
            //: %1 is the system's reason.
            *error =
                QCoreApplication::translate("tallimax::TapePrint", "Printing is not available: %1")
                    .arg(reason);
        return false;
    }
    const auto outcome =
        static_cast<PrintOutcome>(print(parent, lines.data(), lines.size(), &title));
    if (outcome == PrintOutcome::Failed && error != nullptr)
        //: When the printer chosen in the print dialog could not be started.
        *error =
            QCoreApplication::translate("tallimax::TapePrint", "The printer could not be started.");
    return outcome == PrintOutcome::Printed;
}

} // namespace tallimax
