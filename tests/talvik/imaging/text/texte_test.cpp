// Text overlay: position rule, placement against the measured extent,
// opaque and transparent drawing, fonts.
#include <gtest/gtest.h>

#include <cstring>

#include "graphique.h"
#include "text/police.h"
#include "text/texte.h"

namespace talvik {
namespace {

LOGFONT Police(const char* face, LONG hauteur, LONG poids = 400) {
  LOGFONT f;
  f.lfHeight = hauteur;
  f.lfWeight = poids;
  std::strncpy(f.lfFaceName, face, LF_FACESIZE - 1);
  return f;
}

struct Boite {
  int gauche = 1 << 30, haut = 1 << 30, droite = -1, bas = -1;  // droite, bas inclusive
  int nombre = 0;
};

// Where the result differs from the picture.
Boite Differences(const HBITMAP& a, const HBITMAP& b) {
  Boite r;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Row(y)[x] == b.Row(y)[x]) continue;
      r.gauche = std::min(r.gauche, x);
      r.haut = std::min(r.haut, y);
      r.droite = std::max(r.droite, x);
      r.bas = std::max(r.bas, y);
      ++r.nombre;
    }
  }
  return r;
}

const COLORREF kBlanc = RGB(255, 255, 255);
const COLORREF kRouge = RGB(220, 0, 0);

TEST(PositionTexte, AutomaticAndAbsolutePlacement) {
  T_TEXTE t;
  t.PositionAutomatiqueVerticale = 1;
  t.PositionAutomatiqueHorizontale = 1;
  EXPECT_EQ(CGraphique::CalculePositionTexte(t, CSize(800, 600)), CPoint(750, 550));
  t.PositionAutomatiqueVerticale = 0;
  t.PositionAutomatiqueHorizontale = 2;
  EXPECT_EQ(CGraphique::CalculePositionTexte(t, CSize(800, 600)), CPoint(0, 50));
  t.PositionAutomatiqueHorizontale = 0;
  t.DeltaX = 7;
  t.DeltaY = 9;
  EXPECT_EQ(CGraphique::CalculePositionTexte(t, CSize(800, 600)), CPoint(7, 9));
  t.PositionAutomatiqueHorizontale = 5;
  EXPECT_EQ(CGraphique::CalculePositionTexte(t, CSize(800, 600)).x, 0);
  t.PositionAutomatique = 0;
  t.AbsolueX = 10;
  t.AbsolueY = 20;
  EXPECT_EQ(CGraphique::CalculePositionTexte(t, CSize(800, 600)), CPoint(10, 20));
}

TEST(EcritureTexte, OpaqueCellSitsAtTheMeasuredPlaceForEveryAnchor) {
  const LOGFONT f = Police("Arial", -20);
  const std::string texte = "Bonne annee 2027";
  const SIZE e = texte::MesureTexte(texte, f);
  ASSERT_GT(e.cx, 100);
  ASSERT_GE(e.cy, 20);
  HBITMAP image = Bitmap::Create(800, 600, kBlanc);
  struct Cas {
    CPoint position;
    int vertical, horizontal;
    int x, y;
  };
  const Cas cas[] = {
      {CPoint(750, 550), 1, 1, 750 - e.cx, 550 - e.cy},  // bottom right
      {CPoint(0, 50), 0, 2, (800 - e.cx) / 2, 50},       // top, centred
      {CPoint(10, 20), 0, 2, (800 - e.cx) / 2, 20},      // absolute, still centred
      {CPoint(10, 60), 1, 0, 10, 60 - e.cy},             // absolute, bottom edge at 60
      {CPoint(50, 50), 0, 0, 50, 50},
  };
  for (const Cas& c : cas) {
    HBITMAP r = CGraphique::EcritureTexteDansImage(image, texte, c.position, c.vertical,
                                                   c.horizontal, 0, kRouge, 0, f);
    ASSERT_TRUE(r);
    Boite b = Differences(image, r);
    EXPECT_EQ(b.gauche, c.x);
    EXPECT_EQ(b.haut, c.y);
    EXPECT_EQ(b.droite, c.x + e.cx - 1);
    EXPECT_EQ(b.bas, c.y + e.cy - 1);
    EXPECT_EQ(b.nombre, e.cx * e.cy);  // the whole cell, nothing of the picture left
  }
  // The picture itself is not changed.
  EXPECT_EQ(Differences(image, Bitmap::Create(800, 600, kBlanc)).nombre, 0);
}

TEST(EcritureTexte, TransparentTextLeavesThePictureBetweenTheLetters) {
  const LOGFONT f = Police("Times New Roman", -30);
  const std::string texte = "Lumaveil";
  const SIZE e = texte::MesureTexte(texte, f);
  HBITMAP image = Bitmap::Create(400, 200, kBlanc);
  HBITMAP r = CGraphique::EcritureTexteDansImage(image, texte, CPoint(20, 40), 0, 0, RGB(0, 0, 0),
                                                 kRouge, 1, f);
  ASSERT_TRUE(r);
  Boite b = Differences(image, r);
  ASSERT_GT(b.nombre, 50);
  EXPECT_LT(b.nombre, e.cx * e.cy / 2);
  EXPECT_GE(b.gauche, 20);
  EXPECT_GE(b.haut, 40);
  EXPECT_LT(b.droite, 20 + e.cx + 2);
  EXPECT_LT(b.bas, 40 + e.cy);
  int encre = 0;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 400; ++x) {
      COLORREF c = r.GetPixel(x, y);
      EXPECT_NE(c, kRouge);  // no background colour at all
      if (c == RGB(0, 0, 0)) ++encre;
    }
  EXPECT_GT(encre, 20);  // solid ink inside the strokes
}

TEST(EcritureTexte, TextIsCutAtThePicturesEdges) {
  const LOGFONT f = Police("Courier New", -40);
  HBITMAP image = Bitmap::Create(60, 30, kBlanc);
  for (CPoint p : {CPoint(-30, -20), CPoint(40, 15), CPoint(-100000, 5), CPoint(5, 100000)}) {
    HBITMAP r = CGraphique::EcritureTexteDansImage(image, "WWWWWWWW", p, 0, 0, 0, kRouge, 0, f);
    ASSERT_TRUE(r);
    EXPECT_EQ(r.Width(), 60);
    EXPECT_EQ(r.Height(), 30);
  }
  HBITMAP r = CGraphique::EcritureTexteDansImage(image, "WWWWWWWW", CPoint(-30, -20), 0, 0, 0,
                                                 kRouge, 0, f);
  EXPECT_EQ(r.GetPixel(0, 0), kRouge);
  EXPECT_FALSE(CGraphique::EcritureTexteDansImage(HBITMAP(), "x", CPoint(0, 0), 0, 0, 0, 0, 0, f));
}

TEST(EcritureTexte, LineBreaksAreNotInterpreted) {
  const LOGFONT f = Police("Arial", -16);
  SIZE une = texte::MesureTexte("ab", f);
  SIZE deux = texte::MesureTexte("a\nb", f);
  EXPECT_EQ(deux.cy, une.cy);
  EXPECT_GE(deux.cx, une.cx);
  // Broken UTF-8 is drawn, not refused.
  EXPECT_GT(texte::MesureTexte(std::string("\xC3(\xFF\xE2\x82", 5), f).cx, 0);
}

TEST(Police, WindowsFacesMapToTheirMetricCompatibleFonts) {
  EXPECT_EQ(texte::FamilleFontconfig("Arial"), "Liberation Sans");
  EXPECT_EQ(texte::FamilleFontconfig("times new roman"), "Liberation Serif");
  EXPECT_EQ(texte::FamilleFontconfig("Courier New"), "Liberation Mono");
  EXPECT_EQ(texte::FamilleFontconfig("Comic Sans MS"), "Comic Neue");
  EXPECT_EQ(texte::FamilleFontconfig("DejaVu Sans"), "DejaVu Sans");
  EXPECT_NE(texte::FichierPolice(Police("Arial", -12)).find("LiberationSans-Regular"),
            std::string::npos);
  EXPECT_NE(texte::FichierPolice(Police("Arial", -12, 700)).find("LiberationSans-Bold"),
            std::string::npos);
  EXPECT_NE(texte::FichierPolice(Police("Comic Sans MS", -12)).find("ComicNeue"), std::string::npos);
  EXPECT_NE(texte::FichierPolice(Police("Courier New", -12)).find("LiberationMono"),
            std::string::npos);
  LOGFONT italique = Police("Times New Roman", -12);
  italique.lfItalic = 1;
  EXPECT_NE(texte::FichierPolice(italique).find("LiberationSerif-Italic"), std::string::npos);
}

TEST(Police, HeightSignGivesCharacterOrCellHeight) {
  // Liberation Sans is metric-compatible with Arial: a 20-pixel character
  // height gives a 23-pixel cell, as on Windows.
  EXPECT_EQ(texte::MesureTexte("Hg", Police("Arial", -20)).cy, 23);
  for (LONG h : {12, 23, 40, 100}) EXPECT_EQ(texte::MesureTexte("Hg", Police("Arial", h)).cy, h) << h;
  EXPECT_GT(texte::MesureTexte("Hg", Police("Arial", 0)).cy, 0);
  // Courier New is fixed pitch: every character has the same advance.
  LOGFONT mono = Police("Courier New", -20);
  EXPECT_EQ(texte::MesureTexte("iiiiiiiiii", mono).cx, texte::MesureTexte("WWWWWWWWWW", mono).cx);
  // A width asks for narrower characters.
  LOGFONT etroite = Police("Arial", -20);
  etroite.lfWidth = 4;
  EXPECT_LT(texte::MesureTexte("Lumaveil", etroite).cx,
            texte::MesureTexte("Lumaveil", Police("Arial", -20)).cx);
}

TEST(Police, BoldItalicUnderlineAndStrikeOutChangeTheDrawing) {
  const std::string texte = "Style";
  HBITMAP image = Bitmap::Create(300, 80, kBlanc);
  auto dessine = [&](const LOGFONT& f) {
    return CGraphique::EcritureTexteDansImage(image, texte, CPoint(10, 10), 0, 0, 0, 0, 1, f);
  };
  LOGFONT normale = Police("Arial", -40);
  HBITMAP base = dessine(normale);
  int encreBase = Differences(image, base).nombre;
  LOGFONT grasse = Police("Arial", -40, 700);
  EXPECT_GT(Differences(image, dessine(grasse)).nombre, encreBase * 11 / 10);
  EXPECT_GE(texte::MesureTexte(texte, grasse).cx, texte::MesureTexte(texte, normale).cx);

  LOGFONT soulignee = normale;
  soulignee.lfUnderline = 1;
  HBITMAP s = dessine(soulignee);
  Boite ajout = Differences(base, s);
  ASSERT_GT(ajout.nombre, 0);
  const SIZE e = texte::MesureTexte(texte, normale);
  EXPECT_GE(ajout.haut, 10 + e.cy * 2 / 3);  // below the baseline
  EXPECT_EQ(ajout.gauche, 10);
  EXPECT_EQ(ajout.droite, 10 + e.cx - 1);  // across the whole text

  LOGFONT barree = normale;
  barree.lfStrikeOut = 1;
  Boite trait = Differences(base, dessine(barree));
  ASSERT_GT(trait.nombre, 0);
  EXPECT_LT(trait.bas, 10 + e.cy * 2 / 3);  // above the baseline
  EXPECT_GT(trait.haut, 10 + e.cy / 4);

  LOGFONT italique = normale;
  italique.lfItalic = 1;
  EXPECT_GT(Differences(base, dessine(italique)).nombre, 0);
}

}  // namespace
}  // namespace talvik
