#include "dialogs/texte/apercu_textes.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "graphique.h"
#include "text/police.h"

namespace talvik {

namespace {

// A text's cell on the picture, and the box around it that its glyphs may
// reach (slanted or overhanging letters), clipped to the picture.
struct Place {
  long x = 0, y = 0;  // top-left corner of the cell
  long x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool vide() const { return x0 >= x1 || y0 >= y1; }
  bool croise(const Place& p) const { return x0 < p.x1 && p.x0 < x1 && y0 < p.y1 && p.y0 < y1; }
};

// Where EcritureTexteDansImage puts the cell of `texte` on a W x H
// picture; false when its font cannot be loaded.
bool PlaceTexte(const T_TEXTE& texte, long W, long H, Place& place) {
  const SIZE etendue = texte::MesureTexte(texte.Libelle, texte.Fonte);
  if (etendue.cy == 0) return false;
  const CPoint position = CGraphique::CalculePositionTexte(texte, CSize(LONG(W), LONG(H)));
  long x = texte.PositionAutomatiqueHorizontale == 2 ? (W - etendue.cx) / 2 : position.x;
  long y = position.y;
  if (texte.PositionAutomatiqueVerticale == 1) y -= etendue.cy;
  if (texte.PositionAutomatiqueHorizontale == 1) x -= etendue.cx;
  place.x = std::clamp(x, -0x3FFFFFFFL, 0x3FFFFFFFL);
  place.y = std::clamp(y, -0x3FFFFFFFL, 0x3FFFFFFFL);
  const long marge = etendue.cy;
  place.x0 = std::clamp(place.x - marge, 0L, W);
  place.x1 = std::clamp(place.x + long(etendue.cx) + marge, 0L, W);
  place.y0 = std::clamp(place.y - marge, 0L, H);
  place.y1 = std::clamp(place.y + long(etendue.cy) + marge, 0L, H);
  return true;
}

}  // namespace

HBITMAP ApercuTextes(const HBITMAP& image, const HBITMAP& reduite, const T_TEXTE* textes,
                     int nombre) {
  if (!image || !reduite) return reduite;
  const long W = image.Width(), H = image.Height();
  const long w = reduite.Width(), h = reduite.Height();
  std::vector<Place> places(std::size_t(std::max(nombre, 0)));
  std::vector<bool> dessine(places.size(), false);
  for (int i = 0; i < nombre; ++i)
    dessine[std::size_t(i)] = textes[i].Utilisation && PlaceTexte(textes[i], W, H, places[std::size_t(i)]);

  HBITMAP apercu = reduite;
  if (!apercu.Pixels()) return {};  // its own copy, written below
  for (int k = 0; k < nombre; ++k) {
    const Place& boite = places[std::size_t(k)];
    if (!dessine[std::size_t(k)] || boite.vide()) continue;
    // The box at full size with every text drawn so far that reaches it.
    HBITMAP morceau = Bitmap::CreateUninitialized(int(boite.x1 - boite.x0), int(boite.y1 - boite.y0));
    if (!morceau) continue;
    for (long y = boite.y0; y < boite.y1; ++y)
      std::copy_n(image.Row(int(y)) + boite.x0, boite.x1 - boite.x0, morceau.Row(int(y - boite.y0)));
    for (int j = 0; j <= k; ++j) {
      const Place& p = places[std::size_t(j)];
      if (!dessine[std::size_t(j)] || !p.croise(boite)) continue;
      const T_TEXTE& t = textes[j];
      texte::DessineTexte(morceau, int(p.x - boite.x0), int(p.y - boite.y0), t.Libelle, t.Fonte,
                          t.CouleurEncre, t.CouleurFond, t.FondTransparent == 0, t.Relief);
    }
    // The preview pixels whose source falls in the box.
    const long px0 = PremierEchantillon(boite.x0, W, w), px1 = std::min(w, PremierEchantillon(boite.x1, W, w));
    const long py0 = PremierEchantillon(boite.y0, H, h), py1 = std::min(h, PremierEchantillon(boite.y1, H, h));
    for (long py = py0; py < py1; ++py) {
      const std::uint32_t* source = morceau.Row(int(SourceEchantillon(py, H, h) - boite.y0));
      std::uint32_t* ligne = apercu.Row(int(py));
      for (long px = px0; px < px1; ++px) ligne[px] = source[SourceEchantillon(px, W, w) - boite.x0];
    }
  }
  return apercu;
}

}  // namespace talvik
