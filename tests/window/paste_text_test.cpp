// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/engine/recording_view.h"

#include "engine/calculator.h"
#include "engine/paste_text.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <optional>
#include <utility>

namespace tallimax {

// The paste reader on its own, with no window: what each text types, in each locale's spelling.
class PasteTextTest : public QObject
{
    Q_OBJECT

private slots:
    void pastedTexts_data();
    void pastedTexts();
    void pasteGivesBackWhatCopyTook_data();
    void pasteGivesBackWhatCopyTook();
};

void PasteTextTest::pastedTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("group");
    // The captions of the keys typed, or why nothing is: "!empty", "!long" or "!refused".
    QTest::addColumn<QString>("keys");

    const QString en[] = { ".", "," };
    const QString de[] = { ",", "." };
    const QString fr[] = { ",", QStringLiteral("\u202F") };
    const QString ar[] = { QStringLiteral("\u066B"), QStringLiteral("\u066C") };
    const auto row = [](const char *name, const QString &text, const QString(&locale)[2],
                         const QString &keys) {
        QTest::newRow(name) << text << locale[0] << locale[1] << keys;
    };
    row("whole", "42", en, "42");
    row("negative", "-7.5", en, "-7.5");
    row("as typed, point last", "7.", en, "7.");
    row("no integer digits", ".5", en, ".5");
    row("leading zeros kept", "007", en, "007");
    row("grouped", "1,234,567.5", en, "1234567.5");
    row("one group reads as grouping", "1,234", en, "1234");
    row("comma not a decimal in en", "1,5", en, "!refused");
    row("group of two", "12,34", en, "!refused");
    row("point then group", "1.234,5", en, "!refused");
    row("two points", "1.2.3", en, "!refused");
    row("calculation", "12+3*4=", en, "12+3X4=");
    row("x and X multiply", "2x3X4", en, "2X3X4");
    row("blanks and a line break", " 2 x 3 \t/ 4 =\n", en, "2X3/4=");
    row("Windows line break", "5\r\n", en, "5");
    row("signs after operators", "2*-3--1", en, "2X-3--1");
    row("sign with a blank", "- 5", en, "-5");
    row("exponent up", "1.5E+20", en, "150000000000000000000");
    row("exponent down", "2.5e-7", en, "0.00000025");
    row("exponent without sign", "1E3", en, "1000");
    row("exponent inside the digits", "-1.25E1", en, "-12.5");
    row("exponent, zeros dropped", "1.500E-1", en, "0.15");
    row("10,000 digits", QString(10000, '1'), en, QString(10000, '1'));
    row("exponent to 10,000 digits", "1E+9999", en, "1" + QString(9999, '0'));
    row("empty", "", en, "!empty");
    row("only blanks and a line break", " \t\n", en, "!empty");
    row("over 10,000 characters", QString(10001, '1'), en, "!long");
    row("exponent beyond 10,000 digits", "1E+10000", en, "!long");
    row("huge exponent", "1E+999999999999", en, "!long");
    row("letters", "12a", en, "!refused");
    row("a word", "abc", en, "!refused");
    row("two numbers, a space between", "1 2", en, "!refused");
    row("space group where the locale has none", "1 234", en, "!refused");
    row("no-break space group where the locale has none", "1\u00A0234", en, "!refused");
    row("operator last", "1+", en, "!refused");
    row("operator first", "+1", en, "!refused");
    row("two signs", "--1", en, "!refused");
    row("equals alone", "=", en, "!refused");
    row("equals inside", "5=+1", en, "!refused");
    row("two line breaks", "5\n\n", en, "!refused");
    row("two lines", "1\n2", en, "!refused");
    row("exponent without digits", "5E", en, "!refused");
    row("lone point", ".", en, "!refused");
    row("lone minus", "-", en, "!refused");
    row("de decimal comma", "1,5", de, "1.5");
    row("de grouped", "1.234.567,89", de, "1234567.89");
    row("de one group reads as grouping", "1.234", de, "1234");
    row("de point with other than three digits", "1.5", de, "1.5");
    row("de point with four digits", "1.2345", de, "1.2345");
    row("de decimal comma with three digits", "1,234", de, "1.234");
    row("de point both grouping and decimal", "1.234.5", de, "!refused");
    row("de exponent", "-1,5E+3", de, "-1500");
    row("fr narrow no-break space", "1\u202F234,5", fr, "1234.5");
    row("fr no-break space", "1\u00A0234", fr, "1234");
    row("fr plain space", "1 234 567 + 5", fr, "1234567+5");
    row("fr space not a group of three", "12 34", fr, "!refused");
    row("ar two-byte decimal", "1\u066B5", ar, "1.5");
    row("ar grouped", "1\u066C234\u066B5", ar, "1234.5");
    row("ar point", "1.5", ar, "1.5");
    row("ar exponent", "-2\u066B5E-07", ar, "-0.00000025");
}

void PasteTextTest::pastedTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, decimal);
    QFETCH(QString, group);
    QFETCH(QString, keys);

    const paste::Reading reading =
        paste::readPastedText(text.toStdString(), decimal.toStdString(), group.toStdString());
    QString read = QString::fromStdString(reading.keys);
    if (reading.refusal) {
        QVERIFY(reading.keys.empty());
        read = *reading.refusal == paste::Refusal::Empty  ? "!empty"
            : *reading.refusal == paste::Refusal::TooLong ? "!long"
                                                          : "!refused";
    }
    QCOMPARE(read, keys);
}

void PasteTextTest::pasteGivesBackWhatCopyTook_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("copied");

    // Each form the readout takes: a result (whole, fraction, exponent, the ends of the double
    // range) and a number being typed, written here with ".".
    const QList<std::pair<const char *, double>> results = { { "whole", 20.0 }, { "fraction", 3.5 },
        { "negative", -2.0 }, { "fifteen digits", 0.1 + 0.2 }, { "many digits", 123456789012345.0 },
        { "exponent", 1.5e20 }, { "small", 2.5e-7 }, { "negative small", -1.25e-5 },
        { "largest", DBL_MAX }, { "most negative", -DBL_MAX },
        { "smallest", 4.94065645841247e-324 }, { "tiny", 1.5e-310 } };
    const QStringList typed = { "7.", "0.5", "-3.", "-0.", "007." };
    for (const QString &separator :
        { QStringLiteral("."), QStringLiteral(","), QStringLiteral("\u066B") }) {
        const std::string point = separator.toStdString();
        for (const auto &[name, value] : results) {
            QTest::addRow("%s %s", qPrintable(separator), name)
                << separator << QString::fromStdString(ToText(value, point));
        }
        for (QString text : typed) {
            QTest::addRow("%s typed %s", qPrintable(separator), qPrintable(text))
                << separator << text.replace('.', separator);
        }
    }
}

// Copy takes the readout as shown; pasting that into a fresh calculator types the same value.
void PasteTextTest::pasteGivesBackWhatCopyTook()
{
    QFETCH(QString, separator);
    QFETCH(QString, copied);

    const std::string point = separator.toStdString();
    const paste::Reading reading = paste::readPastedText(copied.toStdString(), point, "");
    QVERIFY2(!reading.refusal, qPrintable(copied));

    RecordingView view;
    Calculator calculator(view, [&] { return point; });
    calculator.Form_Load();
    for (const char caption : reading.keys)
        QVERIFY(pressKey(calculator, caption));
    const std::optional<double> pasted = ToNumber(view.readout, point);
    const std::optional<double> original = ToNumber(copied.toStdString(), point);
    QVERIFY2(pasted.has_value(), view.readout.c_str());
    QVERIFY(original.has_value());
    QCOMPARE(*pasted, *original);
    QCOMPARE(std::signbit(*pasted), std::signbit(*original));
}

} // namespace tallimax

QTEST_GUILESS_MAIN(tallimax::PasteTextTest)

#include "paste_text_test.moc"
