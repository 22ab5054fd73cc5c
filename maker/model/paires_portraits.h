// "Pair portrait photos": on a landscape screen, two consecutive portrait
// screens are shown side by side on one screen. The rule is one pure
// function over what each screen says; rendering, generation, the list and
// the preview all group the screens with it.
#pragma once

#include <vector>

#include "ecran.h"

namespace lumaveil {

class CProjet;

// What the rule looks at in one screen.
struct ApparieEcran {
  SIZE cible{};        // TailleCible
  SIZE image{};        // the picture as shown, after the screen's rotation; 0 x 0: unknown
  bool recoupe = false;   // a crop of its own (RecoupeUtilisation)
  bool ajuste = false;    // fitted to the screen, the whole picture (not filled)
  bool fond = false;      // drawn on a background (FondUtilisation)
};

// One displayed screen: one project screen, or two side by side.
struct GroupeEcrans {
  int premier = 0;   // index of the screen shown (on the left)
  int second = -1;   // index of the screen on its right; -1: alone
  bool Paire() const { return second >= 0; }
};

// Whether a screen may be half of a pair: a landscape target (wider than
// high), a picture known to be portrait (higher than wide), no crop of its
// own, fitted whole to the screen, on a background.
bool PeutEtreApparie(const ApparieEcran& ecran);

// The screens in order, grouped: with `paire` off every screen is alone;
// with it on, from the first screen on, a screen that may be paired and
// the next one that may be too, for the same target size, make a pair, and
// the count goes on after the second; any other screen is alone (so a lone
// portrait at the end, or between two landscapes, stays alone). Every
// index appears once, in order.
std::vector<GroupeEcrans> GroupeEcransEnPaires(const std::vector<ApparieEcran>& ecrans,
                                               bool paire);

// What the rule needs from a screen: the picture's size from the loaded
// picture (TailleImage) when there is one, else from the file's header
// with its recorded orientation (nothing is decoded); left unknown for a
// screen the rule would not pair whatever its picture.
ApparieEcran DecritPourAppariement(const CEcran& ecran);

// The project's screens grouped (DecritPourAppariement of each, with
// `paire` only: without it no file is read).
std::vector<GroupeEcrans> GroupesDuProjet(const CProjet& projet, bool paire);

// The group that shows screen `index`, from `groupes`; a group of that
// screen alone when it is in none.
GroupeEcrans GroupeDe(const std::vector<GroupeEcrans>& groupes, int index);

}  // namespace lumaveil
