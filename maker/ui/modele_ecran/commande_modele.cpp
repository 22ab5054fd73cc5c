#include "modele_ecran/commande_modele.h"

#include "projet/contexte.h"
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
  {
    CModeleDlg dlg(contexte.Projet, fondVignette, *contexte.Graphique, dialogue,
                   assistant, parent);
    resultat = dlg.exec();
    if (resultat == QDialog::Rejected) return resultat;
    dlg.Stocke(contexte.Controleur);
  }
  // The template is part of the project file (the wizard's is part of a
  // new project).
  if (!assistant) contexte.Controleur.MarqueModifie();
  if (resultat == kOkPourTous && contexte.Controleur.NombreEcrans() > 0) {
    const CEcran& modele = contexte.Projet.ModeleEcran;
    RefaitChaqueEcran(contexte, travail, parent,
                      [&](const CEcran& ancien) { return EcranSelonModele(modele, ancien); });
  }
  return resultat;
}

}  // namespace lumaveil
