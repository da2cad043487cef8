// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/window_test_support.h"

#include "window/calculator/calculator_window.h"
#include "window/language/translations.h"
#include "window/tape/tape_window.h"

#include <QAction>
#include <QGlyphRun>
#include <QMenu>
#include <QTest>
#include <QTextLayout>

namespace tallimax {

namespace {

// The text as Qt lays it out in the font, falling back to other fonts for characters it lacks;
// empty when every character got a glyph, else the fonts that drew the missing ones (index 0).
QStringList fontsMissingGlyphs(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList missing;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        if (run.glyphIndexes().contains(0))
            missing << run.rawFont().familyName();
    }
    return missing;
}

} // namespace

// Chinese and Japanese texts show in real glyphs from the fonts Qt picks: the readout's menu, the
// tape's menu and the tape's title, as the window shows them.
class CjkGlyphsTest : public testing::WindowTestCase
{
    Q_OBJECT

private slots:
    void everyCharacterHasAGlyph_data();
    void everyCharacterHasAGlyph();
};

void CjkGlyphsTest::everyCharacterHasAGlyph_data()
{
    QTest::addColumn<QString>("locale");

    QTest::newRow("ja") << QStringLiteral("ja_JP");
    QTest::newRow("zh_CN") << QStringLiteral("zh_CN");
}

void CjkGlyphsTest::everyCharacterHasAGlyph()
{
    QFETCH(QString, locale);

    QObject translations;
    QVERIFY(installTranslations(translations, QLocale(locale)));
    QVERIFY(openWindow());
    calculatorWindow()->toggleTape();
    TapeWindow *tape = calculatorWindow()->tapeWindow();
    QVERIFY(tape != nullptr);
    QVERIFY(tape->windowTitle() != QStringLiteral("Tallimax tape"));

    QList<std::pair<QString, QFont>> shown{ { tape->windowTitle(), tape->font() } };
    const QFont menuFont = QApplication::font("QMenu");
    for (const QWidget *window :
        { static_cast<QWidget *>(calculatorWindow()), static_cast<QWidget *>(tape) }) {
        for (const QAction *action : window->findChildren<QAction *>(Qt::FindDirectChildrenOnly)) {
            if (!action->text().isEmpty())
                shown.append({ action->text().remove(u'&'), menuFont });
        }
    }
    QCOMPARE_GE(shown.size(), 12);
    for (const auto &[text, font] : shown)
        QVERIFY2(fontsMissingGlyphs(text, font).isEmpty(),
            qPrintable(text + QStringLiteral(": no glyph in ")
                + fontsMissingGlyphs(text, font).join(QStringLiteral(", "))));
    closeWindow();
}

} // namespace tallimax

QTEST_MAIN(tallimax::CjkGlyphsTest)
#include "cjk_glyphs_test.moc"
