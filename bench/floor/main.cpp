// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up floor: the least a Qt Widgets program can do to show the calculator's window.
// A bare window of the same size with the same 17 push buttons and 3 labels, at the same
// positions, with the same captions and fonts; no engine, no icon, no wiring, no colours.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace {

struct Control
{
    const char *caption;
    bool isLabel;
    int left;
    int top;
    int width;
    int height;
};

// Pixels at 96 dots per inch, in the order the calculator creates its controls.
constexpr Control Controls[] = {
    { "RESET ALL", false, 72, 184, 297, 65 },
    { "7", false, 376, 104, 55, 32 },
    { "8", false, 376, 144, 56, 32 },
    { "9", false, 312, 144, 56, 32 },
    { "4", false, 184, 104, 56, 32 },
    { "5", false, 248, 104, 56, 32 },
    { "6", false, 312, 104, 56, 32 },
    { "+", false, 120, 144, 56, 32 },
    { "-", false, 8, 144, 48, 32 },
    { "1", false, 8, 104, 48, 32 },
    { "2", false, 64, 104, 48, 32 },
    { "3", false, 120, 104, 56, 32 },
    { "X", false, 184, 144, 56, 32 },
    { "/", false, 64, 144, 48, 32 },
    { "0", false, 248, 144, 56, 32 },
    { ".", false, 8, 184, 48, 64 },
    { "=", false, 376, 184, 56, 64 },
    { "Just Did:", true, 440, 8, 57, 41 },
    { "Action", true, 440, 56, 105, 144 },
    { "0.", true, 8, 7, 424, 89 },
};

QFont boldFont(const char *family, double pointSize)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Tallimax floor"));
    window.setFixedSize(550, 267);

    const QFont controlFont = boldFont("Arial", 9.75);
    const QFont readoutFont = boldFont("MS Sans Serif", 12.0);
    for (const Control &control : Controls) {
        QWidget *widget = nullptr;
        if (control.isLabel)
            widget = new QLabel(QString::fromLatin1(control.caption), &window);
        else
            widget = new QPushButton(QString::fromLatin1(control.caption), &window);
        widget->setGeometry(control.left, control.top, control.width, control.height);
        widget->setFont(&control == &Controls[std::size(Controls) - 1] ? readoutFont : controlFont);
    }

    window.show();
    return QApplication::exec();
}
