#include "panneaux/bouton_image.h"

#include <QIcon>
#include <QToolButton>

static void InitialiseRessourcesPanneaux() { Q_INIT_RESOURCE(panneaux); }

namespace lumaveil {

void InitialiseIconesPanneaux() {
  static const bool fait = (InitialiseRessourcesPanneaux(), true);
  (void)fait;
}

QToolButton* BoutonImage(QWidget* parent, const QString& icone, const QString& texte) {
  InitialiseIconesPanneaux();
  auto* bouton = new QToolButton(parent);
  bouton->setIcon(QIcon(":/panneaux/icones/" + icone + ".svg"));
  bouton->setIconSize(QSize(32, 32));
  bouton->setFixedSize(40, 40);
  bouton->setToolTip(texte);
  bouton->setAccessibleName(texte);
  return bouton;
}

}  // namespace lumaveil
