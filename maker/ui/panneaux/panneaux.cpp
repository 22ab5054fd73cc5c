#include "panneaux/panneaux.h"

#include "travail/commandes_ecran.h"

namespace lumaveil {

void RelieCommandes(const Panneaux& panneaux, CCommandesEcran& commandes) {
  CCommandesEcran* c = &commandes;
  if (CRetoucheDialog* r = panneaux.retouche) {
    QObject::connect(r, &CRetoucheDialog::chargement, r, [c] { c->ChargementImage(); });
    QObject::connect(r, &CRetoucheDialog::rotation, r, [c] { c->Rotation(); });
    QObject::connect(r, &CRetoucheDialog::reglage, r, [c] { c->Reglage(); });
    QObject::connect(r, &CRetoucheDialog::recoupe, r, [c] { c->Recoupe(); });
    QObject::connect(r, &CRetoucheDialog::fichiersDeposes, r, [c](const QStringList& fichiers) {
      std::vector<std::string> chemins;
      for (const QString& fichier : fichiers) chemins.push_back(fichier.toStdString());
      c->DepotFichiers(chemins);
    });
  }
  if (CDecorDialog* d = panneaux.decor) {
    QObject::connect(d, &CDecorDialog::redimension, d, [c] { c->Redimension(); });
    QObject::connect(d, &CDecorDialog::texte, d, [c] { c->Texte(); });
    QObject::connect(d, &CDecorDialog::cadre, d, [c] { c->Cadre(); });
    QObject::connect(d, &CDecorDialog::fond, d, [c] { c->Fond(); });
  }
  if (CTransitionDialog* t = panneaux.transition) {
    QObject::connect(t, &CTransitionDialog::effet, t, [c] { c->Effet(); });
    QObject::connect(t, &CTransitionDialog::duree, t, [c] { c->Duree(); });
  }
}

void RafraichitPanneaux(const Panneaux& panneaux, const CEcran& ecran, bool enChargement) {
  if (panneaux.retouche) panneaux.retouche->Rafraichit(ecran, enChargement);
  if (panneaux.decor) panneaux.decor->Rafraichit(ecran);
  if (panneaux.transition) panneaux.transition->Rafraichit(ecran);
}

}  // namespace lumaveil
