// Text overlay: where a text goes (CalculePositionTexte), how big it is and
// how it is drawn into a copy of a picture (EcritureTexteDansImage).
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cstdint>
#include <vector>

#include "graphique.h"
#include "text/face.h"
#include "text/police.h"
#include "text/texte.h"

namespace talvik {

namespace texte {

namespace {

// UTF-8 to code points; a byte that does not start a valid sequence gives
// U+FFFD and reading goes on with the next byte.
std::vector<char32_t> Decode(const std::string& s) {
  std::vector<char32_t> sortie;
  sortie.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    char32_t cp = n == 0 ? c : n == 1 ? (c & 0x1F) : n == 2 ? (c & 0x0F) : (c & 0x07);
    bool ok = n >= 0 && i + std::size_t(n) < s.size();
    for (int k = 1; ok && k <= n; ++k) {
      unsigned char d = static_cast<unsigned char>(s[i + std::size_t(k)]);
      if ((d >> 6) != 2) ok = false;
      else cp = (cp << 6) | (d & 0x3F);
    }
    if (ok && ((n == 1 && cp < 0x80) || (n == 2 && cp < 0x800) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
               (cp >= 0xD800 && cp <= 0xDFFF)))
      ok = false;
    if (!ok) {
      sortie.push_back(0xFFFD);
      ++i;
    } else {
      sortie.push_back(cp);
      i += std::size_t(n) + 1;
    }
  }
  return sortie;
}

// Loads one glyph with the face's synthetic styles applied.
bool ChargeGlyphe(const Face& f, char32_t cp) {
  if (FT_Load_Char(f.ft, FT_ULong(cp), FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0 &&
      FT_Load_Glyph(f.ft, 0, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0)
    return false;
  if (f.incliner) FT_GlyphSlot_Oblique(f.ft->glyph);
  if (f.emboldir) FT_GlyphSlot_Embolden(f.ft->glyph);
  return true;
}

long LargeurAvance(const Face& f, const std::vector<char32_t>& cps) {
  long total = 0;  // 26.6
  for (char32_t cp : cps) {
    if (!ChargeGlyphe(f, cp)) continue;
    total += f.ft->glyph->advance.x;
  }
  return (total + 32) >> 6;
}

inline std::uint32_t Mixe(std::uint32_t fond, std::uint32_t encre, unsigned a) {
  if (a == 0) return fond;
  if (a >= 255) return encre;
  std::uint32_t r = 0;
  for (int decal = 0; decal <= 16; decal += 8) {
    unsigned d = (fond >> decal) & 0xFF, s = (encre >> decal) & 0xFF;
    r |= std::uint32_t((s * a + d * (255 - a) + 127) / 255) << decal;
  }
  return r;
}

void Remplit(Bitmap& image, long x0, long y0, long x1, long y1, std::uint32_t pixel) {
  x0 = std::max(0L, x0);
  y0 = std::max(0L, y0);
  x1 = std::min(long(image.Width()), x1);
  y1 = std::min(long(image.Height()), y1);
  for (long y = y0; y < y1; ++y) std::fill(image.Row(int(y)) + x0, image.Row(int(y)) + std::max(x0, x1), pixel);
}


// The letters' coverage (0..255) on a grey mask of the text's cell with a
// margin of `marge` pixels on every side.
struct Masque {
  long w = 0, h = 0;
  std::vector<std::uint8_t> a;
  std::uint8_t& at(long x, long y) { return a[std::size_t(y * w + x)]; }
};

Masque MasqueTexte(const std::vector<char32_t>& cps, const Face& f, const LOGFONT& police,
                   long largeur, long hauteur, long marge) {
  Masque m;
  m.w = largeur + 2 * marge;
  m.h = hauteur + 2 * marge;
  m.a.assign(std::size_t(m.w * m.h), 0);
  const long ligneDeBase = marge + f.ascent;
  long plume = marge * 64;
  for (char32_t cp : cps) {
    if (!ChargeGlyphe(f, cp)) continue;
    FT_GlyphSlot g = f.ft->glyph;
    const long avance = g->advance.x;
    if (FT_Render_Glyph(g, FT_RENDER_MODE_NORMAL) == 0 && g->bitmap.buffer) {
      const FT_Bitmap& b = g->bitmap;
      const long gx = ((plume + 32) >> 6) + g->bitmap_left;
      const long gy = ligneDeBase - g->bitmap_top;
      for (unsigned r = 0; r < b.rows; ++r) {
        const long py = gy + long(r);
        if (py < 0 || py >= m.h) continue;
        const unsigned char* source = b.pitch >= 0 ? b.buffer + std::ptrdiff_t(r) * b.pitch
                                                   : b.buffer + std::ptrdiff_t(b.rows - 1 - r) * -b.pitch;
        for (long c = std::max(0L, -gx); c < std::min(long(b.width), m.w - gx); ++c)
          m.at(gx + c, py) = std::max(m.at(gx + c, py), std::uint8_t(source[c]));
      }
    }
    plume += avance;
  }
  auto barre = [&](long haut, long epaisseur) {
    for (long y = std::max(0L, haut); y < std::min(m.h, haut + epaisseur); ++y)
      std::fill_n(&m.at(marge, y), largeur, std::uint8_t(255));
  };
  if (police.lfUnderline) barre(ligneDeBase + f.soulignement, f.epaisseurSoulignement);
  if (police.lfStrikeOut) barre(ligneDeBase - f.barre, f.epaisseurBarre);
  return m;
}

// The mask spread by `rayon` pixels (a disc): the outline's coverage.
Masque Dilate(Masque& m, long rayon) {
  Masque d = m;
  for (long y = 0; y < m.h; ++y)
    for (long x = 0; x < m.w; ++x) {
      std::uint8_t v = 0;
      for (long dy = -rayon; dy <= rayon && v < 255; ++dy) {
        const long yy = y + dy;
        if (yy < 0 || yy >= m.h) continue;
        for (long dx = -rayon; dx <= rayon; ++dx) {
          const long xx = x + dx;
          if (xx < 0 || xx >= m.w || dx * dx + dy * dy > rayon * rayon + rayon) continue;
          v = std::max(v, m.at(xx, yy));
        }
      }
      d.at(x, y) = v;
    }
  return d;
}

// Three passes of a box blur of `rayon`, along rows then columns: close to
// a Gaussian of sigma ~ rayon.
void Floute(Masque& m, long rayon) {
  std::vector<std::uint32_t> ligne;
  for (int passe = 0; passe < 3; ++passe) {
    for (int sens = 0; sens < 2; ++sens) {
      const long n = sens == 0 ? m.w : m.h, lignes = sens == 0 ? m.h : m.w;
      ligne.resize(std::size_t(n));
      for (long l = 0; l < lignes; ++l) {
        auto v = [&](long i) -> std::uint8_t& { return sens == 0 ? m.at(i, l) : m.at(l, i); };
        for (long i = 0; i < n; ++i) ligne[std::size_t(i)] = v(i);
        std::uint32_t somme = 0;
        for (long i = -rayon; i <= rayon; ++i) somme += i >= 0 && i < n ? ligne[std::size_t(i)] : 0;
        const std::uint32_t largeurBoite = std::uint32_t(2 * rayon + 1);
        for (long i = 0; i < n; ++i) {
          v(i) = std::uint8_t((somme + largeurBoite / 2) / largeurBoite);
          const long entre = i + rayon + 1, sort = i - rayon;
          if (entre < n) somme += ligne[std::size_t(entre)];
          if (sort >= 0) somme -= ligne[std::size_t(sort)];
        }
      }
    }
  }
}

// Lays `m` on the picture with its top-left corner at (x, y), in `pixel`,
// its coverage scaled by `opacite` (0..256).
void Pose(Bitmap& image, const Masque& m, long x, long y, std::uint32_t pixel, unsigned opacite) {
  const long W = image.Width(), H = image.Height();
  for (long r = std::max(0L, -y); r < m.h && y + r < H; ++r) {
    std::uint32_t* ligne = image.Row(int(y + r));
    for (long c = std::max(0L, -x); c < m.w && x + c < W; ++c) {
      const unsigned a = (unsigned(m.a[std::size_t(r * m.w + c)]) * opacite) >> 8;
      ligne[x + c] = Mixe(ligne[x + c], pixel, a);
    }
  }
}

// The text with an outline or a soft shadow in the colour that contrasts
// with the ink (black under a light ink, white under a dark one). The
// outline is 1/14 of the character height wide (at least 1 pixel); the
// shadow is blurred by 1/10 of it and falls 1/16 of it down and right.
void DessineAvecRelief(Bitmap& image, long x, long y, const std::vector<char32_t>& cps,
                       const Face& f, const LOGFONT& police, long largeur, long hauteur,
                       COLORREF encre, int relief) {
  const long em = std::max(1L, long(f.ascent + f.descent) * 3 / 4);
  const long contour = std::max(1L, (em + 7) / 14);
  const long flou = std::max(1L, (em + 5) / 10);
  const long decalage = std::max(1L, (em + 8) / 16);
  const long marge = relief == kReliefContour ? contour + 1 : 3 * flou + decalage + 1;
  Masque lettres = MasqueTexte(cps, f, police, largeur, hauteur, marge);
  const unsigned clarte = (GetRValue(encre) * 299u + GetGValue(encre) * 587u + GetBValue(encre) * 114u) / 1000u;
  const std::uint32_t halo = PixelFromColor(clarte >= 128 ? RGB(0, 0, 0) : RGB(255, 255, 255));
  if (relief == kReliefContour) {
    Pose(image, Dilate(lettres, contour), x - marge, y - marge, halo, 256);
  } else {
    Masque ombre = lettres;
    Floute(ombre, flou);
    Pose(image, ombre, x - marge + decalage, y - marge + decalage, halo, 200);
  }
  Pose(image, lettres, x - marge, y - marge, PixelFromColor(encre), 256);
}

}  // namespace

SIZE MesureTexte(const std::string& texte, const LOGFONT& police) {
  std::lock_guard<std::mutex> verrou(VerrouTexte());
  Face* f = FacePour(police);
  if (!f) return {};
  long largeur = LargeurAvance(*f, Decode(texte));
  return SIZE{LONG(std::min(largeur, 0x7FFFFFFFL)), LONG(f->ascent + f->descent)};
}

bool DessineTexte(Bitmap& image, int x, int y, const std::string& texte, const LOGFONT& police,
                  COLORREF encre, COLORREF fond, bool opaque, int relief) {
  std::lock_guard<std::mutex> verrou(VerrouTexte());
  Face* f = FacePour(police);
  if (!f) return false;
  if (!image) return true;
  const std::vector<char32_t> cps = Decode(texte);
  const long largeur = LargeurAvance(*f, cps);
  const long hauteur = f->ascent + f->descent;
  if (opaque) Remplit(image, x, y, long(x) + largeur, long(y) + hauteur, PixelFromColor(fond));
  if (relief == kReliefContour || relief == kReliefOmbre) {
    DessineAvecRelief(image, x, y, cps, *f, police, largeur, hauteur, encre, relief);
    return true;
  }

  const std::uint32_t pixel = PixelFromColor(encre);
  const long ligneDeBase = long(y) + f->ascent;
  const long W = image.Width(), H = image.Height();
  long plume = long(x) * 64;  // 26.6
  for (char32_t cp : cps) {
    if (plume / 64 > W) break;  // the rest lies right of the picture
    if (!ChargeGlyphe(*f, cp)) continue;
    FT_GlyphSlot g = f->ft->glyph;
    const long avance = g->advance.x;
    if (FT_Render_Glyph(g, FT_RENDER_MODE_NORMAL) == 0 && g->bitmap.buffer) {
      const FT_Bitmap& b = g->bitmap;
      const long gx = ((plume + 32) >> 6) + g->bitmap_left;
      const long gy = ligneDeBase - g->bitmap_top;
      for (unsigned r = 0; r < b.rows; ++r) {
        long py = gy + long(r);
        if (py < 0 || py >= H) continue;
        const unsigned char* source = b.pitch >= 0 ? b.buffer + std::ptrdiff_t(r) * b.pitch
                                                   : b.buffer + std::ptrdiff_t(b.rows - 1 - r) * -b.pitch;
        std::uint32_t* ligne = image.Row(int(py));
        long debut = std::max(0L, -gx), fin = std::min(long(b.width), W - gx);
        for (long c = debut; c < fin; ++c) ligne[gx + c] = Mixe(ligne[gx + c], pixel, source[c]);
      }
    }
    plume += avance;
  }
  if (police.lfUnderline) {
    long haut = ligneDeBase + f->soulignement;
    Remplit(image, x, haut, long(x) + largeur, haut + f->epaisseurSoulignement, pixel);
  }
  if (police.lfStrikeOut) {
    long haut = ligneDeBase - f->barre;
    Remplit(image, x, haut, long(x) + largeur, haut + f->epaisseurBarre, pixel);
  }
  return true;
}

}  // namespace texte

// Automatic placement: y = DeltaY, or H - DeltaY from the bottom; x =
// DeltaX from the left, W - DeltaX from the right, 0 when centred (the
// drawing centres it). Otherwise the absolute position.
CPoint CGraphique::CalculePositionTexte(T_TEXTE texte, CSize taille) {
  if (!texte.PositionAutomatique) return CPoint(texte.AbsolueX, texte.AbsolueY);
  LONG y = texte.PositionAutomatiqueVerticale ? taille.cy - texte.DeltaY : texte.DeltaY;
  LONG x = 0;
  if (texte.PositionAutomatiqueHorizontale == 0) x = texte.DeltaX;
  else if (texte.PositionAutomatiqueHorizontale == 1) x = taille.cx - texte.DeltaX;
  return CPoint(x, y);
}

// A copy of the picture with the text on one line. With the text's extent
// tw x th: x = (W - tw) / 2 when nHorizontal is 2, else position.x, minus
// tw when nHorizontal is 1; y = position.y, minus th when nVertical is 1.
// Null for a null picture or when no font face can be loaded.
HBITMAP CGraphique::EcritureTexteDansImage(const HBITMAP& image, const CString& texte,
                                           CPoint position, int nVertical, int nHorizontal,
                                           COLORREF encre, COLORREF fond, int bTransparent,
                                           const LOGFONT& police, int nRelief) {
  if (!image) return {};
  HBITMAP copie = image.Clone();
  if (!copie) return {};
  SIZE etendue = texte::MesureTexte(texte, police);
  if (etendue.cy == 0) return {};
  long x = nHorizontal == 2 ? (long(image.Width()) - etendue.cx) / 2 : position.x;
  long y = position.y;
  if (nVertical == 1) y -= etendue.cy;
  if (nHorizontal == 1) x -= etendue.cx;
  x = std::clamp(x, -0x3FFFFFFFL, 0x3FFFFFFFL);
  y = std::clamp(y, -0x3FFFFFFFL, 0x3FFFFFFFL);
  if (!texte::DessineTexte(copie, int(x), int(y), texte, police, encre, fond, bTransparent == 0,
                           nRelief))
    return {};
  return copie;
}

}  // namespace talvik
