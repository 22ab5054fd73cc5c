#include "dialogs/texte/police_qt.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "chaines.h"

namespace talvik {

int MulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  const long long produit = static_cast<long long>(a) * b;
  const long long diviseur = std::llabs(static_cast<long long>(c));
  const long long quotient = (std::llabs(produit) + diviseur / 2) / diviseur;
  return int(((produit < 0) != (c < 0)) ? -quotient : quotient);
}

int PointsParPouceEcran() {
  const QScreen* ecran = QGuiApplication::primaryScreen();
  if (!ecran) return 96;
  const int dpi = int(std::lround(ecran->logicalDotsPerInchY()));
  return dpi > 0 ? dpi : 96;
}

QFont PoliceQt(const LOGFONT& police) {
  QFont qt;
  const QString face = QString::fromUtf8(police.lfFaceName,
                                         int(strnlen(police.lfFaceName, LF_FACESIZE)));
  if (!face.isEmpty()) qt.setFamilies({face});
  if (police.lfHeight != 0) qt.setPixelSize(std::max(1, std::abs(int(police.lfHeight))));
  if (police.lfWeight > 0) qt.setWeight(QFont::Weight(std::clamp(int(police.lfWeight), 1, 1000)));
  else qt.setWeight(QFont::Normal);
  qt.setItalic(police.lfItalic != 0);
  qt.setUnderline(police.lfUnderline != 0);
  qt.setStrikeOut(police.lfStrikeOut != 0);
  return qt;
}

LOGFONT LogFontDe(const QFont& police, int dpi) {
  LOGFONT lf;
  int pixels = police.pixelSize();
  if (pixels <= 0) pixels = int(std::lround(police.pointSizeF() * dpi / 72.0));
  if (pixels <= 0) pixels = QFontInfo(police).pixelSize();
  lf.lfHeight = -pixels;
  lf.lfWeight = police.weight();
  lf.lfItalic = police.italic() ? 1 : 0;
  lf.lfUnderline = police.underline() ? 1 : 0;
  lf.lfStrikeOut = police.strikeOut() ? 1 : 0;
  const QByteArray face = police.family().toUtf8();
  std::size_t n = std::min<std::size_t>(std::size_t(face.size()), LF_FACESIZE - 1);
  // Never cut inside a character: back up over continuation bytes.
  while (n > 0 && n < std::size_t(face.size()) && (static_cast<unsigned char>(face[qsizetype(n)]) & 0xC0) == 0x80)
    --n;
  std::memcpy(lf.lfFaceName, face.constData(), n);
  return lf;
}

QString DescriptionPolice(const LOGFONT& police, int dpi) {
  const QString face = QString::fromUtf8(police.lfFaceName,
                                         int(strnlen(police.lfFaceName, LF_FACESIZE)));
  QString texte = QStringLiteral("%1\n%2").arg(face).arg(-MulDiv(police.lfHeight, 72, dpi));
  if (police.lfItalic) texte += QString::fromStdString(ChargeChaine(IDS_ITALIQUE));
  if (police.lfUnderline) texte += QString::fromStdString(ChargeChaine(IDS_SOULIGNE));
  if (police.lfStrikeOut) texte += QString::fromStdString(ChargeChaine(IDS_BARRE));
  if (police.lfWeight == 700) texte += QString::fromStdString(ChargeChaine(IDS_GRAS));
  return texte;
}

}  // namespace talvik
