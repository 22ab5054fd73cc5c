// A template file's font line, written then read back.
#include <gtest/gtest.h>

#include <cstring>

#include "ligne_police.h"

namespace talvik {
namespace {

TEST(LignePolice, WritesThirteenNumbersEachFollowedByASpaceThenTheFace) {
  LOGFONTA f{};
  f.lfHeight = -13;
  f.lfWeight = 400;
  f.lfPitchAndFamily = 34;
  std::strcpy(f.lfFaceName, "Comic Sans MS");
  EXPECT_EQ(LignePolice(f), "-13 0 0 0 400 0 0 0 0 0 0 0 34 Comic Sans MS");
}

TEST(LignePolice, EveryFieldAndAFaceWithSpacesReadBackAsWritten) {
  // Thirteen different numbers: a field read into another's place shows.
  const std::string ligne = "24 -3 900 1800 700 1 2 3 238 7 5 4 18 Times New Roman";
  const LOGFONTA f = LitLignePolice(ligne);
  EXPECT_EQ(f.lfWidth, -3);
  EXPECT_EQ(f.lfCharSet, 238);
  EXPECT_STREQ(f.lfFaceName, "Times New Roman");
  EXPECT_EQ(LignePolice(f), ligne);
  // A face of the longest length stored comes back whole.
  LOGFONTA longue = f;
  std::memset(longue.lfFaceName, 'F', LF_FACESIZE - 1);
  longue.lfFaceName[LF_FACESIZE - 1] = '\0';
  EXPECT_STREQ(LitLignePolice(LignePolice(longue)).lfFaceName, longue.lfFaceName);
}

}  // namespace
}  // namespace talvik
