#include "panneaux/bouton_image.h"

#include <QCoreApplication>
#include <QDate>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QToolButton>
#include <algorithm>

#include "chaines.h"
#include "commun/langue.h"
#include "dialogs/commun/bouton_outil.h"

static void InitialiseRessourcesPanneaux() { Q_INIT_RESOURCE(panneaux); }

namespace lumaveil {

void InitialiseIconesPanneaux() {
  static const bool fait = (InitialiseRessourcesPanneaux(), true);
  (void)fait;
}

QToolButton* BoutonImage(QWidget* parent, const QString& icone, const QString& texte) {
  InitialiseIconesPanneaux();
  auto* bouton = new talvik::CBoutonOutil(parent);
  bouton->setIcon(QIcon(":/panneaux/icones/" + icone + ".svg"));
  bouton->setIconSize(QSize(32, 32));
  bouton->setFixedSize(40, 40);
  bouton->setToolTip(texte);
  bouton->setAccessibleName(texte);
  return bouton;
}

namespace {

// The widest lines the panels show, with the widest digits, in the
// window's language.
QStringList ModelesLignes() {
  QStringList modeles;
  // Lines without a number, as the panels write them (lignes_etat.h).
  for (const char* texte :
       {QT_TRANSLATE_NOOP("Messages", "Defined white color background."),
        QT_TRANSLATE_NOOP("Messages", "Defined black color background."),
        QT_TRANSLATE_NOOP("Messages", "Defined pattern background."),
        QT_TRANSLATE_NOOP("Messages", "No color adjustment defined."),
        QT_TRANSLATE_NOOP("Messages", "Stretching to fit the screen."),
        QT_TRANSLATE_NOOP("Messages", "No defined changing effect."),
        QT_TRANSLATE_NOOP("Messages", "*** No loaded picture ***")})
    modeles << QString::fromStdString(talvik::TraduitChaine(texte));
  // Lines with a number, filled with the widest one they show.
  const std::pair<const char*, const char*> remplis[] = {
      {QT_TRANSLATE_NOOP("Messages", "Defined duration to %d second(s)"), "180"},
      {QT_TRANSLATE_NOOP("Messages", "Rotating of %d\u00b0 done."), "-90"}};
  for (const auto& [texte, nombre] : remplis)
    modeles << QString::fromStdString(talvik::TraduitChaine(texte))
                   .replace(QLatin1String("%d"), QLatin1String(nombre));
  // The file's line: kb and month/day/year in English, the locale's
  // formats in a translated window (CRetoucheDialog::Rafraichit).
  if (LangueInterface() == QLatin1String("en")) {
    modeles << QStringLiteral("File 99999 kb   12/31/2026");
  } else {
    const QLocale locale;
    modeles << QCoreApplication::translate("lumaveil::CRetoucheDialog", "File %1   %2")
                   .arg(locale.formattedDataSize(99999 * 1024, 0, QLocale::DataSizeTraditionalFormat),
                        locale.toString(QDate(2026, 12, 31), QLocale::ShortFormat));
  }
  return modeles;
}

}  // namespace

QLabel* NouvelleLigneEtat(QWidget* parent) {
  auto* ligne = new QLabel(parent);
  int largeur = 0;
  for (const QString& modele : ModelesLignes())
    largeur = std::max(largeur, ligne->fontMetrics().horizontalAdvance(modele));
  // One line's height even while empty: the panel keeps its height too.
  ligne->setMinimumSize(largeur + 4, ligne->fontMetrics().height());
  ligne->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  return ligne;
}

void AfficheLigneEtat(QLabel* ligne, const std::string& texte) {
  const QString q = QString::fromStdString(texte);
  ligne->setText(q);
  ligne->setAccessibleName(q);
  ligne->setToolTip(q);
}

}  // namespace lumaveil
