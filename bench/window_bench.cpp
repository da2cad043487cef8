// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Key latency of the window: a mouse click on a key until the readout has been painted again.
// Each iteration clicks the key (press and release, so the click reaches the engine through the
// key typer, which records it as a step) and then repaints the readout synchronously, which lays
// out and draws its new text into the backing store. Also a paste of 10,000 keys, and a step
// taken back and put back, each until the readout is painted. Runs on the offscreen platform;
// Qt Test picks the iteration count.
//
// The tape: the same clicks, a paste and a correction of a line, with the tape's window never
// opened, open or closed again. Each such iteration also lets the event loop run once after the
// readout is painted, as it would before the next key: the tape's list then lays out its new
// rows and paints them. With the tape open, every key is checked to have repainted the list.

#include "engine/tape.h"
#include "window/calculator/calculator_window.h"
#include "window/document/tape_document.h"
#include "window/keys/key_typer.h"
#include "window/tape/tape_editor.h"
#include "window/tape/tape_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tallimax {

// How the tape's window stands while the keys are typed.
enum class TapeShown {
    Never, // never opened: the window was not even made
    Open,
    ClosedAgain, // opened and closed: its list stays, hidden, and still hears of every line
};

} // namespace tallimax

Q_DECLARE_METATYPE(tallimax::TapeShown)

namespace tallimax {

// Counts the paints of a widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

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
    void clickWithTape_data();
    void clickWithTape();
    void pasteWithTape_data();
    void pasteWithTape();
    void correctWithTape_data();
    void correctWithTape();
    void saveAndOpenTape_data();
    void saveAndOpenTape();
    void clickWhileKept_data();
    void clickWhileKept();
    void startWithKeptTape_data();
    void startWithKeptTape();

private: // NOLINT(readability-redundant-access-specifiers): ends moc's slot section
    QPushButton *key(const char *name) const;
    void typeTapeLines(int lines);
    void showTape(TapeShown shown);
    void settle();

    std::unique_ptr<CalculatorWindow> m_window;
    QLabel *m_readout = nullptr;
    PaintCounter m_listPaints;
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

// Five ordinary lines of the tape a round, 12.5 +, 7.25 X, 3 -, 2 / and 4, each round's 4 ended by
// "+" but the last, which "=" ends: a paste may only end with "=". The running result stays near
// 57.25.
constexpr QStringView OrdinaryRound = u"12.5+7.25X3-2/4+";
constexpr int LinesPerRound = 5;

// Puts this many ordinary lines on the tape, pasted 10,000 keys at a time.
void KeyLatencyBench::typeTapeLines(int lines)
{
    constexpr int RoundsPerPaste = 10000 / static_cast<int>(OrdinaryRound.size());
    for (int rounds = lines / LinesPerRound; rounds > 0; rounds -= RoundsPerPaste) {
        QString text = OrdinaryRound.toString().repeated(std::min(rounds, RoundsPerPaste));
        text.back() = u'=';
        m_window->typer().paste(text);
    }
    QCOMPARE(m_window->typer().tape().lines().size(), static_cast<std::size_t>(lines));
}

// What the event loop does after a key, before the next: the posted events and due timers (the
// list lays out its new rows), then the tape's window repaints what changed, as its update
// request would have it do, without waiting for that request's timer.
void KeyLatencyBench::settle()
{
    QCoreApplication::processEvents();
    TapeWindow *tape = m_window->tapeWindow();
    if (tape != nullptr && tape->isVisible()) {
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(tape, &request);
    }
}

void KeyLatencyBench::showTape(TapeShown shown)
{
    if (shown == TapeShown::Never)
        return;
    m_window->toggleTape();
    TapeWindow *tape = m_window->tapeWindow();
    QVERIFY(tape != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(tape));
    if (shown == TapeShown::ClosedAgain) {
        m_window->toggleTape();
        QVERIFY(!tape->isVisible());
    }
    tape->view().viewport()->installEventFilter(&m_listPaints);
    m_readout->repaint();
    settle();
    m_listPaints.paints = 0;
}

void KeyLatencyBench::clickWithTape_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("lines");
    QTest::addColumn<TapeShown>("shown");

    // A digit goes on the number of the tape's last line; a digit and then "+" make a line.
    const struct
    {
        const char *name;
        const char *first;
        const char *second;
    } keys[] = { { "Number7", "Number7", "" },
        { "Number7 then Operator1 (+), two clicks", "Number7", "Operator1" } };
    const struct
    {
        const char *name;
        TapeShown shown;
    } tapes[] = { { "tape closed", TapeShown::Never }, { "tape open", TapeShown::Open },
        { "tape closed again", TapeShown::ClosedAgain } };
    for (const int lines : { 10, 10000 }) {
        for (const auto &key : keys) {
            for (const auto &tape : tapes)
                QTest::addRow(
                    "%s, %s lines, %s", key.name, lines == 10 ? "10" : "10,000", tape.name)
                    << key.first << key.second << lines << tape.shown;
        }
    }
    for (const auto &tape : tapes) {
        QTest::addRow("%s, 100,000 lines, %s", keys[1].name, tape.name)
            << keys[1].first << keys[1].second << 100000 << tape.shown;
    }
}

// A click, or two, each until the readout is repainted and the event loop has run once, on a
// tape already holding this many lines.
void KeyLatencyBench::clickWithTape()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, lines);
    QFETCH(TapeShown, shown);

    typeTapeLines(lines);
    showTape(shown);
    if (QTest::currentTestFailed())
        return;
    QPushButton *firstKey = key(qPrintable(first));
    QPushButton *secondKey = second.isEmpty() ? nullptr : key(qPrintable(second));
    QVERIFY(firstKey != nullptr && (second.isEmpty() || secondKey != nullptr));

    int clicks = 0;
    QBENCHMARK
    {
        QTest::mouseClick(firstKey, Qt::LeftButton);
        m_readout->repaint();
        settle();
        if (secondKey != nullptr) {
            QTest::mouseClick(secondKey, Qt::LeftButton);
            m_readout->repaint();
            settle();
        }
        clicks += secondKey != nullptr ? 2 : 1;
    }
    if (shown == TapeShown::Open)
        QVERIFY2(m_listPaints.paints >= clicks,
            qPrintable(QStringLiteral("%1 clicks, %2 paints of the list")
                           .arg(clicks)
                           .arg(m_listPaints.paints)));
}

void KeyLatencyBench::pasteWithTape_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TapeShown>("shown");

    const QString digits(10000, '7');
    const QString calculation = QStringLiteral("1234.5+").repeated(1428) + QStringLiteral("678=");
    QTest::newRow("10,000 digits, tape closed") << digits << TapeShown::Never;
    QTest::newRow("10,000 digits, tape open") << digits << TapeShown::Open;
    QTest::newRow("10,000-key calculation (1,429 lines), tape closed")
        << calculation << TapeShown::Never;
    QTest::newRow("10,000-key calculation (1,429 lines), tape open")
        << calculation << TapeShown::Open;
}

// RESET ALL clicked, then a paste of 10,000 keys, until the readout is repainted and the event
// loop has run once: with the tape open, its list has the paste's rows and has painted them.
void KeyLatencyBench::pasteWithTape()
{
    QFETCH(QString, text);
    QFETCH(TapeShown, shown);
    QCOMPARE(text.size(), 10000);

    showTape(shown);
    if (QTest::currentTestFailed())
        return;
    KeyTyper &typer = m_window->typer();
    QPushButton *reset = key("rset");
    QVERIFY(reset != nullptr);
    int pastes = 0;
    QBENCHMARK
    {
        reset->click();
        typer.paste(text);
        m_readout->repaint();
        settle();
        ++pastes;
    }
    QVERIFY(m_readout->text() != QStringLiteral("0."));
    if (shown == TapeShown::Open) {
        const QListView &list = m_window->tapeWindow()->view();
        QCOMPARE(static_cast<std::size_t>(list.model()->rowCount()), typer.tape().lines().size());
        QVERIFY(m_listPaints.paints >= pastes);
    }
}

void KeyLatencyBench::correctWithTape_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("top");
    QTest::addColumn<bool>("sum");
    QTest::addColumn<TapeShown>("shown");

    // Ordinary rounds, whose running result soon comes back to what it was: a correction at the
    // top changes the lines after it only until then, none of those in view. A running sum,
    // "1. +" a line, changes with every line corrected, to the last.
    QTest::newRow("the top line of 10,000, tape closed")
        << 10000 << true << false << TapeShown::Never;
    QTest::newRow("the top line of 10,000, tape open") << 10000 << true << false << TapeShown::Open;
    QTest::newRow("the last line but one of 100,000, tape closed")
        << 100000 << false << false << TapeShown::Never;
    QTest::newRow("the last line but one of 100,000, tape open")
        << 100000 << false << false << TapeShown::Open;
    QTest::newRow("the top line of a 100,000-line running sum, every line changing, tape closed")
        << 100000 << true << true << TapeShown::Never;
    QTest::newRow("the top line of a 100,000-line running sum, every line changing, tape open")
        << 100000 << true << true << TapeShown::Open;
}

// A line of the tape corrected through the key typer, which types the session again from the
// line on, until the readout is repainted and the event loop has run once. Each correction gives
// the line a number other than the one it has.
void KeyLatencyBench::correctWithTape()
{
    QFETCH(int, lines);
    QFETCH(bool, top);
    QFETCH(bool, sum);
    QFETCH(TapeShown, shown);

    KeyTyper &typer = m_window->typer();
    if (sum) {
        const std::vector<LineKeys> keys(static_cast<std::size_t>(lines), LineKeys{ "1+", {} });
        typer.show(typer.tape().typeLines(keys, typer.snapshot()));
    } else {
        typeTapeLines(lines);
    }
    showTape(shown);
    if (QTest::currentTestFailed())
        return;
    const std::size_t line = top ? 0 : static_cast<std::size_t>(lines) - 2;
    const std::optional<TapeOperator> op = typer.tape().lines()[line].op;
    const std::string last = typer.tape().lines().back().result;
    int corrections = 0;
    QBENCHMARK
    {
        QVERIFY(m_window->editor().correct(
            line, corrections % 2 == 0 ? QStringLiteral("5") : QStringLiteral("6"), op));
        m_readout->repaint();
        settle();
        ++corrections;
    }
    QCOMPARE(typer.tape().lines().size(), static_cast<std::size_t>(lines));
    // The correction reached the lines in view, which were painted again.
    if (sum)
        QVERIFY(typer.tape().lines().back().result != last);
    if (shown == TapeShown::Open && (sum || !top))
        QVERIFY(m_listPaints.paints >= corrections);
}

void KeyLatencyBench::saveAndOpenTape_data()
{
    QTest::addColumn<int>("lines");
    for (const int lines : { 10000, 100000 })
        QTest::addRow("%d lines", lines) << lines;
}

// Saving the tape to a file, and opening that file in a calculator of its own: its lines typed
// through the engine and shown in an open tape.
void KeyLatencyBench::saveAndOpenTape()
{
    QFETCH(int, lines);
    typeTapeLines(lines);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.tape"));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(m_window->document().saveAs(path));
    const qint64 saved = clock.nsecsElapsed();

    CalculatorWindow opener;
    opener.calculator().Form_Load();
    opener.show();
    QVERIFY(QTest::qWaitForWindowExposed(&opener));
    clock.restart();
    opener.openTapeFile(path);
    settle();
    const qint64 opened = clock.nsecsElapsed();
    QCOMPARE(opener.typer().tape().lines().size(), static_cast<std::size_t>(lines));
    qInfo("save: %.2f ms, open: %.2f ms", static_cast<double>(saved) / 1e6,
        static_cast<double>(opened) / 1e6);
    QBENCHMARK_ONCE
    {
        QVERIFY(m_window->document().saveAs(path));
    }
}

void KeyLatencyBench::clickWhileKept_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("kept");
    for (const int lines : { 10, 10000, 100000 }) {
        for (const bool kept : { false, true })
            QTest::addRow("Number7 then Operator1 (+), two clicks, %d lines, %s", lines,
                kept ? "kept between sessions" : "not kept")
                << lines << kept;
    }
}

// What keeping the tape between sessions adds to a key that ends a line: the end of the kept
// file written again.
void KeyLatencyBench::clickWhileKept()
{
    QFETCH(int, lines);
    QFETCH(bool, kept);
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    m_window = std::make_unique<CalculatorWindow>();
    m_window->calculator().Form_Load();
    m_readout = m_window->findChild<QLabel *>(QStringLiteral("Readout"));
    typeTapeLines(lines);
    if (kept) {
        m_window->document().createActions();
        m_window->document().keepAction()->setChecked(true);
        QVERIFY(QFile::exists(state.filePath(QStringLiteral("tallimax/tape.tape"))));
    }
    QPushButton *digit = key("Number7");
    QPushButton *plus = key("Operator1");
    QBENCHMARK
    {
        QTest::mouseClick(digit, Qt::LeftButton);
        QTest::mouseClick(plus, Qt::LeftButton);
    }
    if (kept)
        m_window->document().keepAction()->setChecked(false);
}

void KeyLatencyBench::startWithKeptTape_data()
{
    QTest::addColumn<int>("lines");
    for (const int lines : { 0, 100000 })
        QTest::addRow("%d kept lines", lines) << lines;
}

// From making the window to its first paint, with a kept tape of this many lines waiting; then
// how long after that the kept tape has arrived.
void KeyLatencyBench::startWithKeptTape()
{
    QFETCH(int, lines);
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    if (lines > 0) {
        // Made again, to keep its tape where this row keeps it.
        m_window = std::make_unique<CalculatorWindow>();
        m_window->calculator().Form_Load();
        typeTapeLines(lines);
        m_window->document().createActions();
        m_window->document().keepAction()->setChecked(true);
    }
    m_window.reset();
    QElapsedTimer clock;
    qint64 painted = 0;
    QBENCHMARK_ONCE
    {
        clock.start();
        m_window = std::make_unique<CalculatorWindow>();
        PaintCounter paints;
        m_window->installEventFilter(&paints);
        m_window->calculator().Form_Load();
        m_window->show();
        while (paints.paints == 0)
            QCoreApplication::processEvents();
        painted = clock.nsecsElapsed();
    }
    QVERIFY(QTest::qWaitFor([&] {
        return m_window->typer().tape().lines().size() >= static_cast<std::size_t>(lines);
    }));
    qInfo("first paint: %.2f ms, kept tape there: %.2f ms", static_cast<double>(painted) / 1e6,
        static_cast<double>(clock.nsecsElapsed()) / 1e6);
    if (lines > 0) {
        m_window->document().createActions();
        m_window->document().keepAction()->setChecked(false);
    }
}

} // namespace tallimax

QTEST_MAIN(tallimax::KeyLatencyBench)

#include "window_bench.moc"
