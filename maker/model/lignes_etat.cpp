#include "lignes_etat.h"

#include <cstdio>

#include "redimension.h"

namespace lumaveil {

namespace {

template <typename... Valeurs>
std::string Formate(const char* format, Valeurs... valeurs) {
  char texte[256];
  std::snprintf(texte, sizeof texte, format, valeurs...);
  return texte;
}

}  // namespace

std::string NomFichier(const std::string& chemin) {
  const std::size_t separateur = chemin.find_last_of("\\/");
  return separateur == std::string::npos ? chemin : chemin.substr(separateur + 1);
}

LignesRetouche LignesEtatRetouche(const CEcran& ecran, bool enChargement) {
  LignesRetouche lignes;
  if (ecran.ImageSource.IsNull() && enChargement) {
    lignes.nom = NomFichier(ecran.CheminImage);
  } else if (!ecran.ImageSource.IsNull()) {
    lignes.nom = NomFichier(ecran.CheminImage);
    lignes.fichier = Formate("File %ld kb   %2d/%2d/%4d", long(ecran.TailleFichier / 1024),
                             int(ecran.DateFichier.wMonth), int(ecran.DateFichier.wDay),
                             int(ecran.DateFichier.wYear));
    lignes.format = Formate("Format %3dx%3d", ecran.ImageSource.Width(), ecran.ImageSource.Height());
  } else {
    lignes.fichier = "*** No loaded picture ***";
  }
  lignes.recoupe = ecran.RecoupeUtilisation ? "Cutting.done." : "No defined cutting.";
  // The stored code counts half degrees; the line names the true angle.
  lignes.rotation = ecran.RotationUtilisation
                        ? Formate("Rotating of %d\u00b0 done.", ecran.RotationAngle / 2)
                        : "No defined rotating..";
  lignes.reglage = ecran.ReglageUtilisation ? "Color adjustment done." : "No color adjustment defined.";
  return lignes;
}

std::string LigneRedimension(const CEcran& ecran) {
  if (!ecran.RedimensionUtilisation) return "No defined stretching.";
  if (EstAjusteEcran(ecran)) return "Stretching to fit the screen.";
  if (ecran.RedimensionPourcentageUtilisation)
    return Formate("Stretching to %d%%.", ecran.RedimensionPourcentageValeur);
  return Formate("Stretching to %dx%d.", int(ecran.RedimensionTailleX),
                 int(ecran.RedimensionTailleY));
}

std::string LigneTextes(const CEcran& ecran) {
  for (const T_TEXTE& texte : ecran.Textes)
    if (texte.Utilisation) return "Defined text(s).";
  return "No defined text.";
}

std::string LigneCadre(const CEcran& ecran) {
  return ecran.CadreUtilisation ? "Defined border." : "No defined border.";
}

std::string LigneFond(const CEcran& ecran) {
  if (!ecran.FondUtilisation) return "No defined background.";
  if (ecran.FondMotifUtilisation) return "Defined pattern background.";
  if (ecran.FondCouleur == 0x00FFFFFF) return "Defined white color background.";
  if (ecran.FondCouleur == 0) return "Defined black color background.";
  return "Defined color background.";
}

std::string LigneEffet(const CEcran& ecran) {
  return ecran.EffetTransition != 0 ? "Defined changing effect." : "No defined changing effect.";
}

std::string LigneDuree(const CEcran& ecran) {
  return Formate("Defined duration to %d second(s)", ecran.DureeAffichage);
}

}  // namespace lumaveil
