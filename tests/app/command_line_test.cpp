// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace tallimax {

using Action = CommandLine::Action;

// The command line as read, and as the program answers it.
class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void programAnswers_data();
    void programAnswers();
};

void CommandLineTest::reads_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("problem");
    QTest::newRow("none") << QStringList{} << Action::Run << QString() << QString();
    QTest::newRow("file") << QStringList{ "march.tape" } << Action::Run << "march.tape"
                          << QString();
    QTest::newRow("help anywhere")
        << QStringList{ "a", "b", "--help" } << Action::Help << QString() << QString();
    QTest::newRow("version") << QStringList{ "--version", "--bad" } << Action::Version << QString()
                             << QString();
    QTest::newRow("unknown first") << QStringList{ "--bad", "--help" } << Action::Misuse
                                   << QString() << "unrecognized option '--bad'";
    QTest::newRow("short") << QStringList{ "-x" } << Action::Misuse << QString()
                           << "invalid option -- 'x'";
    QTest::newRow("two files") << QStringList{ "a", "b" } << Action::Misuse << QString()
                               << "extra operand 'b'";
    QTest::newRow("after --") << QStringList{ "--", "--help" } << Action::Run << "--help"
                              << QString();
    QTest::newRow("standard input")
        << QStringList{ "-" } << Action::Misuse << QString() << "invalid file name '-'";
}

void CommandLineTest::reads()
{
    QFETCH(QStringList, arguments);
    const CommandLine read = parseCommandLine(arguments);
    QTEST(read.action, "action");
    QTEST(read.tapeFile.value_or(QString()), "file");
    QTEST(read.problem, "problem");
}

void CommandLineTest::programAnswers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("help") << QStringList{ "--help" } << 0 << "Usage: tallimax [OPTION]... [FILE]\n"
                          << QString();
    QTest::newRow("version") << QStringList{ "--version" } << 0 << "tallimax " TALLIMAX_VERSION "\n"
                             << QString();
    QTest::newRow("after Qt's options") << QStringList{ "-platform", "offscreen", "--version" } << 0
                                        << "tallimax " TALLIMAX_VERSION "\n"
                                        << QString();
    QTest::newRow("unknown") << QStringList{ "--tap" } << 2 << QString()
                             << "tallimax: unrecognized option '--tap'\n";
    QTest::newRow("two files") << QStringList{ "a.tape", "b.tape" } << 2 << QString()
                               << "tallimax: extra operand 'b.tape'\n";
}

// Only the answer's first line is compared.
void CommandLineTest::programAnswers()
{
    QFETCH(QStringList, arguments);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QTemporaryDir runtime;
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TALLIMAX_PROGRAM), arguments);
    QVERIFY(program.waitForFinished());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QTEST(program.exitCode(), "status");
    const auto firstLine = [](const QByteArray &text) {
        return QString::fromUtf8(text.left(text.indexOf('\n') + 1));
    };
    QTEST(firstLine(program.readAllStandardOutput()), "out");
    QTEST(firstLine(program.readAllStandardError()), "err");
}

} // namespace tallimax

QTEST_GUILESS_MAIN(tallimax::CommandLineTest)
#include "command_line_test.moc"
