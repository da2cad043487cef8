// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace tallimax {

// The calculator's picture as an icon: 32 by 32, with larger renderings for screens that scale by
// 1.5, 2 and 3. Each picture pixel becomes a whole block of screen pixels, so the icon stays sharp
// instead of being smoothed into a blur.
QIcon calculatorIcon();

} // namespace tallimax
