// The maker's main window as the window tests start it.
#pragma once

#include <memory>
#include <optional>

#include "projet/contexte.h"
#include "fenetre/main_frame.h"
#include "principale/principale_view.h"

namespace lumaveil::testing {

// A main window on `contexte` with the wizard off and no start-up picture
// showing, on a new project whose screens are `taille` when it is given.
// Not shown: the caller shows it when its test needs a visible window.
inline std::unique_ptr<CMainFrame> FenetreEssai(CContexte& contexte,
                                                std::optional<SIZE> taille = std::nullopt) {
  contexte.Parametres.StartWizard = 0;
  if (taille) contexte.Projet.ResolutionCible = *taille;
  auto frame = std::make_unique<CMainFrame>(contexte);
  frame->Contexte().DemarrageEnCours = false;
  frame->NouveauProjet();
  return frame;
}

}  // namespace lumaveil::testing
