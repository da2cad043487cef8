// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Key latency of the window: a mouse click on a key until the readout has been painted again.
// Each iteration clicks the key (press and release, so the click reaches the engine) and then
// repaints the readout synchronously, which lays out and draws its new text into the backing
// store. Runs on the offscreen platform; Qt Test picks the iteration count.

#include "window/calculator_window.h"

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

} // namespace tallimax

QTEST_MAIN(tallimax::KeyLatencyBench)

#include "window_bench.moc"
