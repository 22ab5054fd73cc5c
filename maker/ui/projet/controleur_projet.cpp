#include "projet/controleur_projet.h"

#include <algorithm>
#include <memory>

#include "champs_ecran.h"
#include "fichier_projet.h"

namespace lumaveil {

CControleurProjet::CControleurProjet(CProjet& projet, QObject* parent)
    : QObject(parent), projet_(projet) {}

int CControleurProjet::InsereEcran(const CEcran& ecran, bool apres) {
  const int position =
      std::clamp(projet_.Selection() + (apres ? 1 : 0), 0, projet_.NombreEcrans());
  auto copie = std::make_unique<CEcran>(ecran.TailleCible);
  copie->CopieParametres(ecran);
  const int fin = projet_.Ajoute(std::move(copie));
  projet_.Deplace(fin, position);
  projet_.Selectionne(position);
  emit ecranInsere(position, ecran);
  return position;
}

void CControleurProjet::RemplaceSelection(const CEcran& ecran) {
  const int i = projet_.Selection();
  if (i < 0 || i >= projet_.NombreEcrans()) return;
  CEcran& cible = projet_.Ecran(i);
  cible.SupprimeImages();
  cible.Vignette.Reset();
  cible.CopieParametres(ecran);
  emit ecranRemplace(i, ecran);
}

int CControleurProjet::SupprimeEcran(int index) {
  if (index == -1) index = projet_.Selection();
  if (index < 0 || index >= projet_.NombreEcrans()) return 0;
  const int selection = projet_.Selection();
  projet_.Supprime(index);
  projet_.Selectionne(selection < projet_.NombreEcrans() ? selection : -1);
  emit ecranSupprime(index);
  return 1;
}

void CControleurProjet::SupprimeTout() {
  projet_.SupprimeTout();
  projet_.Selectionne(-1);
  emit listeRemplacee();
}

int CControleurProjet::DeplaceEcran(int de, int vers) {
  if (!projet_.Deplace(de, vers)) return 0;
  projet_.Selectionne(vers);
  emit ecranDeplace(de, vers);
  return 1;
}

const CEcran* CControleurProjet::Selectionne(int index) {
  if (index < 0 || index >= projet_.NombreEcrans()) return nullptr;
  projet_.Selectionne(index);
  emit ecranSelectionne(index);
  return &projet_.Ecran(index);
}

int CControleurProjet::InsereFichiers(const std::vector<std::string>& chemins) {
  for (const std::string& chemin : chemins) {
    std::unique_ptr<CEcran> ecran = projet_.NouvelEcranDepuisModele();
    ecran->CheminImage = chemin;
    InsereEcran(*ecran, true);
  }
  return int(chemins.size());
}

void CControleurProjet::FixeVignette(int index, const HBITMAP& vignette) {
  if (index < 0 || index >= projet_.NombreEcrans()) return;
  projet_.Ecran(index).Vignette = vignette;
}

void CControleurProjet::FixeResolutionCible(SIZE taille) { projet_.ResolutionCible = taille; }

void CControleurProjet::FixePairePortraits(int paire) {
  projet_.PairePortraits = paire ? 1 : 0;
  EcransChanges();
  emit pairesChangees();
}

void CControleurProjet::MarqueModifie() { emit modifie(); }

void CControleurProjet::EcransChanges() {
  projet_.CheminEcranDeVeille.clear();
  MarqueModifie();
}

void CControleurProjet::NoteEcranDeVeille(const std::string& chemin) {
  projet_.CheminEcranDeVeille = chemin;
}

void CControleurProjet::FixeModele(const CEcran& modele, const std::string& nom, int charge,
                                   int sauve) {
  CEcran propres(projet_.ModeleEcran.TailleCible);
  propres.CopieParametres(projet_.ModeleEcran);
  projet_.ModeleEcran.CopieParametres(modele);
  CopieChamps(propres, projet_.ModeleEcran, /*seulementGardes=*/true);
  projet_.NomModele = nom;
  projet_.ModeleCharge = charge;
  projet_.ModeleSauve = sauve;
}

void CControleurProjet::FixeMelangeEcrans(bool melange) {
  if ((projet_.MelangeEcrans != 0) == melange) return;
  projet_.MelangeEcrans = melange ? 1 : 0;
  EcransChanges();
}

void CControleurProjet::FixeMoniteursDifferents(bool differents) {
  if ((projet_.MoniteursDifferents != 0) == differents) return;
  projet_.MoniteursDifferents = differents ? 1 : 0;
  EcransChanges();
}

void CControleurProjet::Nouveau() {
  projet_.Nouveau();
  emit listeRemplacee();
}

int CControleurProjet::Ouvre(const std::string& chemin, IDialogue& dialogue) {
  if (!ChargeProjet(projet_, chemin, dialogue)) return 0;
  emit listeRemplacee();
  return 1;
}

int CControleurProjet::Sauve(const std::string& chemin, IDialogue& dialogue) const {
  return SauveProjet(projet_, chemin, dialogue);
}

}  // namespace lumaveil
