// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/window_test_support.h"

#include "window/calculator/calculator_window.h"
#include "window/keys/key_typer.h"
#include "window/language/translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QSet>
#include <QTest>

#include <cmath>
#include <cstdio>

namespace tallimax {

namespace {

// A dark desktop theme: light text on dark backgrounds everywhere.
QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    palette.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    palette.setColor(QPalette::Button, QColor(0x40, 0x40, 0x40));
    palette.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    palette.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    palette.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    return palette;
}

// Set by CTest to run the dark-theme case under the desktop's own dark theme, as its platform
// theme plugin gives it, instead of under a palette the test sets.
bool underDesktopTheme()
{
    return qEnvironmentVariableIsSet("TEST_DESKTOP_DARK_THEME");
}

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128
        && palette.color(QPalette::WindowText).lightness() > 128;
}

// The dark theme the window is shown in: the desktop's, or one set here.
QPalette darkTheme()
{
    if (underDesktopTheme())
        return QApplication::palette();
    QApplication::setPalette(darkPalette());
    return darkPalette();
}

// The pixels of an image that have exactly this colour.
int countOf(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += static_cast<int>(image.pixel(x, y) == colour);
    }
    return count;
}

// The darkest and the lightest grey level inside a rectangle of an image.
std::pair<int, int> greyRange(const QImage &image, const QRect &area)
{
    int darkest = 255;
    int lightest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            darkest = std::min(darkest, grey);
            lightest = std::max(lightest, grey);
        }
    }
    return { darkest, lightest };
}

} // namespace

// How the window looks on a scaled screen and under a dark theme. CTest runs it with
// QT_SCALE_FACTOR 1, 1.5 and 2.
class AppearanceTest : public testing::WindowTestCase
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowScalesAsAWhole();
    void iconsStaySharp();
    void readoutIsBlackOnItsOwnColourInADarkTheme();
    void themeChangeWhileOpen();
    void looksTheSameInARightToLeftLanguage_data();
    void looksTheSameInARightToLeftLanguage();

private: // NOLINT(readability-redundant-access-specifiers): ends moc's slot section
    // A control's rectangle in device pixels of a grab of the whole window.
    QRect devicePixelsOf(const QWidget &control) const;

    qreal m_scale = 1;
};

void AppearanceTest::init()
{
    bool ok = false;
    m_scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble(&ok);
    QVERIFY(ok);
}

void AppearanceTest::cleanup()
{
    closeWindow();
    QApplication::setPalette(QPalette());
}

QRect AppearanceTest::devicePixelsOf(const QWidget &control) const
{
    const QRectF logical = control.geometry();
    return QRectF(logical.topLeft() * m_scale, logical.size() * m_scale).toAlignedRect();
}

void AppearanceTest::windowScalesAsAWhole()
{
    QVERIFY(openWindow());
    QCOMPARE(calculatorWindow()->devicePixelRatioF(), m_scale);
    // The layout is the same in logical pixels; the screen shows it larger, all of it.
    QCOMPARE(calculatorWindow()->size(), QSize(550, 267));
    const QImage shown = calculatorWindow()->grab().toImage();
    QCOMPARE(shown.size(), QSize(qRound(550 * m_scale), qRound(267 * m_scale)));

    // The readout's white fills its whole scaled rectangle, right up to the frame.
    const QLabel *readout = readoutLabel();
    const QRect readoutPixels = devicePixelsOf(*readout);
    const QPoint nearBottomRight =
        readoutPixels.bottomRight() - QPoint(qRound(4 * m_scale), qRound(4 * m_scale));
    QCOMPARE(QColor(shown.pixel(nearBottomRight)), QColor(Qt::white));
}

void AppearanceTest::iconsStaySharp()
{
    QVERIFY(openWindow());
    auto *reset = calculatorWindow()->findChild<QAbstractButton *>("rset");
    QVERIFY(reset != nullptr);

    const QImage picture = calculatorWindow()->windowIcon().pixmap(QSize(32, 32), 1.0).toImage();
    QCOMPARE(picture.size(), QSize(32, 32));
    QSet<QRgb> pictureColours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            pictureColours.insert(picture.pixel(x, y));
    }

    // At this scale the icon has as many device pixels as it needs, and only the picture's own
    // colours: a smoothed enlargement would blend neighbouring colours at every edge.
    const int devicePixels = qRound(32 * m_scale);
    for (const QIcon &icon : { calculatorWindow()->windowIcon(), reset->icon() }) {
        const QImage scaled = icon.pixmap(QSize(32, 32), m_scale).toImage();
        QCOMPARE(scaled.size(), QSize(devicePixels, devicePixels));
        for (int y = 0; y < scaled.height(); ++y) {
            for (int x = 0; x < scaled.width(); ++x)
                QVERIFY2(pictureColours.contains(scaled.pixel(x, y)),
                    qPrintable(QStringLiteral("blended pixel at %1,%2").arg(x).arg(y)));
        }
    }

    // On the key as painted: the picture's red and yellow, which the style never uses, appear in
    // the same amount as in the sharp rendering, so the icon is whole and unsmoothed.
    const QImage sharp = reset->icon().pixmap(QSize(32, 32), m_scale).toImage();
    const QImage key = reset->grab().toImage();
    for (const QRgb colour : { qRgb(0xFF, 0, 0), qRgb(0xFF, 0xFF, 0) }) {
        QVERIFY(countOf(sharp, colour) > 0);
        QCOMPARE(countOf(key, colour), countOf(sharp, colour));
    }
}

void AppearanceTest::readoutIsBlackOnItsOwnColourInADarkTheme()
{
    const QPalette theme = darkTheme();
    QVERIFY(isDark(theme));
    QVERIFY(openWindow());
    const QLabel *readout = readoutLabel();

    // The readout sets both of its colours, in every state of the window.
    for (const auto group : { QPalette::Active, QPalette::Inactive }) {
        QCOMPARE(readout->palette().color(group, readout->backgroundRole()), QColor(Qt::white));
        QCOMPARE(readout->palette().color(group, readout->foregroundRole()), QColor(Qt::black));
    }
    // Everything else takes the theme whole: both colours from the theme (which may give keys
    // and labels palettes of their own), none of the window's.
    for (const QWidget *control :
        calculatorWindow()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control == readout)
            continue;
        const QPalette palette = control->palette();
        const QPalette themed = QApplication::palette(control);
        QCOMPARE(palette.color(control->backgroundRole()), themed.color(control->backgroundRole()));
        QCOMPARE(palette.color(control->foregroundRole()), themed.color(control->foregroundRole()));
    }

    // As painted: black digits on white, grey after the pointer passes, and the "Just Did:" label
    // light on the dark window.
    const QRect digits = devicePixelsOf(*readout).adjusted(
        qRound(10 * m_scale), qRound(10 * m_scale), qRound(-10 * m_scale), qRound(-10 * m_scale));
    auto [darkest, lightest] = greyRange(calculatorWindow()->grab().toImage(), digits);
    QCOMPARE(lightest, 255);
    QVERIFY2(darkest < 64, qPrintable(QString::number(darkest)));

    calculatorWindow()->Readout_MouseMove();
    std::tie(darkest, lightest) = greyRange(calculatorWindow()->grab().toImage(), digits);
    QCOMPARE(lightest, 0xC0);
    QVERIFY2(darkest < 64, qPrintable(QString::number(darkest)));

    const QLabel *justDid = testing::findLabel(*calculatorWindow(), "Label1");
    std::tie(darkest, lightest) =
        greyRange(calculatorWindow()->grab().toImage(), devicePixelsOf(*justDid));
    QCOMPARE(darkest, qGray(QApplication::palette(calculatorWindow()).color(QPalette::Window).rgb()));
    QVERIFY2(lightest > 192, qPrintable(QString::number(lightest)));
}

void AppearanceTest::themeChangeWhileOpen()
{
    QVERIFY(openWindow());
    QLabel *readout = readoutLabel();
    QLabel *action = actionLabel();
    calculatorWindow()->Readout_MouseMove();

    // The desktop switches to a dark theme with the calculator open.
    QApplication::setPalette(darkPalette());
    TALLIMAX_TRY_COMPARE(action->palette().color(action->foregroundRole()),
        darkPalette().color(QPalette::WindowText));
    QCOMPARE(readout->palette().color(readout->backgroundRole()), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(readout->palette().color(readout->foregroundRole()), QColor(Qt::black));
    calculatorWindow()->Form_MouseMove();
    QCOMPARE(readout->palette().color(readout->backgroundRole()), QColor(Qt::white));
    QCOMPARE(readout->palette().color(readout->foregroundRole()), QColor(Qt::black));
}

void AppearanceTest::looksTheSameInARightToLeftLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("pasted");

    // Each language Tallimax speaks that is written from right to left.
    for (const char *locale : { "ar_EG", "fa_IR", "he_IL" }) {
        QTest::addRow("%s at start", locale) << QString::fromLatin1(locale) << QString();
        // Too long for the readout, which then draws it itself, cut at the left.
        QTest::addRow("%s, a long number", locale)
            << QString::fromLatin1(locale) << QString(80, u'7');
    }
}

// Arabic, Persian and Hebrew turn the application right to left, and with it every new window that
// does not choose otherwise; the calculator's window keeps its layout, its icon beside RESET ALL,
// its labels' alignment and its number at the readout's right, pixel for pixel. (Both run with the
// same decimal separator.)
void AppearanceTest::looksTheSameInARightToLeftLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, pasted);

    // The window as it opens, or with the number pasted in.
    const auto open = [&pasted, this] {
        const bool up = openWindow();
        if (up && !pasted.isEmpty())
            calculatorWindow()->typer().paste(pasted);
        return up;
    };
    QVERIFY(open());
    const QImage english = calculatorWindow()->grab().toImage();
    closeWindow();
    {
        QObject translations;
        QVERIFY(installTranslations(translations, QLocale(locale)));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QVERIFY(open());
        const QImage rightToLeft = calculatorWindow()->grab().toImage();
        closeWindow();
        QCOMPARE(rightToLeft, english);
    }
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

} // namespace tallimax

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Exit code 77 tells CTest the case was skipped: without the theme plugin, or with a Qt whose
    // plugin passes no colours on, the desktop's dark theme never reaches Qt.
    if (tallimax::underDesktopTheme() && !tallimax::isDark(QApplication::palette())) {
        std::printf("SKIP: the platform theme gives no dark palette (window %s, text %s)\n",
            qPrintable(QApplication::palette().color(QPalette::Window).name()),
            qPrintable(QApplication::palette().color(QPalette::WindowText).name()));
        return 77;
    }
    tallimax::AppearanceTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "appearance_test.moc"
