// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tallimax {

// What the program was asked on its command line, once Qt has taken its own options (-platform,
// -display, -style...) from it: `tallimax [--help | --version] [FILE]`.
struct CommandLine
{
    enum class Action { Run, Help, Version, Misuse };
    Action action = Action::Run;
    // The tape file to open beside the calculator.
    std::optional<QString> tapeFile;
    // For Misuse: what was wrong, as GNU programs say it ("unrecognized option '--tap'").
    QString problem;
};

// Reads the arguments after the program's name. "--" ends the options, so a file may start with
// "-".
CommandLine parseCommandLine(const QStringList &arguments);

// Prints the answer to --help, --version or a misuse, and returns the program's exit status:
// 0, or 2 for a misuse.
int answer(const CommandLine &commandLine);

// What --help, --version and a misuse print, GNU's way.
QString helpText();
QString versionText();
QString misuseText(const CommandLine &commandLine);

} // namespace tallimax
