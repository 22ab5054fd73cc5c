#include "projet/controleur_projet.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>

#include "champs_ecran.h"
#include "fichier_projet.h"
#include "projet/commandes_projet.h"
#include "projet/noms_changements.h"

namespace lumaveil {

namespace {

QString Texte(const char* nom, const char* defaut) {
  return QCoreApplication::translate(changement::kContexte, nom ? nom : defaut);
}

}  // namespace

CControleurProjet::CControleurProjet(CProjet& projet, QObject* parent)
    : QObject(parent), projet_(projet) {
  connect(&pile_, &QUndoStack::indexChanged, this, &CControleurProjet::historiqueChange);
  connect(&pile_, &QUndoStack::cleanChanged, this, &CControleurProjet::historiqueChange);
}

CControleurProjet::~CControleurProjet() = default;

void CControleurProjet::Execute(std::unique_ptr<QUndoCommand> commande) {
  if (groupe_) {
    commande->redo();
    groupe_->Ajoute(std::move(commande));
    return;
  }
  pile_.push(commande.release());
}

void CControleurProjet::Annonce(const CChangement& changement) {
  // The last generated saver no longer shows the screens (the template is
  // only what new screens start from).
  if (changement.genre != CChangement::Genre::Projet) projet_.CheminEcranDeVeille.clear();
  emit change(changement);
}

// ---- the screen list --------------------------------------------------------

int CControleurProjet::InsereEcran(const CEcran& ecran, bool apres, const char* nom) {
  const int position =
      std::clamp(projet_.Selection() + (apres ? 1 : 0), 0, projet_.NombreEcrans());
  auto copie = std::make_unique<CEcran>(ecran.TailleCible);
  copie->CopieParametres(ecran);
  Execute(std::make_unique<CInsertionEcran>(*this, Texte(nom, changement::kNouvelEcran),
                                            position, std::move(copie), &ecran));
  return position;
}

void CControleurProjet::RemplaceSelection(const CEcran& ecran, const char* nom) {
  const int i = projet_.Selection();
  if (i < 0 || i >= projet_.NombreEcrans()) return;
  auto copie = std::make_unique<CEcran>(ecran.TailleCible);
  copie->CopieParametres(ecran);
  Execute(std::make_unique<CRemplacementEcran>(*this, Texte(nom, changement::kEcran), i,
                                               std::move(copie), &ecran));
}

int CControleurProjet::SupprimeEcran(int index) {
  if (index == -1) index = projet_.Selection();
  if (index < 0 || index >= projet_.NombreEcrans()) return 0;
  Execute(std::make_unique<CSuppressionEcran>(*this, Texte(changement::kSuppression, nullptr),
                                              index));
  return 1;
}

void CControleurProjet::SupprimeTout() {
  if (projet_.NombreEcrans() == 0) return;
  DebutGroupe(changement::kSuppressionTout);
  for (int i = projet_.NombreEcrans() - 1; i >= 0; --i)
    Execute(std::make_unique<CSuppressionEcran>(*this, QString(), i));
  FinGroupe();
}

int CControleurProjet::DeplaceEcran(int de, int vers) {
  const int n = projet_.NombreEcrans();
  if (de < 0 || de >= n || vers < 0 || vers >= n) return 0;
  if (de == vers) return 1;
  Execute(std::make_unique<CDeplacementEcran>(*this, Texte(changement::kDeplacement, nullptr), de,
                                              vers));
  return 1;
}

int CControleurProjet::InsereFichiers(const std::vector<std::string>& chemins) {
  DebutGroupe(changement::kAjoutPhotos);
  for (const std::string& chemin : chemins) {
    std::unique_ptr<CEcran> ecran = projet_.NouvelEcranDepuisModele();
    ecran->CheminImage = chemin;
    InsereEcran(*ecran, true);
  }
  FinGroupe();
  return int(chemins.size());
}

// ---- the project's settings -------------------------------------------------

void CControleurProjet::FixeResolutionCible(SIZE taille) {
  if (taille.cx == projet_.ResolutionCible.cx && taille.cy == projet_.ResolutionCible.cy) return;
  auto reglages = std::make_unique<CProjet>();
  reglages->CopieReglages(projet_);
  reglages->ResolutionCible = taille;
  Execute(std::make_unique<CReglagesProjet>(*this, Texte(changement::kResolution, nullptr),
                                            std::move(reglages)));
}

void CControleurProjet::FixeModele(const CEcran& modele, const std::string& nom, int charge,
                                   int sauve) {
  auto reglages = std::make_unique<CProjet>();
  reglages->CopieReglages(projet_);
  reglages->ModeleEcran.CopieParametres(modele);
  // The fields a screen keeps of its own stay the project's.
  CopieChamps(projet_.ModeleEcran, reglages->ModeleEcran, /*seulementGardes=*/true);
  reglages->NomModele = nom;
  reglages->ModeleCharge = charge;
  reglages->ModeleSauve = sauve;
  Execute(std::make_unique<CReglagesProjet>(*this, Texte(changement::kModele, nullptr),
                                            std::move(reglages)));
}

// ---- groups -----------------------------------------------------------------

void CControleurProjet::DebutGroupe(const char* nom) {
  if (!groupe_)
    groupe_ = std::make_unique<CGroupeCommandes>(*this, Texte(nom, changement::kEcran));
  debutsGroupes_.push_back(groupe_->Taille());
}

void CControleurProjet::FinGroupe(bool garde) {
  if (debutsGroupes_.empty()) return;
  if (!garde) groupe_->DefaitDepuis(debutsGroupes_.back());
  debutsGroupes_.pop_back();
  if (!debutsGroupes_.empty()) return;
  std::unique_ptr<CGroupeCommandes> groupe = std::move(groupe_);
  groupe->Ferme();
  if (groupe->Taille() > 0) pile_.push(groupe.release());
}

// ---- undo and redo ----------------------------------------------------------

void CControleurProjet::Annule() {
  if (groupe_ || !pile_.canUndo()) return;
  pile_.undo();
  emit repris();
}

void CControleurProjet::Refait() {
  if (groupe_ || !pile_.canRedo()) return;
  pile_.redo();
  emit repris();
}

void CControleurProjet::OublieHistorique() {
  pile_.clear();
  emit historiqueChange();
}

// ---- the commands' steps ----------------------------------------------------

void CControleurProjet::PoseEcran(int index, std::unique_ptr<CEcran> ecran, const CEcran* source,
                                  bool repris) {
  index = projet_.InsereA(index, std::move(ecran));
  projet_.Selectionne(index);
  Annonce({CChangement::Genre::Insertion, index, -1, source, repris});
}

std::unique_ptr<CEcran> CControleurProjet::RetireEcran(int index, int selection, bool repris) {
  std::unique_ptr<CEcran> ecran = projet_.Retire(index);
  projet_.Selectionne(std::clamp(selection, -1, projet_.NombreEcrans() - 1));
  Annonce({CChangement::Genre::Suppression, index, -1, nullptr, repris});
  return ecran;
}

void CControleurProjet::EchangeEcran(int index, std::unique_ptr<CEcran>& ecran,
                                     const CEcran* source, bool repris) {
  projet_.EchangeEcran(index, ecran);
  projet_.Selectionne(index);
  Annonce({CChangement::Genre::Remplacement, index, -1, source, repris});
}

void CControleurProjet::BougeEcran(int de, int vers, bool repris) {
  projet_.Deplace(de, vers);
  projet_.Selectionne(vers);
  Annonce({CChangement::Genre::Deplacement, de, vers, nullptr, repris});
}

void CControleurProjet::AnnonceProjet(bool repris) {
  Annonce({CChangement::Genre::Projet, -1, -1, nullptr, repris});
}

// ---- what is not a change to the file ---------------------------------------

const CEcran* CControleurProjet::Selectionne(int index) {
  if (index < 0 || index >= projet_.NombreEcrans()) return nullptr;
  projet_.Selectionne(index);
  emit ecranSelectionne(index);
  return &projet_.Ecran(index);
}

void CControleurProjet::FixeVignette(int index, const HBITMAP& vignette) {
  if (index < 0 || index >= projet_.NombreEcrans()) return;
  projet_.Ecran(index).Vignette = vignette;
}

void CControleurProjet::NoteEcranDeVeille(const std::string& chemin) {
  projet_.CheminEcranDeVeille = chemin;
}

void CControleurProjet::FixeMelangeEcrans(bool melange) {
  if ((projet_.MelangeEcrans != 0) == melange) return;
  auto reglages = std::make_unique<CProjet>();
  reglages->CopieReglages(projet_);
  reglages->MelangeEcrans = melange ? 1 : 0;
  Execute(std::make_unique<CReglagesProjet>(*this, Texte(changement::kOptionsLecture, nullptr),
                                            std::move(reglages)));
  // The last generated saver plays the old way.
  projet_.CheminEcranDeVeille.clear();
}

void CControleurProjet::FixePairePortraits(int paire) {
  if ((projet_.PairePortraits != 0) == (paire != 0)) return;
  auto reglages = std::make_unique<CProjet>();
  reglages->CopieReglages(projet_);
  reglages->PairePortraits = paire ? 1 : 0;
  Execute(std::make_unique<CReglagesProjet>(*this, Texte(changement::kPaires, nullptr),
                                            std::move(reglages)));
  // The last generated saver shows the screens the old way.
  projet_.CheminEcranDeVeille.clear();
}

void CControleurProjet::FixeMoniteursDifferents(bool differents) {
  if ((projet_.MoniteursDifferents != 0) == differents) return;
  auto reglages = std::make_unique<CProjet>();
  reglages->CopieReglages(projet_);
  reglages->MoniteursDifferents = differents ? 1 : 0;
  Execute(std::make_unique<CReglagesProjet>(*this, Texte(changement::kOptionsLecture, nullptr),
                                            std::move(reglages)));
  projet_.CheminEcranDeVeille.clear();
}

void CControleurProjet::Nouveau() {
  projet_.Nouveau();
  pile_.clear();
  Annonce({CChangement::Genre::Tout});
}

int CControleurProjet::Ouvre(const std::string& chemin, IDialogue& dialogue) {
  if (!ChargeProjet(projet_, chemin, dialogue)) return 0;
  pile_.clear();
  Annonce({CChangement::Genre::Tout});
  return 1;
}

int CControleurProjet::Sauve(const std::string& chemin, IDialogue& dialogue) {
  if (!SauveProjet(projet_, chemin, dialogue)) return 0;
  pile_.setClean();
  return 1;
}

}  // namespace lumaveil
