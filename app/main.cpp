// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "window/access/accessibility.h"
#include "window/calculator/calculator_window.h"
#include "window/language/translations.h"

#include <QApplication>

#include <algorithm>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    // --help and --version answer before Qt starts, so that they need no display, and so does a
    // command line without options. Any other waits until Qt has taken its own options, which
    // this does not know.
    if (argc > 1) {
        const QStringList arguments = argumentsOf(argc, argv);
        const tallimax::CommandLine early = tallimax::parseCommandLine(arguments);
        const bool optionsForQt =
            std::any_of(arguments.begin(), arguments.end(), [](const QString &argument) {
                return argument.size() > 1 && argument.startsWith(u'-');
            });
        if (early.action == tallimax::CommandLine::Action::Help
            || early.action == tallimax::CommandLine::Action::Version
            || (early.action == tallimax::CommandLine::Action::Misuse && !optionsForQt))
            return tallimax::answer(early);
    }
    // The desktop's style, colour scheme (light or dark), dialog fonts and icons reach the keys,
    // the window, the warning box and the menus through Qt's platform theme, as they reach any Qt
    // program; the readout keeps its own colours and every control its own font. The benchmarks
    // also build the program without them, to measure what the platform theme costs.
#ifdef TALLIMAX_IGNORE_DESKTOP_SETTINGS
    QApplication::setDesktopSettingsAware(false);
#endif
    // Qt joins the desktop's accessibility bus only if assistive technology was switched on when
    // the program started, and does not notice it being switched on later: a screen reader
    // started after the calculator, or a tool that reads the tree without switching it on, would
    // find nothing. Join whenever the bus runs, as GTK programs do. Costs nothing without a bus.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication application(argc, argv);
    // What is left once Qt has taken -platform, -display, -style and the like.
    const tallimax::CommandLine commandLine =
        argc > 1 ? tallimax::parseCommandLine(argumentsOf(argc, argv)) : tallimax::CommandLine{};
    if (commandLine.action != tallimax::CommandLine::Action::Run)
        return tallimax::answer(commandLine);
    // Lets the desktop match the window to its menu entry and icon (the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral(TALLIMAX_APP_ID));
    // In the language of the desktop's settings, before any text is made.
    tallimax::installTranslations(application);

    tallimax::installAccessibleInterfaces();
    // The window makes its controls and then its engine; loading runs once before any event.
    tallimax::CalculatorWindow window;
    window.calculator().Form_Load();
    window.show();
    // A tape file named on the command line: the tape opens beside the calculator, showing it.
    if (commandLine.tapeFile)
        window.openTapeFile(*commandLine.tapeFile);
    // Take the keyboard focus. A window manager gives it to a new window anyway; on a bare X
    // server nobody does, and keys typed before the first click would go wherever the pointer is.
    window.activateWindow();

    // Closing the window, the last one, ends the event loop and the program.
    return QApplication::exec();
}
