#include "panneaux/panneaux.h"

#include <QToolButton>

#include "travail/commandes_ecran.h"

namespace lumaveil {

void RelieCommandes(const Panneaux& panneaux, CCommandesEcran& commandes) {
  CCommandesEcran* c = &commandes;
  if (CRetoucheDialog* r = panneaux.retouche) {
    const std::pair<QToolButton*, void (CCommandesEcran::*)()> boutons[] = {
        {r->BoutonChargement(), &CCommandesEcran::ChargementImage},
        {r->BoutonRotation(), &CCommandesEcran::Rotation},
        {r->BoutonReglage(), &CCommandesEcran::Reglage},
        {r->BoutonRecoupe(), &CCommandesEcran::Recoupe}};
    for (const auto& [bouton, commande] : boutons)
      QObject::connect(bouton, &QToolButton::clicked, r, [c, m = commande] { (c->*m)(); });
    QObject::connect(r, &CRetoucheDialog::fichiersDeposes, r, [c](const QStringList& fichiers) {
      std::vector<std::string> chemins;
      for (const QString& fichier : fichiers) chemins.push_back(fichier.toStdString());
      c->DepotFichiers(chemins);
    });
  }
  if (panneaux.decor) panneaux.decor->Relie(commandes);
  if (panneaux.transition) panneaux.transition->Relie(commandes);
}

void RafraichitPanneaux(const Panneaux& panneaux, const CEcran& ecran, bool enChargement) {
  if (panneaux.retouche) panneaux.retouche->Rafraichit(ecran, enChargement);
  if (panneaux.decor) panneaux.decor->Rafraichit(ecran);
  if (panneaux.transition) panneaux.transition->Rafraichit(ecran);
}

}  // namespace lumaveil
