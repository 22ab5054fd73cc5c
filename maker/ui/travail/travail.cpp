#include "travail/travail.h"

#include "chargement_rendu.h"
#include "projet/noms_changements.h"
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
  // Undo and Redo change the project under the working screen: it follows.
  connect(&controleur_, &CControleurProjet::repris, this, [this] {
    const int index = controleur_.Selection();
    if (index >= 0) RendCourant(index);
    else if (controleur_.NombreEcrans() == 0) MontreVierge();
  });
  // With an empty list the working screen is the template's: it follows the
  // template and the resolution as they change.
  connect(&controleur_, &CControleurProjet::change, this, [this] {
    if (controleur_.NombreEcrans() == 0 && AUnEcranCourant()) MontreVierge();
  });
}

void CTravail::Annule() {
  // A load in progress would install a picture of the screen as it was.
  if (AUnEcranCourant()) EcranPret();
  controleur_.Annule();
}

void CTravail::Refait() {
  if (AUnEcranCourant()) EcranPret();
  controleur_.Refait();
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

void CTravail::Valide(int niveau, const char* nom) {
  if (!contexte_.EcranCourant) return;
  EcranPret();
  Rend(niveau);
  emit ecranCourantChange();
  if (controleur_.NombreEcrans() == 0) controleur_.InsereEcran(*contexte_.EcranCourant, true, nom);
  else controleur_.RemplaceSelection(*contexte_.EcranCourant, nom);
}

void CTravail::InsereVierge() {
  NouveauDepuisModele();
  Rend(0);
  controleur_.InsereEcran(*contexte_.EcranCourant, true, changement::kNouvelEcran);
  emit ecranCourantChange();
}

void CTravail::MontreVierge() {
  NouveauDepuisModele();
  Rend(0);
  emit ecranCourantChange();
}

void CTravail::NouvelEcran() { InsereVierge(); }

void CTravail::SupprimeEcran() {
  // An empty list has nothing to delete.
  if (controleur_.NombreEcrans() == 0) {
    talvik::Bip();
    return;
  }
  controleur_.DebutGroupe(changement::kSuppression);
  controleur_.SupprimeEcran(-1);
  const int index = controleur_.Selection();
  const int nombre = controleur_.NombreEcrans();
  if (nombre > 0) RendCourant(index >= 0 ? index : nombre - 1);
  else InsereVierge();
  controleur_.FinGroupe();
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
  if (chemins.isEmpty()) return;
  controleur_.DebutGroupe(changement::kAjoutPhotos);
  for (const QString& chemin : chemins) {
    NouveauDepuisModele();
    DemandeRendu demande;
    demande.pour = PourRendu::EcranDeTravail;
    demande.echantillonnage = contexte_.EchantillonnageRendu();
    CEcran& courant = *contexte_.EcranCourant;
    ChargeEtRendEcran(courant, chemin.toStdString(), *contexte_.Graphique, demande);
    controleur_.InsereEcran(courant, true);
  }
  controleur_.FinGroupe();
  emit ecranCourantChange();
}

void CTravail::PremierEcran() {
  if (controleur_.NombreEcrans() > 0) {
    RendCourant(controleur_.NombreEcrans() - 1);
    return;
  }
  MontreVierge();
}

}  // namespace lumaveil
