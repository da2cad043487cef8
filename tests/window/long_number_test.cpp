// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/window_test_support.h"

#include "window/calculator/calculator_window.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QTest>

namespace tallimax {

// Numbers far longer than the readout: every digit is kept, the readout shows the end of the
// number, and the keys stay quick.
class LongNumberTest : public testing::WindowTestCase
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tenThousandDigitsThenEveryOperator();
    void aNumberTooLongForTheReadoutShowsItsEnd();
};

void LongNumberTest::init()
{
    QVERIFY(openWindow());
}

void LongNumberTest::cleanup()
{
    closeWindow();
}

void LongNumberTest::tenThousandDigitsThenEveryOperator()
{
    const QLabel *readout = readoutLabel();
    const QLabel *action = actionLabel();

    // How long a key takes is measured, never asserted: a frame lasts about 16 ms.
    const QString digits(10000, '7');
    QElapsedTimer timer;
    timer.start();
    clickKeys(digits.left(9900));
    qInfo("first 9900 digit keys: %.3f ms a key on average", double(timer.elapsed()) / 9900);
    timer.restart();
    clickKeys(digits.right(100));
    qInfo("last 100 digit keys: %.3f ms a key", double(timer.nsecsElapsed()) / 1e6 / 100);
    QCOMPARE(readout->text(), digits + '.');

    // After "=" the minus key is an operator, not a sign, so the readout keeps every digit.
    for (const QChar key : QStringLiteral("+X/=-")) {
        timer.restart();
        clickKeys(key);
        qInfo(
            "\"%c\" on 10000 digits: %.3f ms", key.toLatin1(), double(timer.nsecsElapsed()) / 1e6);
        QCOMPARE(readout->text(), digits + '.');
    }
    QCOMPARE(action->text(), QStringLiteral("Action"));

    // A number beyond the double range cannot take part in an evaluation.
    const QString huge(400, '9');
    clickKeys(QStringLiteral("R") + huge + '+' + QString(400, '8') + '=');
    QCOMPARE(readout->text(), huge + '.');
    QCOMPARE(action->text(), QStringLiteral("Overflow"));
    // The calculation goes on.
    clickKeys(QStringLiteral("R2X3="));
    QCOMPARE(readout->text(), QStringLiteral("6"));
}

// What the readout looks like, in device pixels.
QImage pictureOf(QLabel &readout)
{
    return readout.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void LongNumberTest::aNumberTooLongForTheReadoutShowsItsEnd()
{
    QLabel *readout = readoutLabel();

    clickKeys(QStringLiteral("5"));
    const QImage shortNumber = pictureOf(*readout);
    const QString digits = QStringLiteral("1234567890").repeated(6);
    clickKeys('R' + digits);
    const QImage longNumber = pictureOf(*readout);
    // Screen readers and Copy still get every digit.
    QCOMPARE(readout->text(), digits + '.');

    // The frame and the indent inside it stay clear of text: the first digits are not drawn cut
    // off at the frame, or over it.
    QCOMPARE(longNumber.size(), shortNumber.size());
    const qreal scale = longNumber.devicePixelRatio();
    const int margin = qRound((readout->contentsRect().left() + readout->indent()) * scale);
    QVERIFY(margin > 0);
    for (int y = 0; y < longNumber.height(); ++y) {
        for (int x = 0; x < margin; ++x) {
            QVERIFY2(longNumber.pixel(x, y) == shortNumber.pixel(x, y),
                qPrintable(QStringLiteral("text drawn at (%1, %2)").arg(x).arg(y)));
        }
    }

    // A negative number keeps its sign in view: it does not look like the positive one.
    const QString nines(50, '9');
    clickKeys('R' + nines);
    const QImage positive = pictureOf(*readout);
    clickKeys("R-" + nines);
    QCOMPARE(readout->text(), '-' + nines + '.');
    QVERIFY(pictureOf(*readout) != positive);
}

} // namespace tallimax

QTEST_MAIN(tallimax::LongNumberTest)
#include "long_number_test.moc"
