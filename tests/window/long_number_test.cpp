#include "tests/window/window_test_support.h"

#include "window/calculator_window.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

#include <memory>

namespace tallimax {

// Numbers far longer than the readout: every digit is kept, and the keys stay quick.
class LongNumberTest : public QObject
{
    Q_OBJECT

private slots:
    void tenThousandDigitsThenEveryOperator();
};

void LongNumberTest::tenThousandDigitsThenEveryOperator()
{
    CalculatorWindow window;
    window.calculator().Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QLabel *readout = testing::findLabel(window, "Readout");
    const QLabel *action = testing::findLabel(window, "bla");
    const auto type = [&window](const QString &keys) {
        for (const QChar key : keys)
            QTest::mouseClick(testing::findKey(window, key), Qt::LeftButton);
    };

    // How long a key takes is measured, never asserted: a frame lasts about 16 ms.
    const QString digits(10000, '7');
    QElapsedTimer timer;
    timer.start();
    type(digits.left(9900));
    qInfo("first 9900 digit keys: %.3f ms a key on average", double(timer.elapsed()) / 9900);
    timer.restart();
    type(digits.right(100));
    qInfo("last 100 digit keys: %.3f ms a key", double(timer.nsecsElapsed()) / 1e6 / 100);
    QCOMPARE(readout->text(), digits + '.');

    // After "=" the minus key is an operator, not a sign, so the readout keeps every digit.
    for (const QChar key : QStringLiteral("+X/=-")) {
        timer.restart();
        type(key);
        qInfo(
            "\"%c\" on 10000 digits: %.3f ms", key.toLatin1(), double(timer.nsecsElapsed()) / 1e6);
        QCOMPARE(readout->text(), digits + '.');
    }
    QCOMPARE(action->text(), QStringLiteral("Action"));

    // A number beyond the double range cannot take part in an evaluation.
    const QString huge(400, '9');
    type(QStringLiteral("R") + huge + '+' + QString(400, '8') + '=');
    QCOMPARE(readout->text(), huge + '.');
    QCOMPARE(action->text(), QStringLiteral("Overflow"));
    // The calculation goes on.
    type(QStringLiteral("R2X3="));
    QCOMPARE(readout->text(), QStringLiteral("6"));
}

} // namespace tallimax

QTEST_MAIN(tallimax::LongNumberTest)
#include "long_number_test.moc"
