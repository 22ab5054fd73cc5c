#include "proprietes/applique_proprietes.h"

#include <QCoreApplication>

#include "app/contexte.h"
#include "app/travail.h"
#include "dialogs/commun/boite_message.h"
#include "liste/liste_view.h"
#include "proprietes/proprietes_dialog.h"

namespace lumaveil {

namespace {

constexpr char kConfirmation[] =
    "Warning ! Displaying properties have changed.\nAll screens must be rebuild.\n"
    "This operation may change quality of actual screen.\n\nConfirm this operation ?";

}  // namespace

int CommandePropriete(CContexte& contexte, CListeView& liste, CTravail& travail,
                      QWidget* parent) {
  CProprietesDlg dlg(contexte.Projet.ResolutionCible, false, parent);
  if (dlg.exec() != QDialog::Accepted) return 0;
  const SIZE taille = dlg.Taille();
  const SIZE ancienne = contexte.Projet.ResolutionCible;
  if (taille.cx == ancienne.cx && taille.cy == ancienne.cy) return 0;
  if (talvik::BoiteMessage(parent, kConfirmation, talvik::kTitreQuestion,
                           talvik::IconeMessage::Question,
                           talvik::BoutonsMessage::OuiNon) != talvik::IDYES)
    return 0;

  contexte.Projet.ResolutionCible = taille;
  const int selection = liste.Selection();
  for (int i = 0; i < liste.NombreEcrans(); ++i) {
    contexte.EcranCourant = contexte.Projet.NouvelEcranDepuisModele();
    CEcran& courant = *contexte.EcranCourant;
    courant.CopieParametres(*liste.Selectionne(i));
    courant.TailleCible = taille;
    // A picture that cannot be loaded leaves the screen without one.
    courant.ChargeImage(courant.CheminImage);
    travail.Rend(0);
    liste.RemplaceSelection(courant);
    liste.repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  emit travail.modifie();
  contexte.Projet.CheminEcranDeVeille.clear();
  travail.RendCourant(selection >= 0 ? selection : 0);
  return 1;
}

}  // namespace lumaveil
