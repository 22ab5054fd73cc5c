#include "chargement_rendu.h"

#include "base/message.h"
#include "chaines.h"
#include "codec/heif_lecture.h"
#include "codec/jpeg_lecture.h"
#include "graphique.h"
#include "picture/format.h"

namespace lumaveil {

namespace {

// Loads the picture as `demande` asks; 1 when it loaded.
int Charge(CEcran& e, const std::string& chemin, const DemandeRendu& demande) {
  int largeur = 0, hauteur = 0;
  switch (demande.pour) {
    case PourRendu::Generation: {
      int reduction = 1;
      if (talvik::TailleJPEG(chemin, &largeur, &hauteur))
        reduction = ReductionPossible(e, SIZE{largeur, hauteur});
      return e.ChargeImageReduite(chemin, reduction);
    }
    case PourRendu::Vignette: {
      int reduction = 1;
      const talvik::FormatImage format = talvik::FormatDuFichier(chemin);
      if ((format == talvik::FormatImage::HEIF || format == talvik::FormatImage::AVIF) &&
          talvik::TailleHEIF(chemin, &largeur, &hauteur)) {
        // A phone's HEIC carries a thumbnail item, used as the camera's copy
        // of a JPEG is; the picture itself has no reduced decoding.
        if (e.ChargeVignetteIntegree(chemin,
                                     ReductionMaximale(e, SIZE{largeur, hauteur}, demande.echelle)))
          return 1;
      } else if (format == talvik::FormatImage::JPEG &&
                 talvik::TailleJPEG(chemin, &largeur, &hauteur)) {
        // A camera's photo carries a small copy of itself: when that copy
        // has enough pixels for the thumbnail, the photo is not decoded at
        // all. Without a background the rendered screen is the resized
        // picture: the canvas size then overstates the shrink, which only
        // costs speed.
        const SIZE taille{largeur, hauteur};
        if (e.ChargeVignetteIntegree(chemin, ReductionMaximale(e, taille, demande.echelle)))
          return 1;
        reduction = ReductionPossible(e, taille, demande.echelle);
      }
      return e.ChargeImageReduite(chemin, reduction, true);
    }
    case PourRendu::EcranDeTravail:
    case PourRendu::Refonte:
    case PourRendu::LigneDeCommande:
      break;
  }
  return e.ChargeImage(chemin);
}

}  // namespace

int ChargeImagePourRendu(CEcran& ecran, const std::string& chemin, const DemandeRendu& demande) {
  // A copy: loading may set ecran.CheminImage, which the caller may have
  // passed.
  const std::string fichier = chemin;
  const int charge = Charge(ecran, fichier, demande);
  if (!charge && demande.signaleEchec && !fichier.empty())
    talvik::AfficheMessage(talvik::MessageUtilisateur{
        talvik::IDS_CHARGEMENT_IMPOSSIBLE, talvik::ChargeChaine(talvik::IDS_CHARGEMENT_IMPOSSIBLE),
        talvik::ChargeChaine(talvik::IDS_ERREUR_LIBRAIRIE), talvik::IconeMessage::Erreur,
        fichier});
  return charge;
}

int ChargeEtRendEcran(CEcran& ecran, const std::string& chemin, talvik::CGraphique& graphique,
                      const DemandeRendu& demande) {
  const int charge = ChargeImagePourRendu(ecran, chemin, demande);
  if (demande.poursuit && !demande.poursuit()) return charge;
  ecran.CalculeImageFinale(graphique, 0, Etapes::Toutes(), nullptr, demande.echantillonnage);
  return charge;
}

}  // namespace lumaveil
