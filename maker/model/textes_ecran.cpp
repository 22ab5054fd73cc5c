#include "textes_ecran.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "text/police.h"

namespace lumaveil {

LOGFONT PoliceComicSans(int points, int dpi) {
  LOGFONT f;
  // -MulDiv(points, dpi, 72): rounded to the nearest pixel.
  long long n = static_cast<long long>(points) * dpi;
  f.lfHeight = -static_cast<talvik::LONG>((n + 36) / 72);
  f.lfWeight = 400;
  f.lfOutPrecision = 3;   // OUT_STROKE_PRECIS
  f.lfClipPrecision = 2;  // CLIP_STROKE_PRECIS
  f.lfQuality = 1;        // DRAFT_QUALITY
  f.lfPitchAndFamily = 34;  // VARIABLE_PITCH | FF_SWISS
  std::strncpy(f.lfFaceName, "Comic Sans MS", talvik::LF_FACESIZE - 1);
  return f;
}

namespace {
std::mutex g_police_mutex;
bool g_police_fixee = false;
LOGFONT g_police{};
}  // namespace

LOGFONT PoliceDefaut() {
  std::lock_guard<std::mutex> verrou(g_police_mutex);
  if (!g_police_fixee) return PoliceComicSans(20, 96);
  return g_police;
}

void FixePoliceDefaut(const LOGFONT& police) {
  std::lock_guard<std::mutex> verrou(g_police_mutex);
  g_police = police;
  g_police.lfFaceName[talvik::LF_FACESIZE - 1] = '\0';
  g_police_fixee = true;
}

LOGFONT PoliceLegende(SIZE cible) {
  LOGFONT f = PoliceComicSans(20, 96);
  const long hauteur = std::max<long>(cible.cy, 0);
  f.lfHeight = -static_cast<talvik::LONG>(std::max<long>(12, (hauteur * 45 + 500) / 1000));
  std::memset(f.lfFaceName, 0, sizeof f.lfFaceName);
  const std::string famille = talvik::texte::FamilleInstallee();
  std::strncpy(f.lfFaceName, famille.c_str(), talvik::LF_FACESIZE - 1);
  return f;
}

T_TEXTE NouvelleLegende(const std::string& texte, SIZE cible) {
  T_TEXTE t;
  t.Utilisation = 1;
  t.Libelle = texte;
  t.Fonte = PoliceLegende(cible);
  t.PositionAutomatique = 1;
  t.PositionAutomatiqueVerticale = 1;
  t.PositionAutomatiqueHorizontale = 2;
  t.DeltaX = 0;
  t.DeltaY = static_cast<talvik::LONG>((std::max<long>(cible.cy, 0) * 4 + 50) / 100);
  t.CouleurEncre = 0x00FFFFFF;
  t.CouleurFond = 0;
  t.FondTransparent = 1;
  t.Relief = talvik::kReliefOmbre;
  return t;
}

}  // namespace lumaveil
