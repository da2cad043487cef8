// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/window_test_support.h"

#include "window/calculator/calculator_window.h"
#include "window/keys/keyboard.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

namespace tallimax {

// Run in a German locale: numbers are typed and shown with its decimal comma.
class CommaLocaleTest : public testing::WindowTestCase
{
    Q_OBJECT

private slots:
    void cleanup();

    void separatorComesFromTheLocale();
    void readoutUsesTheComma();
};

void CommaLocaleTest::cleanup()
{
    closeWindow();
}

void CommaLocaleTest::separatorComesFromTheLocale()
{
    QCOMPARE(QString::fromStdString(keyboard::systemDecimalSeparator()), QStringLiteral(","));
}

void CommaLocaleTest::readoutUsesTheComma()
{
    QVERIFY(openWindow());
    const QLabel *readout = readoutLabel();
    QCOMPARE(readout->text(), QStringLiteral("0,"));

    const QString keys = QStringLiteral("12.5+2=");
    const QStringList expected = { "1,", "12,", "12,", "12,5", "12,5", "2,", "14,5" };
    for (qsizetype i = 0; i < keys.size(); ++i) {
        clickKeys(keys[i]);
        QCOMPARE(readout->text(), expected[i]);
    }
    // The key keeps its caption; only what it types follows the locale.
    QCOMPARE(onScreenKey('.')->text(), QStringLiteral("."));
}

} // namespace tallimax

QTEST_MAIN(tallimax::CommaLocaleTest)
#include "comma_locale_test.moc"
