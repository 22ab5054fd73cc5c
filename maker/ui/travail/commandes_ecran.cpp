#include "travail/commandes_ecran.h"

#include <algorithm>

#include "dialogs/commun/boite_message.h"
#include "graphique.h"
#include "redimension.h"

namespace lumaveil {

CCommandesEcran::CCommandesEcran(ITravailEcran& travail, IEditeursEcran& editeurs)
    : travail_(travail), editeurs_(editeurs) {}

bool CCommandesEcran::ImageChargee() {
  if (!travail_.EcranCourant().ImageSource.IsNull()) return true;
  talvik::Bip();
  return false;
}

HBITMAP CCommandesEcran::Apercu(int niveau, Etape etape, SIZE& taille) {
  taille = SIZE{};
  return travail_.EcranCourant().CalculeImageFinale(travail_.Graphique(), niveau,
                                                    Etapes::Avant(etape), &taille,
                                                    travail_.Echantillonnage());
}

void CCommandesEcran::ChargementImage() {
  if (!travail_.AUnEcranCourant()) return;
  std::string chemin = travail_.EcranCourant().CheminImage;
  if (!editeurs_.ChoixImage(chemin)) return;
  AppliqueChargement(travail_.EcranCourant(), chemin);
  travail_.Valide(kNiveauImage);
}

void CCommandesEcran::DechargementImage() {
  if (!travail_.AUnEcranCourant()) return;
  CEcran& ecran = travail_.EcranCourant();
  ecran.SupprimeImages();
  ecran.CheminImage.clear();
  travail_.Valide(kNiveauImage);
}

void CCommandesEcran::Rotation() {
  if (!travail_.AUnEcranCourant()) return;
  if (!ImageChargee()) return;
  CEcran& ecran = travail_.EcranCourant();
  int angle = ecran.RotationAngle;
  const HBITMAP image = ecran.ImageSource;
  if (!editeurs_.EditeRotation(image, SIZE{image.Width(), image.Height()}, angle)) return;
  AppliqueRotation(ecran, angle);
  travail_.Valide(kNiveauRotation);
}

void CCommandesEcran::Reglage() {
  if (!travail_.AUnEcranCourant()) return;
  if (!ImageChargee()) return;
  SIZE taille;
  const HBITMAP apercu = Apercu(kNiveauReglage, Etape::Reglage, taille);
  CEcran& ecran = travail_.EcranCourant();
  ValeursReglage valeurs = ValeursReglageEcran(ecran);
  if (!editeurs_.EditeReglage(apercu, taille, valeurs)) return;
  AppliqueReglage(ecran, valeurs);
  travail_.Valide(kNiveauReglage);
}

void CCommandesEcran::Recoupe() {
  if (!travail_.AUnEcranCourant()) return;
  if (!ImageChargee()) return;
  SIZE taille;
  const HBITMAP apercu = Apercu(kNiveauSuite, Etape::Recoupe, taille);
  CEcran& ecran = travail_.EcranCourant();
  RECT rectangle = RectangleRecoupeEcran(ecran, taille);
  if (!editeurs_.EditeRecoupe(apercu, taille, rectangle)) return;
  AppliqueRecoupe(ecran, rectangle, taille);
  travail_.Valide(kNiveauSuite);
}

void CCommandesEcran::Redimension() {
  if (!travail_.AUnEcranCourant()) return;
  if (!ImageChargee()) return;
  SIZE taille;
  const HBITMAP apercu = Apercu(kNiveauSuite, Etape::Redimension, taille);
  CEcran& ecran = travail_.EcranCourant();
  ValeursRedimension valeurs = ValeursRedimensionEcran(ecran, taille);
  if (!editeurs_.EditeRedimension(apercu, taille, valeurs)) return;
  AppliqueRedimension(ecran, valeurs, taille);
  travail_.Valide(kNiveauSuite);
}

void CCommandesEcran::Texte() {
  if (!travail_.AUnEcranCourant()) return;
  SIZE taille;
  const HBITMAP apercu = Apercu(kNiveauSuite, Etape::Textes, taille);
  CEcran& ecran = travail_.EcranCourant();
  T_TEXTE textes[kNombreTextes];
  std::copy(std::begin(ecran.Textes), std::end(ecran.Textes), std::begin(textes));
  if (!editeurs_.EditeTextes(apercu, taille, textes)) return;
  std::copy(std::begin(textes), std::end(textes), std::begin(ecran.Textes));
  travail_.Valide(kNiveauSuite);
}

void CCommandesEcran::Cadre() {
  if (!travail_.AUnEcranCourant()) return;
  if (!ImageChargee()) return;
  SIZE taille;
  const HBITMAP apercu = Apercu(kNiveauSuite, Etape::Cadre, taille);
  CEcran& ecran = travail_.EcranCourant();
  ValeursCadre valeurs = ValeursCadreEcran(ecran);
  if (!editeurs_.EditeCadre(apercu, taille, valeurs)) return;
  AppliqueCadre(ecran, valeurs);
  travail_.Valide(kNiveauSuite);
}

void CCommandesEcran::Fond() {
  if (!travail_.AUnEcranCourant()) return;
  SIZE taille;
  const HBITMAP apercu = Apercu(kNiveauSuite, Etape::Fond, taille);
  CEcran& ecran = travail_.EcranCourant();
  ValeursFond valeurs = ValeursFondEcran(ecran);
  if (!editeurs_.EditeFond(apercu, taille, valeurs)) return;
  AppliqueFond(ecran, valeurs);
  travail_.Valide(kNiveauSuite);
}

void CCommandesEcran::Effet() {
  if (!travail_.AUnEcranCourant()) return;
  CEcran& ecran = travail_.EcranCourant();
  int effet = ecran.EffetTransition;
  if (!editeurs_.EditeEffet(effet)) return;
  ecran.EffetTransition = effet;
  travail_.Valide(kNiveauSuite);
}

void CCommandesEcran::Duree() {
  if (!travail_.AUnEcranCourant()) return;
  CEcran& ecran = travail_.EcranCourant();
  int duree = ecran.DureeAffichage;
  if (!editeurs_.EditeDuree(duree)) return;
  ecran.DureeAffichage = duree;
  travail_.Valide(kNiveauSuite);
}

void CCommandesEcran::DepotFichiers(const std::vector<std::string>& fichiers) {
  if (fichiers.empty() || !travail_.AUnEcranCourant()) return;
  if (fichiers.size() == 1) {
    CEcran& ecran = travail_.EcranCourant();
    ecran.SupprimeImages();
    ecran.ChargeImage(fichiers.front(), 1);
    travail_.Valide(kNiveauImage);
  } else {
    talvik::BoiteMessage(nullptr, kMessageDepotMultiple, talvik::kTitreAttention,
                         talvik::IconeMessage::Attention);
  }
  talvik::Bip();
}

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
  ecran.RecoupeRectangle = rectangle;
  const bool entier = rectangle.left == 0 && rectangle.top == 0 &&
                      rectangle.right == apercu.cx && rectangle.bottom == apercu.cy;
  ecran.RecoupeUtilisation = entier ? 0 : 1;
}

void AppliqueRedimension(CEcran& ecran, const ValeursRedimension& valeurs, SIZE apercu) {
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
  ecran.FondMotifUtilisation = valeurs.motifUtilisation;
  ecran.FondUtilisation = 1;
}

ValeursReglage ValeursReglageEcran(const CEcran& ecran) {
  return ValeursReglage{ecran.ReglageLumiere, ecran.ReglageContraste, ecran.ReglageIntensite};
}

RECT RectangleRecoupeEcran(const CEcran& ecran, SIZE apercu) {
  if (ecran.RecoupeUtilisation) return ecran.RecoupeRectangle;
  return RECT{0, 0, apercu.cx, apercu.cy};
}

ValeursRedimension ValeursRedimensionEcran(const CEcran& ecran, SIZE apercu) {
  if (!ecran.RedimensionUtilisation) return ValeursRedimension{apercu.cx, apercu.cy, 100, 1, 1};
  if (EstAjusteEcran(ecran)) {
    const talvik::CSize ajustee = TailleRedimensionnee(ecran, talvik::CSize(apercu));
    return ValeursRedimension{ajustee.cx, ajustee.cy, ecran.RedimensionPourcentageValeur, 0, 1};
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
  return valeurs;
}

}  // namespace lumaveil
