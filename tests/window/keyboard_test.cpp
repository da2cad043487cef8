// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calculator.h"
#include "tests/engine/recording_view.h"
#include "tests/window/window_test_support.h"

#include "window/calculator/calculator_window.h"
#include "window/keys/key_typer.h"
#include "window/language/translations.h"
#include "window/tape/tape_model.h"
#include "window/tape/tape_window.h"
#include "engine/paste_text.h"
#include "window/calculator/readout_message.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cfloat>
#include <chrono>
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
    void takeBackAndPutBack_data();
    void takeBackAndPutBack();
    void copyTakesTheReadoutAsShown();
    void readoutMenuCopies();
    void pasteFromTheClipboard();
    void tapeCorrectsAndHandsOn();
    void tapeShowsWhatItWouldDrawAfresh();

private: // NOLINT(readability-redundant-access-specifiers): ends moc's slot section
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString &keys);
    void focusOn(const QString &name);
    // Which of the readout menu's entries are enabled, in order.
    QList<bool> readoutMenuEnabled();

    // Object names of the on-screen keys in the order they were clicked.
    QStringList m_clicked;
    // What the window told the screen reader, in order.
    testing::RecordingAnnouncer m_announcer;
};

void KeyboardTest::init()
{
    TALLIMAX_SKIP_ON_WAYLAND("keys reach only the window holding the keyboard focus");
    QVERIFY(openWindow(WaitFor::Active));
    calculatorWindow()->typer().setAnnouncer(&m_announcer);
    m_announcer.said.clear();
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

QList<bool> KeyboardTest::readoutMenuEnabled()
{
    QList<bool> enabled;
    QTimer::singleShot(0, this, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : menu->actions())
                enabled << action->isEnabled();
            menu->close();
        }
    });
    QTest::mouseClick(calculatorWindow()->windowHandle(), Qt::RightButton, {},
        readoutLabel()->geometry().center());
    return enabled;
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
    // A flash far longer than the test takes, however slowly it runs (as under valgrind).
    KeyTyper &typer = calculatorWindow()->typer();
    typer.setKeyFlash(std::chrono::minutes(1));
    auto *target = calculatorWindow()->findChild<QAbstractButton *>(onScreen);
    QVERIFY(target != nullptr);
    const QImage up = target->grab().toImage();
    press(key, modifiers);

    // The press shows on the key, which is not held down.
    QVERIFY(target->grab().toImage() != up);
    QVERIFY(!target->isDown());
    QCOMPARE(m_clicked, QStringList{ onScreen });
    // The key comes up again by itself: shortening the flash restarts its running timer, which
    // then ends it. Were no timer running, the key would stay lit.
    typer.setKeyFlash(std::chrono::milliseconds(0));
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
        for (const int key : { Qt::Key_7, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Equal,
                 Qt::Key_Backspace })
            QTest::keyClick(calculatorWindow()->windowHandle(), static_cast<Qt::Key>(key));
        QTest::keyClick(calculatorWindow()->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
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

void KeyboardTest::takeBackAndPutBack_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("readouts");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("announced");

    // A script is keys as typed, with "<" for Backspace, "u" for Ctrl+Z, "r" for Ctrl+Shift+Z,
    // "y" for Ctrl+Y, "R" for Escape, "D" for Delete, "[text]" for a paste of the text and "@k"
    // for a mouse click on the key k. The readouts are those after each of its steps; the action
    // text, the warning boxes and the message by the readout are those at its end; last, what a
    // screen reader is told after each step, separated by "|".
    const QString moron = QStringLiteral("The user was a moron and tried to divide by zero!");
    const auto row = [](const char *name, const char *script, const QString &readouts,
                         const QString &action, int boxes, const QString &message,
                         const QString &announced) {
        QTest::newRow(name) << script << readouts.split(' ') << action << boxes << message
                            << announced.split('|', Qt::SkipEmptyParts);
    };
    row("a mistyped digit", "12+34<5=", "1. 12. 12. 3. 34. 3. 35. 47", "Plus(+)", 0, {},
        "1.|12.|12.|3.|34.|3.|35.|Plus(+), 47");
    row("the equals taken back", "7+2=<", "7. 7. 2. 9 2.", "Action", 0, {},
        "7.|7.|2.|Plus(+), 9|Action, 2.");
    row("a reset taken back", "12+3Ru=", "1. 12. 12. 3. 0. 3. 15", "Plus(+)", 0, {},
        "1.|12.|12.|3.|Action, 0.|3.|Plus(+), 15");
    row("Delete taken back", "9+1D<=", "9. 9. 1. 0. 1. 10", "Plus(+)", 0, {},
        "9.|9.|1.|Action, 0.|1.|Plus(+), 10");
    row("a division by zero taken back", "8/0=<2=", "8. 8. 0. 8. 0. 02. 4", "Division (/)", 1, {},
        "8.|8.|0.|" + moron + ", 8.|Action, 0.|02.|Division (/), 4");
    row("put back with no second box", "8/0=<r", "8. 8. 0. 8. 0. 8.", moron, 1, {},
        "8.|8.|0.|" + moron + ", 8.|Action, 0.|" + moron + ", 8.");
    row("Ctrl+Y puts back too", "8/0=uy", "8. 8. 0. 8. 0. 8.", moron, 1, {},
        "8.|8.|0.|" + moron + ", 8.|Action, 0.|" + moron + ", 8.");
    row("all the way back and forth", "1+2=3+4=<<<<rrrr",
        "1. 1. 2. 3 3. 3 4. 7 4. 3 3. 3 3. 3 4. 7", "Plus(+)", 0, {},
        "1.|1.|2.|Plus(+), 3|3.|3|4.|Plus(+), 7|4.|3|3.|3|3.|3|4.|7");
    row("a minus sign taken back", "5*-<2=", "5. 5. - 5. 2. 10", "Double(X);", 0, {},
        "5.|5.|-|5.|2.|Double(X);, 10");
    row("a new step forgets what could be put back", "5+<<6r", "5. 5. 5. 0. 6. 6.", "Action", 0,
        "Nothing to redo.", "5.|5.|5.|0.|6.|Nothing to redo.");
    row("nothing to take back", "<", "0.", "Action", 0, "Nothing to undo.", "Nothing to undo.");
    row("more back than there is", "1u<", "1. 0. 0.", "Action", 0, "Nothing to undo.",
        "1.|0.|Nothing to undo.");
    row("a paste is one step", "[12+3]<y=", "3. 0. 3. 15", "Plus(+)", 0, {},
        "3.|0.|3.|Plus(+), 15");
    row("a paste stopped by a warning", "[8/0+5]<1=", "8. 0. 1. 1.", "Action", 1, {},
        moron + ", 8.|Action, 0.|1.|1.");
    row("a refused paste is no step", "7[12a]<", "7. 7. 0.", "Action", 0, {},
        "7.|Not pasted: the text is not a number or a calculation.|0.");
    row("clicks and keys alike", "@7@+<@8=", "7. 7. 7. 78. 78.", "Action", 0, {},
        "7.|7.|7.|78.|78.");
}

// Every script runs on the window and, step by step, against a fresh calculator given the same
// keys with the steps taken back left out: both must agree on every field after every step.
void KeyboardTest::takeBackAndPutBack()
{
    QFETCH(QString, script);
    QFETCH(QStringList, readouts);
    QFETCH(QString, action);
    QFETCH(int, boxes);
    QFETCH(QString, message);
    QFETCH(QStringList, announced);

    const testing::WarningBoxAccepter accepter;

    QList<QByteArray> done; // the keys of each step taken, in order
    QList<QByteArray> undone; // the steps taken back, the next to put back last
    qsizetype step = 0;
    for (qsizetype i = 0; i < script.size(); ++i, ++step) {
        const char token = script[i].toLatin1();
        const QWidget *focus = QApplication::focusWidget();
        QByteArray keys;
        if (token == '<' || token == 'u') {
            if (token == '<')
                press(Qt::Key_Backspace);
            else
                press(Qt::Key_Z, Qt::ControlModifier);
            if (!done.isEmpty())
                undone << done.takeLast();
            QCOMPARE(QApplication::focusWidget(), focus);
            QVERIFY(m_clicked.isEmpty());
        } else if (token == 'r' || token == 'y') {
            const Qt::KeyboardModifiers shift = token == 'r' ? Qt::ShiftModifier : Qt::NoModifier;
            press(token == 'y' ? Qt::Key_Y : Qt::Key_Z, Qt::ControlModifier | shift);
            if (!undone.isEmpty())
                done << undone.takeLast();
            QCOMPARE(QApplication::focusWidget(), focus);
            QVERIFY(m_clicked.isEmpty());
        } else if (token == '[') {
            const qsizetype end = script.indexOf(']', i);
            const QString text = script.mid(i + 1, end - i - 1);
            i = end;
            QGuiApplication::clipboard()->setText(text);
            press(Qt::Key_V, Qt::ControlModifier);
            keys = QByteArray::fromStdString(paste::readPastedText(text.toStdString(), ".", ",").keys);
        } else if (token == '@') {
            const QChar caption = script[++i];
            QTest::mouseClick(onScreenKey(caption), Qt::LeftButton);
            keys = QByteArray(1, caption.toLatin1());
        } else {
            const QHash<char, int> typed = { { '.', Qt::Key_Period }, { '+', Qt::Key_Plus },
                { '-', Qt::Key_Minus }, { '*', Qt::Key_Asterisk }, { '/', Qt::Key_Slash },
                { '=', Qt::Key_Equal }, { 'R', Qt::Key_Escape }, { 'D', Qt::Key_Delete } };
            press(typed.value(token, Qt::Key_0 + (token - '0')));
            keys = QByteArray(1, token == '*' ? 'X' : token == 'D' ? 'R' : token);
        }
        if (!keys.isEmpty()) {
            done << keys;
            undone.clear();
        }
        m_clicked.clear();

        const QByteArray where = script.left(i + 1).toUtf8();
        QVERIFY2(step < readouts.size(), where);
        QVERIFY2(readoutLabel()->text() == readouts[step],
            where + ": " + readoutLabel()->text().toUtf8() + ", not " + readouts[step].toUtf8());

        RecordingView view;
        Calculator model(view, [] { return std::string("."); });
        model.Form_Load();
        for (const QByteArray &stepKeys : std::as_const(done)) {
            const int warnings = view.warnings;
            for (const char key : stepKeys) {
                pressKey(model, key);
                // A paste types no more after a division by zero.
                if (view.warnings != warnings)
                    break;
            }
        }
        QVERIFY2(calculatorWindow()->calculator().state() == model.state(), where);
        QCOMPARE(actionLabel()->text().toStdString(), view.action);
        QCOMPARE(readoutLabel()->text().toStdString(), view.readout);
    }
    QCOMPARE(step, readouts.size());
    QCOMPARE(actionLabel()->text(), action);
    QCOMPARE(accepter.accepted(), boxes);
    // One announcement a step, a refused paste and a step with none to take included.
    QCOMPARE(m_announcer.said, announced);
    const auto *shown = calculatorWindow()->findChild<QLabel *>(QStringLiteral("ReadoutMessage"));
    QCOMPARE(shown != nullptr && !shown->isHidden() ? shown->text() : QString(), message);
    // The readout's menu offers what there is to take back and to put back, and the tape.
    const QList<bool> enabled = readoutMenuEnabled();
    QCOMPARE(enabled.size(), 6);
    QCOMPARE(enabled[2], !done.isEmpty());
    QCOMPARE(enabled[3], !undone.isEmpty());
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
            QCOMPARE(m_announcer.said.last(), "Copied " + shown[i]);
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

    QCOMPARE(actions, QStringList({ "&Copy", "&Paste", "&Undo", "&Redo", "", "&Tape" }));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12.5"));
    QCOMPARE(readoutLabel()->text(), QStringLiteral("12.5"));
    QCOMPARE(m_clicked.size(), 4);
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
    auto *message = calculatorWindow()->findChild<QLabel *>(QStringLiteral("ReadoutMessage"));
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
    QCOMPARE(readoutMenuEnabled(), QList<bool>({ true, false, true, false, true, true }));
    QCOMPARE(m_clicked, QStringList{ "Number7" });

    // The message goes away by itself, after the duration it was made with.
    QLabel readout;
    ReadoutMessage quick(readout, std::chrono::milliseconds(0));
    quick.say(QStringLiteral("gone soon"));
    QVERIFY(!quick.isHidden());
    TALLIMAX_TRY_VERIFY(quick.isHidden());

    // The menu's Paste; a division by zero stops the paste at its warning box, as a click would.
    press(Qt::Key_Escape);
    m_clicked.clear();
    clipboard->setText(QStringLiteral("8/0+5="));
    const testing::WarningBoxAccepter accepter;
    QTimer::singleShot(0, this, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            menu->close();
            menu->actions().at(1)->trigger();
        }
    });
    QTest::mouseClick(calculatorWindow()->windowHandle(), Qt::RightButton, {},
        readoutLabel()->geometry().center());
    TALLIMAX_TRY_COMPARE(accepter.accepted(), 1);
    QStringList divided;
    for (const QChar key : QStringLiteral("8/0+"))
        divided << testing::keyName(key);
    QCOMPARE(m_clicked, divided);
    QCOMPARE(readoutLabel()->text(), QStringLiteral("8."));
}

// The tape's list draws again only what a change leaves other than it was: after each key, what
// is on the screen is what the list and its scroll bar would draw afresh.
void KeyboardTest::tapeShowsWhatItWouldDrawAfresh()
{
    press(Qt::Key_H, Qt::ControlModifier);
    TapeWindow *tape = calculatorWindow()->tapeWindow();
    QVERIFY(QTest::qWaitForWindowExposed(tape));
    QListView &list = tape->view();
    const auto shownAfresh = [&] {
        QCoreApplication::processEvents();
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(tape, &request);
        for (QWidget *part :
            { list.viewport(), static_cast<QWidget *>(list.verticalScrollBar()) }) {
            if (!part->isVisible())
                continue;
            const QRect area(part->mapTo(tape, QPoint()), part->size());
            const QPixmap shown = tape->screen()->grabWindow(
                tape->winId(), area.x(), area.y(), area.width(), area.height());
            if (shown.toImage().convertToFormat(QImage::Format_RGB32)
                != part->grab().toImage().convertToFormat(QImage::Format_RGB32))
                return false;
        }
        return true;
    };
    // Lines past the list's end scroll it; a digit changes the last line, Up selects the one
    // above, Ctrl+Z takes the digit back, and a correction of the first line changes every total.
    for (int line = 0; line < 30; ++line) {
        type(QStringLiteral("12+"));
        QVERIFY2(shownAfresh(), qPrintable(QStringLiteral("line %1").arg(line)));
    }
    type(QStringLiteral("4"));
    QVERIFY(shownAfresh());
    QTest::keyClick(&list, Qt::Key_Up);
    QVERIFY(shownAfresh());
    press(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(shownAfresh());
    QVERIFY(list.model()->setData(list.model()->index(0, 0), QStringList({ "5", "+" })));
    QVERIFY(shownAfresh());
    // Scrolled up some lines, the list stays where the user put it as new lines come.
    QScrollBar *bar = list.verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const int scrolled = bar->value();
    type(QStringLiteral("=12+"));
    QCOMPARE(bar->value(), scrolled);
    QVERIFY(shownAfresh());
}

// The tape beside the calculator: Ctrl+H opens it without touching the calculator's window; keys it
// does not need type on; a line is corrected in place, removed and copied; the calculator follows.
void KeyboardTest::tapeCorrectsAndHandsOn()
{
    const QRect calculatorGeometry = calculatorWindow()->geometry();
    const auto controlsOf = [](QWidget *window) {
        const auto children = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        return std::count_if(children.begin(), children.end(),
            [](const QWidget *child) { return !child->isWindow(); });
    };
    const auto controls = controlsOf(calculatorWindow());
    // As the program starts in the C locale: English's own catalog says "1 line", "3 lines".
    QObject english;
    QVERIFY(!installTranslations(english, QLocale::c()));
    type(QStringLiteral("2+3*4="));
    press(Qt::Key_H, Qt::ControlModifier);
    TapeWindow *tape = calculatorWindow()->tapeWindow();
    QVERIFY(tape != nullptr && tape->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(tape));
    QCOMPARE(m_announcer.said.last(), QStringLiteral("Tape, 3 lines"));
    QCOMPARE(calculatorWindow()->geometry(), calculatorGeometry);
    QCOMPARE(controlsOf(calculatorWindow()), controls);
    QListView &list = tape->view();
    QAbstractItemModel *model = list.model();
    // Every change the keys below make to the list keeps to the rules of Qt's models.
    const QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model->index(2, 0).data(Qt::AccessibleTextRole),
        QStringLiteral("4, Equals, total 20"));

    // Keys the tape has no use for type on the calculator: a minus after "=" subtracts, a line of
    // its own, and the next number opens a fifth.
    QWindow *tapeHandle = tape->windowHandle();
    QTest::keyClick(tapeHandle, Qt::Key_Minus);
    QTest::keyClick(tapeHandle, Qt::Key_1);
    QCOMPARE(model->rowCount(), 5);
    QCOMPARE(readoutLabel()->text(), QStringLiteral("1."));

    // F2 edits the second line in place; Return keeps the correction, Escape drops one.
    list.setCurrentIndex(model->index(1, 0));
    const auto edit = [&](const QString &text, int end, const QString &op = {}) {
        QTest::keyClick(tapeHandle, Qt::Key_F2);
        auto *number = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(number != nullptr);
        number->setText(text);
        if (!op.isEmpty())
            number->parentWidget()->findChild<QComboBox *>()->setCurrentText(op);
        QTest::keyClick(number, static_cast<Qt::Key>(end));
        // The view keeps the edit once the key has been handled.
        QCoreApplication::processEvents();
    };
    // Tab goes from the number to the operator and on to the note, which holds 200 characters.
    QTest::keyClick(tapeHandle, Qt::Key_F2);
    QStringList fields{ QApplication::focusWidget()->accessibleName() };
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        fields << QApplication::focusWidget()->accessibleName();
    }
    QCOMPARE(fields, QStringList({ "Number", "Operator", "Note" }));
    auto *note = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(note != nullptr);
    QCOMPARE(note->maxLength(), 200);
    QTest::keyClick(note, Qt::Key_Escape);
    QCoreApplication::processEvents();
    // A kept edit that changes nothing is no step; the model takes a number and an operator.
    const std::size_t steps = calculatorWindow()->typer().history().size();
    QVERIFY(model->setData(model->index(1, 0), QStringList({ "3.", "X" })));
    QVERIFY(!model->setData(model->index(1, 0), QStringLiteral("3.")));
    QCOMPARE(calculatorWindow()->typer().history().size(), steps);
    edit(QStringLiteral("5"), Qt::Key_Return);
    QCOMPARE(model->index(2, 0).data(Qt::DisplayRole), QStringLiteral("4.\t=\t28"));
    QCOMPARE(m_announcer.said.last(), QStringLiteral("Total now 28"));
    QCOMPARE(readoutLabel()->text(), QStringLiteral("1."));
    edit(QStringLiteral("6"), Qt::Key_Escape);
    edit(QStringLiteral("five"), Qt::Key_Return);
    QCOMPARE(model->index(1, 0).data(Qt::DisplayRole), QStringLiteral("5.\tX\t7"));
    QCOMPARE(m_announcer.said.last(), QStringLiteral("Not corrected: the text is not a number."));
    QCOMPARE(m_clicked.size(), 8);
    // A line with no number changes its operator alone.
    list.setCurrentIndex(model->index(3, 0));
    edit({}, Qt::Key_Return, QStringLiteral("+"));
    QCOMPARE(model->index(3, 0).data(Qt::DisplayRole), QStringLiteral("\t+\t"));
    QTest::keyClick(tapeHandle, Qt::Key_Z, Qt::ControlModifier);
    list.setCurrentIndex(model->index(1, 0));

    // Delete takes the line's number and operator away; Ctrl+Z, sent here too, brings it back.
    QTest::keyClick(tapeHandle, Qt::Key_Delete);
    QCOMPARE(model->index(1, 0).data(Qt::DisplayRole), QStringLiteral("4.\t=\t6"));
    QTest::keyClick(tapeHandle, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(model->rowCount(), 5);
    QCOMPARE(model->index(1, 0).data(Qt::DisplayRole), QStringLiteral("5.\tX\t7"));

    // Ctrl+A and Ctrl+C hand every line on as cells; Ctrl+H closes the tape.
    QTest::keyClick(tapeHandle, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(tapeHandle, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
        QStringLiteral("2.\t+\t\n5.\tX\t7\n4.\t=\t28\n\t-\t\n1.\t\t\n"));
    QCOMPARE(m_announcer.said.last(), QStringLiteral("Copied 5 lines"));
    list.selectionModel()->setCurrentIndex(model->index(0, 0), QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(tapeHandle, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_announcer.said.last(), QStringLiteral("Copied 1 line"));
    QTest::keyClick(tapeHandle, Qt::Key_H, Qt::ControlModifier);
    QVERIFY(!tape->isVisible());

    // A note is copied as a fourth cell and heard after the line.
    const TapeLine total{ TapeLine::Kind::Number, "34=", "34.", TapeOperator::Equals, "46", {},
        "invoice 1043" };
    const TapeLine reset{ TapeLine::Kind::Break, "R", {}, {}, {}, {}, "new day" };
    QCOMPARE(TapeModel::cells(total), QStringLiteral("34.\t=\t46\tinvoice 1043"));
    QCOMPARE(TapeModel::sentence(total), QStringLiteral("34, Equals, total 46, invoice 1043"));
    QCOMPARE(TapeModel::cells(reset), QStringLiteral("RESET ALL\t\t\tnew day"));
    QCOMPARE(TapeModel::sentence(reset), QStringLiteral("Reset all, new day"));
}

} // namespace tallimax

QTEST_MAIN(tallimax::KeyboardTest)
#include "keyboard_test.moc"

