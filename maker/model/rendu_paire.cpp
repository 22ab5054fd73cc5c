#include "rendu_paire.h"

#include <algorithm>
#include <utility>

#include "graphique.h"
#include "redimension.h"

namespace lumaveil {

using talvik::CGraphique;
using talvik::CPoint;
using talvik::CSize;
using talvik::LONG;

namespace {

// What the pair changes on a screen for its rendering, given back after.
class CReglagesMoitie {
 public:
  explicit CReglagesMoitie(CEcran& e)
      : e_(e), cible_(e.TailleCible), place_(e.PlaceAjustement), calage_(e.CalageImage),
        marge_(e.CalageMarge) {}
  ~CReglagesMoitie() {
    e_.TailleCible = cible_;
    e_.PlaceAjustement = place_;
    e_.CalageImage = calage_;
    e_.CalageMarge = marge_;
  }
  CReglagesMoitie(const CReglagesMoitie&) = delete;
  CReglagesMoitie& operator=(const CReglagesMoitie&) = delete;

 private:
  CEcran& e_;
  SIZE cible_, place_;
  int calage_;
  LONG marge_;
};

// The height (border included) the picture of `e` takes fitted into
// `place`.
LONG HauteurAjustee(const CEcran& e, SIZE place) {
  SIZE t = e.TailleImage;
  if (e.RotationUtilisation && (e.RotationAngle == 180 || e.RotationAngle == -180))
    std::swap(t.cx, t.cy);
  CEcran copie(place);
  copie.CopieParametres(e);
  copie.TailleCible = e.TailleCible;
  copie.PlaceAjustement = place;
  const CSize interieur = PlaceImage(copie);
  return TailleRedimensionnee(copie, CSize(t)).cy + (place.cy - interieur.cy);
}

}  // namespace

LONG EcartPaire(LONG largeur) { return std::max<LONG>(2, largeur / 96); }

HBITMAP RendPaire(CEcran& gauche, CEcran& droite, CGraphique& graphique,
                  Echantillonnage echantillonnage) {
  const SIZE cible = gauche.TailleCible;
  const LONG ecart = EcartPaire(cible.cx);
  const LONG moities[2] = {cible.cx / 2, cible.cx - cible.cx / 2};
  const SIZE place{std::max<LONG>(1, (cible.cx - ecart) / 2), cible.cy};
  CEcran* ecrans[2] = {&gauche, &droite};
  LONG hauteurs[2];
  for (int i = 0; i < 2; ++i) hauteurs[i] = HauteurAjustee(*ecrans[i], place);
  const LONG commune = std::min(hauteurs[0], hauteurs[1]);

  HBITMAP paire = talvik::Bitmap::Create(cible.cx, cible.cy);
  if (!paire) return {};
  for (int i = 0; i < 2; ++i) {
    CEcran& e = *ecrans[i];
    HBITMAP moitie;
    CEcran::Placement placement;
    {
      const CReglagesMoitie reglages(e);
      e.TailleCible = SIZE{moities[i], cible.cy};
      e.PlaceAjustement = SIZE{place.cx, hauteurs[i] > commune ? commune : cible.cy};
      e.CalageImage = i == 0 ? 1 : 2;
      e.CalageMarge = i == 0 ? ecart / 2 : ecart - ecart / 2;
      moitie = e.CalculeImageFinale(graphique, 0, Etapes::Toutes(), nullptr, echantillonnage);
      placement = e.PlacementImage;
    }
    if (i == 1) placement.dx += moities[0];
    e.PlacementImage = placement;
    if (moitie) paire = CGraphique::FusionneImage(paire, moitie, CPoint(i == 0 ? 0 : moities[0], 0), 0, 0);
    if (!paire) return {};
  }
  return paire;
}

HBITMAP ChargeEtRendPaire(CEcran& gauche, CEcran& droite, CGraphique& graphique,
                          const DemandeRendu& demande, int* charges) {
  int n = 0;
  for (CEcran* e : {&gauche, &droite}) {
    const std::string chemin = e->CheminImage;
    n += ChargeImagePourRendu(*e, chemin, demande);
  }
  if (charges) *charges = n;
  if (demande.poursuit && !demande.poursuit()) return {};
  return RendPaire(gauche, droite, graphique, demande.echantillonnage);
}

}  // namespace lumaveil
