// The three edit panels together: their buttons and dropped files wired to
// the per-screen commands, and one refresh from the working screen.
#pragma once

#include "panneaux/decor_dialog.h"
#include "panneaux/retouche_dialog.h"
#include "panneaux/transition_dialog.h"

namespace lumaveil {

class CCommandesEcran;

struct Panneaux {
  CRetoucheDialog* retouche = nullptr;
  CDecorDialog* decor = nullptr;
  CTransitionDialog* transition = nullptr;
};

// Each button runs its command; files dropped on the picture panel go to
// CCommandesEcran::DepotFichiers. The commands object outlives the panels.
void RelieCommandes(const Panneaux& panneaux, CCommandesEcran& commandes);

// Every panel shows the screen (after each commit and make-current);
// `enChargement`: its picture is still being loaded.
void RafraichitPanneaux(const Panneaux& panneaux, const CEcran& ecran, bool enChargement = false);

}  // namespace lumaveil
