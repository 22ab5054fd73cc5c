// Rendering a screen: the picture passes through rotation, colour
// adjustment, crop, resize and border, is laid on the background canvas at
// TailleCible and receives its texts. Rotation and colour adjustment are
// cached on the screen; the other stages are recomputed every time.
// Bitmaps are shared handles: an intermediate picture goes away with its
// last handle, and a cache returned to the caller stays the screen's.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "attente.h"
#include "champs_legende.h"
#include "chargement_rendu.h"
#include "composition/flou_fond.h"
#include "ecran.h"
#include "graphique.h"
#include "redimension.h"
#include "sujet_ecran.h"
#include "text/police.h"

namespace lumaveil {

using talvik::CGraphique;
using talvik::CPoint;
using talvik::CSize;
using talvik::LONG;

namespace {
// Backdrop of a thumbnail when the caller gives none.
constexpr COLORREF kFondVignetteDefaut = 0x00F0F0F0;
// Depth handed to FondImage: pictures are 32-bit whatever the display.
constexpr int kBitsParPixel = 32;

// Makes the caption's face smaller, when `libelle` drawn with it is wider
// than a screen `largeur` wide less the caption's margin on each side (at
// least a fortieth of the width), so that it fits; never below a third of
// its size.
void ReduitPourLargeur(T_TEXTE& texte, const std::string& libelle, LONG largeur) {
  const LONG marge = std::max<LONG>(texte.DeltaX, largeur / 40);
  const LONG place = largeur - 2 * marge;
  const LONG large = talvik::texte::MesureTexte(libelle, texte.Fonte).cx;
  if (place <= 0 || large <= place || texte.Fonte.lfHeight == 0) return;
  const double rapport = std::max(1.0 / 3, double(place) / double(large));
  texte.Fonte.lfHeight = LONG(double(texte.Fonte.lfHeight) * rapport);
  texte.Fonte.lfWidth = LONG(double(texte.Fonte.lfWidth) * rapport);
  if (texte.Fonte.lfHeight == 0) texte.Fonte.lfHeight = -1;
}
}  // namespace

HBITMAP CEcran::CalculeImageFinale(CGraphique& graphique, int niveau, Etapes etapes,
                                   SIZE* taille, Echantillonnage echantillonnage) {
  CCurseurAttente attente;
  if (niveau == 0 || niveau == 1) {
    ImageTournee.Reset();
    ImageReglee.Reset();
  } else if (niveau == 2) {
    ImageReglee.Reset();
  }

  HBITMAP b = ImageSource;
  talvik::LONG w = TailleImage.cx;
  talvik::LONG h = TailleImage.cy;
  // Where the picture after rotation and crop lands: x' = (x - ox) * ex + dx.
  CEcran::Placement placement;
  double ox = 0, oy = 0, ex = 1, ey = 1, dx = 0, dy = 0;

  if (ImageSource) {
    if (etapes.Contient(Etape::Rotation) && RotationUtilisation) {
      if (!ImageTournee) ImageTournee = CGraphique::RotationImage(b, RotationAngle);
      b = ImageTournee;
      if (RotationAngle == 180 || RotationAngle == -180) {
        w = TailleImage.cy;
        h = TailleImage.cx;
      }
    }
    if (etapes.Contient(Etape::Reglage) && ReglageUtilisation) {
      if (!ImageReglee)
        ImageReglee =
            CGraphique::ReglageImage(b, ReglageLumiere, ReglageContraste, ReglageIntensite);
      b = ImageReglee;
    }
    // A reduced picture: coordinates and sizes stay in the file's pixels.
    const int r = ReductionSource > 1 ? ReductionSource : 1;
    bool reduite = r > 1;
    if (etapes.Contient(Etape::Recoupe) && RecoupeUtilisation) {
      CSize t(RecoupeRectangle.right - RecoupeRectangle.left,
              RecoupeRectangle.bottom - RecoupeRectangle.top);
      b = CGraphique::RecoupeImage(b, CPoint(RecoupeRectangle.left / r, RecoupeRectangle.top / r),
                                   reduite ? CSize(t.cx / r, t.cy / r) : t, 0);
      w = t.cx;
      h = t.cy;
    }
    placement.avant = SIZE{w, h};
    if (etapes.Contient(Etape::Redimension) && RedimensionUtilisation) {
      if (EstRemplissageEcran(*this) && b) {
        // Cut to the screen's proportions around the subject first.
        const RECT c = RectangleRemplissageEcran(*this, b, CSize(w, h));
        const int rb = reduite ? r : 1;
        b = CGraphique::RecoupeImage(
            b, CPoint(c.left / rb, c.top / rb),
            CSize(std::max(1, int(c.right - c.left) / rb), std::max(1, int(c.bottom - c.top) / rb)),
            0);
        ox = c.left;
        oy = c.top;
        w = c.right - c.left;
        h = c.bottom - c.top;
      }
      const CSize t = TailleRedimensionnee(*this, CSize(w, h));
      if (w > 0 && h > 0) {
        ex = double(t.cx) / w;
        ey = double(t.cy) / h;
      }
      w = t.cx;
      h = t.cy;
      b = CGraphique::RedimensionneImage(b, t, int(echantillonnage));
      reduite = false;
    }
    // No resize stage: the reduced picture is brought back to its size.
    if (reduite && b) b = CGraphique::RedimensionneImage(b, CSize(w, h), int(echantillonnage));
    if (etapes.Contient(Etape::Cadre) && CadreUtilisation) {
      b = graphique.CadreImage(b, CadreMotifUtilisation, CadreMotif, CadreCouleur, CadreTaille,
                               CadreBordureUtilisation, CadreCouleurBordure, 1);
      CSize t;
      CGraphique::RecupereInfosImage(b, t);
      dx += (t.cx - w) / 2;
      dy += (t.cy - h) / 2;
      w = t.cx;
      h = t.cy;
    }
  }

  if (etapes.Contient(Etape::Fond) && FondUtilisation) {
    if (b && CalageImage) {
      // Against one side: the background alone, then the picture on it.
      const CPoint p(CalageImage == 1 ? TailleCible.cx - CalageMarge - w : CalageMarge,
                     (TailleCible.cy - h) / 2);
      const HBITMAP fond =
          FondFlou ? talvik::FlouRemplissage(b, CSize(TailleCible))
                   : graphique.FondImage(CSize(TailleCible), kBitsParPixel, HBITMAP(),
                                         FondMotifUtilisation, FondMotif, FondCouleur, 0, 0);
      b = fond ? CGraphique::FusionneImage(fond, b, p, TransparenceUtilisation,
                                           CouleurTransparente)
               : HBITMAP();
      dx += p.x;
      dy += p.y;
    } else {
      if (b) {
        dx += (TailleCible.cx - w) / 2;
        dy += (TailleCible.cy - h) / 2;
      }
      // "Blurred photo" needs a picture to blur; without one the colour stays.
      b = FondFlou && b ? talvik::FondFlouImage(CSize(TailleCible), b, TransparenceUtilisation,
                                                CouleurTransparente)
                        : graphique.FondImage(CSize(TailleCible), kBitsParPixel, b,
                                              FondMotifUtilisation, FondMotif, FondCouleur,
                                              TransparenceUtilisation, CouleurTransparente);
    }
    w = TailleCible.cx;
    h = TailleCible.cy;
  }

  if (etapes.Contient(Etape::Textes) && etapes.Contient(Etape::Fond) && FondUtilisation) {
    // The photo's values are read once, for the first caption with fields.
    std::optional<ValeursPhoto> valeurs;
    for (const T_TEXTE& t : Textes) {
      if (!t.Utilisation) continue;
      std::string libelle = t.Libelle;
      T_TEXTE dessine = t;
      if (ContientChamps(libelle)) {
        if (!valeurs) {
          bool lieu = false;
          for (const T_TEXTE& u : Textes) lieu = lieu || (u.Utilisation && ContientChamp(u.Libelle, "place"));
          valeurs = ValeursDeLaPhoto(CheminImage, lieu);
        }
        bool vide = false;
        libelle = DevelopeChamps(libelle, *valeurs, FormatDateDe(t.FormatDate), &vide);
        if (vide) continue;
        // A caption written from the photo is as long as its values: one
        // wider than the screen (a long place name, half of a pair) is
        // drawn smaller so that it fits between the screen's margins.
        if (t.PositionAutomatique) ReduitPourLargeur(dessine, libelle, w);
      }
      const CPoint p = CGraphique::CalculePositionTexte(dessine, CSize(w, h));
      b = CGraphique::EcritureTexteDansImage(b, libelle, p, t.PositionAutomatiqueVerticale,
                                             t.PositionAutomatiqueHorizontale, t.CouleurEncre,
                                             t.CouleurFond, t.FondTransparent, dessine.Fonte,
                                             t.Relief);
    }
  }

  if (etapes.SontToutes()) {
    ImageFinale = b;
    TailleFinale = SIZE{w, h};
    placement.echelleX = ImageSource ? ex : 0;
    placement.echelleY = ImageSource ? ey : 0;
    placement.dx = dx - ox * ex;
    placement.dy = dy - oy * ey;
    PlacementImage = placement;
  }
  if (taille) *taille = SIZE{w, h};
  return b;
}

void CEcran::CreeVignette(CGraphique& graphique, const HBITMAP* rendu,
                          const HBITMAP* fondVignette, Echantillonnage echantillonnage) {
  Vignette.Reset();
  HBITMAP image;
  CSize taille;
  bool charge = false;
  if (rendu && *rendu) {
    image = *rendu;
    CGraphique::RecupereInfosImage(image, taille);
  } else {
    // From the whole picture, as the working screen shows it.
    DemandeRendu demande;
    demande.pour = PourRendu::EcranDeTravail;
    demande.echantillonnage = echantillonnage;
    ChargeEtRendEcran(*this, CheminImage, graphique, demande);
    image = ImageFinale;
    taille = CSize(TailleFinale);
    charge = true;
  }

  HBITMAP fondV = (fondVignette && *fondVignette)
                      ? *fondVignette
                      : HBITMAP::Create(kVignetteLargeur, kVignetteHauteur, kFondVignetteDefaut);
  // The thumbnail is made at its backdrop's scale: a backdrop of twice
  // 140 x 100 gives one drawn for a display scaled to 200 %.
  const int echelle = EchelleVignette(fondV);
  const CSize place(kVignetteLargeur * echelle, kVignetteHauteur * echelle);
  HBITMAP fusion = fondV;
  if (image) {
    HBITMAP reduite = image;
    if (taille.cx > place.cx || taille.cy > place.cy) {
      taille = CGraphique::ConservationProportion(taille, place);
      reduite = CGraphique::RedimensionneImage(image, taille, 1);
    }
    fusion = CGraphique::FusionneImage(
        fondV, reduite, CPoint((place.cx - taille.cx) / 2, (place.cy - taille.cy) / 2), 0, 0);
  }
  Vignette = graphique.CadreImage(fusion, 0, 0, 0x00C0C0C0, 5 * echelle, 0, 0, 1);
  if (charge) SupprimeImages();
}

}  // namespace lumaveil
