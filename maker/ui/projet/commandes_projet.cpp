#include "projet/commandes_projet.h"

#include <algorithm>
#include <utility>

#include "projet/controleur_projet.h"

namespace lumaveil {

CCommandeProjet::CCommandeProjet(CControleurProjet& controleur, const QString& texte)
    : QUndoCommand(texte), controleur_(controleur) {}

void CCommandeProjet::redo() {
  Fait(fait_);
  fait_ = true;
}

void CCommandeProjet::undo() { Defait(); }

// ---- insertion ----------------------------------------------------------

CInsertionEcran::CInsertionEcran(CControleurProjet& controleur, const QString& texte, int index,
                                 std::unique_ptr<CEcran> ecran, const CEcran* source)
    : CCommandeProjet(controleur, texte),
      index_(index),
      selectionAvant_(controleur.Selection()),
      ecran_(std::move(ecran)),
      source_(source) {}

void CInsertionEcran::Fait(bool repris) {
  controleur_.PoseEcran(index_, std::move(ecran_), repris ? nullptr : source_, repris);
  source_ = nullptr;
}

void CInsertionEcran::Defait() { ecran_ = controleur_.RetireEcran(index_, selectionAvant_, true); }

// ---- deletion -----------------------------------------------------------

CSuppressionEcran::CSuppressionEcran(CControleurProjet& controleur, const QString& texte,
                                     int index)
    : CCommandeProjet(controleur, texte), index_(index), selectionAvant_(controleur.Selection()) {}

void CSuppressionEcran::Fait(bool repris) {
  // The selection keeps its place, or is none past the end.
  const int restants = controleur_.NombreEcrans() - 1;
  const int selection = selectionAvant_ < restants ? selectionAvant_ : -1;
  ecran_ = controleur_.RetireEcran(index_, selection, repris);
}

void CSuppressionEcran::Defait() {
  controleur_.PoseEcran(index_, std::move(ecran_), nullptr, true);
  if (selectionAvant_ >= 0 && selectionAvant_ != index_) controleur_.Selectionne(selectionAvant_);
}

// ---- replacement --------------------------------------------------------

CRemplacementEcran::CRemplacementEcran(CControleurProjet& controleur, const QString& texte,
                                       int index, std::unique_ptr<CEcran> ecran,
                                       const CEcran* source)
    : CCommandeProjet(controleur, texte), index_(index), autre_(std::move(ecran)), source_(source) {}

void CRemplacementEcran::Fait(bool repris) {
  controleur_.EchangeEcran(index_, autre_, repris ? nullptr : source_, repris);
  source_ = nullptr;
}

void CRemplacementEcran::Defait() { controleur_.EchangeEcran(index_, autre_, nullptr, true); }

// ---- move ---------------------------------------------------------------

CDeplacementEcran::CDeplacementEcran(CControleurProjet& controleur, const QString& texte, int de,
                                     int vers)
    : CCommandeProjet(controleur, texte), de_(de), vers_(vers) {}

void CDeplacementEcran::Fait(bool repris) { controleur_.BougeEcran(de_, vers_, repris); }

void CDeplacementEcran::Defait() { controleur_.BougeEcran(vers_, de_, true); }

// ---- the project's settings ----------------------------------------------

CReglagesProjet::CReglagesProjet(CControleurProjet& controleur, const QString& texte,
                                 std::unique_ptr<CProjet> reglages)
    : CCommandeProjet(controleur, texte), reglages_(std::move(reglages)) {}

void CReglagesProjet::Fait(bool repris) {
  controleur_.ProjetDesCommandes().EchangeReglages(*reglages_);
  controleur_.AnnonceProjet(repris);
}

void CReglagesProjet::Defait() {
  controleur_.ProjetDesCommandes().EchangeReglages(*reglages_);
  controleur_.AnnonceProjet(true);
}

// ---- group --------------------------------------------------------------

CGroupeCommandes::CGroupeCommandes(CControleurProjet& controleur, const QString& texte)
    : QUndoCommand(texte), controleur_(controleur), selectionAvant_(controleur.Selection()) {}

void CGroupeCommandes::Ferme() { selectionApres_ = controleur_.Selection(); }

void CGroupeCommandes::Ajoute(std::unique_ptr<QUndoCommand> commande) {
  enfants_.push_back(std::move(commande));
}

void CGroupeCommandes::DefaitDepuis(int garde) {
  while (int(enfants_.size()) > garde) {
    enfants_.back()->undo();
    enfants_.pop_back();
  }
}

void CGroupeCommandes::redo() {
  if (fait_) {
    for (auto& enfant : enfants_) enfant->redo();
    controleur_.Selectionne(selectionApres_);
  }
  fait_ = true;
}

void CGroupeCommandes::undo() {
  for (auto it = enfants_.rbegin(); it != enfants_.rend(); ++it) (*it)->undo();
  controleur_.Selectionne(selectionAvant_);
}

}  // namespace lumaveil
