#include "modele/commande_modele.h"

#include "app/contexte.h"
#include "app/refonte_ecrans.h"
#include "app/travail.h"
#include "liste/liste_view.h"
#include "modele/modele_dialog.h"
#include "modele_pour_tous.h"

namespace lumaveil {

int CommandeModele(CContexte& contexte, CListeView& liste, CTravail& travail,
                   IDialogue& dialogue, bool assistant, QWidget* parent) {
  // The dialog's editors may add patterns to the shared image-operations
  // object: the working screen's load finishes first.
  if (travail.AUnEcranCourant()) travail.EcranPret();
  int resultat;
  {
    CModeleDlg dlg(contexte.Projet, liste.FondVignette(), *contexte.Graphique, dialogue,
                   assistant, parent);
    resultat = dlg.exec();
    if (resultat == QDialog::Rejected) return resultat;
    dlg.Stocke(contexte.Projet);
  }
  // The template is part of the project file (the wizard's is part of a
  // new project).
  if (!assistant) travail.ProjetModifie();
  if (resultat == kOkPourTous && liste.NombreEcrans() > 0) {
    const CEcran& modele = contexte.Projet.ModeleEcran;
    RefaitChaqueEcran(contexte, liste, travail, parent,
                      [&](const CEcran& ancien) { return EcranSelonModele(modele, ancien); });
  }
  return resultat;
}

}  // namespace lumaveil
