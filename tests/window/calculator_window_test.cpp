// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/window_test_support.h"

#include "window/calculator/calculator_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace tallimax {

using testing::findLabel;

// The window at work: clicks driving the engine, the hover colouring and the warning box.
class CalculatorWindowTest : public testing::WindowTestCase
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clicksDriveCalculations_data();
    void clicksDriveCalculations();
    void spaceOnAFocusedKeyClicksIt();
    void readoutFollowsThePointer_data();
    void readoutFollowsThePointer();
    void dragOverAKeyLeavesTheColour();
    void resetLeavesTheHoverColour();
    void divisionByZeroWarnsBeforeTheActionPanel();
    void labelsAnnounceTheirText();

private: // NOLINT(readability-redundant-access-specifiers): ends moc's slot section
    void moveTo(const QString &place);
    QColor readoutBackColour() const;
};

void CalculatorWindowTest::init()
{
    QVERIFY(openWindow());
    // Moves without a button go through the cursor, which stays where the last test left it:
    // park it off the window so the first move of each test is a real one.
    QCursor::setPos(calculatorWindow()->mapToGlobal(QPoint(700, 400)));
}

void CalculatorWindowTest::cleanup()
{
    closeWindow();
}

// A place is a control's object name, or "background" for a bare spot of the window.
void CalculatorWindowTest::moveTo(const QString &place)
{
    QPoint point(4, 4);
    if (place != QLatin1String("background")) {
        const auto *control = calculatorWindow()->findChild<QWidget *>(place);
        QVERIFY2(control != nullptr, qPrintable(place));
        point = control->geometry().center();
    }
    QCOMPARE(calculatorWindow()->childAt(point) == nullptr, place == QLatin1String("background"));
    QTest::mouseMove(calculatorWindow(), point);
}

QColor CalculatorWindowTest::readoutBackColour() const
{
    return readoutLabel()->palette().color(readoutLabel()->backgroundRole());
}

void CalculatorWindowTest::clicksDriveCalculations_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("readouts");
    QTest::addColumn<QString>("action");

    // Keys by caption, "R" for RESET ALL; the readout after every key, the action at the end.
    QTest::newRow("plus") << "7+2=" << QStringList{ "7.", "7.", "2.", "9" } << "Plus(+)";
    QTest::newRow("divide") << "7/2=" << QStringList{ "7.", "7.", "2.", "3.5" } << "Division (/)";
    QTest::newRow("left to right")
        << "2+3X4=" << QStringList{ "2.", "2.", "3.", "5", "4.", "20" } << "Double(X);";
    QTest::newRow("every digit") << "1234567890"
                                 << QStringList{ "1.", "12.", "123.", "1234.", "12345.", "123456.",
                                        "1234567.", "12345678.", "123456789.", "1234567890." }
                                 << "Action";
    QTest::newRow("decimal point")
        << "1.5+.25=" << QStringList{ "1.", "1.", "1.5", "1.5", "0.", "0.2", "0.25", "1.75" }
        << "Plus(+)";
    QTest::newRow("negative start")
        << "-5+3=" << QStringList{ "-0.", "-5.", "-5.", "3.", "-2" } << "Plus(+)";
    QTest::newRow("reset mid-calculation")
        << "12+3R5" << QStringList{ "1.", "12.", "12.", "3.", "0.", "5." } << "Action";
}

void CalculatorWindowTest::clicksDriveCalculations()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, readouts);
    QFETCH(QString, action);
    QCOMPARE(readouts.size(), keys.size());

    QCOMPARE(readoutLabel()->text(), QStringLiteral("0."));
    QCOMPARE(actionLabel()->text(), QStringLiteral("Action"));
    for (qsizetype i = 0; i < keys.size(); ++i) {
        clickKeys(keys[i]);
        QVERIFY2(readoutLabel()->text() == readouts[i],
            qPrintable(QStringLiteral("after %1 of %2: %3")
                           .arg(keys[i])
                           .arg(keys, readoutLabel()->text())));
    }
    QCOMPARE(actionLabel()->text(), action);
}

void CalculatorWindowTest::spaceOnAFocusedKeyClicksIt()
{
    QAbstractButton *seven = onScreenKey('7');
    QAbstractButton *plus = onScreenKey('+');
    QAbstractButton *equals = onScreenKey('=');
    QTest::keyClick(seven, Qt::Key_Space);
    QTest::keyClick(plus, Qt::Key_Space);
    QTest::keyClick(seven, Qt::Key_Space);
    QTest::keyClick(equals, Qt::Key_Space);
    QCOMPARE(readoutLabel()->text(), QStringLiteral("14"));
    QCOMPARE(actionLabel()->text(), QStringLiteral("Plus(+)"));
}

void CalculatorWindowTest::readoutFollowsThePointer_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QList<QRgb>>("colours");

    constexpr QRgb White = 0xFFFFFF;
    constexpr QRgb Grey = 0xC0C0C0;
    QTest::newRow("onto the readout and back") << QStringList{ "background", "Readout",
        "background", "Readout" } << QList<QRgb>{ White, Grey, White, Grey };
    QTest::newRow("readout then keys") << QStringList{ "Readout", "Number5", "Operator4", "rset" }
                                       << QList<QRgb>{ Grey, Grey, Grey, Grey };
    QTest::newRow("readout then labels")
        << QStringList{ "Readout", "bla", "Label1" } << QList<QRgb>{ Grey, Grey, Grey };
    QTest::newRow("keys leave a White readout White")
        << QStringList{ "Number7", "Decimal", "bla" } << QList<QRgb>{ White, White, White };
}

void CalculatorWindowTest::readoutFollowsThePointer()
{
    TALLIMAX_SKIP_ON_WAYLAND("the hover colour follows the pointer");
    QFETCH(QStringList, path);
    QFETCH(QList<QRgb>, colours);
    QCOMPARE(colours.size(), path.size());

    for (qsizetype i = 0; i < path.size(); ++i) {
        moveTo(path[i]);
        QVERIFY2(readoutBackColour() == QColor(colours[i]),
            qPrintable(QStringLiteral("over %1: %2").arg(path[i], readoutBackColour().name())));
    }

    // The colour is painted behind the digits, which stay black.
    const QImage shown = calculatorWindow()->grab().toImage();
    const QPoint besideTheDigits = readoutLabel()->geometry().topLeft()
        + QPoint(readoutLabel()->width() / 4, readoutLabel()->height() / 2);
    QCOMPARE(QColor(shown.pixel(besideTheDigits)), QColor(colours.last()));
    QCOMPARE(readoutLabel()->palette().color(readoutLabel()->foregroundRole()), QColor(Qt::black));
}

void CalculatorWindowTest::dragOverAKeyLeavesTheColour()
{
    TALLIMAX_SKIP_ON_WAYLAND("the hover colour follows the pointer");
    moveTo("Readout");
    // A label does not take a press: the window gets it, and the moves of the drag after it.
    auto *justDid = findLabel(*calculatorWindow(), "Label1");
    QTest::mousePress(calculatorWindow(), Qt::LeftButton, {}, justDid->geometry().center());
    QTest::mouseMove(calculatorWindow(), onScreenKey('9')->geometry().center());
    QCOMPARE(readoutBackColour(), QColor(0xC0, 0xC0, 0xC0));
    QTest::mouseMove(calculatorWindow(), QPoint(4, 4));
    QCOMPARE(readoutBackColour(), QColor(0xFF, 0xFF, 0xFF));
    QTest::mouseRelease(calculatorWindow(), Qt::LeftButton, {}, QPoint(4, 4));
}

void CalculatorWindowTest::resetLeavesTheHoverColour()
{
    TALLIMAX_SKIP_ON_WAYLAND("the hover colour follows the pointer");
    clickKeys(QStringLiteral("4"));
    moveTo("Readout");
    QCOMPARE(readoutBackColour(), QColor(0xC0, 0xC0, 0xC0));
    clickKeys(QStringLiteral("R"));
    QCOMPARE(readoutLabel()->text(), QStringLiteral("0."));
    QCOMPARE(readoutBackColour(), QColor(0xC0, 0xC0, 0xC0));
}

void CalculatorWindowTest::divisionByZeroWarnsBeforeTheActionPanel()
{
    clickKeys(QStringLiteral("8/0"));

    // The box blocks the click below until this runs inside its event loop and accepts it.
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool okOnly = false;
    bool ownedByWindow = false;
    QStringList seen;
    QTimer::singleShot(0, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box == nullptr) {
            if (modal != nullptr)
                modal->close();
            return;
        }
        icon = box->icon();
        seen << box->windowTitle() << box->text() << actionLabel()->text();
        okOnly = box->buttons().size() == 1 && box->standardButtons() == QMessageBox::Ok;
        ownedByWindow = box->isModal() && box->parentWidget() == calculatorWindow();
        box->button(QMessageBox::Ok)->click();
    });
    clickKeys(QStringLiteral("="));

    QCOMPARE(icon, QMessageBox::Warning);
    QVERIFY(okOnly);
    QVERIFY(ownedByWindow);
    // Title, prompt, and the action panel not yet changed while the box is open.
    QCOMPARE(
        seen, QStringList({ "Message From Vor", "Look at message on action panel", "Action" }));
    QCOMPARE(
        actionLabel()->text(), QStringLiteral("The user was a moron and tried to divide by zero!"));
    QCOMPARE(readoutLabel()->text(), QStringLiteral("8."));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // The whole message is legible in the action panel.
    QVERIFY(testing::textFits(*actionLabel()));
}

void CalculatorWindowTest::labelsAnnounceTheirText()
{
    clickKeys(QStringLiteral("12+3="));
    for (QLabel *label :
        { readoutLabel(), actionLabel(), findLabel(*calculatorWindow(), "Label1") }) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), label->text());
    }
    QCOMPARE(readoutLabel()->text(), QStringLiteral("15"));
}

} // namespace tallimax

QTEST_MAIN(tallimax::CalculatorWindowTest)
#include "calculator_window_test.moc"
