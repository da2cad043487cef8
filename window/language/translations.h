// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/calculator/layout.h"

#include <QLocale>
#include <QString>

class QObject;

namespace tallimax {

// Puts Tallimax's own words (the keys' spoken names, the labels' descriptions, the readout's menu
// and messages, what a screen reader is told) into the language of the locale, and with them Qt's
// standard texts. The window's own texts stay in English whatever the language. Call before the
// window is made. The translators belong to the owner, the application in the program, and leave
// with it. Returns whether Tallimax has a translation for the locale: without one, everything
// stays in English, Qt's texts too.
bool installTranslations(QObject &owner, const QLocale &locale = QLocale());

// The text in the user's language when the layout table marks it for translation, else as it
// stands.
QString translated(const layout::TranslatableText &text);

} // namespace tallimax
