// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <cstdio>

namespace tallimax {

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine result;
    const auto misuse = [&result](const QString &problem) {
        result.action = CommandLine::Action::Misuse;
        result.problem = problem;
        return result;
    };
    // As GNU's getopt does: the options in order, wherever they stand, then the operands.
    QStringList operands;
    bool options = true;
    for (const QString &argument : arguments) {
        if (!options || !argument.startsWith(u'-') || argument.size() == 1) {
            operands << argument;
        } else if (argument == QLatin1String("--")) {
            options = false;
        } else if (argument == QLatin1String("--help")) {
            result.action = CommandLine::Action::Help;
            return result;
        } else if (argument == QLatin1String("--version")) {
            result.action = CommandLine::Action::Version;
            return result;
        } else {
            return misuse(argument.startsWith(QLatin1String("--"))
                    ? QStringLiteral("unrecognized option '%1'").arg(argument)
                    : QStringLiteral("invalid option -- '%1'").arg(argument.mid(1)));
        }
    }
    if (operands.size() > 1)
        return misuse(QStringLiteral("extra operand '%1'").arg(operands[1]));
    if (!operands.isEmpty()) {
        // No tape is read from standard input, and an empty name names no file.
        if (operands[0].isEmpty() || operands[0] == QLatin1String("-"))
            return misuse(QStringLiteral("invalid file name '%1'").arg(operands[0]));
        result.tapeFile = operands[0];
    }
    return result;
}

int answer(const CommandLine &commandLine)
{
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        std::fputs(helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::fputs(versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Action::Misuse:
        std::fputs(misuseText(commandLine).toLocal8Bit().constData(), stderr);
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    return 0;
}

QString helpText()
{
    return QStringLiteral(
        "Usage: tallimax [OPTION]... [FILE]\n"
        "Open the Tallimax calculator; with FILE, a tape saved by Tallimax, open it as the\n"
        "calculator's tape, beside it.\n"
        "\n"
        "      --help     display this help and exit\n"
        "      --version  output version information and exit\n"
        "\n"
        "Qt's own options work too, such as -platform NAME, -display DISPLAY and -style STYLE.\n"
        "\n"
        "Exit status is 0 when the window is closed, 2 for a wrong command line.\n"
        "\n"
        "Report bugs and read more at: <https://tallimax.github.io/>\n");
}

QString versionText()
{
    return QStringLiteral("tallimax " TALLIMAX_VERSION "\n"
                          "Copyright (C) 2026 Tallimax developers\n"
                          "License GPLv3+: GNU GPL version 3 or later "
                          "<https://gnu.org/licenses/gpl.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n");
}

QString misuseText(const CommandLine &commandLine)
{
    return QStringLiteral("tallimax: %1\n"
                          "Usage: tallimax [OPTION]... [FILE]\n"
                          "Try 'tallimax --help' for more information.\n")
        .arg(commandLine.problem);
}

} // namespace tallimax
