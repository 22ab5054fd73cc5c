// Loading and saving by file format: extension, or content for HEIF, AVIF
// and WebP files.
#include <cstdio>

#include "base/message.h"
#include "graphique.h"
#include "picture/format.h"

namespace talvik {

// Id of "Unable to load file" in the library's string table.
constexpr unsigned kIdChargementImpossible = 11;

HBITMAP CGraphique::ChargeImage(const CString& chemin, int bAfficheMessage, int* pTransparence,
                                COLORREF* pCouleurTransparente) {
  HBITMAP image;
  Bitmap::SetLastCreateError("");
  switch (FormatDuFichier(chemin)) {
    case FormatImage::BMP: image = ChargeImageBMP(chemin); break;
    case FormatImage::JPEG: image = ChargeImageJPEG(chemin); break;
    case FormatImage::GIF: {
      // The GIF loader always writes its out-parameters; the caller's may be null.
      int transparence = 0;
      COLORREF couleur = 0;
      image = ChargeImageGIF(chemin, &transparence, &couleur);
      if (image) {
        if (pTransparence) *pTransparence = transparence;
        if (pCouleurTransparente) *pCouleurTransparente = couleur;
      }
      break;
    }
    case FormatImage::PNG: image = ChargeImagePNG(chemin); break;
    case FormatImage::TIFF: image = ChargeImageTIFF(chemin); break;
    case FormatImage::HEIF:
    case FormatImage::AVIF: image = ChargeImageHEIF(chemin); break;
    case FormatImage::WebP: image = ChargeImageWebP(chemin); break;
    case FormatImage::Inconnu: break;
  }
  if (!image && bAfficheMessage) {
    AfficheMessage(MessageUtilisateur{kIdChargementImpossible, "Unable to load file", "Error",
                                      IconeMessage::Erreur, chemin});
    // The designed message does not say why; a refused size or data that
    // ends too early is said on standard error, for the user who wonders.
    if (const char* pourquoi = Bitmap::LastCreateError(); *pourquoi)
      std::fprintf(stderr, "%s: %s\n", chemin.c_str(), pourquoi);
  }
  return image;
}

int CGraphique::SauveImage(const CString& chemin, const HBITMAP& image, int qualiteJPEG,
                           int bTransparence, COLORREF couleurTransparente) {
  switch (FormatDuChemin(chemin)) {
    case FormatImage::BMP: return SauveImageBMP(chemin, image);
    case FormatImage::JPEG: return SauveImageJPEG(chemin, image, qualiteJPEG);
    case FormatImage::GIF: return SauveImageGIF(chemin, image, bTransparence, couleurTransparente);
    case FormatImage::PNG: return SauveImagePNG(chemin, image);
    case FormatImage::TIFF: return SauveImageTIFF(chemin, image);
    // Read only.
    case FormatImage::HEIF:
    case FormatImage::AVIF:
    case FormatImage::WebP:
    case FormatImage::Inconnu: break;
  }
  return 0;
}

}  // namespace talvik
