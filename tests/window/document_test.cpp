// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/window_test_support.h"

#include "engine/tape_file.h"
#include "window/document/tape_document.h"
#include "window/keys/key_typer.h"
#include "window/tape/tape_editor.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

namespace tallimax {

using testing::WarningBoxAccepter;

// The tape as a file: saved, opened again, refused, and kept between sessions.
class DocumentTest : public testing::WindowTestCase
{
    Q_OBJECT

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    const Tape &tape() const { return calculatorWindow()->typer().tape(); }
    TapeDocument &document() const { return calculatorWindow()->document(); }

private slots:
    void init()
    {
        QVERIFY(m_state.isValid());
        qputenv("XDG_STATE_HOME", m_state.path().toLocal8Bit());
        QVERIFY(openWindow());
    }

    void cleanup() { closeWindow(); }

    // What Save writes is what Open types again: the same lines, notes and readout, one step.
    void savedTapeOpensAgain()
    {
        clickKeys(QStringLiteral("2+3X4=R12.5+7.25"));
        QVERIFY(calculatorWindow()->editor().annotate(1, QStringLiteral("invoice 1043")));
        const QString path = m_files.filePath(QStringLiteral("invoices.tape"));
        QVERIFY(document().saveAs(path));
        const std::deque<TapeLine> saved = tape().lines();
        QCOMPARE(read(path),
            QByteArray("Tallimax tape\t1\t.\n2.\t+\t\n3.\tX\t5\tinvoice 1043\n4.\t=\t20\n"
                       "RESET ALL\n12.5\t+\t\n7.25\t\t\n"));
        QCOMPARE(document().title(), QStringLiteral("invoices.tape[*] – Tallimax tape"));
        QVERIFY(!document().isModified());
        clickKeys(QStringLiteral("="));
        QVERIFY(document().isModified());
        closeWindow();
        QVERIFY(openWindow());
        clickKeys(QStringLiteral("5+"));
        QVERIFY(document().open(path));
        // Typed after a break, as the file's totals are its own; what was typed before stays.
        QCOMPARE(tape().lines().size(), saved.size() + 2);
        QVERIFY(std::equal(saved.begin(), saved.end(), tape().lines().begin() + 2));
        QCOMPARE(readoutLabel()->text(), QStringLiteral("7.25"));
        QVERIFY(document().isModified());
        calculatorWindow()->typer().undo();
        QCOMPARE(tape().lines().size(), std::size_t{ 1 });
        QCOMPARE(readoutLabel()->text(), QStringLiteral("5."));
    }

    void refusedFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("picture") << QByteArray("\x89PNG\r\n\x1a\n")
                                 << "Could not open bad.tape, line 1: it is not a Tallimax tape.";
        QTest::newRow("not UTF-8") << QByteArray("Tallimax tape\t1\t.\n1.\t+\t\t\xff\n")
                                   << "Could not open bad.tape, line 2: it is not UTF-8 text.";
        QTest::newRow("no number")
            << QByteArray("Tallimax tape\t1\t.\n2.\t+\t\n1e\t=\t\n")
            << "Could not open bad.tape, line 3: its number is not a number.";
    }

    void refusedFileChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString path = m_files.filePath(QStringLiteral("bad.tape"));
        write(path, bytes);
        clickKeys(QStringLiteral("7+"));
        const std::deque<TapeLine> before = tape().lines();
        const WarningBoxAccepter boxes;
        QVERIFY(!document().open(path));
        QCOMPARE(boxes.accepted(), 1);
        QCOMPARE(boxes.prompt(), message);
        QCOMPARE(tape().lines(), before);
        QVERIFY(document().path().isEmpty());
    }

    // A file that cannot be written leaves the old one whole and the tape unsaved.
    void failedSaveKeepsTheOldFile()
    {
        const QString path = m_files.filePath(QStringLiteral("kept.tape"));
        clickKeys(QStringLiteral("1+"));
        QVERIFY(document().saveAs(path));
        const QByteArray old = read(path);
        clickKeys(QStringLiteral("2="));
        const WarningBoxAccepter boxes;
        QVERIFY(!document().saveAs(m_files.filePath(QStringLiteral("gone/kept.tape"))));
        QCOMPARE(boxes.accepted(), 1);
        QVERIFY(boxes.prompt().startsWith(QStringLiteral("Could not save kept.tape: ")));
        QCOMPARE(read(path), old);
        QVERIFY(document().isModified());
    }

    // Kept, the file follows every step; the next start finds it above a break; turned off,
    // nothing stays on disk.
    void keptTapeFollowsEveryStep()
    {
        const QString kept = m_state.filePath(QStringLiteral("tallimax/tape.tape"));
        const auto keptText = [this] {
            return QByteArray::fromStdString(writeTapeFile(tape().lines(), "."));
        };
        clickKeys(QStringLiteral("4+5="));
        calculatorWindow()->toggleTape();
        QAction *keep = document().keepAction();
        keep->setChecked(true);
        QCOMPARE(read(kept), keptText());
        clickKeys(QStringLiteral("X2="));
        QVERIFY(calculatorWindow()->editor().correct(0, QStringLiteral("40"), TapeOperator::Plus));
        QCOMPARE(read(kept), keptText());
        calculatorWindow()->typer().undo();
        QCOMPARE(read(kept), keptText());
        const std::deque<TapeLine> session = tape().lines();

        // A second Tallimax meanwhile neither reads nor writes it.
        KeptTape another;
        QVERIFY(!another.take());
        QCOMPARE(another.status(), KeptTape::Status::KeptByAnother);

        closeWindow();
        QVERIFY(openWindow());
        document().restoreKept();
        QCOMPARE(tape().lines().size(), session.size() + 1);
        QVERIFY(std::equal(session.begin(), session.end(), tape().lines().begin()));
        QVERIFY(tape().lines().back().isBreak());
        QCOMPARE(readoutLabel()->text(), QStringLiteral("0."));
        QVERIFY(!calculatorWindow()->typer().canUndo());

        calculatorWindow()->toggleTape();
        document().keepAction()->setChecked(false);
        QVERIFY(QDir(m_state.filePath(QStringLiteral("tallimax"))).isEmpty());
    }

    // A kept tape whose last line a kill cut short comes back without that line; one this
    // Tallimax cannot read is left as it is, and not kept over.
    void unreadableKeptTape_data()
    {
        QTest::addColumn<QByteArray>("kept");
        QTest::addColumn<int>("lines");
        QTest::newRow("last line cut short")
            << QByteArray("Tallimax tape\t1\t.\n4.\t+\t\n5.\t=\t9\n6.\tX\t\t\xe2\x82") << 3;
        QTest::newRow("newer Tallimax") << QByteArray("Tallimax tape\t2\t.\n4.\t+\t\n") << 0;
    }

    void unreadableKeptTape()
    {
        QFETCH(QByteArray, kept);
        QFETCH(int, lines);
        const QString path = m_state.filePath(QStringLiteral("tallimax/tape.tape"));
        QVERIFY(QDir().mkpath(m_state.filePath(QStringLiteral("tallimax"))));
        write(path, kept);
        closeWindow();
        QVERIFY(openWindow());
        document().restoreKept();
        QCOMPARE(tape().lines().size(), static_cast<std::size_t>(lines));
        calculatorWindow()->toggleTape();
        QCOMPARE(document().keepAction()->isChecked(), lines > 0);
        if (lines == 0)
            QCOMPARE(read(path), kept);
        else
            QCOMPARE(read(path), QByteArray::fromStdString(writeTapeFile(tape().lines(), ".")));
    }

private:
    QTemporaryDir m_state;
    QTemporaryDir m_files;
};

} // namespace tallimax

QTEST_MAIN(tallimax::DocumentTest)
#include "document_test.moc"
