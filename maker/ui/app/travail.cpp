#include "app/travail.h"

#include "app/chargement_ecran.h"
#include "dialogs/commun/boite_message.h"

#include "liste/liste_view.h"

namespace lumaveil {

CTravail::CTravail(CContexte& contexte, CListeView& liste, QObject* parent)
    : QObject(parent),
      contexte_(contexte),
      liste_(liste),
      chargement_(std::make_unique<CChargementEcran>(*contexte.Graphique)) {
  connect(chargement_.get(), &CChargementEcran::pret, this,
          [this] { Installe(chargement_->Prend()); });
}

CTravail::~CTravail() = default;

Echantillonnage CTravail::Qualite() const {
  return contexte_.QualiteRedimension ? Echantillonnage::Rapide : Echantillonnage::Moyenne;
}

void CTravail::NouveauDepuisModele() {
  chargement_->Annule();
  contexte_.EcranCourant = contexte_.Projet.NouvelEcranDepuisModele();
}

bool CTravail::ChargementEnCours() const { return chargement_->EnCours(); }

CEcran& CTravail::EcranPret() {
  if (chargement_->EnCours()) Installe(chargement_->Attend());
  else chargement_->Attend();  // a superseded load still rendering
  return *contexte_.EcranCourant;
}

void CTravail::Installe(std::unique_ptr<CEcran> charge) {
  if (!charge || !contexte_.EcranCourant) return;
  TransfereImages(*charge, *contexte_.EcranCourant);
  emit ecranCourantChange();
}

void CTravail::Rend(int niveau) {
  chargement_->Annule();
  if (!contexte_.EcranCourant) return;
  contexte_.EcranCourant->CalculeImageFinale(*contexte_.Graphique, niveau, Etapes::Toutes(),
                                             nullptr, Qualite());
}

void CTravail::RendCourant(int index) {
  if (index < 0 || index >= liste_.NombreEcrans()) return;
  NouveauDepuisModele();
  CEcran* ecran = liste_.Selectionne(index);
  CEcran& courant = *contexte_.EcranCourant;
  courant.CopieParametres(*ecran);
  chargement_->Demande(courant, Qualite());
  emit ecranCourantChange();
}

void CTravail::Valide(int niveau) {
  if (!contexte_.EcranCourant) return;
  EcranPret();
  Rend(niveau);
  emit ecranCourantChange();
  liste_.RemplaceSelection(*contexte_.EcranCourant);
  EcransChanges();
}

void CTravail::EcransChanges() {
  contexte_.Projet.CheminEcranDeVeille.clear();
  emit modifie();
}

void CTravail::NouvelEcran() {
  NouveauDepuisModele();
  Rend(0);
  liste_.InsereEcran(*contexte_.EcranCourant, true, true);
  emit ecranCourantChange();
  EcransChanges();
}

void CTravail::SupprimeEcran() {
  liste_.SupprimeEcran(-1);
  NouveauDepuisModele();
  int index = liste_.Selection();
  if (index < 0) index = liste_.NombreEcrans() - 1;
  CEcran& courant = *contexte_.EcranCourant;
  if (liste_.NombreEcrans() > 0) {
    courant.CopieParametres(*liste_.Selectionne(index));
    chargement_->Demande(courant, Qualite());
  } else {
    Rend(0);
    liste_.InsereEcran(courant, true, true);
  }
  emit ecranCourantChange();
  EcransChanges();
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
  if (chemins.isEmpty()) return;
  emit ecranCourantChange();
  EcransChanges();
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
