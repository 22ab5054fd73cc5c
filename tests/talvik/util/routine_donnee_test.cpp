// CRoutine::ChargeUneDonnee: reading one setting out of a template line.
#include <gtest/gtest.h>

#include <cstring>

#include "routine.h"

namespace talvik {
namespace {

struct Coche : CButton {
  int etat = BST_INDETERMINATE;
  int GetCheck() const override { return etat; }
  void SetCheck(int e) override { etat = e; }
};

TEST(ChargeUneDonnee, NumberAfterItsKeyAndOnlyForThatKey) {
  const CString ligne = "[Redimension TailleX] 640";
  int n = -5;
  EXPECT_EQ(CRoutine::ChargeUneDonnee(ligne, "[Redimension TailleX] ", &n), 1);
  EXPECT_EQ(n, 640);
  n = -5;
  EXPECT_EQ(CRoutine::ChargeUneDonnee(ligne, "[Redimension TailleY] ", &n), 0);
  EXPECT_EQ(n, -5);
  long l = -5;
  EXPECT_EQ(CRoutine::ChargeUneDonnee("x [Duree] -12s", "[Duree] ", &l), 1);
  EXPECT_EQ(l, -12);
  // Case-sensitive key.
  EXPECT_EQ(CRoutine::ChargeUneDonnee(ligne, "[redimension taillex] ", &n), 0);
}

TEST(ChargeUneDonnee, KeyFollowedByNothingStillCounts) {
  int n = 9;
  long l = 9;
  CString t = "avant";
  Coche c;
  c.etat = BST_CHECKED;
  EXPECT_EQ(CRoutine::ChargeUneDonnee("[Cle] ", "[Cle] ", &n), 1);
  EXPECT_EQ(CRoutine::ChargeUneDonnee("[Cle] ", "[Cle] ", &l), 1);
  EXPECT_EQ(CRoutine::ChargeUneDonnee("[Cle] ", "[Cle] ", &t), 1);
  EXPECT_EQ(CRoutine::ChargeUneDonnee("[Cle] ", "[Cle] ", &c), 1);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(l, 0);
  EXPECT_EQ(t, "");
  EXPECT_EQ(c.etat, BST_UNCHECKED);
}

TEST(ChargeUneDonnee, TextIsTheWholeRestOfTheLine) {
  CString t;
  EXPECT_EQ(CRoutine::ChargeUneDonnee("[Texte1 Libelle] Bonne  annee !  ",
                                      "[Texte1 Libelle] ", &t), 1);
  EXPECT_EQ(t, "Bonne  annee !  ");
  Coche c;
  EXPECT_EQ(CRoutine::ChargeUneDonnee("[Cadre Utilisation] 1", "[Cadre Utilisation] ", &c), 1);
  EXPECT_EQ(c.etat, BST_CHECKED);
}

TEST(ChargeUneDonnee, FontFormWithAFaceNameHoldingSpaces) {
  LOGFONTA f;
  f.lfWeight = 1;
  const CString ligne = "[Texte1 Fonte] -13 0 0 0 400 0 0 0 0 3 2 1 34 Comic Sans MS";
  ASSERT_EQ(CRoutine::ChargeUneDonnee(ligne, "[Texte1 Fonte] ", &f), 1);
  EXPECT_EQ(f.lfHeight, -13);
  EXPECT_EQ(f.lfWidth, 0);
  EXPECT_EQ(f.lfWeight, 400);
  EXPECT_EQ(f.lfItalic, 0);
  EXPECT_EQ(f.lfUnderline, 0);
  EXPECT_EQ(f.lfStrikeOut, 0);
  EXPECT_EQ(f.lfCharSet, 0);
  EXPECT_EQ(f.lfOutPrecision, 3);
  EXPECT_EQ(f.lfClipPrecision, 2);
  EXPECT_EQ(f.lfQuality, 1);
  EXPECT_EQ(f.lfPitchAndFamily, 34);
  EXPECT_STREQ(f.lfFaceName, "Comic Sans MS");
}

TEST(ChargeUneDonnee, FontFormRoundTripsWhatTheTemplateWriterWrites) {
  LOGFONTA in;
  in.lfHeight = 24;
  in.lfWidth = 3;
  in.lfEscapement = 900;
  in.lfOrientation = 900;
  in.lfWeight = 700;
  in.lfItalic = 1;
  in.lfUnderline = 1;
  in.lfStrikeOut = 1;
  in.lfCharSet = 238;
  in.lfPitchAndFamily = 18;
  std::strcpy(in.lfFaceName, "Times New Roman");
  char ligne[256];
  std::snprintf(ligne, sizeof ligne, "[Texte2 Fonte] %ld %ld %ld %ld %ld %d %d %d %d %d %d %d %d %s",
                long(in.lfHeight), long(in.lfWidth), long(in.lfEscapement),
                long(in.lfOrientation), long(in.lfWeight), in.lfItalic, in.lfUnderline,
                in.lfStrikeOut, in.lfCharSet, in.lfOutPrecision, in.lfClipPrecision,
                in.lfQuality, in.lfPitchAndFamily, in.lfFaceName);
  LOGFONTA out;
  ASSERT_EQ(CRoutine::ChargeUneDonnee(ligne, "[Texte2 Fonte] ", &out), 1);
  EXPECT_EQ(std::memcmp(&in, &out, sizeof in), 0);
}

TEST(ChargeUneDonnee, FontFormCutsLongFacesAndSurvivesShortLines) {
  LOGFONTA f;
  CString longue(60, 'F');
  ASSERT_EQ(CRoutine::ChargeUneDonnee("[F] 1 2 3 4 5 6 7 8 9 10 11 12 13 " + longue, "[F] ", &f), 1);
  EXPECT_EQ(std::strlen(f.lfFaceName), std::size_t(LF_FACESIZE - 1));
  EXPECT_EQ(f.lfPitchAndFamily, 13);
  ASSERT_EQ(CRoutine::ChargeUneDonnee("[F] -20 0 0", "[F] ", &f), 1);
  EXPECT_EQ(f.lfHeight, -20);
  EXPECT_EQ(f.lfWeight, 0);
  EXPECT_STREQ(f.lfFaceName, "");
}

TEST(ChargeUneDonnee, FontFormReadsEveryCutOfALineWithoutOverrunning) {
  const CString ligne = "[F] -13 0 0 0 400 0 0 0 0 3 2 1 34 Comic Sans MS";
  for (std::size_t n = 4; n <= ligne.size(); ++n) {
    LOGFONTA f;
    std::memset(f.lfFaceName, 'x', sizeof f.lfFaceName);  // no terminator before the read
    ASSERT_EQ(CRoutine::ChargeUneDonnee(ligne.substr(0, n), "[F] ", &f), 1) << n;
    EXPECT_LT(std::strlen(f.lfFaceName), std::size_t(LF_FACESIZE));
    // What the cut line holds is read; the face name only once complete.
    if (n == ligne.size()) {
      EXPECT_STREQ(f.lfFaceName, "Comic Sans MS");
    }
    if (n >= 8) {
      EXPECT_EQ(f.lfHeight, -13) << n;
    }
  }
}

}  // namespace
}  // namespace talvik
