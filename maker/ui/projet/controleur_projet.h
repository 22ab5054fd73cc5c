// CControleurProjet: the one way the window changes the open project. Every
// change to the screen list (insert, replace, delete, move, files dropped,
// every screen made again) and to the project's own settings (resolution,
// template) is made here as one command on the controller's undo stack
// (commandes_projet.h): the command applies the change, announces it and
// knows how to take it back. Undo and Redo walk the stack; the modified
// flag is the stack's clean state (back at the state last saved or opened,
// the project is unmodified again).
//
// Every change, applied, undone or redone, is announced by one signal,
// `change`, after the project has changed: the screen list's model, the
// working screen and the window's title observe it. A screen given as
// `source` lives for the signal's call only (its rendered picture makes the
// thumbnail at once).
//
// No widget: the controller holds the project (CProjet) by reference and
// shows nothing; reading and writing project files report through the
// caller's IDialogue. Changes are made and announced on the GUI thread.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <memory>
#include <string>
#include <vector>

#include "dialogue.h"
#include "projet.h"

namespace lumaveil {

class CGroupeCommandes;

// What a change did, as its observers need to know it.
struct CChangement {
  enum class Genre {
    Insertion,     // screen `index` is new
    Suppression,   // screen `index` went
    Remplacement,  // screen `index` has other settings (and thumbnail)
    Deplacement,   // screen `index` went to position `vers`
    Projet,        // the resolution or the template changed
    Tout,          // every screen may have changed (new project, project read)
  };
  Genre genre = Genre::Tout;
  int index = -1;
  int vers = -1;
  const CEcran* source = nullptr;  // the screen's rendered source, when there is one
  bool repris = false;             // undone or redone (not the first time it is made)
};

class CControleurProjet : public QObject {
  Q_OBJECT
 public:
  explicit CControleurProjet(CProjet& projet, QObject* parent = nullptr);
  ~CControleurProjet() override;

  // Read access for whoever shows or generates the project.
  const CProjet& Projet() const { return projet_; }
  int NombreEcrans() const { return projet_.NombreEcrans(); }
  int Selection() const { return projet_.Selection(); }
  const CEcran& Ecran(int index) const { return projet_.Ecran(index); }
  SIZE ResolutionCible() const { return projet_.ResolutionCible; }

  // ---- the screen list (each call is one command) --------------------------

  // Inserts a copy of `ecran`'s settings as a new screen: at selection + 1
  // with `apres`, else at the selection's place (clamped to the list). It
  // becomes the selection. Returns its index. `nom` names the change in the
  // Edit menu.
  int InsereEcran(const CEcran& ecran, bool apres, const char* nom = nullptr);
  // Replaces the selected screen's settings by a copy of `ecran`'s (the
  // command `nom`); its thumbnail is made again. Nothing without a selection.
  void RemplaceSelection(const CEcran& ecran, const char* nom = nullptr);
  // Deletes screen `index` (-1: the selection). The selection keeps its
  // index, or becomes -1 past the end. Returns 0 for a bad index.
  int SupprimeEcran(int index);
  // Deletes every screen, last to first; no selection.
  void SupprimeTout();
  // Moves screen `de` to position `vers`, which becomes the selection.
  // Returns 0 for a bad index.
  int DeplaceEcran(int de, int vers);
  // Files dropped on the list, in order: each becomes a new screen from the
  // template with that path (no type check: a file that is not a picture
  // gives a screen without one), inserted after the selection; one change.
  // Returns how many.
  int InsereFichiers(const std::vector<std::string>& chemins);

  // ---- the project's settings (each call is one command) -------------------

  // The target resolution (the screens are made again by whoever changes it).
  void FixeResolutionCible(SIZE taille);
  // "Pair portrait photos" on (1) or off (0): one command; the screens
  // shown change with it.
  void FixePairePortraits(int paire);
  int PairePortraits() const { return projet_.PairePortraits; }
  // The template dialog's template stored as the project's (the fields a
  // screen keeps of its own, such as the picture and its size, stay the
  // project's), with its file name and flags. New screens start from it.
  void FixeModele(const CEcran& modele, const std::string& nom, int charge, int sauve);

  // How the saver plays: each cycle in a new random order (MelangeEcrans),
  // each monitor its own place in the sequence (MoniteursDifferents). Each
  // is one change (undoable); it marks the project modified and forgets the last generated saver,
  // which plays the old way; the same value again changes nothing.
  void FixeMelangeEcrans(bool melange);
  void FixeMoniteursDifferents(bool differents);

  // ---- several changes as one ---------------------------------------------

  // Until the matching FinGroupe, the changes made form one command named
  // `nom` (groups nest; the outermost names the whole).
  void DebutGroupe(const char* nom);
  // Ends a group. With `garde` false the changes made in this level of the
  // group are taken back at once (a job stopped half-way); a group left
  // empty leaves no command.
  void FinGroupe(bool garde = true);

  // ---- undo and redo -------------------------------------------------------

  // Takes back the last change (Redo makes it again); nothing when there is
  // none. `repris()` follows, once the whole command is taken back.
  void Annule();
  void Refait();
  bool PeutAnnuler() const { return pile_.canUndo(); }
  bool PeutRefaire() const { return pile_.canRedo(); }
  // The name of the change Undo / Redo would take ("" when none).
  QString TexteAnnulation() const { return pile_.undoText(); }
  QString TexteRetablissement() const { return pile_.redoText(); }
  // The project differs from the one last opened, started or saved.
  bool EstModifie() const { return !pile_.isClean(); }
  // What has been done so far becomes the project as started: no Undo
  // before it, unmodified (the end of the new-project routine).
  void OublieHistorique();
  const QUndoStack& Pile() const { return pile_; }

  // ---- what is not a change to the project's file --------------------------

  // Selects screen `index` and returns it; null, and nothing changes, for
  // -1 or an index beyond the list. ecranSelectionne(index).
  const CEcran* Selectionne(int index);
  // Screen `index`'s thumbnail, as the list made it.
  void FixeVignette(int index, const HBITMAP& vignette);
  // The saver just generated from the project (CheminEcranDeVeille), which
  // sending offers until the screens change.
  void NoteEcranDeVeille(const std::string& chemin);

  // A new project: no screens, the default template (no template file), no
  // generated saver, no Undo; the resolution stays. change(Tout).
  void Nouveau();
  // Reads the project file `chemin` in place of the open project; 1 on
  // success (change(Tout), no Undo), 0 when it could not be read (the
  // reason went to `dialogue`; the open project and its Undo are kept).
  int Ouvre(const std::string& chemin, IDialogue& dialogue);
  // Writes the project to `chemin`; 1 on success (the project is then
  // unmodified), 0 when the reason went to `dialogue`.
  int Sauve(const std::string& chemin, IDialogue& dialogue);

  // ---- the commands' own steps (commandes_projet.cpp) ----------------------
  // Each applies one change to the project and announces it; only commands
  // call them.
  void PoseEcran(int index, std::unique_ptr<CEcran> ecran, const CEcran* source, bool repris);
  std::unique_ptr<CEcran> RetireEcran(int index, int selection, bool repris);
  void EchangeEcran(int index, std::unique_ptr<CEcran>& ecran, const CEcran* source,
                    bool repris);
  void BougeEcran(int de, int vers, bool repris);
  CProjet& ProjetDesCommandes() { return projet_; }
  void AnnonceProjet(bool repris);

 signals:
  void change(const lumaveil::CChangement& changement);
  // Undo or Redo has taken a whole command (the working screen follows the
  // selection).
  void repris();
  void ecranSelectionne(int index);
  // Undo, Redo, their texts or the modified flag changed.
  void historiqueChange();

 private:
  // Runs `commande` (now and on every Redo): on the stack, or in the open
  // group.
  void Execute(std::unique_ptr<QUndoCommand> commande);
  void Annonce(const CChangement& changement);

  CProjet& projet_;
  QUndoStack pile_;
  std::unique_ptr<CGroupeCommandes> groupe_;  // the group being made, if any
  std::vector<int> debutsGroupes_;            // its size when each open level began
};

}  // namespace lumaveil
