#include "travail/refonte_ecrans.h"

#include <QMetaObject>
#include <vector>

#include "chargement_rendu.h"
#include "projet/contexte.h"
#include "projet/noms_changements.h"
#include "commun/dialogue_qt.h"
#include "taches/progression_travail.h"
#include "travail/travail.h"

namespace lumaveil {

namespace {

constexpr char kOperation[] = QT_TRANSLATE_NOOP("Messages", "Rebuilding the screen");

}  // namespace

int RefaitChaqueEcran(CContexte& contexte, CTravail& travail, QWidget* parent,
                      const RefaitEcran& refait) {
  CControleurProjet& controleur = contexte.Controleur;
  // The worker renders with the shared image-operations object: the
  // working screen's own load finishes first.
  if (travail.AUnEcranCourant()) travail.EcranPret();
  const int selection = controleur.Selection();
  const int nombre = controleur.NombreEcrans();
  // The worker reads these copies only: the project stays the GUI thread's.
  std::vector<std::unique_ptr<CEcran>> anciens;
  for (int i = 0; i < nombre; ++i) {
    anciens.push_back(std::make_unique<CEcran>(controleur.Ecran(i).TailleCible));
    anciens.back()->CopieParametres(controleur.Ecran(i));
  }
  const Echantillonnage echantillonnage = contexte.EchantillonnageRendu();
  talvik::CGraphique& graphique = *contexte.Graphique;

  CDialogueQt dialogue(parent);
  CProgressionTravail progression(parent, dialogue);
  controleur.DebutGroupe(changement::kRefonte);
  // The number of screens made again before a stop.
  const int refaits = progression.Execute([&](IProgression& p) {
    p.Debut(unsigned(nombre));
    for (int i = 0; i < nombre; ++i) {
      if (p.AfficheEtTeste(unsigned(i + 1), unsigned(nombre), anciens[i]->CheminImage,
                           kOperation))
        return i;
      std::unique_ptr<CEcran> ecran = refait(*anciens[i]);
      DemandeRendu demande;
      demande.pour = PourRendu::Refonte;
      demande.echantillonnage = echantillonnage;
      ChargeEtRendEcran(*ecran, ecran->CheminImage, graphique, demande);
      // The worker waits while the list takes the screen.
      QMetaObject::invokeMethod(
          &controleur,
          [&] {
            controleur.Selectionne(i);
            controleur.RemplaceSelection(*ecran, changement::kRefonte);
          },
          Qt::BlockingQueuedConnection);
    }
    p.Fin();
    return nombre;
  });

  // Stopped, the screens made again so far go back as they were, with
  // their thumbnails.
  controleur.FinGroupe(refaits == nombre);
  travail.RendCourant(selection >= 0 ? selection : 0);
  return refaits == nombre ? 1 : 0;
}

}  // namespace lumaveil
