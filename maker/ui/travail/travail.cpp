#include "travail/travail.h"

#include "chargement_rendu.h"
#include "travail/chargement_ecran.h"
#include "dialogs/commun/boite_message.h"

namespace lumaveil {

CTravail::CTravail(CContexte& contexte, QObject* parent)
    : QObject(parent),
      contexte_(contexte),
      controleur_(contexte.Controleur),
      chargement_(std::make_unique<CChargementEcran>(*contexte.Graphique)) {
  connect(chargement_.get(), &CChargementEcran::pret, this,
          [this] { Installe(chargement_->Prend()); });
}

CTravail::~CTravail() = default;

void CTravail::NouveauDepuisModele() {
  chargement_->Annule();
  contexte_.EcranCourant = contexte_.Projet.NouvelEcranDepuisModele();
}

void CTravail::Abandonne() {
  chargement_->Annule();
  contexte_.EcranCourant.reset();
}

bool CTravail::ChargementEnCours() const { return chargement_->EnCours(); }

CEcran& CTravail::EcranPret() {
  if (chargement_->EnCours()) Installe(chargement_->Attend());
  else chargement_->Attend();  // a superseded load still rendering
  return *contexte_.EcranCourant;
}

void CTravail::Installe(std::unique_ptr<CEcran> charge) {
  if (!charge || !contexte_.EcranCourant) return;
  charge->TransfereImages(*contexte_.EcranCourant);
  emit ecranCourantChange();
}

void CTravail::Rend(int niveau) {
  chargement_->Annule();
  if (!contexte_.EcranCourant) return;
  contexte_.EcranCourant->CalculeImageFinale(*contexte_.Graphique, niveau, Etapes::Toutes(),
                                             nullptr, contexte_.EchantillonnageRendu());
}

void CTravail::RendCourant(int index) {
  if (index < 0 || index >= controleur_.NombreEcrans()) return;
  NouveauDepuisModele();
  const CEcran* ecran = controleur_.Selectionne(index);
  CEcran& courant = *contexte_.EcranCourant;
  courant.CopieParametres(*ecran);
  chargement_->Demande(courant, contexte_.EchantillonnageRendu());
  emit ecranCourantChange();
}

void CTravail::Valide(int niveau) {
  if (!contexte_.EcranCourant) return;
  EcranPret();
  Rend(niveau);
  emit ecranCourantChange();
  controleur_.RemplaceSelection(*contexte_.EcranCourant);
  controleur_.EcransChanges();
}

void CTravail::InsereVierge() {
  NouveauDepuisModele();
  Rend(0);
  controleur_.InsereEcran(*contexte_.EcranCourant, true);
  emit ecranCourantChange();
}

void CTravail::NouvelEcran() {
  InsereVierge();
  controleur_.EcransChanges();
}

void CTravail::SupprimeEcran() {
  controleur_.SupprimeEcran(-1);
  const int index = controleur_.Selection();
  const int nombre = controleur_.NombreEcrans();
  if (nombre > 0) RendCourant(index >= 0 ? index : nombre - 1);
  else InsereVierge();
  controleur_.EcransChanges();
}

void CTravail::Precedent() {
  const int index = controleur_.Selection();
  if (index > 0) RendCourant(index - 1);
  else talvik::Bip();
}

void CTravail::Suivant() {
  const int index = controleur_.Selection();
  if (index + 1 < controleur_.NombreEcrans()) RendCourant(index + 1);
  else talvik::Bip();
}

void CTravail::InsereImages(const QStringList& chemins) {
  for (const QString& chemin : chemins) {
    NouveauDepuisModele();
    DemandeRendu demande;
    demande.pour = PourRendu::EcranDeTravail;
    demande.echantillonnage = contexte_.EchantillonnageRendu();
    CEcran& courant = *contexte_.EcranCourant;
    ChargeEtRendEcran(courant, chemin.toStdString(), *contexte_.Graphique, demande);
    controleur_.InsereEcran(courant, true);
  }
  if (chemins.isEmpty()) return;
  emit ecranCourantChange();
  controleur_.EcransChanges();
}

void CTravail::PremierEcran() {
  if (controleur_.NombreEcrans() > 0) {
    RendCourant(controleur_.NombreEcrans() - 1);
    return;
  }
  InsereVierge();
}

}  // namespace lumaveil
