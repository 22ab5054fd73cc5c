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

}  // namespace

SIZE MesureTexte(const std::string& texte, const LOGFONT& police) {
  std::lock_guard<std::mutex> verrou(VerrouTexte());
  Face* f = FacePour(police);
  if (!f) return {};
  long largeur = LargeurAvance(*f, Decode(texte));
  return SIZE{LONG(std::min(largeur, 0x7FFFFFFFL)), LONG(f->ascent + f->descent)};
}

bool DessineTexte(Bitmap& image, int x, int y, const std::string& texte, const LOGFONT& police,
                  COLORREF encre, COLORREF fond, bool opaque) {
  std::lock_guard<std::mutex> verrou(VerrouTexte());
  Face* f = FacePour(police);
  if (!f) return false;
  if (!image) return true;
  const std::vector<char32_t> cps = Decode(texte);
  const long largeur = LargeurAvance(*f, cps);
  const long hauteur = f->ascent + f->descent;
  if (opaque) Remplit(image, x, y, long(x) + largeur, long(y) + hauteur, PixelFromColor(fond));

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
                                           const LOGFONT& police) {
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
  if (!texte::DessineTexte(copie, int(x), int(y), texte, police, encre, fond, bTransparent == 0))
    return {};
  return copie;
}

}  // namespace talvik
