// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tallimax {

// One tape line as the printed page shows it, in the texts the tape's window shows: the page
// needs nothing of the engine.
struct PrintedLine
{
    QString number;
    QString op;
    QString result;
    // Instead of a result: why the evaluation was refused, such as a division by zero.
    QString message;
    QString note;
    // The total of an "=": bold, under a rule.
    bool isTotal = false;
    // The break RESET ALL draws: a dashed line across, no texts.
    bool isBreak = false;
};

} // namespace tallimax
