// BMP files.
//
// The loader checks every size the headers give against the file before
// using it: the info header, the colour table, the bit-field masks and the
// pixel rows must all lie inside the file, or the result is null.
#include <algorithm>
#include <cstring>

#include "graphique.h"
#include "picture/dib.h"
#include "picture/fichier.h"

namespace talvik {

namespace {
constexpr std::size_t kTailleEnteteFichier = 14;
}

HBITMAP CGraphique::ChargeImageBMP(const CString& chemin) {
  std::vector<std::uint8_t> f;
  if (!fichier::LitTout(chemin, f)) return {};
  const std::size_t taille = f.size();
  if (taille < kTailleEnteteFichier + dib::kTailleEntete) return {};
  if (f[0] != 'B' || f[1] != 'M') return {};
  const std::uint32_t offBits = dib::Lit32(&f[10]);
  const std::uint8_t* info = &f[kTailleEnteteFichier];
  const dib::BITMAPINFOHEADER e = dib::LitEntete(info);
  // Only the Windows info headers (40 bytes and its longer versions).
  if (e.biSize < dib::kTailleEntete || e.biSize > taille - kTailleEnteteFichier) return {};
  const int bpp = e.biBitCount;

  // Bit-field masks: behind a 40-byte header, else inside the longer one.
  std::uint32_t masques[3] = {0, 0, 0};
  std::size_t apresEntete = kTailleEnteteFichier + e.biSize;
  bool masquesSeparees = false;
  if (e.biCompression == dib::BI_BITFIELDS) {
    const std::uint8_t* m = info + dib::kTailleEntete;
    if (e.biSize == dib::kTailleEntete) {
      if (apresEntete + 12 > taille) return {};
      masquesSeparees = true;
    } else if (e.biSize < dib::kTailleEntete + 12) {
      // A longer header too short to hold the three masks.
      return {};
    }
    for (int i = 0; i < 3; ++i) masques[i] = dib::Lit32(m + 4 * i);
  }

  // Colour table: biClrUsed entries, or 2^bits for 8 bits and fewer.
  std::uint64_t nCouleurs = e.biClrUsed;
  if (bpp <= 8 && nCouleurs == 0) nCouleurs = std::uint64_t(1) << bpp;
  if (bpp <= 8 && nCouleurs > 256) return {};
  const std::size_t debutCouleurs = apresEntete + (masquesSeparees ? 12 : 0);
  if (debutCouleurs + nCouleurs * 4 > taille) return {};
  std::size_t debutBits = debutCouleurs + std::size_t(nCouleurs) * 4;
  // Writers may leave a gap before the rows: the file header's offset is
  // taken when it points past the colour table and inside the file.
  if (offBits > debutBits && offBits < taille) debutBits = offBits;
  if (debutBits >= taille) return {};

  return dib::VersImage(e, bpp <= 8 ? &f[debutCouleurs] : nullptr,
                        bpp <= 8 ? std::size_t(nCouleurs) : 0, &f[debutBits], taille - debutBits,
                        masques);
}

int CGraphique::SauveImageBMP(const CString& chemin, const HBITMAP& image) {
  if (!image) return 0;
  const std::vector<std::uint8_t> lignes = dib::Lignes24(image, false);
  fichier::Fichier f = fichier::Ouvre(chemin, "wb");
  if (!f) return 0;
  const std::uint32_t tailleDonnees = std::uint32_t(lignes.size());
  std::uint8_t entetes[kTailleEnteteFichier + dib::kTailleEntete] = {};
  entetes[0] = 'B';
  entetes[1] = 'M';
  dib::Ecrit32(&entetes[2], 54 + tailleDonnees);
  dib::Ecrit32(&entetes[10], 54);
  dib::BITMAPINFOHEADER e;
  e.biWidth = image.Width();
  e.biHeight = image.Height();
  e.biSizeImage = tailleDonnees;
  dib::EcritEntete(e, &entetes[kTailleEnteteFichier]);
  if (std::fwrite(entetes, 1, sizeof entetes, f.get()) != sizeof entetes) return 0;
  if (std::fwrite(lignes.data(), 1, lignes.size(), f.get()) != lignes.size()) return 0;
  return std::fclose(f.release()) == 0 ? 1 : 0;
}

}  // namespace talvik
