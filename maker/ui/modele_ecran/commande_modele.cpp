#include "modele_ecran/commande_modele.h"

#include "projet/contexte.h"
#include "projet/noms_changements.h"
#include "travail/refonte_ecrans.h"
#include "travail/travail.h"
#include "modele_ecran/modele_dialog.h"
#include "modele_pour_tous.h"

namespace lumaveil {

int CommandeModele(CContexte& contexte, const talvik::HBITMAP& fondVignette, CTravail& travail,
                   IDialogue& dialogue, bool assistant, QWidget* parent) {
  // The dialog's editors may add patterns to the shared image-operations
  // object: the working screen's load finishes first.
  if (travail.AUnEcranCourant()) travail.EcranPret();
  int resultat;
  bool pourTous = false;
  {
    CModeleDlg dlg(contexte.Projet, fondVignette, *contexte.Graphique, dialogue,
                   assistant, parent);
    resultat = dlg.exec();
    if (resultat == QDialog::Rejected) return resultat;
    pourTous = resultat == kOkPourTous && contexte.Controleur.NombreEcrans() > 0;
    // The template and the screens made from it are one change.
    if (pourTous) contexte.Controleur.DebutGroupe(changement::kModelePourTous);
    dlg.Stocke(contexte.Controleur);
  }
  if (!pourTous) return resultat;
  const CEcran& modele = contexte.Projet.ModeleEcran;
  // Stopped, the screens go back as they were; the template stays.
  RefaitChaqueEcran(contexte, travail, parent,
                    [&](const CEcran& ancien) { return EcranSelonModele(modele, ancien); });
  contexte.Controleur.FinGroupe();
  return resultat;
}

}  // namespace lumaveil
