// The border preview read from a small stand-in border is the full-size
// bordered picture reduced, pixel for pixel, for plain and patterned
// borders, with and without outline, growing the picture or covering its
// edge, on sizes that are not multiples of the pattern.
#include <gtest/gtest.h>

#include "dialogs/apercu/echantillon.h"
#include "dialogs/cadre/apercu_cadre.h"
#include "graphique.h"

namespace talvik {
namespace {

HBITMAP Damier(int w, int h) {
  HBITMAP b = Bitmap::Create(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.Row(y)[x] = std::uint32_t(x * 2654435761u ^ y * 40503u) & 0xFFFFFF;
  return b;
}

long Differences(CGraphique& g, const HBITMAP& image, const ParametresCadre& c, CSize taille) {
  const HBITMAP complet = g.CadreImage(image, c.bMotif, c.nMotif, c.couleur, c.nEpaisseur, c.bTrait,
                                       c.couleurTrait, c.bEtendre);
  const HBITMAP attendu = EchantillonneImage(complet, taille);
  const HBITMAP apercu = ApercuCadre(g, image, c, taille);
  EXPECT_EQ(TailleCadre(CSize(image.Width(), image.Height()), c),
            CSize(complet.Width(), complet.Height()));
  if (apercu.Width() != attendu.Width() || apercu.Height() != attendu.Height()) return -1;
  long n = 0;
  for (int y = 0; y < attendu.Height(); ++y)
    for (int x = 0; x < attendu.Width(); ++x) n += apercu.Row(y)[x] != attendu.Row(y)[x];
  return n;
}

TEST(ApercuCadre, SameAsTheFullBorderReduced) {
  CGraphique g;
  const HBITMAP image = Damier(1003, 751);
  const CSize tailles[] = {{480, 360}, {317, 229}};
  for (int etendre : {1, 0}) {
    for (int epaisseur : {0, 7, 10, 11, 60}) {
      for (CSize taille : tailles) {
        ParametresCadre couleur{0, 0, RGB(200, 40, 10), epaisseur, 1, RGB(0, 0, 250), etendre};
        EXPECT_EQ(Differences(g, image, couleur, taille), 0)
            << "colour " << epaisseur << " extend " << etendre;
        couleur.bTrait = 0;
        EXPECT_EQ(Differences(g, image, couleur, taille), 0) << "no outline " << epaisseur;
        // Patterns narrower and wider than the band, and a slot with none.
        for (int motif : {0, 7, 23, 49, 77}) {
          const ParametresCadre m{1, motif, 0, epaisseur, 1, 0, etendre};
          EXPECT_EQ(Differences(g, image, m, taille), 0)
              << "pattern " << motif << " thickness " << epaisseur << " extend " << etendre;
        }
      }
    }
  }
}

TEST(ApercuCadre, SmallPictureAndFailures) {
  CGraphique g;
  const HBITMAP petite = Damier(30, 20);
  const ParametresCadre c{0, 0, RGB(1, 2, 3), 12, 1, RGB(4, 5, 6), 0};
  EXPECT_EQ(Differences(g, petite, c, CSize(30, 20)), 0);  // bands cover the whole picture
  EXPECT_EQ(Differences(g, petite, ParametresCadre{1, 3, 0, 5, 0, 0, 1}, CSize(40, 30)), 0);
  EXPECT_TRUE(ApercuCadre(g, HBITMAP(), c, CSize(10, 10)).IsNull());
  EXPECT_TRUE(ApercuCadre(g, petite, ParametresCadre{0, 0, 0, -1, 0, 0, 1}, CSize(10, 10)).IsNull());
}

}  // namespace
}  // namespace talvik
