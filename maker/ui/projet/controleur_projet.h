// CControleurProjet: the one way the window changes the open project. Every
// change to the screen list (insert, replace, delete, move, files dropped,
// every screen made again) and to the project's state (modified flag, last
// generated saver, resolution, new, open, save) is made here, and announced
// by a signal that the views observe: the screen list shows it, the main
// frame's title and document follow the modified flag.
//
// No widget: the controller holds the project (CProjet) by reference and
// shows nothing; reading and writing project files report through the
// caller's IDialogue. Signals are emitted on the caller's thread, after the
// project has changed; a screen given as `source` lives for the signal's
// call only (its rendered picture makes the thumbnail at once).
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "dialogue.h"
#include "projet.h"

namespace lumaveil {

class CControleurProjet : public QObject {
  Q_OBJECT
 public:
  explicit CControleurProjet(CProjet& projet, QObject* parent = nullptr);

  // Read access for whoever shows or generates the project.
  const CProjet& Projet() const { return projet_; }
  int NombreEcrans() const { return projet_.NombreEcrans(); }
  int Selection() const { return projet_.Selection(); }
  const CEcran& Ecran(int index) const { return projet_.Ecran(index); }
  SIZE ResolutionCible() const { return projet_.ResolutionCible; }

  // ---- the screen list ---------------------------------------------------

  // Inserts a copy of `ecran`'s settings as a new screen: at selection + 1
  // with `apres`, else at the selection's place (clamped to the list). It
  // becomes the selection. Returns its index; ecranInsere(index, ecran).
  int InsereEcran(const CEcran& ecran, bool apres);
  // Replaces the selected screen's settings by a copy of `ecran`'s; its
  // pictures and thumbnail are dropped. Nothing without a selection;
  // ecranRemplace(index, ecran).
  void RemplaceSelection(const CEcran& ecran);
  // Deletes screen `index` (-1: the selection). The selection keeps its
  // index, or becomes -1 past the end. Returns 0 for a bad index;
  // ecranSupprime(index).
  int SupprimeEcran(int index);
  // Deletes every screen, last to first; no selection. listeRemplacee().
  void SupprimeTout();
  // Moves screen `de` to position `vers`, which becomes the selection.
  // Returns 0 for a bad index; ecranDeplace(de, vers).
  int DeplaceEcran(int de, int vers);
  // Selects screen `index` and returns it; null, and nothing changes, for
  // -1 or an index beyond the list. ecranSelectionne(index).
  const CEcran* Selectionne(int index);
  // Files dropped on the list, in order: each becomes a new screen from the
  // template with that path (no type check: a file that is not a picture
  // gives a screen without one), inserted after the selection. Returns how
  // many.
  int InsereFichiers(const std::vector<std::string>& chemins);
  // Screen `index`'s thumbnail, as the list made it.
  void FixeVignette(int index, const HBITMAP& vignette);

  // ---- the project's state -----------------------------------------------

  // The target resolution (the screens are made again by whoever changes it).
  void FixeResolutionCible(SIZE taille);
  // "Pair portrait photos" on (1) or off (0): the screens shown change
  // (pairesChangees()), as after any change to the screens (EcransChanges).
  void FixePairePortraits(int paire);
  int PairePortraits() const { return projet_.PairePortraits; }
  // The project changed in a way that matters to its file: modifie().
  void MarqueModifie();
  // Every change to the screens ends here: the project is marked modified
  // and the last generated saver, which no longer shows them, forgotten
  // (CheminEcranDeVeille becomes empty).
  void EcransChanges();
  // The saver just generated from the project (CheminEcranDeVeille), which
  // sending offers until the screens change.
  void NoteEcranDeVeille(const std::string& chemin);
  // The template dialog's template stored as the project's (the fields a
  // screen keeps of its own, such as the picture and its size, stay the
  // project's), with its file name and flags. New screens start from it.
  void FixeModele(const CEcran& modele, const std::string& nom, int charge, int sauve);

  // How the saver plays: each cycle in a new random order (MelangeEcrans),
  // each monitor its own place in the sequence (MoniteursDifferents). A
  // change marks the project modified and forgets the last generated saver,
  // which plays the old way; the same value again changes nothing.
  void FixeMelangeEcrans(bool melange);
  void FixeMoniteursDifferents(bool differents);

  // A new project: no screens, the default template (no template file), no
  // generated saver; the resolution stays. listeRemplacee().
  void Nouveau();
  // Reads the project file `chemin` in place of the open project; 1 on
  // success (listeRemplacee()), 0 when it could not be read (the reason
  // went to `dialogue`; the open project is kept).
  int Ouvre(const std::string& chemin, IDialogue& dialogue);
  // Writes the project to `chemin`; 1 on success (0: the reason went to
  // `dialogue`).
  int Sauve(const std::string& chemin, IDialogue& dialogue) const;

 signals:
  void ecranInsere(int index, const lumaveil::CEcran& source);
  void ecranRemplace(int index, const lumaveil::CEcran& source);
  void ecranSupprime(int index);
  void ecranDeplace(int de, int vers);
  void ecranSelectionne(int index);
  // Every screen may have changed (new project, project read, list emptied).
  void listeRemplacee();
  // Which screens are shown in pairs may have changed (the option, or a
  // screen's orientation, crop or fit).
  void pairesChangees();
  void modifie();

 private:
  CProjet& projet_;
};

}  // namespace lumaveil
