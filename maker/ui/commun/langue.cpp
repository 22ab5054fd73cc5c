#include "commun/langue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "chaines.h"
#include "fichiers_livres.h"

namespace lumaveil {

const QStringList& LanguesTraduites() {
  static const QStringList kLangues{QStringLiteral("fr"), QStringLiteral("de"),
                                    QStringLiteral("es")};
  return kLangues;
}

QString LangueChoisie(const QLocale& locale) {
  for (const QString& langue : locale.uiLanguages()) {
    // "de-DE", "de_AT", "de": the language is what comes before the region.
    const QString code = langue.section('-', 0, 0).section('_', 0, 0).toLower();
    if (code == QLatin1String("en")) return code;
    if (LanguesTraduites().contains(code)) return code;
  }
  return QStringLiteral("en");
}

QString TraduitCommande(const char* texte) {
  return texte ? QCoreApplication::translate("Commandes", texte) : QString();
}

namespace {

QString& Installee() {
  static QString langue = QStringLiteral("en");
  return langue;
}

}  // namespace

QString LangueInterface() { return Installee(); }

int InstalleTraductions(QCoreApplication& application, const QString& langue) {
  Installee() = QStringLiteral("en");
  QLocale::setDefault(QLocale::system());
  // The translators of the last call, owned by the application.
  for (QTranslator* ancien : application.findChildren<QTranslator*>(
           QStringLiteral("TraductionLumaveil"), Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(ancien);
    delete ancien;
  }
  // The texts of the string tables, looked up without Qt, through the same
  // translators (context "Messages"): English while none is installed.
  talvik::InstalleTraductionChaines([](const char* texte) {
    return QCoreApplication::translate("Messages", texte).toStdString();
  });
  if (!LanguesTraduites().contains(langue)) return 0;
  auto installe = [&application](const QString& fichier, const QString& dossier) {
    auto* traduction = new QTranslator(&application);
    traduction->setObjectName(QStringLiteral("TraductionLumaveil"));
    if (!traduction->load(fichier, dossier)) {
      delete traduction;
      return 0;
    }
    QCoreApplication::installTranslator(traduction);
    return 1;
  };
  installe(QStringLiteral("qtbase_") + langue, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // Shipped beside the other files of the maker; in the build tree, where
  // lrelease wrote them.
  const QString livres = QString::fromStdString(CheminLivre("traductions"));
  const QString fichier = QStringLiteral("lumaveil_") + langue;
  if (!installe(fichier, livres) &&
      !installe(fichier, QStringLiteral(LUMAVEIL_TRADUCTIONS_CONSTRUCTION)))
    return 0;
  Installee() = langue;
  // Numbers, dates and sizes as the window's language writes them, unless
  // the system's locale already speaks it (de_AT keeps its own formats).
  QLocale::setDefault(QLocale::system().name().startsWith(langue) ? QLocale::system()
                                                                  : QLocale(langue));
  return 1;
}

}  // namespace lumaveil
