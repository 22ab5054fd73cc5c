#include "app/travail.h"

#include "dialogs/commun/boite_message.h"

#include "liste/liste_view.h"

namespace lumaveil {

CTravail::CTravail(CContexte& contexte, CListeView& liste, QObject* parent)
    : QObject(parent), contexte_(contexte), liste_(liste) {}

void CTravail::NouveauDepuisModele() {
  contexte_.EcranCourant = contexte_.Projet.NouvelEcranDepuisModele();
}

void CTravail::Rend(int niveau) {
  if (!contexte_.EcranCourant) return;
  contexte_.EcranCourant->CalculeImageFinale(
      *contexte_.Graphique, niveau, Etapes::Toutes(), nullptr,
      contexte_.QualiteRedimension ? Echantillonnage::Rapide : Echantillonnage::Moyenne);
}

void CTravail::RendCourant(int index) {
  if (index < 0 || index >= liste_.NombreEcrans()) return;
  NouveauDepuisModele();
  CEcran* ecran = liste_.Selectionne(index);
  CEcran& courant = *contexte_.EcranCourant;
  courant.CopieParametres(*ecran);
  courant.ChargeImage(courant.CheminImage);
  Rend(0);
  emit ecranCourantChange();
}

void CTravail::Valide(int niveau) {
  if (!contexte_.EcranCourant) return;
  Rend(niveau);
  emit ecranCourantChange();
  liste_.RemplaceSelection(*contexte_.EcranCourant);
  if (liste_.NombreEcrans() > 0) emit modifie();
  contexte_.Projet.CheminEcranDeVeille.clear();
}

void CTravail::NouvelEcran() {
  NouveauDepuisModele();
  Rend(0);
  liste_.InsereEcran(*contexte_.EcranCourant, true, true);
  emit ecranCourantChange();
  contexte_.Projet.CheminEcranDeVeille.clear();
}

void CTravail::SupprimeEcran() {
  liste_.SupprimeEcran(-1);
  NouveauDepuisModele();
  int index = liste_.Selection();
  if (index < 0) index = liste_.NombreEcrans() - 1;
  CEcran& courant = *contexte_.EcranCourant;
  if (liste_.NombreEcrans() > 0) {
    courant.CopieParametres(*liste_.Selectionne(index));
    courant.ChargeImage(courant.CheminImage);
    Rend(0);
  } else {
    Rend(0);
    liste_.InsereEcran(courant, true, true);
  }
  emit ecranCourantChange();
  emit modifie();
  contexte_.Projet.CheminEcranDeVeille.clear();
}

void CTravail::Precedent() {
  const int index = liste_.Selection();
  if (index > 0) RendCourant(index - 1);
  else talvik::Bip();
}

void CTravail::Suivant() {
  const int index = liste_.Selection();
  if (index + 1 < liste_.NombreEcrans()) RendCourant(index + 1);
  else talvik::Bip();
}

void CTravail::InsereImages(const QStringList& chemins) {
  for (const QString& chemin : chemins) {
    NouveauDepuisModele();
    CEcran& courant = *contexte_.EcranCourant;
    courant.ChargeImage(chemin.toStdString());
    Rend(0);
    liste_.InsereEcran(courant, true, true);
  }
  if (!chemins.isEmpty()) emit ecranCourantChange();
}

void CTravail::PremierEcran() {
  if (liste_.NombreEcrans() > 0) {
    RendCourant(liste_.NombreEcrans() - 1);
    return;
  }
  NouveauDepuisModele();
  Rend(0);
  liste_.InsereEcran(*contexte_.EcranCourant, true, true);
  emit ecranCourantChange();
}

}  // namespace lumaveil
