// The text preview drawn box by box is the full-size drawing reduced the
// same way, pixel for pixel: captions at the edges, centred or anchored on
// the right, overlapping, opaque, slanted, wider than the picture.
#include <gtest/gtest.h>

#include <cstdio>

#include "dialogs/texte/apercu_textes.h"
#include "graphique.h"

namespace talvik {
namespace {

// A picture with detail everywhere, so that a misplaced pixel shows.
HBITMAP Damier(int w, int h) {
  HBITMAP b = Bitmap::Create(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.Row(y)[x] = std::uint32_t(x * 2654435761u ^ y * 40503u);
  return b;
}

T_TEXTE Texte(const char* libelle, int hauteur, int verticale, int horizontale, LONG dx, LONG dy) {
  T_TEXTE t;
  t.Utilisation = 1;
  t.Libelle = libelle;
  t.Fonte.lfHeight = -hauteur;
  t.Fonte.lfWeight = 700;
  t.PositionAutomatiqueVerticale = verticale;
  t.PositionAutomatiqueHorizontale = horizontale;
  t.DeltaX = dx;
  t.DeltaY = dy;
  t.CouleurEncre = RGB(250, 250, 0);
  t.CouleurFond = RGB(0, 0, 120);
  return t;
}

HBITMAP Complet(const HBITMAP& image, const T_TEXTE* textes, int n) {
  HBITMAP r = image;
  for (int i = 0; i < n; ++i) {
    if (!textes[i].Utilisation) continue;
    HBITMAP s = CGraphique::EcritureTexteDansImage(
        r, textes[i].Libelle, CGraphique::CalculePositionTexte(textes[i], CSize(r.Width(), r.Height())),
        textes[i].PositionAutomatiqueVerticale, textes[i].PositionAutomatiqueHorizontale,
        textes[i].CouleurEncre, textes[i].CouleurFond, textes[i].FondTransparent, textes[i].Fonte);
    if (s) r = s;
  }
  return r;
}

void AttendLeMeme(const HBITMAP& image, const T_TEXTE* textes, int n, CSize taille) {
  const HBITMAP reduite = EchantillonneImage(image, taille);
  const HBITMAP attendu = EchantillonneImage(Complet(image, textes, n), taille);
  const HBITMAP apercu = ApercuTextes(image, reduite, textes, n);
  ASSERT_EQ(apercu.Width(), attendu.Width());
  ASSERT_EQ(apercu.Height(), attendu.Height());
  long differents = 0;
  for (int y = 0; y < attendu.Height(); ++y)
    for (int x = 0; x < attendu.Width(); ++x) differents += apercu.Row(y)[x] != attendu.Row(y)[x];
  EXPECT_EQ(differents, 0);
  // The reduced picture handed in is never painted on.
  EXPECT_FALSE(apercu.SameAs(reduite));
}

TEST(ApercuTextes, SameAsTheFullDrawingReduced) {
  const HBITMAP image = Damier(1920, 1080);
  T_TEXTE textes[5];
  textes[0] = Texte("Summer holidays in the mountains", 72, 1, 0, 20, 20);
  textes[1] = Texte("August 2026", 40, 0, 1, 30, 10);      // right anchor
  textes[2] = Texte("Centred and opaque", 90, 0, 2, 0, 5);  // overlaps the second
  textes[2].FondTransparent = 0;
  textes[3] = Texte("Slanted jpqy", 60, 1, 1, -40, -30);    // past the bottom-right corner
  textes[3].Fonte.lfItalic = 1;
  // Letters that reach out of their cell on both sides.
  textes[4] = Texte("jaguar leaf", 120, 0, 0, 700, 500);
  textes[4].Fonte.lfItalic = 1;
  std::snprintf(textes[4].Fonte.lfFaceName, sizeof textes[4].Fonte.lfFaceName, "Times New Roman");
  AttendLeMeme(image, textes, 5, CSize(480, 270));
  AttendLeMeme(image, textes, 5, CSize(333, 187));  // a ratio that is not a whole number
  AttendLeMeme(image, textes, 5, CSize(1900, 1069));  // nearly every pixel seen
}

TEST(ApercuTextes, TextWiderThanThePictureAndNoTextAtAll) {
  const HBITMAP image = Damier(800, 300);
  T_TEXTE large = Texte("A caption far too long for this narrow picture", 120, 0, 2, 0, 40);
  large.FondTransparent = 0;
  AttendLeMeme(image, &large, 1, CSize(400, 150));
  T_TEXTE aucun;
  aucun.Utilisation = 0;
  const HBITMAP reduite = EchantillonneImage(image, CSize(400, 150));
  const HBITMAP seul = ApercuTextes(image, reduite, &aucun, 1);
  ASSERT_EQ(seul.Width(), 400);
  EXPECT_EQ(seul.GetPixel(123, 77), reduite.GetPixel(123, 77));
}

}  // namespace
}  // namespace talvik
