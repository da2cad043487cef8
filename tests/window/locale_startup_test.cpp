// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/window_test_support.h"

#include "window/calculator/calculator_window.h"
#include "window/keys/keyboard.h"

#include <QLabel>
#include <QTest>

namespace tallimax {

// Start-up in whatever locale the environment names, broken ones included. The test's
// environment says which separator the window should end up with, in TEST_EXPECTED_SEPARATOR.
class LocaleStartupTest : public testing::WindowTestCase
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void startsWithZeroAndTheSeparator();
    void calculates_data();
    void calculates();

private: // NOLINT(readability-redundant-access-specifiers): ends moc's slot section
    // An expected text written with "." in the separator under test.
    QString localized(QString text) const { return text.replace('.', m_separator); }

    QString m_separator;
};

void LocaleStartupTest::initTestCase()
{
    m_separator = qEnvironmentVariable("TEST_EXPECTED_SEPARATOR");
    QVERIFY2(!m_separator.isEmpty(), "TEST_EXPECTED_SEPARATOR is not set");
    qInfo("LANG=%s LC_ALL=%s LC_NUMERIC=%s: separator \"%s\"", qgetenv("LANG").constData(),
        qgetenv("LC_ALL").constData(), qgetenv("LC_NUMERIC").constData(),
        keyboard::systemDecimalSeparator().c_str());
}

void LocaleStartupTest::cleanup()
{
    closeWindow();
}

void LocaleStartupTest::startsWithZeroAndTheSeparator()
{
    QVERIFY(openWindow());
    QCOMPARE(readoutLabel()->text(), QStringLiteral("0") + m_separator);
}

void LocaleStartupTest::calculates_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("readout");

    QTest::newRow("fraction typed") << "12.5+2="
                                    << "14.5";
    QTest::newRow("fraction shown") << "7/2="
                                    << "3.5";
    QTest::newRow("fifteen digits") << "2/3="
                                    << "0.666666666666667";
    QTest::newRow("negative fraction") << "-.5X3="
                                       << "-1.5";
    QTest::newRow("large exponent") << "10000000000X10000000000="
                                    << "1E+20";
    QTest::newRow("small exponent") << "1.5/100000="
                                    << "1.5E-05";
    // "=" takes the shown text as the next operand: it must read back in the same locale.
    QTest::newRow("shown text read back") << "1/4==X2="
                                          << "0.5";
    QTest::newRow("exponent read back") << "1.5/100000==X2="
                                        << "3E-05";
}

void LocaleStartupTest::calculates()
{
    QFETCH(QString, keys);
    QFETCH(QString, readout);

    QVERIFY(openWindow());
    clickKeys(keys);
    QCOMPARE(readoutLabel()->text(), localized(readout));
}

} // namespace tallimax

QTEST_MAIN(tallimax::LocaleStartupTest)
#include "locale_startup_test.moc"
