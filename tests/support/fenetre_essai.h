// The maker's main window as the window tests start it.
#pragma once

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "ecrans_essai.h"
#include "projet_essai.h"
#include "document/doc.h"
#include "fenetre/main_frame.h"
#include "fenetre/outil_dialog.h"
#include "liste/liste_view.h"
#include "principale/principale_view.h"
#include "projet/contexte.h"

namespace lumaveil::testing {

// A main window on `contexte` with the wizard off and no start-up picture
// showing, on a new project whose screens are `taille` when it is given.
// A new project has no screen; the window tests start from one blank
// screen from the template, made with Screen > New and not counted as a
// change (the project is unmodified, nothing to undo).
// Not shown: the caller shows it when its test needs a visible window.
inline std::unique_ptr<CMainFrame> FenetreEssai(CContexte& contexte,
                                                std::optional<SIZE> taille = std::nullopt) {
  contexte.Parametres.StartWizard = 0;
  if (taille) ProjetEssai(contexte).ResolutionCible = *taille;
  auto frame = std::make_unique<CMainFrame>(contexte);
  frame->Contexte().DemarrageEnCours = false;
  frame->NouveauProjet();
  frame->Action(Commande::EcranNouveau)->trigger();
  frame->Contexte().Controleur.OublieHistorique();
  frame->Doc().FixeModifie(false);
  return frame;
}

// A test on the main window shown on small plain screens, its list, and
// its top bar's buttons clicked.
class FenetreOuverte : public ::testing::Test {
 protected:
  FenetreOuverte() {
    ProjetEssai(contexte_).ModeleEcran.TailleCible = kPetitCanevas;
    frame_ = FenetreEssai(contexte_, kPetitCanevas);
    frame_->show();
  }
  CListeView& Liste() { return *frame_->ListeView(); }
  void Clique(Commande c) {
    const auto& b = COutilDialog::CommandesBoutons();
    const int i = int(std::find(b.begin(), b.end(), c) - b.begin());
    QTest::mouseClick(frame_->OutilDialog()->Bouton(i), Qt::LeftButton);
  }

  CContexte contexte_;
  std::unique_ptr<CMainFrame> frame_;
};

}  // namespace lumaveil::testing
