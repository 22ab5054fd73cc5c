// Commands on one picture: info, convert, resize, fit, crop, rotate, adjust.
// OUT's extension picks the format as SauveImage does.
#include <cstdio>

#include "table_commandes.h"
#include "graphique.h"
#include "picture/orientation_fichier.h"
#include "valeurs.h"

namespace talvik::cli {

namespace {

// A loaded picture with what a GIF loader reported of its transparency.
struct Entree {
  HBITMAP image;
  int transparence = 0;
  COLORREF couleur = 0;
};

// On failure the library has shown "Unable to load file"; a picture refused
// for its size also says so.
bool Charge(const std::string& chemin, Entree& e) {
  e.image = CGraphique::ChargeImage(chemin, 1, &e.transparence, &e.couleur);
  if (!e.image && *Bitmap::LastCreateError()) Echec(chemin + ": " + Bitmap::LastCreateError());
  return bool(e.image);
}

int Sauve(const std::string& chemin, const HBITMAP& image, const Entree& e, int qualite = 75) {
  return SauveResultat(chemin, image, qualite, e.transparence, e.couleur);
}

int Info(const Arguments& a) {
  Entree e;
  if (!Charge(a.positionnels[0], e)) return 1;
  CSize taille;
  long bits = 0;
  CGraphique::RecupereInfosImage(e.image, taille, &bits);
  std::printf("%dx%d %ld", int(taille.cx), int(taille.cy), bits);
  if (e.transparence) std::printf(" transparent 0x%08X", unsigned(e.couleur));
  // The size is the upright picture's; the orientation is the one found.
  if (const int orientation = OrientationDuFichier(a.positionnels[0]))
    std::printf(" orientation %d", orientation);
  std::printf("\n");
  return 0;
}

int Convertit(const Arguments& a) {
  int qualite = 75;
  if (a.A("--quality") && !LitEntier(a.Valeur("--quality"), qualite))
    return Echec("bad quality " + a.Valeur("--quality"));
  Entree e;
  if (!Charge(a.positionnels[0], e)) return 1;
  return Sauve(a.positionnels[1], e.image, e, qualite);
}

int Redimensionne(const Arguments& a) {
  int w = 0, h = 0;
  if (!LitTaille(a.positionnels[2], w, h)) return Echec("bad size " + a.positionnels[2]);
  Entree e;
  if (!Charge(a.positionnels[0], e)) return 1;
  return Sauve(a.positionnels[1],
               CGraphique::RedimensionneImage(e.image, CSize(w, h), a.A("--fast") ? 1 : 0), e);
}

int Ajuste(const Arguments& a) {
  int w = 0, h = 0;
  if (!LitTaille(a.positionnels[2], w, h)) return Echec("bad size " + a.positionnels[2]);
  COLORREF fond = kCouleurCoinHautGauche;
  if (a.A("--fill") && !LitCouleur(a.Valeur("--fill"), fond))
    return Echec("bad colour " + a.Valeur("--fill"));
  Entree e;
  if (!Charge(a.positionnels[0], e)) return 1;
  return Sauve(a.positionnels[1],
               CGraphique::RedimensionneImageProportionnee(e.image, CSize(w, h), fond,
                                                           a.A("--fast") ? 1 : 0),
               e);
}

int Recoupe(const Arguments& a) {
  int x = 0, y = 0, w = 0, h = 0;
  if (!LitEntier(a.positionnels[2], x) || !LitEntier(a.positionnels[3], y) ||
      !LitEntier(a.positionnels[4], w) || !LitEntier(a.positionnels[5], h) || w <= 0 || h <= 0)
    return Echec("bad rectangle");
  COLORREF fond = 0;
  if (a.A("--fill") && !LitCouleur(a.Valeur("--fill"), fond))
    return Echec("bad colour " + a.Valeur("--fill"));
  Entree e;
  if (!Charge(a.positionnels[0], e)) return 1;
  return Sauve(a.positionnels[1],
               CGraphique::RecoupeImage(e.image, CPoint(x, y), CSize(w, h), fond), e);
}

int Tourne(const Arguments& a) {
  int angle = 0;
  if (!LitEntier(a.positionnels[2], angle)) return Echec("bad angle " + a.positionnels[2]);
  Entree e;
  if (!Charge(a.positionnels[0], e)) return 1;
  return Sauve(a.positionnels[1], CGraphique::RotationImage(e.image, angle), e);
}

int Regle(const Arguments& a) {
  int l = 0, c = 0, i = 0;
  if (!LitEntier(a.positionnels[2], l) || !LitEntier(a.positionnels[3], c) ||
      !LitEntier(a.positionnels[4], i))
    return Echec("bad light, contrast or intensity");
  Entree e;
  if (!Charge(a.positionnels[0], e)) return 1;
  return Sauve(a.positionnels[1], CGraphique::ReglageImage(e.image, l, c, i), e);
}

const Enregistrement kInfo{{"info", "FILE",
                            "prints WIDTHxHEIGHT BITS of the upright picture, then "
                            "\"orientation N\" when the file records one (1-8)",
                            {}, 1, 1, &Info}};
const Enregistrement kConvert{{"convert", "IN OUT [--quality Q]",
                               "converts to OUT's format (JPEG quality Q, default 75)",
                               {{"--quality", 1}}, 2, 2, &Convertit}};
const Enregistrement kResize{{"resize", "IN OUT WxH [--fast]",
                              "stretches to WxH (area average; --fast: nearest)",
                              {{"--fast", 0}}, 3, 3, &Redimensionne}};
const Enregistrement kFit{{"fit", "IN OUT WxH [--fill COLOR] [--fast]",
                           "fits into a WxH frame without enlarging (default fill 0xFFFFFFFF, "
                           "the top-left pixel)",
                           {{"--fill", 1}, {"--fast", 0}}, 3, 3, &Ajuste}};
const Enregistrement kCrop{{"crop", "IN OUT X Y W H [--fill COLOR]",
                            "cuts W x H at (X, Y); outside the picture the fill colour "
                            "(default 0x00000000)",
                            {{"--fill", 1}}, 6, 6, &Recoupe}};
const Enregistrement kRotate{{"rotate", "IN OUT ANGLE",
                              "turns by ANGLE half degrees (180 clockwise quarter turn, -180, 360)",
                              {}, 3, 3, &Tourne}};
const Enregistrement kAdjust{{"adjust", "IN OUT LIGHT CONTRAST INTENSITY",
                              "colour adjustment, 50 neutral for each",
                              {}, 5, 5, &Regle}};

}  // namespace

}  // namespace talvik::cli
