// The window in the user's language. The maker's texts are written in
// English as designed and translated with Qt's translation system: each
// language has its .ts file in maker/ui/traductions (kept in the tree,
// compiled by lrelease at build time, shipped in the maker's data
// directory under traductions/), and
// Qt's own translations (qtbase_xx.qm, Debian's qt6-translations-l10n) give
// the standard buttons and choosers.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace lumaveil {

// The languages the maker speaks besides English ("fr", "de", "es").
const QStringList& LanguesTraduites();

// The first of `locale`'s interface languages (for the system locale:
// LANGUAGE, then LC_ALL, LC_MESSAGES and LANG) the maker speaks: "fr",
// "de", "es", or "en" when none (English needs no translation).
QString LangueChoisie(const QLocale& locale = QLocale::system());

// A text of the command table (fenetre/commandes.cpp) in the user's
// language (context "Commandes"): the English text as designed when no
// translation is installed; "" for null.
QString TraduitCommande(const char* texte);

// Installs on `application` the maker's translation and Qt's for `langue`
// (from LangueChoisie); nothing for "en". Returns 1 when the maker's own
// translation was found. A second call replaces the first's.
int InstalleTraductions(QCoreApplication& application, const QString& langue);

// The language the window speaks: the one of the last InstalleTraductions
// that found the maker's translation, else "en". The savers' web pages
// are written in it.
QString LangueInterface();

}  // namespace lumaveil
