#include "panneaux/bouton_image.h"

#include <QIcon>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

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

QLabel* NouvelleLigneEtat(QWidget* parent) {
  // The widest lines the panels show, with the widest digits.
  static const char* const kModeles[] = {
      "Defined white color background.", "Defined black color background.",
      "Defined duration to 180 second(s)", "No color adjustment defined.",
      "File 99999 kb   12/31/2026",       "Rotating of -90\u00b0 done."};
  auto* ligne = new QLabel(parent);
  int largeur = 0;
  for (const char* modele : kModeles)
    largeur = std::max(largeur, ligne->fontMetrics().horizontalAdvance(QString::fromUtf8(modele)));
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
