// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/print/printed_line.h"

#include <cstddef>

class QWidget;

namespace tallimax {

// What the program and its print module, loaded only when the user prints, agree on. The module
// holds Qt's print support, and with it the printing system's libraries, which a start of the
// calculator never loads. Both are built from the same sources, so PrintedLine is the same in
// both.
enum class PrintOutcome : int { Printed, Cancelled, Failed };

// Opens the print dialog over parent and prints the lines; returns a PrintOutcome.
using PrintTapeFunction = int (*)(
    QWidget *parent, const PrintedLine *lines, std::size_t count, const QString *title);

inline constexpr char PrintTapeSymbol[] = "tallimax_print_tape";
inline constexpr char PrintModuleFileName[] = "tallimax-print.so";

} // namespace tallimax
