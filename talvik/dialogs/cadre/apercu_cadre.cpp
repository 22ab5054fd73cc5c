#include "dialogs/cadre/apercu_cadre.h"

#include <algorithm>
#include <vector>

#include "dialogs/apercu/echantillon.h"
#include "graphique.h"

namespace talvik {

namespace {

// Width of the band on each side: the thickness, plus the outline's width
// for a plain colour (1 up to thickness 10, 5 above).
long Bande(const ParametresCadre& c) {
  if (c.bMotif || !c.bTrait) return c.nEpaisseur;
  return long(c.nEpaisseur) + (c.nEpaisseur <= 10 ? 1 : 5);
}

// One axis of the stand-in: the real bordered length B, the stand-in's B'
// (B less whole periods p), and where a real position is read on it.
struct Axe {
  long B = 0, Bp = 0, p = 1;
  // Positions below B' / 2 are the same on both; those at or after
  // B' / 2 + (B - B') are the stand-in's shifted by B - B'; the rest lie
  // where only the period matters and go to [B' / 2 - p, B' / 2).
  long Lit(long x) const {
    const long moitie = Bp / 2, delta = B - Bp;
    if (x < moitie) return x;
    if (x >= moitie + delta) return x - delta;
    const long base = moitie - p;
    return base + (x - base) % p;
  }
};

// The stand-in length for a real length `longueur` of picture (bordered
// length longueur + 2 e T): whole periods are taken out while the middle
// keeps one period clear of both bands, their outline and the first and
// last tiles.
long Remplacant(long longueur, long T, long p) {
  const long minimum = 2 * (T + 2 * p + 8);
  if (longueur <= minimum) return longueur;
  return longueur - p * ((longueur - minimum) / p);
}

}  // namespace

CSize TailleCadre(CSize image, const ParametresCadre& cadre) {
  const long e = cadre.bEtendre ? 1 : 0;
  const long T = Bande(cadre);
  return CSize(LONG(image.cx + 2 * e * T), LONG(image.cy + 2 * e * T));
}

HBITMAP ApercuCadre(CGraphique& graphique, const HBITMAP& image, const ParametresCadre& cadre,
                    CSize taille) {
  if (!image || cadre.nEpaisseur < 0 || taille.cx <= 0 || taille.cy <= 0) return {};
  const long W = image.Width(), H = image.Height();
  const long e = cadre.bEtendre ? 1 : 0;
  const long T = Bande(cadre);
  const HBITMAP motif = cadre.bMotif ? graphique.Motif(cadre.nMotif) : HBITMAP();
  const long pw = motif ? motif.Width() : 1, ph = motif ? motif.Height() : 1;

  const long Wp = Remplacant(W, T, pw), Hp = Remplacant(H, T, ph);
  const HBITMAP remplacant = Bitmap::Create(int(Wp), int(Hp));
  const HBITMAP bord =
      graphique.CadreImage(remplacant, cadre.bMotif, cadre.nMotif, cadre.couleur,
                           cadre.nEpaisseur, cadre.bTrait, cadre.couleurTrait, cadre.bEtendre);
  if (!bord) return {};
  const Axe ax{W + 2 * e * T, bord.Width(), pw};
  const Axe ay{H + 2 * e * T, bord.Height(), ph};
  if (ax.B - ax.Bp != W - Wp || ay.B - ay.Bp != H - Hp) return {};  // not the expected size

  HBITMAP apercu = Bitmap::CreateUninitialized(int(taille.cx), int(taille.cy));
  if (!apercu) return {};
  // The picture shows inside [T, B - T) on both axes, shifted by e T.
  std::vector<long> colonnes(std::size_t(taille.cx));
  std::vector<bool> bandeX(std::size_t(taille.cx));
  for (long px = 0; px < taille.cx; ++px) {
    const long x = SourceEchantillon(px, ax.B, taille.cx);
    bandeX[std::size_t(px)] = x < T || x >= ax.B - T;
    colonnes[std::size_t(px)] = bandeX[std::size_t(px)] ? ax.Lit(x) : x - e * T;
  }
  for (long py = 0; py < taille.cy; ++py) {
    const long y = SourceEchantillon(py, ay.B, taille.cy);
    const bool bandeY = y < T || y >= ay.B - T;
    const std::uint32_t* lignePhoto = bandeY ? nullptr : image.Row(int(y - e * T));
    const std::uint32_t* ligneBord = bord.Row(int(ay.Lit(y)));
    std::uint32_t* ligne = apercu.Row(int(py));
    for (long px = 0; px < taille.cx; ++px) {
      if (bandeY || bandeX[std::size_t(px)]) {
        // A column inside the picture but on a top or bottom band row.
        const long x = SourceEchantillon(px, ax.B, taille.cx);
        ligne[px] = ligneBord[ax.Lit(x)];
      } else {
        ligne[px] = lignePhoto[colonnes[std::size_t(px)]];
      }
    }
  }
  return apercu;
}

}  // namespace talvik
