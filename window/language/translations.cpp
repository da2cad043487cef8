// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/language/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <string>

namespace tallimax {

namespace {

// Qt turns the application right to left when the loaded translations say so. Tallimax says so
// itself, so a right-to-left language reads right in its menu even where Qt's own translations
// are not installed.
[[maybe_unused]] constexpr const char *LayoutDirection =
    //: Write RTL for a language written from right to left, else LTR. The calculator's window
    //: keeps its layout either way; the readout's menu and messages follow it.
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

bool installTranslations(QObject &owner, const QLocale &locale)
{
    // The locale's languages in the order the user chose them (LANGUAGE, else LC_ALL,
    // LC_MESSAGES or LANG), each also without its region: de_AT finds German, pt_BR Brazilian
    // Portuguese, pt_PT none, unless LANGUAGE goes on to pt_BR. Brazilian Portuguese is not put in
    // European Portuguese's place unasked, as gettext does not either.
    auto *own = new QTranslator(&owner);
    if (!own->load(
            locale, QStringLiteral("tallimax"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        // English, and any language Tallimax does not speak (the C locale too): the English
        // catalog, which holds only the plural forms of the texts that count ("Tape, 1 line",
        // "Tape, 5 lines"), and none of Qt's.
        if (own->load(QStringLiteral("tallimax_en"), QStringLiteral(":/i18n")))
            QCoreApplication::installTranslator(own);
        else
            delete own;
        return false;
    }
    // Qt's only with Tallimax's own: in a language Tallimax does not speak every text stays in
    // English, rather than Qt's few words in the language amid English ones. The translator
    // installed last is asked first, so Tallimax's own words come before Qt's.
    auto *qt = new QTranslator(&owner);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QCoreApplication::installTranslator(own);
    return true;
}

QString translated(const layout::TranslatableText &text)
{
    if (text.context.empty())
        return QString::fromUtf8(text.source.data(), static_cast<qsizetype>(text.source.size()));
    return QCoreApplication::translate(
        std::string(text.context).c_str(), std::string(text.source).c_str());
}

} // namespace tallimax
