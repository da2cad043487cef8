#include "tests/window/window_test_support.h"

#include "window/calculator_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

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
    void otherKeysPressNothing_data();
    void otherKeysPressNothing();
    void spaceAndTabStayWithTheFocusedKey();
    void keysWhileTheWarningBoxIsOpen_data();
    void keysWhileTheWarningBoxIsOpen();
    void copyTakesTheReadoutAsShown();
    void readoutMenuCopies();

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
        QApplication::focusWidget()->clearFocus();
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
    press(key, modifiers);

    // The press shows on the key, and the key comes up again by itself.
    QVERIFY(target->isDown());
    TALLIMAX_TRY_COMPARE(m_clicked, QStringList{ onScreen });
    TALLIMAX_TRY_VERIFY(!target->isDown());
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

void KeyboardTest::otherKeysPressNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    // Backspace and paste would need the calculator to edit or read a number it does not have.
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers();
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert)
                                  << Qt::KeyboardModifiers(Qt::ShiftModifier);
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

    QCOMPARE(actions, QStringList{ "&Copy" });
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12.5"));
    QCOMPARE(readoutLabel()->text(), QStringLiteral("12.5"));
    QCOMPARE(m_clicked.size(), 4);
}

} // namespace tallimax

QTEST_MAIN(tallimax::KeyboardTest)
#include "keyboard_test.moc"
