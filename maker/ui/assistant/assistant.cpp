#include "assistant/assistant.h"


#include "assistant/assistant_dialog.h"
#include "fenetre/main_frame.h"
#include "liste/liste_view.h"
#include "commun/ks_file_dialog.h"
#include "modele_ecran/commande_modele.h"
#include "proprietes/proprietes_dialog.h"

namespace lumaveil {

int LanceAssistant(CMainFrame& fenetre) {
  CContexte& contexte = fenetre.Contexte();
  {
    CAssistantDlg accueil(&fenetre);
    if (accueil.exec() != kSuivant) return 1;
  }
  {
    // Wizard mode: the list is empty, the resolution is taken as it is.
    CProprietesDlg proprietes(contexte.Projet.ResolutionCible, true, &fenetre);
    const int resultat = proprietes.exec();
    if (resultat == kSuivant || resultat == kTerminer)
      contexte.Controleur.FixeResolutionCible(proprietes.Taille());
    if (resultat != kSuivant) return 2;
  }
  if (CommandeModele(contexte, fenetre.ListeView()->FondVignette(), fenetre.Travail(),
                     fenetre.Dialogue(), true, &fenetre) != kSuivant)
    return 3;
  if (fenetre.ChoisitImages() != IDOK) return 4;
  fenetre.Action(Commande::Generation)->trigger();
  return 5;
}

}  // namespace lumaveil
