#include "modele_pour_tous.h"

#include "champs_ecran.h"
#include "chargement_rendu.h"
#include "graphique.h"

namespace lumaveil {

std::unique_ptr<CEcran> EcranSelonModele(const CEcran& modele, const CEcran& ecran) {
  std::unique_ptr<CEcran> nouveau = NouvelEcran(modele, ecran.TailleCible);
  CopieChamps(ecran, *nouveau, /*seulementGardes=*/true);
  return nouveau;
}

int AppliqueModeleATous(CProjet& projet, talvik::CGraphique& graphique,
                        const HBITMAP* fondVignette, std::vector<int>* echecs) {
  for (int i = 0; i < projet.NombreEcrans(); ++i) {
    CEcran& ancien = projet.Ecran(i);
    std::unique_ptr<CEcran> e = EcranSelonModele(projet.ModeleEcran, ancien);
    DemandeRendu demande;
    demande.pour = PourRendu::Refonte;
    const int charge = ChargeEtRendEcran(*e, e->CheminImage, graphique, demande);
    if (!e->CheminImage.empty() && !charge && echecs) echecs->push_back(i);
    const HBITMAP rendu = e->ImageFinale;
    e->CreeVignette(graphique, &rendu, fondVignette);
    e->SupprimeImages();
    ancien.CopieParametres(*e);
    ancien.SupprimeImages();
    ancien.TailleFinale = SIZE{};
    ancien.Vignette = e->Vignette;
  }
  projet.CheminEcranDeVeille.clear();
  return projet.NombreEcrans();
}

}  // namespace lumaveil
