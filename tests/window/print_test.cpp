// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/print/tape_layout.h"
#include "window/print/tape_print.h"

#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace tallimax {

namespace {

const QString LongNumber = QString(15000, u'7') + u'.';
const QString Refusal = QStringLiteral("Cannot divide by zero");
const QString Note = QStringLiteral("rent for March, paid late and with a note long enough that it "
                                    "wraps over more than one row of its column on the page");

// A total, a break, a refusal, a note and a number of 15,000 digits, then 200 plain lines.
std::vector<PrintedLine> session()
{
    std::vector<PrintedLine> lines{ { "2.", "+", "", "", "", false, false },
        { "3.", "X", "5", "", Note, false, false }, { "4.", "=", "20", "", "", true, false },
        { "", "", "", "", "", false, true }, { "8.", "/", "", "", "", false, false },
        { "0.", "=", "", Refusal, "", false, false },
        { LongNumber, "+", "", "", "", false, false } };
    for (int line = 0; line < 200; ++line)
        lines.push_back(
            { QString::number(line) + u'.', "+", QString::number(line * 3), "", "", false, false });
    return lines;
}

} // namespace

// The tape as a document: its pages laid out, written as PDF, and printed through the module.
class PrintTest : public QObject
{
    Q_OBJECT

private slots:
    void pagesKeepEveryRowAndBreakBetweenLines();
    void pdfHoldsEveryLineAndNumbersItsPages();
    void pdfToAnUnwritablePlaceSaysWhy();
    void printModuleLoads();
};

void PrintTest::pagesKeepEveryRowAndBreakBetweenLines()
{
    const std::vector<PrintedLine> lines = session();
    QPdfWriter device(QStringLiteral("/dev/null"));
    QFont font = QGuiApplication::font();
    font.setPointSizeF(10);
    const TapeLayout layout(lines, font, &device, device.width(), device.height() * 0.9);
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const TapeLayout::Line &line = layout.line(index);
        QCOMPARE(line.number.join(QString()), lines[index].number);
        QCOMPARE(line.result.join(QString()),
            lines[index].message.isEmpty() ? lines[index].result : lines[index].message);
        QCOMPARE(line.note.join(QString()), lines[index].note);
    }
    QVERIFY(layout.line(1).note.size() > 1);
    QVERIFY(layout.line(6).rows() > layout.rowsPerPage());

    // Each line's rows once and in order; a page holds no more than it has room for, and only the
    // line taller than a page is split.
    std::vector<int> nextRow(lines.size(), 0);
    std::size_t nextLine = 0;
    for (const auto &page : layout.pages()) {
        int used = 0;
        for (const TapeLayout::Placement &placed : page) {
            QCOMPARE(placed.top, used);
            QCOMPARE(placed.firstRow, nextRow[placed.line]);
            if (placed.firstRow == 0)
                QCOMPARE(placed.line, nextLine++);
            if (placed.rowCount < layout.line(placed.line).rows())
                QCOMPARE(placed.line, std::size_t{ 6 });
            nextRow[placed.line] += placed.rowCount;
            used += placed.rowCount;
        }
        QVERIFY(used <= layout.rowsPerPage());
    }
    for (std::size_t index = 0; index < lines.size(); ++index)
        QCOMPARE(nextRow[index], layout.line(index).rows());
    QVERIFY(layout.pages().size() > 3);
}

void PrintTest::pdfHoldsEveryLineAndNumbersItsPages()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("march.pdf"));
    QString error;
    QVERIFY2(
        exportTapePdf(path, session(), QStringLiteral("march.tape"), &error), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    const auto pages = pdf.count("/Type /Page\n");
    QVERIFY(pages > 3);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the text is not checked");
    QProcess reader;
    reader.start(pdftotext, { path, QStringLiteral("-") });
    QVERIFY(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    QVERIFY(text.contains(QStringLiteral("march.tape")));
    QCOMPARE(
        text.count(QRegularExpression(QStringLiteral("Page \\d+ of %1\\b").arg(pages))), pages);
    QVERIFY(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
    QVERIFY(text.contains(Refusal));
    QVERIFY(text.contains(QStringLiteral("199.")) && text.contains(QStringLiteral("597")));
    // The long number and the note whole, whatever rows and pages they were wrapped over: the
    // text without the headers (the title, the time), the feet and the operators beside them.
    QString compact = text;
    compact.remove(
        QRegularExpression(QStringLiteral("^\\f?(march\\.tape|Page \\d+ of \\d+|.*:.*)$|[\\s+]"),
            QRegularExpression::MultilineOption));
    QVERIFY(compact.contains(LongNumber));
    QVERIFY(compact.contains(QString(Note).remove(u' ')));
}

void PrintTest::pdfToAnUnwritablePlaceSaysWhy()
{
    QString error;
    const QString path = QStringLiteral("/nonexistent/folder/tape.pdf");
    QVERIFY(!exportTapePdf(path, session(), QStringLiteral("tape"), &error));
    QVERIFY2(error.contains(path), qPrintable(error));
}

void PrintTest::printModuleLoads()
{
    QString error;
    QVERIFY2(loadPrintModule(QStringLiteral(TALLIMAX_PRINT_MODULE), &error) != nullptr,
        qPrintable(error));
    QVERIFY(loadPrintModule(QStringLiteral("/nonexistent/tallimax-print.so"), &error) == nullptr);
    QVERIFY(!error.isEmpty());
}

} // namespace tallimax

QTEST_MAIN(tallimax::PrintTest)
#include "print_test.moc"
