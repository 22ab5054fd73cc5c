// Loading a screen's picture.
#include "attente.h"
#include "codec/jpeg_lecture.h"
#include "ecran.h"
#include "graphique.h"
#include "picture/format.h"
#include "routine.h"

namespace lumaveil {

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

int CEcran::ChargeImageReduite(const std::string& chemin, int reduction) {
  if (reduction <= 1 || talvik::FormatDuChemin(chemin) != talvik::FormatImage::JPEG)
    return ChargeImage(chemin);
  CCurseurAttente attente;
  talvik::ImageJPEG lu = talvik::DecodeJPEG(chemin, reduction);
  ImageSource = lu.image;
  ReductionSource = 1;
  if (!lu.image) return 0;
  ReductionSource = lu.reduction;
  CheminImage = chemin;
  TailleImage = SIZE{lu.largeurFichier, lu.hauteurFichier};
  long octets = TailleFichier;
  talvik::CRoutine::RecupereInfosFichier(chemin, &octets, &DateFichier);
  TailleFichier = octets > 0x7FFFFFFFL ? 0x7FFFFFFF : static_cast<int>(octets);
  return 1;
}

}  // namespace lumaveil
