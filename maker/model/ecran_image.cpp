// Loading a screen's picture.
#include <utility>

#include "attente.h"
#include "codec/exif_vignette.h"
#include "codec/heif_lecture.h"
#include "codec/jpeg_huitieme.h"
#include "codec/jpeg_lecture.h"
#include "ecran.h"
#include "graphique.h"
#include "picture/format.h"
#include "routine.h"

namespace lumaveil {

namespace {

// Takes a reduced picture read from `chemin` as the screen's picture.
void AdopteImageReduite(CEcran& e, const std::string& chemin, talvik::ImageJPEG& lu) {
  e.ImageSource = std::move(lu.image);
  e.ReductionSource = lu.reduction;
  e.CheminImage = chemin;
  e.TailleImage = SIZE{lu.largeurFichier, lu.hauteurFichier};
  long octets = e.TailleFichier;
  talvik::CRoutine::RecupereInfosFichier(chemin, &octets, &e.DateFichier);
  e.TailleFichier = octets > 0x7FFFFFFFL ? 0x7FFFFFFF : static_cast<int>(octets);
}

}  // namespace

int CEcran::ChargeImage(const std::string& chemin, int message) {
  if (chemin.empty()) return 0;
  CCurseurAttente attente;
  int transparence = TransparenceUtilisation;
  COLORREF couleur = CouleurTransparente;
  HBITMAP image = talvik::CGraphique::ChargeImage(chemin, message, &transparence, &couleur);
  ImageSource = image;
  ReductionSource = 1;
  if (!image) return 0;
  TransparenceUtilisation = transparence;
  CouleurTransparente = couleur;
  CheminImage = chemin;
  talvik::CSize taille;
  talvik::CGraphique::RecupereInfosImage(image, taille);
  TailleImage = SIZE{taille.cx, taille.cy};
  long octets = TailleFichier;
  talvik::CRoutine::RecupereInfosFichier(chemin, &octets, &DateFichier);
  TailleFichier = octets > 0x7FFFFFFFL ? 0x7FFFFFFF : static_cast<int>(octets);
  return 1;
}

int CEcran::ChargeImageReduite(const std::string& chemin, int reduction, bool apercu) {
  if (reduction <= 1 || talvik::FormatDuChemin(chemin) != talvik::FormatImage::JPEG)
    return ChargeImage(chemin);
  CCurseurAttente attente;
  talvik::ImageJPEG lu;
  if (apercu && reduction == 8) lu = talvik::DecodeJPEGHuitieme(chemin);
  if (!lu.image) lu = talvik::DecodeJPEG(chemin, reduction);
  ReductionSource = 1;
  if (!lu.image) {
    ImageSource.Reset();
    return 0;
  }
  AdopteImageReduite(*this, chemin, lu);
  return 1;
}

int CEcran::ChargeVignetteIntegree(const std::string& chemin, double reductionMax) {
  if (RecoupeUtilisation) return 0;
  talvik::ImageJPEG lu;
  switch (talvik::FormatDuFichier(chemin)) {
    case talvik::FormatImage::JPEG: lu = talvik::DecodeVignetteExif(chemin); break;
    case talvik::FormatImage::HEIF:
    case talvik::FormatImage::AVIF: lu = talvik::DecodeVignetteHEIF(chemin); break;
    default: return 0;
  }
  if (!lu.image ||
      double(lu.largeurFichier) / double(lu.image.Width()) > reductionMax ||
      double(lu.hauteurFichier) / double(lu.image.Height()) > reductionMax)
    return 0;
  AdopteImageReduite(*this, chemin, lu);
  return 1;
}

}  // namespace lumaveil
