// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/window_test_support.h"

#include "window/calculator/calculator_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace tallimax {

// The window as it opens: its attributes, the twenty controls, their fonts and the key order.
class LayoutTest : public testing::WindowTestCase
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowIsFixedAndCaptioned();
    void controlsSitAtTheirPlaces_data();
    void controlsSitAtTheirPlaces();
    void controlsStayInsideAndApart();
    void fontsOfTheControls();
    void keyCaptionsFitTheirKeys();
    void labelCaptionsFitTheirLabels();
    void iconIsSmallAndSharedWithTheResetKey();
    void readoutStartsWhiteWithBlackText();
    void tabVisitsTheKeysInOrder();
};

void LayoutTest::init()
{
    QVERIFY(openWindow());
}

void LayoutTest::cleanup()
{
    closeWindow();
}

void LayoutTest::windowIsFixedAndCaptioned()
{
    QCOMPARE(calculatorWindow()->windowTitle(), QStringLiteral("Tallimax version 1"));
    QCOMPARE(calculatorWindow()->size(), QSize(550, 267));
    // Neither the user nor the window manager may resize or maximise it.
    QCOMPARE(calculatorWindow()->maximumSize(), calculatorWindow()->minimumSize());
    QVERIFY(!calculatorWindow()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

void LayoutTest::controlsSitAtTheirPlaces_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    const auto row = [](const char *name, const char *caption, QRect geometry) {
        QTest::newRow(name) << QString::fromUtf8(caption) << geometry;
    };

    // In logical pixels, 15 twips to the pixel; the readout shows the load text.
    row("rset", "RESET ALL", { 72, 184, 297, 65 });
    row("Number7", "7", { 376, 104, 55, 32 });
    row("Number8", "8", { 376, 144, 56, 32 });
    row("Number9", "9", { 312, 144, 56, 32 });
    row("Number4", "4", { 184, 104, 56, 32 });
    row("Number5", "5", { 248, 104, 56, 32 });
    row("Number6", "6", { 312, 104, 56, 32 });
    row("Operator1", "+", { 120, 144, 56, 32 });
    row("Operator3", "-", { 8, 144, 48, 32 });
    row("Number1", "1", { 8, 104, 48, 32 });
    row("Number2", "2", { 64, 104, 48, 32 });
    row("Number3", "3", { 120, 104, 56, 32 });
    row("Operator2", "X", { 184, 144, 56, 32 });
    row("Operator0", "/", { 64, 144, 48, 32 });
    row("Number0", "0", { 248, 144, 56, 32 });
    row("Decimal", ".", { 8, 184, 48, 64 });
    row("Operator4", "=", { 376, 184, 56, 64 });
    row("Label1", "Just Did:", { 440, 8, 57, 41 });
    row("bla", "Action", { 440, 56, 105, 144 });
    row("Readout", "0.", { 8, 7, 424, 89 });
}

void LayoutTest::controlsSitAtTheirPlaces()
{
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    const QString name = QString::fromUtf8(QTest::currentDataTag());

    auto *control = calculatorWindow()->findChild<QWidget *>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(control->geometry(), geometry);
    if (auto *key = qobject_cast<QAbstractButton *>(control))
        QCOMPARE(key->text(), caption);
    else
        QCOMPARE(qobject_cast<QLabel *>(control)->text(), caption);
}

void LayoutTest::controlsStayInsideAndApart()
{
    const QList<QWidget *> controls =
        calculatorWindow()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 20);

    QSet<QString> names;
    for (const QWidget *control : controls)
        names.insert(control->objectName());
    QCOMPARE(names.size(), 20);

    const QRect client = calculatorWindow()->rect();
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QVERIFY2(client.contains(controls[i]->geometry()), qPrintable(controls[i]->objectName()));
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                qPrintable(controls[i]->objectName() + " overlaps " + controls[j]->objectName()));
        }
    }
    // The outermost edges: the action panel's right and the reset key's bottom.
    QCOMPARE(calculatorWindow()->findChild<QWidget *>("bla")->geometry().right() + 1, 8175 / 15);
    QCOMPARE(calculatorWindow()->findChild<QWidget *>("rset")->geometry().bottom() + 1, 3735 / 15);
}

void LayoutTest::fontsOfTheControls()
{
    for (const QWidget *control :
        calculatorWindow()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QFont font = control->font();
        const bool isReadout = control->objectName() == QLatin1String("Readout");
        QCOMPARE(
            font.family(), isReadout ? QStringLiteral("MS Sans Serif") : QStringLiteral("Arial"));
        QCOMPARE(font.pointSizeF(), isReadout ? 12.0 : 9.75);
        QCOMPARE(font.weight(), QFont::Bold);
    }
}

void LayoutTest::keyCaptionsFitTheirKeys()
{
    for (QPushButton *key : calculatorWindow()->findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(key);
        option.text = key->text();
        option.icon = key->icon();
        option.iconSize = key->iconSize();
        const QRect contents =
            key->style()->subElementRect(QStyle::SE_PushButtonContents, &option, key);

        const QFontMetrics metrics(key->font());
        int width = metrics.horizontalAdvance(key->text());
        int height = metrics.height();
        if (!key->icon().isNull()) {
            // The picture stands left of the caption, a few pixels apart.
            width += key->iconSize().width() + 4;
            height = std::max(height, key->iconSize().height());
        }
        QVERIFY2(width <= contents.width() && height <= contents.height(),
            qPrintable(key->objectName()));
    }
}

void LayoutTest::labelCaptionsFitTheirLabels()
{
    for (const QLabel *label : calculatorWindow()->findChildren<QLabel *>())
        QVERIFY2(testing::textFits(*label), qPrintable(label->objectName()));

    // The longest text the action panel shows, word for word on its own lines.
    QLabel *action = actionLabel();
    calculatorWindow()->SetAction("The user was a moron and tried to divide by zero!");
    QVERIFY(testing::textFits(*action));
}

void LayoutTest::iconIsSmallAndSharedWithTheResetKey()
{
    const QIcon icon = calculatorWindow()->windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));

    const QImage image = icon.pixmap(QSize(32, 32)).toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
    QVERIFY(colours.size() > 2);

    auto *reset = calculatorWindow()->findChild<QPushButton *>("rset");
    QCOMPARE(reset->icon().pixmap(QSize(32, 32)).toImage(), image);
}

void LayoutTest::readoutStartsWhiteWithBlackText()
{
    const QLabel *readout = readoutLabel();
    QCOMPARE(readout->palette().color(readout->backgroundRole()), QColor(0xFF, 0xFF, 0xFF));
    QCOMPARE(readout->palette().color(readout->foregroundRole()), QColor(0, 0, 0));
    // The back colour is painted, not merely remembered.
    const QImage shown = calculatorWindow()->grab().toImage();
    QCOMPARE(QColor(shown.pixel(readout->geometry().topLeft() + QPoint(10, 10))),
        QColor(0xFF, 0xFF, 0xFF));
}

void LayoutTest::tabVisitsTheKeysInOrder()
{
    TALLIMAX_SKIP_ON_WAYLAND("Tab moves the focus only in the window holding the keyboard focus");
    for (const QLabel *label : calculatorWindow()->findChildren<QLabel *>())
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);

    calculatorWindow()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(calculatorWindow()));

    const QStringList expected = { "Number0", "Number1", "Number2", "Number3", "Number4", "Number5",
        "Number6", "Number7", "Number8", "Number9", "Operator1", "Operator3", "Operator2",
        "Operator0", "Operator4", "Decimal", "rset", "Number0" };
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused != nullptr);
        visited << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

} // namespace tallimax

QTEST_MAIN(tallimax::LayoutTest)
#include "layout_test.moc"
