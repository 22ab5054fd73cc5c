// JPEG pictures: loading straight into the picture's rows, saving
// straight from them.
#include <cstring>

#include "codec/jpeg_codage.h"
#include "codec/jpeg_lecture.h"
#include "codec/jpegfile.h"
#include "graphique.h"
#include "picture/fichier.h"

namespace talvik {

HBITMAP CGraphique::ChargeImageJPEG(const CString& chemin) { return DecodeJPEG(chemin).image; }

int CGraphique::SauveImageJPEG(const CString& chemin, const HBITMAP& image, int qualite) {
  if (qualite < 0 || qualite > 100 || !image || chemin.empty()) return 0;
  fichier::Fichier f = fichier::Ouvre(chemin, "wb");
  if (!f) return 0;
  // Rows go to the encoder as they are in memory: blue, green, red, unused.
  jpeg::Lignes lignes;
  lignes.premiere = reinterpret_cast<const std::uint8_t*>(image.Pixels());
  lignes.pas = std::size_t(image.Width()) * sizeof(std::uint32_t);
  lignes.largeur = unsigned(image.Width());
  lignes.hauteur = unsigned(image.Height());
  lignes.format = jpeg::FormatPixels::BGRX;
  // A libjpeg failure (a write error, no memory) only makes the result 0.
  const bool ok = jpeg::CodeVersFichier(lignes, qualite, f.get(), false);
  const bool ferme = std::fclose(f.release()) == 0;
  return ok && ferme ? 1 : 0;
}

}  // namespace talvik
