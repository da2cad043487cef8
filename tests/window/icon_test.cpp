// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculator/icon.h"

#include <QImage>
#include <QTest>

#include <cstring>

namespace tallimax {

// The icon's pixels, decoded and enlarged by the compiler, against Qt's own reading of the
// same XPM picture and Qt's own sharp enlargement of it.
class IconTest : public QObject
{
    Q_OBJECT

private slots:
    void pixelsMatchQtsReading_data();
    void pixelsMatchQtsReading();
    void transparentPixelsAreWhollyClear();
};

namespace {

template <std::size_t N> QImage imageOf(const std::array<std::uint32_t, N> &pixels, int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    std::memcpy(image.bits(), pixels.data(), sizeof pixels);
    return image;
}

} // namespace

void IconTest::pixelsMatchQtsReading_data()
{
    QTest::addColumn<QImage>("compiled");
    QTest::addColumn<int>("side");
    QTest::newRow("32") << imageOf(icon::Pixels32, 32) << 32;
    QTest::newRow("48") << imageOf(icon::Pixels48, 48) << 48;
    QTest::newRow("64") << imageOf(icon::Pixels64, 64) << 64;
    QTest::newRow("96") << imageOf(icon::Pixels96, 96) << 96;
}

void IconTest::pixelsMatchQtsReading()
{
    QFETCH(QImage, compiled);
    QFETCH(int, side);

    const QImage picture =
        QImage(std::data(tallimax_icon_xpm)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(picture.size(), QSize(icon::Side, icon::Side));
    const QImage expected = side == icon::Side
        ? picture
        : picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);

    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            QVERIFY2(compiled.pixel(x, y) == expected.pixel(x, y),
                qPrintable(QStringLiteral("pixel %1,%2: %3 instead of %4")
                               .arg(x)
                               .arg(y)
                               .arg(compiled.pixel(x, y), 8, 16, QLatin1Char('0'))
                               .arg(expected.pixel(x, y), 8, 16, QLatin1Char('0'))));
        }
    }
}

// Qt is told the pixels are plain ARGB, and may treat them as premultiplied: that is only the
// same picture while every pixel is either opaque or clear in all four channels.
void IconTest::transparentPixelsAreWhollyClear()
{
    int clear = 0;
    for (const std::uint32_t pixel : icon::Pixels32) {
        const std::uint32_t alpha = pixel >> 24U;
        QVERIFY(alpha == 0xFFU || pixel == 0U);
        clear += alpha == 0 ? 1 : 0;
    }
    QVERIFY(clear > 0);
}

} // namespace tallimax

QTEST_GUILESS_MAIN(tallimax::IconTest)

#include "icon_test.moc"
