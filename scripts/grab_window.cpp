// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves what an X window shows as a PNG file; the screenshot script builds and runs it.
// Usage: grab_window <window id> <file.png>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    bool ok = false;
    const WId window = arguments.size() == 3 ? arguments.at(1).toULongLong(&ok) : 0;
    if (!ok) {
        std::fputs("usage: grab_window <window id> <file.png>\n", stderr);
        return 2;
    }
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(window);
    if (shot.isNull() || !shot.save(arguments.at(2), "PNG")) {
        std::fputs("grab_window: could not grab or save the window\n", stderr);
        return 1;
    }
    return 0;
}
