// Commands on uncompressed BMP files: colors (colour count) and depth
// (rewrite at another bit depth).
#include <cstdio>
#include <vector>

#include "table_commandes.h"
#include "depth/bitmaplib.h"
#include "fichier_atomique.h"
#include "valeurs.h"

namespace talvik::cli {

namespace {

// Prints the number of distinct colours, or the error code (-1 compressed,
// -2 more than 65535 colours, -3 no memory, 0 unreadable file).
int Couleurs(const Arguments& a) {
  std::vector<RGBQUAD> couleurs(0xFFFF);
  const int n = CBitmapLib::GetUsedColors(a.positionnels[0], couleurs.data(), 0xFFFF, nullptr);
  std::printf("%d\n", n);
  return n > 0 ? 0 : 1;
}

int Profondeur(const Arguments& a) {
  int bits = 0;
  if (!LitEntier(a.positionnels[2], bits) ||
      (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
    return Echec("bad bit count " + a.positionnels[2] + " (1, 4, 8, 16, 24 or 32)");
  // Through the atomic writer, as every output: the result may replace its
  // own input, and a failed run leaves an existing output as it was.
  const std::string& entree = a.positionnels[0];
  const bool ecrit = EcritFichierAtomique(a.positionnels[1], [&](const std::string& temporaire) {
    return CBitmapLib::ChangeColorDepth(entree, temporaire, static_cast<unsigned short>(bits),
                                        nullptr) != 0;
  });
  if (!ecrit)
    return Echec("cannot convert " + entree + " to " + a.positionnels[2] + " bits");
  return 0;
}

const Enregistrement kColors{{"colors", "FILE.bmp",
                              "prints the number of colours of an uncompressed BMP, or the "
                              "error code (-1 compressed, -2 too many, -3 no memory, 0 unreadable)",
                              {}, 1, 1, &Couleurs}};
const Enregistrement kDepth{{"depth", "IN.bmp OUT.bmp BITS",
                             "rewrites a BMP at 1, 4, 8, 16, 24 or 32 bits per pixel",
                             {}, 3, 3, &Profondeur}};

}  // namespace

}  // namespace talvik::cli
