#include "lignes_etat.h"

#include <cstdio>

#include "chaines.h"
#include "redimension.h"

namespace lumaveil {

namespace {

template <typename... Valeurs>
std::string Formate(const std::string& format, Valeurs... valeurs) {
  char texte[256];
  std::snprintf(texte, sizeof texte, format.c_str(), valeurs...);
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
    lignes.fichier =
        Formate(talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "File %ld kb   %2d/%2d/%4d")),
                long(ecran.TailleFichier / 1024), int(ecran.DateFichier.wMonth),
                int(ecran.DateFichier.wDay), int(ecran.DateFichier.wYear));
    lignes.format = Formate(talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Format %3dx%3d")),
                            ecran.ImageSource.Width(), ecran.ImageSource.Height());
  } else {
    lignes.fichier =
        talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "*** No loaded picture ***"));
  }
  lignes.recoupe =
      ecran.RecoupeUtilisation
          ? talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Cutting.done."))
          : talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "No defined cutting."));
  // The stored code counts half degrees; the line names the true angle.
  lignes.rotation =
      ecran.RotationUtilisation
          ? Formate(
                talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Rotating of %d\u00b0 done.")),
                ecran.RotationAngle / 2)
          : talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "No defined rotating.."));
  lignes.reglage =
      ecran.ReglageUtilisation
          ? talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Color adjustment done."))
          : talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "No color adjustment defined."));
  return lignes;
}

std::string LigneRedimension(const CEcran& ecran) {
  if (!ecran.RedimensionUtilisation)
    return talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "No defined stretching."));
  if (EstAjusteEcran(ecran))
    return talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Stretching to fit the screen."));
  if (ecran.RedimensionPourcentageUtilisation)
    return Formate(talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Stretching to %d%%.")),
                   ecran.RedimensionPourcentageValeur);
  return Formate(talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Stretching to %dx%d.")),
                 int(ecran.RedimensionTailleX), int(ecran.RedimensionTailleY));
}

std::string LigneTextes(const CEcran& ecran) {
  for (const T_TEXTE& texte : ecran.Textes)
    if (texte.Utilisation)
      return talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Defined text(s)."));
  return talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "No defined text."));
}

std::string LigneCadre(const CEcran& ecran) {
  return ecran.CadreUtilisation
             ? talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Defined border."))
             : talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "No defined border."));
}

std::string LigneFond(const CEcran& ecran) {
  if (!ecran.FondUtilisation)
    return talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "No defined background."));
  if (ecran.FondMotifUtilisation)
    return talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Defined pattern background."));
  if (ecran.FondCouleur == 0x00FFFFFF)
    return talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Defined white color background."));
  if (ecran.FondCouleur == 0)
    return talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Defined black color background."));
  return talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Defined color background."));
}

std::string LigneEffet(const CEcran& ecran) {
  return ecran.EffetTransition != 0
             ? talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Defined changing effect."))
             : talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "No defined changing effect."));
}

std::string LigneDuree(const CEcran& ecran) {
  return Formate(
      talvik::TraduitChaine(QT_TRANSLATE_NOOP("Messages", "Defined duration to %d second(s)")),
      ecran.DureeAffichage);
}

}  // namespace lumaveil
