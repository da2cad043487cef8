// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/engine/recording_view.h"
#include "tests/window/window_test_support.h"

#include "window/calculator_window.h"
#include "window/keyboard.h"
#include "window/paste_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cfloat>
#include <cmath>
#include <functional>
#include <utility>

namespace tallimax {

// The keyboard and the clipboard: every key goes through an on-screen key, wherever the focus
// is, and Copy takes the readout as shown. Keys are sent the way the window system sends them, to
// the window, so they reach whichever control has the focus and are blocked by a modal box.
class KeyboardTest : public testing::WindowTestCase
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachKeyPressesOneOnScreenKey_data();
    void eachKeyPressesOneOnScreenKey();
    void typedCalculations_data();
    void typedCalculations();
    void noKeyLostRightAfterAPress_data();
    void noKeyLostRightAfterAPress();
    void otherKeysPressNothing_data();
    void otherKeysPressNothing();
    void spaceAndTabStayWithTheFocusedKey();
    void keysWhileTheWarningBoxIsOpen_data();
    void keysWhileTheWarningBoxIsOpen();
    void copyTakesTheReadoutAsShown();
    void readoutMenuCopies();
    void pastedTexts_data();
    void pastedTexts();
    void pasteGivesBackWhatCopyTook_data();
    void pasteGivesBackWhatCopyTook();
    void pasteFromTheClipboard();

private: // NOLINT(readability-redundant-access-specifiers): ends moc's slot section
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString &keys);
    void focusOn(const QString &name);

    // Object names of the on-screen keys in the order they were clicked.
    QStringList m_clicked;
};

void KeyboardTest::init()
{
    TALLIMAX_SKIP_ON_WAYLAND("keys reach only the window holding the keyboard focus");
    QVERIFY(openWindow(WaitFor::Active));
    m_clicked.clear();
    for (QAbstractButton *key : calculatorWindow()->findChildren<QAbstractButton *>()) {
        connect(
            key, &QAbstractButton::clicked, this, [this, key] { m_clicked << key->objectName(); });
    }
}

void KeyboardTest::cleanup()
{
    closeWindow();
}

void KeyboardTest::press(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(calculatorWindow()->windowHandle(), static_cast<Qt::Key>(key), modifiers);
}

// Types characters as the keyboard sends them: "*" as Key_Asterisk, "," as Key_Comma.
void KeyboardTest::type(const QString &keys)
{
    for (const QChar key : keys)
        QTest::keyClick(calculatorWindow()->windowHandle(), key.toLatin1());
}

// A key's object name, "window" for the window itself with no key focused.
void KeyboardTest::focusOn(const QString &name)
{
    if (name == QLatin1String("window")) {
        if (QWidget *focused = QApplication::focusWidget())
            focused->clearFocus();
        QVERIFY(QApplication::focusWidget() == nullptr);
        return;
    }
    auto *key = calculatorWindow()->findChild<QAbstractButton *>(name);
    QVERIFY2(key != nullptr, qPrintable(name));
    key->setFocus();
    QCOMPARE(QApplication::focusWidget(), key);
}

void KeyboardTest::eachKeyPressesOneOnScreenKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("onScreen");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    for (int digit = 0; digit <= 9; ++digit) {
        const QByteArray name = QByteArray::number(digit);
        const QString onScreen = QStringLiteral("Number%1").arg(digit);
        // Focus on another key, on the same key, and nowhere: one click each time.
        QTest::newRow("main row " + name)
            << Qt::Key_0 + digit << none << QStringLiteral("Operator4") << onScreen;
        QTest::newRow("keypad " + name) << Qt::Key_0 + digit << keypad << onScreen << onScreen;
        QTest::newRow("shifted " + name)
            << Qt::Key_0 + digit << shift << QStringLiteral("window") << onScreen;
    }
    QTest::newRow(".") << int(Qt::Key_Period) << none << "Number0"
                       << "Decimal";
    QTest::newRow(",") << int(Qt::Key_Comma) << none << "Decimal"
                       << "Decimal";
    QTest::newRow("keypad .") << int(Qt::Key_Period) << keypad << "rset"
                              << "Decimal";
    QTest::newRow("keypad ,") << int(Qt::Key_Comma) << keypad << "window"
                              << "Decimal";
    QTest::newRow("+") << int(Qt::Key_Plus) << shift << "Number7"
                       << "Operator1";
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << keypad << "Operator1"
                              << "Operator1";
    QTest::newRow("-") << int(Qt::Key_Minus) << none << "Number7"
                       << "Operator3";
    QTest::newRow("keypad -") << int(Qt::Key_Minus) << keypad << "window"
                              << "Operator3";
    QTest::newRow("*") << int(Qt::Key_Asterisk) << shift << "Operator0"
                       << "Operator2";
    QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << keypad << "Number2"
                              << "Operator2";
    QTest::newRow("x") << int(Qt::Key_X) << none << "Number2"
                       << "Operator2";
    QTest::newRow("X") << int(Qt::Key_X) << shift << "Operator2"
                       << "Operator2";
    QTest::newRow("/") << int(Qt::Key_Slash) << none << "Operator2"
                       << "Operator0";
    QTest::newRow("keypad /") << int(Qt::Key_Slash) << keypad << "window"
                              << "Operator0";
    QTest::newRow("Return") << int(Qt::Key_Return) << none << "Number5"
                            << "Operator4";
    QTest::newRow("Enter") << int(Qt::Key_Enter) << keypad << "Decimal"
                           << "Operator4";
    QTest::newRow("=") << int(Qt::Key_Equal) << none << "window"
                       << "Operator4";
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "Number3"
                            << "rset";
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "rset"
                            << "rset";
    // The keypad's decimal key with NumLock off reports Delete.
    QTest::newRow("keypad Delete") << int(Qt::Key_Delete) << keypad << "window"
                                   << "rset";
}

void KeyboardTest::eachKeyPressesOneOnScreenKey()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, focus);
    QFETCH(QString, onScreen);

    focusOn(focus);
    auto *target = calculatorWindow()->findChild<QAbstractButton *>(onScreen);
    QVERIFY(target != nullptr);
    const QImage up = target->grab().toImage();
    press(key, modifiers);

    // The press shows on the key, which is not held down, and the key comes up again by itself.
    QVERIFY(target->grab().toImage() != up);
    QVERIFY(!target->isDown());
    TALLIMAX_TRY_COMPARE(m_clicked, QStringList{ onScreen });
    TALLIMAX_TRY_COMPARE(target->grab().toImage(), up);
    QCOMPARE(m_clicked, QStringList{ onScreen });
}

void KeyboardTest::typedCalculations_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("readout");
    QTest::addColumn<QString>("action");

    // Characters typed in one burst, faster than any click animation: no key may be lost or
    // land out of order.
    QTest::newRow("plus") << "7+2="
                          << "9"
                          << "Plus(+)";
    QTest::newRow("star and x multiply") << "6*7=x2="
                                         << "84"
                                         << "Double(X);";
    QTest::newRow("comma types the separator") << "1,5/2="
                                               << "0.75"
                                               << "Division (/)";
    QTest::newRow("repeated digits") << "1001-1="
                                     << "1000"
                                     << "Minus(-)";
    QTest::newRow("digits in turn") << "121+212="
                                    << "333"
                                    << "Plus(+)";
    QTest::newRow("negative start") << "-5+3="
                                    << "-2"
                                    << "Plus(+)";
    QTest::newRow("decimal point twice") << "2..5"
                                         << "2.5"
                                         << "Action";
}

void KeyboardTest::typedCalculations()
{
    QFETCH(QString, keys);
    QFETCH(QString, readout);
    QFETCH(QString, action);

    type(keys);
    TALLIMAX_TRY_COMPARE(m_clicked.size(), keys.size());
    QCOMPARE(readoutLabel()->text(), readout);
    QCOMPARE(actionLabel()->text(), action);
}

void KeyboardTest::noKeyLostRightAfterAPress_data()
{
    QTest::addColumn<QString>("hold");

    // What holds the on-screen key that the first key presses while both keys arrive.
    QTest::newRow("the focus") << "focus";
    QTest::newRow("the Space bar") << "Space";
    QTest::newRow("a mouse button") << "mouse";
    QTest::newRow("nothing, no key focused") << "window";
}

// Every pair of keys typed with no pause between them, from the keyboard, on every on-screen key
// the first one presses: both keys press their on-screen keys, in order, as clicks would, and a
// press held on the key still clicks it when it ends.
void KeyboardTest::noKeyLostRightAfterAPress()
{
    QFETCH(QString, hold);

    const QList<std::pair<int, QChar>> keys = { { Qt::Key_0, '0' }, { Qt::Key_1, '1' },
        { Qt::Key_2, '2' }, { Qt::Key_3, '3' }, { Qt::Key_4, '4' }, { Qt::Key_5, '5' },
        { Qt::Key_6, '6' }, { Qt::Key_7, '7' }, { Qt::Key_8, '8' }, { Qt::Key_9, '9' },
        { Qt::Key_Period, '.' }, { Qt::Key_Comma, '.' }, { Qt::Key_Plus, '+' },
        { Qt::Key_Minus, '-' }, { Qt::Key_Asterisk, 'X' }, { Qt::Key_X, 'X' },
        { Qt::Key_Slash, '/' }, { Qt::Key_Equal, '=' }, { Qt::Key_Return, '=' },
        { Qt::Key_Enter, '=' }, { Qt::Key_Escape, 'R' }, { Qt::Key_Delete, 'R' } };
    QWindow *window = calculatorWindow()->windowHandle();
    for (const auto &[first, firstCaption] : keys) {
        QAbstractButton *held = onScreenKey(firstCaption);
        for (const auto &[second, secondCaption] : keys) {
            const QString pair =
                QStringLiteral("%1 then %2")
                    .arg(QKeySequence(first).toString(), QKeySequence(second).toString());
            calculatorWindow()->calculator().rset_Click();
            focusOn(hold == QLatin1String("window") ? hold : held->objectName());
            m_clicked.clear();
            QString clicks = QString(firstCaption) + secondCaption;
            if (hold == QLatin1String("Space"))
                QTest::keyPress(window, Qt::Key_Space);
            if (hold == QLatin1String("mouse"))
                QTest::mousePress(held, Qt::LeftButton);
            QTest::keyClick(window, static_cast<Qt::Key>(first));
            QTest::keyClick(window, static_cast<Qt::Key>(second));
            if (hold == QLatin1String("Space"))
                QTest::keyRelease(window, Qt::Key_Space);
            if (hold == QLatin1String("mouse"))
                QTest::mouseRelease(held, Qt::LeftButton);
            if (hold == QLatin1String("Space") || hold == QLatin1String("mouse"))
                clicks += firstCaption;

            QStringList expected;
            for (const QChar caption : clicks)
                expected << testing::keyName(caption);
            QVERIFY2(m_clicked == expected,
                qPrintable(
                    pair + ": " + m_clicked.join(' ') + " clicked, not " + expected.join(' ')));
            const QString typed = readoutLabel()->text();
            calculatorWindow()->calculator().rset_Click();
            clickKeys(clicks);
            QVERIFY2(readoutLabel()->text() == typed, qPrintable(pair));
        }
    }
}

void KeyboardTest::otherKeysPressNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    // Backspace would need the calculator to edit a number it does not have.
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers();
    QTest::newRow("Ctrl+7") << int(Qt::Key_7) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Alt+X") << int(Qt::Key_X) << Qt::KeyboardModifiers(Qt::AltModifier);
    QTest::newRow("Meta+Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers(Qt::MetaModifier);
    QTest::newRow("letter") << int(Qt::Key_A) << Qt::KeyboardModifiers();
    QTest::newRow("C alone") << int(Qt::Key_C) << Qt::KeyboardModifiers();
    // Keypad "0" with NumLock off is reported as Insert, not as a digit.
    QTest::newRow("keypad Insert")
        << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

void KeyboardTest::otherKeysPressNothing()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);

    type(QStringLiteral("12+3"));
    press(key, modifiers);
    // The calculation carries on from where it was.
    type(QStringLiteral("="));
    TALLIMAX_TRY_COMPARE(m_clicked.size(), 5);
    QCOMPARE(readoutLabel()->text(), QStringLiteral("15"));
    QCOMPARE(m_clicked.constLast(), QStringLiteral("Operator4"));
}

void KeyboardTest::spaceAndTabStayWithTheFocusedKey()
{
    focusOn(QStringLiteral("Number5"));
    press(Qt::Key_Space);
    QCOMPARE(m_clicked, QStringList{ "Number5" });
    QCOMPARE(readoutLabel()->text(), QStringLiteral("5."));

    // Tab moves on to "6" without pressing anything; Space then presses "6".
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Number6"));
    press(Qt::Key_Space);
    QCOMPARE(m_clicked, QStringList({ "Number5", "Number6" }));

    // A key typed while "6" has the focus presses its own key, not the focused one.
    press(Qt::Key_Plus, Qt::ShiftModifier);
    press(Qt::Key_1);
    press(Qt::Key_Return);
    TALLIMAX_TRY_COMPARE(
        m_clicked, QStringList({ "Number5", "Number6", "Operator1", "Number1", "Operator4" }));
    QCOMPARE(readoutLabel()->text(), QStringLiteral("57"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Number6"));
}

void KeyboardTest::keysWhileTheWarningBoxIsOpen_data()
{
    QTest::addColumn<int>("dismissKey");

    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void KeyboardTest::keysWhileTheWarningBoxIsOpen()
{
    QFETCH(int, dismissKey);

    type(QStringLiteral("8/0"));
    TALLIMAX_TRY_COMPARE(m_clicked.size(), 3);

    int boxes = 0;
    QString readoutWhileOpen;
    QString actionWhileOpen;
    qsizetype clicksWhileOpen = -1;
    bool stillOpen = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        if (++boxes > 1) {
            // A dismissing key that reached the calculator as "=" would open a second box.
            box->close();
            return;
        }
        QPointer<QMessageBox> guard(box);
        QWindow *boxWindow = box->windowHandle();
        // Keys sent to the box and keys sent to the calculator window behind it.
        for (const int key : { Qt::Key_7, Qt::Key_Plus, Qt::Key_Delete, Qt::Key_X, Qt::Key_Period })
            QTest::keyClick(boxWindow, static_cast<Qt::Key>(key));
        for (const int key : { Qt::Key_7, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Equal })
            QTest::keyClick(calculatorWindow()->windowHandle(), static_cast<Qt::Key>(key));
        readoutWhileOpen = readoutLabel()->text();
        actionWhileOpen = actionLabel()->text();
        clicksWhileOpen = m_clicked.size();
        stillOpen = !guard.isNull() && box->isVisible();
        if (!guard.isNull())
            QTest::keyClick(boxWindow, static_cast<Qt::Key>(dismissKey));
    });
    watcher.start(0);
    type(QStringLiteral("="));
    TALLIMAX_TRY_COMPARE(m_clicked.size(), 4);
    TALLIMAX_TRY_VERIFY(QApplication::activeModalWidget() == nullptr);
    watcher.stop();

    QCOMPARE(boxes, 1);
    QVERIFY(stillOpen);
    QCOMPARE(readoutWhileOpen, QStringLiteral("0."));
    QCOMPARE(actionWhileOpen, QStringLiteral("Action"));
    // The "=" that opened the box is recorded only once its click has finished.
    QCOMPARE(clicksWhileOpen, 3);
    // The division finished after the box; the dismissing key pressed nothing else.
    QCOMPARE(m_clicked.size(), 4);
    QCOMPARE(readoutLabel()->text(), QStringLiteral("8."));
    QCOMPARE(
        actionLabel()->text(), QStringLiteral("The user was a moron and tried to divide by zero!"));
    type(QStringLiteral("+1="));
    TALLIMAX_TRY_COMPARE(readoutLabel()->text(), QStringLiteral("9"));
}

void KeyboardTest::copyTakesTheReadoutAsShown()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QList<QKeySequence> copyKeys = QKeySequence::keyBindings(QKeySequence::Copy);
    QVERIFY(!copyKeys.isEmpty());

    // The trailing separator of a number being typed is copied too, as it is shown.
    const QStringList keys = { "7", "+", ".5", "=", "-", "-", "3", "/", "0" };
    const QStringList shown = { "7.", "7.", "0.5", "7.5", "7.5", "-", "-3.", "10.5", "0." };
    qsizetype typed = 0;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        type(keys[i]);
        typed += keys[i].size();
        TALLIMAX_TRY_COMPARE(m_clicked.size(), typed);
        QCOMPARE(readoutLabel()->text(), shown[i]);
        for (const QKeySequence &copy : copyKeys) {
            clipboard->setText(QStringLiteral("stale"));
            const QKeyCombination combination = copy[0];
            press(combination.key(), combination.keyboardModifiers());
            QCOMPARE(clipboard->text(), shown[i]);
        }
    }
    // Copying pressed no key.
    QCOMPARE(m_clicked.size(), typed);
}

void KeyboardTest::readoutMenuCopies()
{
    type(QStringLiteral("12.5"));
    TALLIMAX_TRY_COMPARE(readoutLabel()->text(), QStringLiteral("12.5"));
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));

    QStringList actions;
    QTimer::singleShot(0, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        for (QAction *action : menu->actions())
            actions << action->text();
        if (!menu->actions().isEmpty())
            menu->actions().constFirst()->trigger();
        menu->close();
    });
    // A right click where the readout is, as the window system delivers it.
    const QPoint onReadout = readoutLabel()->geometry().center();
    QTest::mouseClick(calculatorWindow()->windowHandle(), Qt::RightButton, {}, onReadout);

    QCOMPARE(actions, QStringList({ "&Copy", "&Paste" }));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12.5"));
    QCOMPARE(readoutLabel()->text(), QStringLiteral("12.5"));
    QCOMPARE(m_clicked.size(), 4);
}

void KeyboardTest::pastedTexts_data()
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

void KeyboardTest::pastedTexts()
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

void KeyboardTest::pasteGivesBackWhatCopyTook_data()
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
void KeyboardTest::pasteGivesBackWhatCopyTook()
{
    QFETCH(QString, separator);
    QFETCH(QString, copied);

    const std::string point = separator.toStdString();
    const paste::Reading reading = paste::readPastedText(copied.toStdString(), point, "");
    QVERIFY2(!reading.refusal, qPrintable(copied));

    RecordingView view;
    Calculator calculator(view, [&] { return point; });
    calculator.Form_Load();
    for (const char caption : reading.keys) {
        const std::optional<keyboard::KeyTarget> key = keyboard::keyTargetOf(caption);
        QVERIFY(key.has_value());
        if (key->control == layout::Control::Number)
            calculator.Number_Click(key->index);
        else if (key->control == layout::Control::Operator)
            calculator.Operator_Click(key->index);
        else
            calculator.Decimal_Click();
    }
    const std::optional<double> pasted = ToNumber(view.readout, point);
    const std::optional<double> original = ToNumber(copied.toStdString(), point);
    QVERIFY2(pasted.has_value(), view.readout.c_str());
    QVERIFY(original.has_value());
    QCOMPARE(*pasted, *original);
    QCOMPARE(std::signbit(*pasted), std::signbit(*original));
}

void KeyboardTest::pasteFromTheClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QList<QKeySequence> pasteKeys = QKeySequence::keyBindings(QKeySequence::Paste)
        << QKeySequence(Qt::ShiftModifier | Qt::Key_Insert);
    QStringList calculation;
    for (const QChar key : QStringLiteral("12+3="))
        calculation << testing::keyName(key);

    // Every paste key, wherever the focus is, types the calculation, as clicks would.
    for (const QKeySequence &paste : pasteKeys) {
        calculatorWindow()->calculator().rset_Click();
        m_clicked.clear();
        focusOn(QStringLiteral("Number5"));
        clipboard->setText(QStringLiteral("12 + 3 =\n"));
        press(paste[0].key(), paste[0].keyboardModifiers());
        QCOMPARE(m_clicked, calculation);
        QCOMPARE(readoutLabel()->text(), QStringLiteral("15"));
    }

    // A refused paste types nothing, not even part of a number, and says why by the readout,
    // to assistive technology too, until the message goes away by itself.
    m_clicked.clear();
    type(QStringLiteral("7"));
    clipboard->setText(QStringLiteral("12a"));
    press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_clicked, QStringList{ "Number7" });
    QCOMPARE(readoutLabel()->text(), QStringLiteral("7."));
    auto *message = calculatorWindow()->findChild<QLabel *>(QStringLiteral("PasteMessage"));
    QVERIFY(message != nullptr);
    QVERIFY(message->isVisible());
    QVERIFY(readoutLabel()->geometry().contains(message->geometry()));
    QVERIFY(testing::textFits(*message));
    QCOMPARE(message->accessibleName(), message->text());
    // The pointer over the message is over the readout.
    QTest::mouseMove(calculatorWindow()->windowHandle(), message->geometry().center());
    QCOMPARE(readoutLabel()->palette().color(readoutLabel()->backgroundRole()), QColor(0xC0C0C0));
    const QString refusedText = message->text();

    // An image is no text; the readout's menu then offers Paste disabled.
    auto *image = new QMimeData;
    image->setImageData(QImage(4, 4, QImage::Format_RGB32));
    clipboard->setMimeData(image);
    press(Qt::Key_Insert, Qt::ShiftModifier);
    QVERIFY(message->text() != refusedText);
    bool pasteEnabled = true;
    QTimer::singleShot(0, this, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            pasteEnabled = menu->actions().constLast()->isEnabled();
            menu->close();
        }
    });
    QTest::mouseClick(calculatorWindow()->windowHandle(), Qt::RightButton, {},
        readoutLabel()->geometry().center());
    QVERIFY(!pasteEnabled);
    QCOMPARE(m_clicked, QStringList{ "Number7" });
    TALLIMAX_TRY_VERIFY_WITH_TIMEOUT(!message->isVisible(), 10000);

    // The menu's Paste; a division by zero stops the paste at its warning box, as a click would.
    press(Qt::Key_Escape);
    m_clicked.clear();
    clipboard->setText(QStringLiteral("8/0+5="));
    int boxes = 0;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            ++boxes;
            box->accept();
        }
    });
    watcher.start(0);
    QTimer::singleShot(0, this, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            menu->close();
            menu->actions().constLast()->trigger();
        }
    });
    QTest::mouseClick(calculatorWindow()->windowHandle(), Qt::RightButton, {},
        readoutLabel()->geometry().center());
    TALLIMAX_TRY_COMPARE(boxes, 1);
    QStringList divided;
    for (const QChar key : QStringLiteral("8/0+"))
        divided << testing::keyName(key);
    QCOMPARE(m_clicked, divided);
    QCOMPARE(readoutLabel()->text(), QStringLiteral("8."));
}

} // namespace tallimax

QTEST_MAIN(tallimax::KeyboardTest)
#include "keyboard_test.moc"
