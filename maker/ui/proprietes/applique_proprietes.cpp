#include "proprietes/applique_proprietes.h"

#include <QtGlobal>

#include "dialogs/commun/boite_message.h"
#include "projet/contexte.h"
#include "projet/noms_changements.h"
#include "proprietes/proprietes_dialog.h"
#include "travail/refonte_ecrans.h"
#include "travail/travail.h"

namespace lumaveil {

namespace {

constexpr char kConfirmation[] = QT_TRANSLATE_NOOP(
    "Messages",
    "Warning ! Displaying properties have changed.\nAll screens must be rebuild.\n"
    "This operation may change quality of actual screen.\n\nConfirm this operation ?");

}  // namespace

int CommandePropriete(CContexte& contexte, CTravail& travail, QWidget* parent) {
  CProprietesDlg dlg(contexte.Projet.ResolutionCible, false, parent);
  dlg.MontrePaires(contexte.Projet.PairePortraits != 0);
  if (dlg.exec() != QDialog::Accepted) return 0;
  if (dlg.Paires() != (contexte.Projet.PairePortraits != 0))
    contexte.Controleur.FixePairePortraits(dlg.Paires() ? 1 : 0);
  const SIZE taille = dlg.Taille();
  const SIZE ancienne = contexte.Projet.ResolutionCible;
  if (taille.cx == ancienne.cx && taille.cy == ancienne.cy) return 0;
  if (talvik::BoiteMessage(parent, kConfirmation, talvik::kTitreQuestion,
                           talvik::IconeMessage::Question,
                           talvik::BoutonsMessage::OuiNon) != talvik::IDYES)
    return 0;

  return RefaitEcrans(contexte, travail, taille, parent);
}

int RefaitEcrans(CContexte& contexte, CTravail& travail, SIZE taille, QWidget* parent) {
  // The resolution and the screens made for it are one change.
  contexte.Controleur.DebutGroupe(changement::kResolution);
  contexte.Controleur.FixeResolutionCible(taille);
  const auto modele = NouvelEcran(contexte.Projet.ModeleEcran, taille);
  const int fait = RefaitChaqueEcran(contexte, travail, parent, [&](const CEcran& ancien) {
    auto ecran = NouvelEcran(*modele, taille);
    ecran->CopieParametres(ancien);
    ecran->TailleCible = taille;
    return ecran;
  });
  // Stopped: screens of two sizes would make a broken saver, so the
  // resolution goes back with the screens.
  contexte.Controleur.FinGroupe(fait != 0);
  return fait;
}

}  // namespace lumaveil
