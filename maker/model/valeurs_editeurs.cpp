#include "valeurs_editeurs.h"

#include "redimension.h"
#include "sujet_ecran.h"

namespace lumaveil {

int AppliqueChargement(CEcran& ecran, const std::string& chemin) {
  ecran.SupprimeImages();
  ecran.RecoupeUtilisation = 0;
  ecran.ReglageUtilisation = 0;
  ecran.RotationUtilisation = 0;
  return ecran.ChargeImage(chemin, 1);
}

void AppliqueRotation(CEcran& ecran, int angle) {
  ecran.RotationAngle = angle;
  ecran.RotationUtilisation = angle;
  ecran.RecoupeUtilisation = 0;
}

void AppliqueReglage(CEcran& ecran, const ValeursReglage& valeurs) {
  ecran.ReglageLumiere = valeurs.lumiere;
  ecran.ReglageContraste = valeurs.contraste;
  ecran.ReglageIntensite = valeurs.intensite;
  ecran.RotationUtilisation = ecran.RotationAngle;
  ecran.ReglageUtilisation =
      (valeurs.lumiere == 50 && valeurs.contraste == 50 && valeurs.intensite == 50) ? 0 : 1;
}

void AppliqueRecoupe(CEcran& ecran, const RECT& rectangle, SIZE apercu) {
  if (EstRemplissageEcran(ecran) && !ecran.RecoupeUtilisation) {
    ecran.RemplissageRectangle = rectangle;
    return;
  }
  ecran.RecoupeRectangle = rectangle;
  const bool entier = rectangle.left == 0 && rectangle.top == 0 &&
                      rectangle.right == apercu.cx && rectangle.bottom == apercu.cy;
  ecran.RecoupeUtilisation = entier ? 0 : 1;
}

void AppliqueRedimension(CEcran& ecran, const ValeursRedimension& valeurs, SIZE apercu) {
  if (valeurs.remplissage) {
    if (!EstRemplissageEcran(ecran)) RemplitEcran(ecran);
    return;
  }
  if (EstRemplissageEcran(ecran)) {
    ecran.RedimensionRemplissage = 0;
    ecran.RemplissageRectangle = RECT{};
  }
  // A screen fitted to the screen stays so unless its size was changed: the
  // editor was shown the size the fit gives at the current resolution.
  if (EstAjusteEcran(ecran) && !valeurs.parPourcentage) {
    const talvik::CSize ajustee = TailleRedimensionnee(ecran, talvik::CSize(apercu));
    if (valeurs.tailleX == ajustee.cx && valeurs.tailleY == ajustee.cy) return;
  }
  ecran.RedimensionTailleX = valeurs.tailleX;
  ecran.RedimensionTailleY = valeurs.tailleY;
  ecran.RedimensionPourcentageValeur = valeurs.pourcentage;
  ecran.RedimensionPourcentageUtilisation = valeurs.parPourcentage;
  ecran.RedimensionConservationProportion = valeurs.conservationProportion;
  if (valeurs.parPourcentage)
    ecran.RedimensionUtilisation = valeurs.pourcentage != 100 ? 1 : 0;
  else
    ecran.RedimensionUtilisation =
        (valeurs.tailleX != apercu.cx || valeurs.tailleY != apercu.cy) ? 1 : 0;
}

void AppliqueCadre(CEcran& ecran, const ValeursCadre& valeurs) {
  ecran.CadreUtilisation = valeurs.mode != ModeCadre::Aucun ? 1 : 0;
  ecran.CadreMotifUtilisation = valeurs.mode == ModeCadre::Motif ? 1 : 0;
  ecran.CadreMotif = valeurs.motif;
  ecran.CadreTaille = valeurs.taille;
  ecran.CadreBordureUtilisation = valeurs.bordureUtilisation;
  ecran.CadreCouleur = valeurs.couleur;
  ecran.CadreCouleurBordure = valeurs.couleurBordure;
}

void AppliqueFond(CEcran& ecran, const ValeursFond& valeurs) {
  ecran.FondMotif = valeurs.motif;
  ecran.FondCouleur = valeurs.couleur;
  ecran.FondMotifUtilisation = valeurs.flou ? 0 : valeurs.motifUtilisation;
  ecran.FondFlou = valeurs.flou ? 1 : 0;
  ecran.FondUtilisation = 1;
}

ValeursReglage ValeursReglageEcran(const CEcran& ecran) {
  return ValeursReglage{ecran.ReglageLumiere, ecran.ReglageContraste, ecran.ReglageIntensite};
}

RECT RectangleRecoupeEcran(CEcran& ecran, SIZE apercu, const HBITMAP& image) {
  if (ecran.RecoupeUtilisation) return ecran.RecoupeRectangle;
  if (EstRemplissageEcran(ecran) && image)
    return RectangleRemplissageEcran(ecran, image, talvik::CSize(apercu));
  return RECT{0, 0, apercu.cx, apercu.cy};
}

ValeursRedimension ValeursRedimensionEcran(const CEcran& ecran, SIZE apercu) {
  if (!ecran.RedimensionUtilisation) return ValeursRedimension{apercu.cx, apercu.cy, 100, 1, 1};
  if (EstAjusteEcran(ecran)) {
    const talvik::CSize ajustee = TailleRedimensionnee(ecran, talvik::CSize(apercu));
    return ValeursRedimension{ajustee.cx, ajustee.cy, ecran.RedimensionPourcentageValeur, 0, 1,
                              EstRemplissageEcran(ecran) ? 1 : 0};
  }
  return ValeursRedimension{ecran.RedimensionTailleX, ecran.RedimensionTailleY,
                            ecran.RedimensionPourcentageValeur,
                            ecran.RedimensionPourcentageUtilisation,
                            ecran.RedimensionConservationProportion};
}

ValeursCadre ValeursCadreEcran(const CEcran& ecran) {
  ValeursCadre valeurs;
  if (!ecran.CadreUtilisation) valeurs.mode = ModeCadre::Aucun;
  else if (ecran.CadreMotifUtilisation) valeurs.mode = ModeCadre::Motif;
  else valeurs.mode = ModeCadre::Couleur;
  valeurs.motif = ecran.CadreMotif;
  valeurs.taille = ecran.CadreTaille;
  valeurs.bordureUtilisation = ecran.CadreBordureUtilisation;
  valeurs.couleur = ecran.CadreCouleur;
  valeurs.couleurBordure = ecran.CadreCouleurBordure;
  return valeurs;
}

ValeursFond ValeursFondEcran(const CEcran& ecran) {
  ValeursFond valeurs;
  valeurs.tailleCible = ecran.TailleCible;
  valeurs.motif = ecran.FondMotif;
  valeurs.couleur = ecran.FondCouleur;
  valeurs.motifUtilisation = ecran.FondMotifUtilisation;
  valeurs.modeCouleur = (ecran.FondUtilisation && !ecran.FondMotifUtilisation) ? 1 : 0;
  valeurs.flou = ecran.FondUtilisation && ecran.FondFlou ? 1 : 0;
  return valeurs;
}

}  // namespace lumaveil
