// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the window's 32 by 32 picture for the desktop's icon theme, at build time: a PNG file
// for each size asked for, each picture pixel drawn as a square block so the pixel art stays
// sharp, and an SVG of the same squares for any other size.
// Usage: render_icons <theme directory> <icon name> <size>...
#include "window/calculator/icon.xpm"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>
#include <iterator>
#include <span>

namespace {

bool writePng(const QImage &picture, int size, const QString &themeDirectory, const QString &name)
{
    const QString directory = QStringLiteral("%1/%2x%2/apps").arg(themeDirectory).arg(size);
    if (!QDir().mkpath(directory))
        return false;
    const QImage scaled = picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return scaled.save(QStringLiteral("%1/%2.png").arg(directory, name), "PNG");
}

// One rectangle for each run of same-coloured pixels along a row; transparent pixels are left
// out. crispEdges keeps the renderer from smoothing the squares into each other.
QByteArray svgOf(const QImage &picture)
{
    QByteArray svg = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\" shape-rendering=\"crispEdges\">\n")
               .arg(picture.width())
               .arg(picture.height())
               .toUtf8();
    for (int y = 0; y < picture.height(); ++y) {
        int x = 0;
        while (x < picture.width()) {
            const QRgb colour = picture.pixel(x, y);
            int end = x + 1;
            while (end < picture.width() && picture.pixel(end, y) == colour)
                ++end;
            if (qAlpha(colour) != 0) {
                svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" "
                                      "fill=\"#%4\"/>\n")
                           .arg(x)
                           .arg(y)
                           .arg(end - x)
                           .arg(colour & 0xFFFFFFU, 6, 16, QLatin1Char('0'))
                           .toUtf8();
            }
            x = end;
        }
    }
    svg += "</svg>\n";
    return svg;
}

bool writeSvg(const QImage &picture, const QString &themeDirectory, const QString &name)
{
    const QString directory = themeDirectory + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(directory))
        return false;
    QFile file(QStringLiteral("%1/%2.svg").arg(directory, name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(svgOf(picture)) >= 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const auto arguments = std::span(argv, static_cast<std::size_t>(argc));
    if (arguments.size() < 3) {
        std::fputs("usage: render_icons <theme directory> <icon name> <size>...\n", stderr);
        return 2;
    }
    const QString themeDirectory = QString::fromLocal8Bit(arguments[1]);
    const QString name = QString::fromLocal8Bit(arguments[2]);
    const QImage picture =
        QImage(std::data(tallimax_icon_xpm)).convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull()) {
        std::fputs("render_icons: the picture did not load\n", stderr);
        return 1;
    }

    for (const char *sizeArgument : arguments.subspan(3)) {
        bool ok = false;
        const int size = QByteArray(sizeArgument).toInt(&ok);
        if (!ok || size <= 0 || !writePng(picture, size, themeDirectory, name)) {
            std::fputs("render_icons: could not write the icon of size ", stderr);
            std::fputs(sizeArgument, stderr);
            std::fputs("\n", stderr);
            return 1;
        }
    }
    if (!writeSvg(picture, themeDirectory, name)) {
        std::fputs("render_icons: could not write the SVG icon\n", stderr);
        return 1;
    }
    return 0;
}
