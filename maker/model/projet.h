// The state of the open project, as the maker's views hold it: the ordered
// screen list with its selection, the target resolution, the screen
// template and its file, and the last generated screen saver. No widget
// holds any of it; the GUI owns one CProjet and shows it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ecran.h"

namespace lumaveil {

class CProjet {
 public:
  // An empty project: no screens, no selection, ResolutionCible the current
  // screen size, a default template.
  CProjet();

  // A new project (start-up without a file, File > New): no screens, no
  // selection, a default template (no template file), no generated saver.
  // The target resolution stays as the user chose it. The project options
  // take their defaults, but "Pair portrait photos" is on.
  void Nouveau();

  int NombreEcrans() const { return int(ecrans_.size()); }
  CEcran& Ecran(int index) { return *ecrans_.at(std::size_t(index)); }
  const CEcran& Ecran(int index) const { return *ecrans_.at(std::size_t(index)); }

  // A new screen made from the template with TailleCible = ResolutionCible
  // (not inserted).
  std::unique_ptr<CEcran> NouvelEcranDepuisModele() const;

  // Inserts a screen after the current selection (at the end when nothing
  // is selected) and selects it; returns its index.
  int InsereApresSelection(std::unique_ptr<CEcran> ecran);
  // Appends a screen at the end of the list; returns its index.
  int Ajoute(std::unique_ptr<CEcran> ecran);
  // Removes screen `index` (the screen is destroyed). The selection moves to
  // the screen now at that place, or the last one, or -1. Returns 0 for a
  // bad index.
  int Supprime(int index);
  // Moves screen `de` to position `vers`; the selection follows it. Returns
  // 0 for a bad index.
  int Deplace(int de, int vers);
  // Removes every screen, last to first.
  void SupprimeTout();
  // Inserts `ecran` at `index` (clamped to the list); a selection at or
  // after that place moves with its screen. Returns the index.
  int InsereA(int index, std::unique_ptr<CEcran> ecran);
  // Takes screen `index` out of the list and gives it to the caller (null
  // for a bad index); the selection is as after Supprime.
  std::unique_ptr<CEcran> Retire(int index);
  // Puts `ecran` at `index` and gives the caller the screen that was there
  // (nothing for a bad index or a null screen).
  void EchangeEcran(int index, std::unique_ptr<CEcran>& ecran);

  // Index of the selected screen, -1 when none.
  int Selection() const { return selection_; }
  // Selects a screen (-1 clears the selection); an index outside the list
  // is refused (returns 0).
  int Selectionne(int index);

  // Label of a list item: the 1-based position printed with "%3d", spaces
  // replaced by "0" ("001", "002", ...).
  static std::string Libelle(int index);

  SIZE ResolutionCible{};         // target display resolution
  CEcran ModeleEcran;             // template copied into each new screen
  std::string NomModele;          // file of the last template load or save
  int ModeleCharge = 0;           // the template came from a template file
  int ModeleSauve = 0;            // the template was saved to a template file
  std::string CheminEcranDeVeille;  // last generated screen saver; cleared on change

  // Options of the whole project added after the designed file layout; their
  // defaults, keys and places in the files are in champs_etendus.h.
  int MelangeEcrans = 0;          // the saver shows each cycle in a new random order
  int MoniteursDifferents = 0;    // each monitor shows its own place in the sequence
  int PairePortraits = 0;         // two portrait screens share one landscape screen

  // The project's own settings (everything but the screens, the selection
  // and the last generated saver): the target resolution, the template and
  // its file name and flags, and the options of kChampsProjet
  // (champs_etendus.h).
  void CopieReglages(const CProjet& autre);
  void EchangeReglages(CProjet& autre);

  // Takes over another project's screens and settings (used to swap in a
  // project read from a file only once it has been read whole).
  void Echange(CProjet& autre);

 private:
  std::vector<std::unique_ptr<CEcran>> ecrans_;
  int selection_ = -1;
};

}  // namespace lumaveil
