// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/window_test_support.h"

#include "window/calculator/calculator_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace tallimax {

// The window under abuse: numbers at the edges of the double range, and clicks, keys and
// closing while the warning box is open.
class HostileInputTest : public testing::WindowTestCase
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void numbersNearTheLimits_data();
    void numbersNearTheLimits();
    void clicksAndKeysWhileTheBoxIsOpenDoNothing();
    void closingWhileTheBoxIsOpenEndsTheProgramCleanly();

private: // NOLINT(readability-redundant-access-specifiers): ends moc's slot section
    // Divides by zero and runs whileOpen inside the warning box, which it then accepts if it
    // is still open.
    void divideByZeroAnd(const std::function<void(QMessageBox &)> &whileOpen);
    QPoint centreOf(QChar key) const;
};

QString repeated(QChar digit, int count)
{
    return { count, digit };
}

void HostileInputTest::init()
{
    QVERIFY(openWindow(WaitFor::Active));
}

void HostileInputTest::cleanup()
{
    closeWindow();
}

QPoint HostileInputTest::centreOf(QChar key) const
{
    return onScreenKey(key)->geometry().center();
}

void HostileInputTest::numbersNearTheLimits_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<QString>("action");

    const QString e154 = '1' + repeated('0', 154);
    const QString e160 = '1' + repeated('0', 160);
    const QString largest = e154 + 'X' + e154 + '=';
    const QString smallest = '1' + ('/' + e160 + '=') + ('/' + e160 + '=') + "/2000=";

    QTest::newRow("1E+308 by multiplication") << largest << "1E+308"
                                              << "Double(X);";
    QTest::newRow("one more multiplication") << largest + "X10="
                                             << "1E+308"
                                             << "Overflow";
    QTest::newRow("then a division") << largest + "X10=/1000="
                                     << "1E+305"
                                     << "Division (/)";
    QTest::newRow("smallest subnormal by division") << smallest << "4.94065645841247E-324"
                                                    << "Division (/)";
    QTest::newRow("below the smallest subnormal") << smallest + "/2="
                                                  << "0"
                                                  << "Division (/)";
    QTest::newRow("0 divided by a number") << "0/7="
                                           << "0"
                                           << "Division (/)";
    QTest::newRow("0 divided by a negative") << "0/-.5="
                                             << "0"
                                             << "Division (/)";
    QTest::newRow("0 divided by a huge number") << "0/" + e154 + "="
                                                << "0"
                                                << "Division (/)";
    QTest::newRow("-0 times a number") << "-0X5="
                                       << "0"
                                       << "Double(X);";
    QTest::newRow("0 times a negative") << "0X-5="
                                        << "0"
                                        << "Double(X);";
    QTest::newRow("-0 divided by a number") << "-0/5="
                                            << "0"
                                            << "Division (/)";
}

void HostileInputTest::numbersNearTheLimits()
{
    QFETCH(QString, keys);
    QFETCH(QString, readout);
    QFETCH(QString, action);
    clickKeys(keys);
    QCOMPARE(readoutLabel()->text(), readout);
    QCOMPARE(actionLabel()->text(), action);
}

void HostileInputTest::divideByZeroAnd(const std::function<void(QMessageBox &)> &whileOpen)
{
    clickKeys(QStringLiteral("8/0"));
    bool boxSeen = false;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        boxSeen = true;
        QPointer<QMessageBox> guard(box);
        whileOpen(*box);
        if (!guard.isNull())
            box->button(QMessageBox::Ok)->click();
    });
    clickKeys(QStringLiteral("="));
    QVERIFY(boxSeen);
}

void HostileInputTest::clicksAndKeysWhileTheBoxIsOpenDoNothing()
{
    QWindow *window = calculatorWindow()->windowHandle();
    QVERIFY(window != nullptr);
    // Without the box, clicks and keys reach the keys by the same way.
    QTest::mouseClick(window, Qt::LeftButton, {}, centreOf('5'));
    QCOMPARE(readoutLabel()->text(), QStringLiteral("5."));
    onScreenKey('4')->setFocus();
    QTest::keyClick(window, Qt::Key_Space);
    QCOMPARE(readoutLabel()->text(), QStringLiteral("54."));
    QTest::keyClick(window, Qt::Key_7);
    QCOMPARE(readoutLabel()->text(), QStringLiteral("547."));
    clickKeys(QStringLiteral("R"));

    QString readoutWhileOpen;
    QString actionWhileOpen;
    bool stillOpen = false;
    divideByZeroAnd([&](QMessageBox &box) {
        for (const QChar key : QStringLiteral("0123456789.+-X/=R"))
            QTest::mouseClick(window, Qt::LeftButton, {}, centreOf(key));
        onScreenKey('7')->setFocus();
        for (const Qt::Key key :
            { Qt::Key_Space, Qt::Key_7, Qt::Key_Plus, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab })
            QTest::keyClick(window, key);
        readoutWhileOpen = readoutLabel()->text();
        actionWhileOpen = actionLabel()->text();
        stillOpen = box.isVisible() && QApplication::activeModalWidget() == &box;
    });

    QCOMPARE(readoutWhileOpen, QStringLiteral("0."));
    QCOMPARE(actionWhileOpen, QStringLiteral("Action"));
    QVERIFY(stillOpen);
    // Only the division by zero itself finished once the box was gone.
    QCOMPARE(readoutLabel()->text(), QStringLiteral("8."));
    QCOMPARE(
        actionLabel()->text(), QStringLiteral("The user was a moron and tried to divide by zero!"));
    clickKeys(QStringLiteral("+1="));
    QCOMPARE(readoutLabel()->text(), QStringLiteral("9"));
}

// As the program runs: the window closing while the box is open takes the box with it and ends
// the event loop normally, after the key that opened the box has finished.
void HostileInputTest::closingWhileTheBoxIsOpenEndsTheProgramCleanly()
{
    clickKeys(QStringLiteral("8/0"));
    bool keyFinished = false;
    bool boxWasOpen = false;
    QTimer::singleShot(0, this, [&] {
        QTimer::singleShot(0, this, [&] {
            boxWasOpen = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()) != nullptr;
            calculatorWindow()->close();
        });
        clickKeys(QStringLiteral("="));
        keyFinished = true;
    });
    // Should the loop not end, this ends it with a failure instead of hanging.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [] { QApplication::exit(1); });
    guard.start(10000);
    const int status = QApplication::exec();
    guard.stop();

    QCOMPARE(status, 0);
    QVERIFY(boxWasOpen);
    QVERIFY(keyFinished);
    QVERIFY(!calculatorWindow()->isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(
        actionLabel()->text(), QStringLiteral("The user was a moron and tried to divide by zero!"));
}

} // namespace tallimax

QTEST_MAIN(tallimax::HostileInputTest)
#include "hostile_input_test.moc"
