// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Key latency of the window: a mouse click on a key until the readout has been painted again.
// Each iteration clicks the key (press and release, so the click reaches the engine through the
// key typer, which records it as a step) and then repaints the readout synchronously, which lays
// out and draws its new text into the backing store. Also a paste of 10,000 keys, and a step
// taken back and put back, each until the readout is painted. Runs on the offscreen platform;
// Qt Test picks the iteration count.

#include "window/calculator_window.h"
#include "window/key_typer.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstdint>
#include <memory>

namespace tallimax {

class KeyLatencyBench : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clickAndRepaint_data();
    void clickAndRepaint();
    void pasteAndRepaint_data();
    void pasteAndRepaint();
    void undoRedoAndRepaint_data();
    void undoRedoAndRepaint();

private: // NOLINT(readability-redundant-access-specifiers): ends moc's slot section
    QPushButton *key(const char *name) const;

    std::unique_ptr<CalculatorWindow> m_window;
    QLabel *m_readout = nullptr;
};

void KeyLatencyBench::init()
{
    m_window = std::make_unique<CalculatorWindow>();
    m_window->calculator().Form_Load();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_readout = m_window->findChild<QLabel *>(QStringLiteral("Readout"));
    QVERIFY(m_readout != nullptr);
}

void KeyLatencyBench::cleanup()
{
    m_window.reset();
}

QPushButton *KeyLatencyBench::key(const char *name) const
{
    return m_window->findChild<QPushButton *>(QLatin1String(name));
}

void KeyLatencyBench::clickAndRepaint_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("digitsBefore");

    // One key per iteration; where a second key is given, each iteration clicks both, in turn.
    QTest::newRow("Number7, typing a number") << "Number7"
                                              << "" << 1;
    QTest::newRow("Number7, on a 10,000-digit readout") << "Number7"
                                                        << "" << 10000;
    QTest::newRow("Decimal") << "Decimal"
                             << "" << 1;
    QTest::newRow("rset (RESET ALL)") << "rset"
                                      << "" << 1;
    QTest::newRow("Number7 then Operator1 (+ adds), two clicks") << "Number7"
                                                                 << "Operator1" << 0;
    QTest::newRow("Number7 then Operator2 (X multiplies), two clicks") << "Number7"
                                                                       << "Operator2" << 0;
}

void KeyLatencyBench::clickAndRepaint()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, digitsBefore);

    // The readout starts with this many digits being typed, entered straight into the engine.
    for (int i = 0; i < digitsBefore; ++i)
        m_window->calculator().Number_Click(static_cast<std::int16_t>(1 + i % 9));
    m_readout->repaint();

    QPushButton *firstKey = key(qPrintable(first));
    QPushButton *secondKey = second.isEmpty() ? nullptr : key(qPrintable(second));
    QVERIFY(firstKey != nullptr && (second.isEmpty() || secondKey != nullptr));

    QBENCHMARK
    {
        QTest::mouseClick(firstKey, Qt::LeftButton);
        m_readout->repaint();
        if (secondKey != nullptr) {
            QTest::mouseClick(secondKey, Qt::LeftButton);
            m_readout->repaint();
        }
    }
}

void KeyLatencyBench::pasteAndRepaint_data()
{
    QTest::addColumn<QString>("text");

    // Each of 10,000 keys: one number, or a calculation of many.
    QTest::newRow("10,000 digits") << QString(10000, '7');
    QTest::newRow("10,000-key calculation (1234.5+1234.5+...=)")
        << QStringLiteral("1234.5+").repeated(1428) + QStringLiteral("678=");
}

// A paste typed as one step, with the history recording it, from the text to the repainted
// readout. Each iteration starts from a reset engine, so every paste types the same keys.
void KeyLatencyBench::pasteAndRepaint()
{
    QFETCH(QString, text);
    QCOMPARE(text.size(), 10000);

    KeyTyper &typer = m_window->typer();
    QBENCHMARK
    {
        m_window->calculator().rset_Click();
        typer.paste(text);
        m_readout->repaint();
    }
    // The paste was typed, not refused.
    QVERIFY(m_readout->text() != QStringLiteral("0."));
    QVERIFY(typer.canUndo());
}

void KeyLatencyBench::undoRedoAndRepaint_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("step");

    // The readout typed first, then the step taken back and put back in each iteration.
    QTest::newRow("a digit on a short readout") << "12+3"
                                                << "4";
    QTest::newRow("a digit on a 10,000-digit readout") << QString(10000, '7') << "4";
    QTest::newRow("a 10,000-digit paste (readout 0. and back)") << "" << QString(10000, '7');
}

// A step taken back and then put back, each until the repainted readout: two operations per
// iteration. The history holds 1,000 steps, its bound, before the first iteration.
void KeyLatencyBench::undoRedoAndRepaint()
{
    QFETCH(QString, before);
    QFETCH(QString, step);

    // Steps of one digit each fill the history; pasted, as clicks are slow to simulate.
    KeyTyper &typer = m_window->typer();
    for (int i = 0; i < 1000; ++i)
        typer.paste(QStringLiteral("1"));
    m_window->calculator().rset_Click();
    if (!before.isEmpty())
        typer.paste(before);
    typer.paste(step);
    QCOMPARE(typer.history().size(), std::size_t{ 1000 });
    const QString after = m_readout->text();
    m_readout->repaint();

    QBENCHMARK
    {
        typer.undo();
        m_readout->repaint();
        typer.redo();
        m_readout->repaint();
    }
    QCOMPARE(m_readout->text(), after);
    QVERIFY(typer.canUndo() && !typer.canRedo());
}

} // namespace tallimax

QTEST_MAIN(tallimax::KeyLatencyBench)

#include "window_bench.moc"
