#include "proprietes/applique_proprietes.h"

#include <QMetaObject>
#include <memory>
#include <vector>

#include "app/contexte.h"
#include "app/dialogue_qt.h"
#include "app/progression_travail.h"
#include "app/travail.h"
#include "dialogs/commun/boite_message.h"
#include "liste/liste_view.h"
#include "proprietes/proprietes_dialog.h"

namespace lumaveil {

namespace {

constexpr char kConfirmation[] =
    "Warning ! Displaying properties have changed.\nAll screens must be rebuild.\n"
    "This operation may change quality of actual screen.\n\nConfirm this operation ?";
constexpr char kOperation[] = "Rebuilding the screen";

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

  return RefaitEcrans(contexte, liste, travail, taille, parent);
}

int RefaitEcrans(CContexte& contexte, CListeView& liste, CTravail& travail, SIZE taille,
                 QWidget* parent) {
  const SIZE ancienne = contexte.Projet.ResolutionCible;
  const int selection = liste.Selection();
  const int nombre = liste.NombreEcrans();
  // The worker reads these copies only: the project stays the GUI thread's.
  std::vector<std::unique_ptr<CEcran>> anciens;
  for (int i = 0; i < nombre; ++i) {
    anciens.push_back(std::make_unique<CEcran>(ancienne));
    anciens.back()->CopieParametres(liste.Ecran(i));
  }
  const auto modele = NouvelEcran(contexte.Projet.ModeleEcran, taille);
  const Echantillonnage echantillonnage =
      contexte.QualiteRedimension ? Echantillonnage::Rapide : Echantillonnage::Moyenne;
  talvik::CGraphique& graphique = *contexte.Graphique;

  contexte.Projet.ResolutionCible = taille;
  CDialogueQt dialogue(parent);
  CProgressionTravail progression(parent, dialogue);
  // The number of screens rebuilt before a stop.
  const int refaits = progression.Execute([&](IProgression& p) {
    p.Debut(unsigned(nombre));
    for (int i = 0; i < nombre; ++i) {
      if (p.AfficheEtTeste(unsigned(i + 1), unsigned(nombre), anciens[i]->CheminImage,
                           kOperation))
        return i;
      auto ecran = NouvelEcran(*modele, taille);
      ecran->CopieParametres(*anciens[i]);
      ecran->TailleCible = taille;
      // A picture that cannot be loaded leaves the screen without one.
      ecran->ChargeImage(ecran->CheminImage);
      ecran->CalculeImageFinale(graphique, 0, Etapes::Toutes(), nullptr, echantillonnage);
      // The list and its thumbnails are the GUI thread's; the worker waits.
      QMetaObject::invokeMethod(
          &liste,
          [&] {
            liste.Selectionne(i);
            liste.RemplaceSelection(*ecran);
          },
          Qt::BlockingQueuedConnection);
    }
    p.Fin();
    return nombre;
  });

  if (refaits < nombre) {
    // Stopped: screens of two sizes would make a broken saver, so the
    // project goes back to what it was.
    contexte.Projet.ResolutionCible = ancienne;
    for (int i = 0; i < refaits; ++i) {
      liste.Selectionne(i);
      liste.RemplaceSelection(*anciens[i]);
    }
    travail.RendCourant(selection >= 0 ? selection : 0);
    return 0;
  }
  emit travail.modifie();
  contexte.Projet.CheminEcranDeVeille.clear();
  travail.RendCourant(selection >= 0 ? selection : 0);
  return 1;
}

}  // namespace lumaveil
