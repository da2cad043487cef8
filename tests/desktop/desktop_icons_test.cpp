// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculator/icon.xpm"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <iterator>

namespace tallimax {

// The icons rendered for the desktop's icon theme show the window's own picture, pixel for
// pixel, at every size.
class DesktopIconsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pngKeepsThePicture_data();
    void pngKeepsThePicture();
    void svgDrawsThePicture();

private: // NOLINT(readability-redundant-access-specifiers): ends moc's slot section
    static QString themeFile(const QString &directory, const QString &extension);

    QImage m_picture;
};

QString DesktopIconsTest::themeFile(const QString &directory, const QString &extension)
{
    return QStringLiteral(TALLIMAX_ICON_THEME "/%1/apps/" TALLIMAX_APP_ID ".%2")
        .arg(directory, extension);
}

void DesktopIconsTest::initTestCase()
{
    m_picture = QImage(std::data(tallimax_icon_xpm)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(m_picture.size(), QSize(32, 32));
}

void DesktopIconsTest::pngKeepsThePicture_data()
{
    QTest::addColumn<int>("size");
    for (const int size : { 32, 48, 64, 128, 256 })
        QTest::newRow(qPrintable(QStringLiteral("%1x%1").arg(size))) << size;
}

void DesktopIconsTest::pngKeepsThePicture()
{
    QFETCH(int, size);
    const QString path = themeFile(QStringLiteral("%1x%1").arg(size), QStringLiteral("png"));
    const QImage icon = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!icon.isNull(), qPrintable(path));
    QCOMPARE(icon.size(), QSize(size, size));

    // The middle of each picture pixel's block has that pixel's colour...
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QPoint middle((2 * x + 1) * size / 64, (2 * y + 1) * size / 64);
            QVERIFY2(icon.pixel(middle) == m_picture.pixel(x, y),
                qPrintable(QStringLiteral("picture pixel %1,%2").arg(x).arg(y)));
        }
    }
    // ...and no pixel anywhere has a colour the picture does not: nothing was smoothed.
    QSet<QRgb> pictureColours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            pictureColours.insert(m_picture.pixel(x, y));
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            QVERIFY(pictureColours.contains(icon.pixel(x, y)));
    }
}

void DesktopIconsTest::svgDrawsThePicture()
{
    QFile file(themeFile(QStringLiteral("scalable"), QStringLiteral("svg")));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QString svg = QString::fromUtf8(file.readAll());
    QVERIFY(svg.contains(QLatin1String("viewBox=\"0 0 32 32\"")));

    // Paint the SVG's squares into an empty 32 by 32 image and compare it with the picture.
    QImage drawn(32, 32, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    static const QRegularExpression rect(QStringLiteral(
        R"re(<rect x="(\d+)" y="(\d+)" width="(\d+)" height="(\d+)" fill="#([0-9a-f]{6})"/>)re"));
    int rects = 0;
    for (const QRegularExpressionMatch &match : rect.globalMatch(svg)) {
        const QRect area(match.captured(1).toInt(), match.captured(2).toInt(),
            match.captured(3).toInt(), match.captured(4).toInt());
        const QRgb colour = 0xFF000000U | match.captured(5).toUInt(nullptr, 16);
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                drawn.setPixel(x, y, colour);
        }
        ++rects;
    }
    QCOMPARE(svg.count(QLatin1String("<rect")), rects);
    QCOMPARE(drawn, m_picture);
}

} // namespace tallimax

QTEST_GUILESS_MAIN(tallimax::DesktopIconsTest)
#include "desktop_icons_test.moc"
