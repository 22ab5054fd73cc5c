#include "travail/commandes_ecran.h"

#include <algorithm>

#include "dialogs/commun/boite_message.h"
#include "graphique.h"
#include "projet/noms_changements.h"
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
  travail_.Valide(kNiveauImage, changement::kChargementImage);
}

void CCommandesEcran::DechargementImage() {
  if (!travail_.AUnEcranCourant()) return;
  CEcran& ecran = travail_.EcranCourant();
  ecran.SupprimeImages();
  ecran.CheminImage.clear();
  travail_.Valide(kNiveauImage, changement::kDechargementImage);
}

void CCommandesEcran::Rotation() {
  if (!travail_.AUnEcranCourant()) return;
  if (!ImageChargee()) return;
  CEcran& ecran = travail_.EcranCourant();
  int angle = ecran.RotationAngle;
  const HBITMAP image = ecran.ImageSource;
  if (!editeurs_.EditeRotation(image, SIZE{image.Width(), image.Height()}, angle)) return;
  AppliqueRotation(ecran, angle);
  travail_.Valide(kNiveauRotation, changement::kRotation);
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
  travail_.Valide(kNiveauReglage, changement::kReglage);
}

void CCommandesEcran::Recoupe() {
  if (!travail_.AUnEcranCourant()) return;
  if (!ImageChargee()) return;
  SIZE taille;
  const HBITMAP apercu = Apercu(kNiveauSuite, Etape::Recoupe, taille);
  CEcran& ecran = travail_.EcranCourant();
  RECT rectangle = RectangleRecoupeEcran(ecran, taille, apercu);
  if (!editeurs_.EditeRecoupe(apercu, taille, rectangle)) return;
  AppliqueRecoupe(ecran, rectangle, taille);
  travail_.Valide(kNiveauSuite, changement::kRecoupe);
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
  travail_.Valide(kNiveauSuite, changement::kRedimension);
}

void CCommandesEcran::Texte() {
  if (!travail_.AUnEcranCourant()) return;
  SIZE taille;
  const HBITMAP apercu = Apercu(kNiveauSuite, Etape::Textes, taille);
  CEcran& ecran = travail_.EcranCourant();
  T_TEXTE textes[kNombreTextes];
  std::copy(std::begin(ecran.Textes), std::end(ecran.Textes), std::begin(textes));
  if (!editeurs_.EditeTextes(apercu, taille, textes, ecran.CheminImage)) return;
  std::copy(std::begin(textes), std::end(textes), std::begin(ecran.Textes));
  travail_.Valide(kNiveauSuite, changement::kTexte);
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
  travail_.Valide(kNiveauSuite, changement::kCadre);
}

void CCommandesEcran::Fond() {
  if (!travail_.AUnEcranCourant()) return;
  SIZE taille;
  const HBITMAP apercu = Apercu(kNiveauSuite, Etape::Fond, taille);
  CEcran& ecran = travail_.EcranCourant();
  ValeursFond valeurs = ValeursFondEcran(ecran);
  if (!editeurs_.EditeFond(apercu, taille, valeurs)) return;
  AppliqueFond(ecran, valeurs);
  travail_.Valide(kNiveauSuite, changement::kFond);
}

void CCommandesEcran::Effet() {
  if (!travail_.AUnEcranCourant()) return;
  CEcran& ecran = travail_.EcranCourant();
  ValeursEffet valeurs{ecran.EffetTransition, ecran.DureeTransition};
  if (!editeurs_.EditeEffet(valeurs)) return;
  ecran.EffetTransition = valeurs.effet;
  ecran.DureeTransition = valeurs.dureeTransitionMs;
  travail_.Valide(kNiveauSuite, changement::kEffet);
}

void CCommandesEcran::Duree() {
  if (!travail_.AUnEcranCourant()) return;
  CEcran& ecran = travail_.EcranCourant();
  int duree = ecran.DureeAffichage;
  if (!editeurs_.EditeDuree(duree)) return;
  ecran.DureeAffichage = duree;
  travail_.Valide(kNiveauSuite, changement::kDuree);
}

void CCommandesEcran::DepotFichiers(const std::vector<std::string>& fichiers) {
  if (fichiers.empty() || !travail_.AUnEcranCourant()) return;
  if (fichiers.size() == 1) {
    CEcran& ecran = travail_.EcranCourant();
    ecran.SupprimeImages();
    ecran.ChargeImage(fichiers.front(), 1);
    travail_.Valide(kNiveauImage, changement::kDepotImage);
  } else {
    talvik::BoiteMessage(nullptr, kMessageDepotMultiple, talvik::kTitreAttention,
                         talvik::IconeMessage::Attention);
  }
  talvik::Bip();
}

}  // namespace lumaveil
