// Commands of the text overlay and the pattern bank: text, border,
// background, patterns. OUT's extension picks the format as SauveImage does.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "table_commandes.h"
#include "graphique.h"
#include "motifs_utilisateur.h"
#include "text/texte.h"
#include "valeurs.h"

namespace talvik::cli {

namespace {

// The font that new texts get: "Comic Sans MS" at 20 points on a 96 dpi
// screen, regular weight.
LOGFONT PoliceParDefaut() {
  LOGFONT f;
  f.lfHeight = -27;
  f.lfWeight = 400;
  std::strcpy(f.lfFaceName, "Comic Sans MS");
  return f;
}

bool LitEntiers(const Arguments& a, const std::string& option, std::size_t n, int* valeurs) {
  auto it = a.options.find(option);
  if (it == a.options.end() || it->second.size() < n) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (!LitEntier(it->second[i], valeurs[i])) return false;
  return true;
}

bool OptionCouleur(const Arguments& a, const std::string& option, COLORREF& couleur) {
  return !a.A(option) || LitCouleur(a.Valeur(option), couleur);
}

// The pattern number of --pattern, checked against the bank.
bool LitMotif(const Arguments& a, const CGraphique& g, int& n) {
  if (!LitEntier(a.Valeur("--pattern"), n)) {
    Echec("bad pattern number " + a.Valeur("--pattern"));
    return false;
  }
  if (!g.Motif(n)) {
    Echec("no pattern " + std::to_string(n));
    return false;
  }
  return true;
}

int Texte(const Arguments& a) {
  if (a.A("--auto") == a.A("--at")) return Echec("give either --auto or --at");
  if (!a.A("--ink")) return Echec("--ink is required");
  T_TEXTE t;
  t.Libelle = a.Valeur("--text");
  t.Fonte = PoliceParDefaut();
  if (a.A("--font")) {
    std::string face = a.Valeur("--font");
    if (face.size() >= LF_FACESIZE) return Echec("face name longer than 31 bytes");
    std::memset(t.Fonte.lfFaceName, 0, LF_FACESIZE);
    std::memcpy(t.Fonte.lfFaceName, face.data(), face.size());
  }
  int v[4] = {};
  if (a.A("--height")) {
    if (!LitEntier(a.Valeur("--height"), v[0])) return Echec("bad height " + a.Valeur("--height"));
    t.Fonte.lfHeight = v[0];
  }
  if (a.A("--weight")) {
    if (!LitEntier(a.Valeur("--weight"), v[0]) || v[0] < 0 || v[0] > 1000)
      return Echec("bad weight " + a.Valeur("--weight"));
    t.Fonte.lfWeight = v[0];
  }
  t.Fonte.lfItalic = a.A("--italic") ? 1 : 0;
  t.Fonte.lfUnderline = a.A("--underline") ? 1 : 0;
  t.Fonte.lfStrikeOut = a.A("--strikeout") ? 1 : 0;
  if (a.A("--auto")) {
    if (!LitEntiers(a, "--auto", 4, v)) return Echec("bad --auto values");
    t.PositionAutomatique = 1;
    t.PositionAutomatiqueVerticale = v[0];
    t.PositionAutomatiqueHorizontale = v[1];
    t.DeltaX = v[2];
    t.DeltaY = v[3];
  } else {
    if (!LitEntiers(a, "--at", 2, v)) return Echec("bad --at values");
    t.PositionAutomatique = 0;
    t.PositionAutomatiqueVerticale = 0;
    t.PositionAutomatiqueHorizontale = 0;
    t.AbsolueX = v[0];
    t.AbsolueY = v[1];
  }
  if (!OptionCouleur(a, "--ink", t.CouleurEncre)) return Echec("bad colour " + a.Valeur("--ink"));
  if (!OptionCouleur(a, "--back", t.CouleurFond)) return Echec("bad colour " + a.Valeur("--back"));
  t.FondTransparent = a.A("--opaque") ? 0 : 1;

  HBITMAP image = CGraphique::ChargeImage(a.positionnels[0], 1);
  if (!image) return 1;
  CPoint position = CGraphique::CalculePositionTexte(t, CSize(image.Width(), image.Height()));
  return SauveResultat(a.positionnels[1],
                       CGraphique::EcritureTexteDansImage(
                           image, t.Libelle, position, t.PositionAutomatiqueVerticale,
                           t.PositionAutomatiqueHorizontale, t.CouleurEncre, t.CouleurFond,
                           t.FondTransparent, t.Fonte));
}

int Cadre(const Arguments& a) {
  if (a.A("--color") == a.A("--pattern")) return Echec("give either --color or --pattern");
  if (a.A("--line") && a.A("--pattern")) return Echec("--line goes with --color");
  int epaisseur = 0;
  if (!LitEntier(a.Valeur("--thickness"), epaisseur) || epaisseur < 0)
    return Echec("bad thickness " + a.Valeur("--thickness"));
  COLORREF couleur = 0, trait = 0;
  if (!OptionCouleur(a, "--color", couleur)) return Echec("bad colour " + a.Valeur("--color"));
  if (!OptionCouleur(a, "--line", trait)) return Echec("bad colour " + a.Valeur("--line"));
  HBITMAP image = CGraphique::ChargeImage(a.positionnels[0], 1);
  if (!image) return 1;
  // The user patterns are read, never written back.
  CGraphique g(LitMotifsUtilisateur());
  int motif = 0;
  if (a.A("--pattern") && !LitMotif(a, g, motif)) return 1;
  return SauveResultat(a.positionnels[1],
                       g.CadreImage(image, a.A("--pattern") ? 1 : 0, motif, couleur, epaisseur,
                                    a.A("--line") ? 1 : 0, trait, a.A("--no-extend") ? 0 : 1));
}

int Fond(const Arguments& a) {
  if (a.A("--color") == a.A("--pattern")) return Echec("give either --color or --pattern");
  int w = 0, h = 0;
  if (!LitTaille(a.positionnels[1], w, h)) return Echec("bad size " + a.positionnels[1]);
  COLORREF couleur = 0, cle = 0;
  if (!OptionCouleur(a, "--color", couleur)) return Echec("bad colour " + a.Valeur("--color"));
  if (!OptionCouleur(a, "--key", cle)) return Echec("bad colour " + a.Valeur("--key"));
  HBITMAP image;
  if (a.A("--picture")) {
    image = CGraphique::ChargeImage(a.Valeur("--picture"), 1);
    if (!image) return 1;
  }
  CGraphique g(LitMotifsUtilisateur());
  int motif = 0;
  if (a.A("--pattern") && !LitMotif(a, g, motif)) return 1;
  return SauveResultat(a.positionnels[0],
                       g.FondImage(CSize(w, h), 32, image, a.A("--pattern") ? 1 : 0, motif,
                                   couleur, a.A("--key") ? 1 : 0, cle));
}

int Motifs(const Arguments& a) {
  std::string repertoire = a.Valeur("--export");
  if (a.A("--export")) {
    struct stat st {};
    if (::stat(repertoire.c_str(), &st) != 0) ::mkdir(repertoire.c_str(), 0755);
    if (::stat(repertoire.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
      return Echec("cannot make directory " + repertoire);
  }
  CGraphique g(LitMotifsUtilisateur());
  const int fin = kPremierMotifUtilisateur + g.NombreMotifsUtilisateur();
  for (int n = 0; n < fin; ++n) {
    const HBITMAP& m = g.Motif(n);
    std::printf("%d %dx%d\n", n, m.Width(), m.Height());
    if (!a.A("--export")) continue;
    char nom[32];
    std::snprintf(nom, sizeof nom, "/pattern%02d.png", n);
    if (SauveResultat(repertoire + nom, m) != 0) return 1;
  }
  return 0;
}

const Enregistrement kTexte{
    {"text",
     "IN OUT --text T [--font FACE] [--height H] [--weight W] [--italic] [--underline] "
     "[--strikeout] (--auto VERTICAL HORIZONTAL DX DY | --at X Y) --ink COLOR [--back COLOR] "
     "[--opaque]",
     "draws one line of text (vertical 0 top / 1 bottom; horizontal 0 left / 1 right / 2 centre; "
     "--height is lfHeight, negative for a character height in pixels)",
     {{"--text", 1},
      {"--font", 1},
      {"--height", 1},
      {"--weight", 1},
      {"--italic", 0},
      {"--underline", 0},
      {"--strikeout", 0},
      {"--auto", 4},
      {"--at", 2},
      {"--ink", 1},
      {"--back", 1},
      {"--opaque", 0}},
     2,
     2,
     &Texte}};
const Enregistrement kCadre{{"border",
                             "IN OUT --thickness T (--color COLOR [--line COLOR] | --pattern N) "
                             "[--no-extend]",
                             "frames the picture with a colour (and outline) or a pattern",
                             {{"--thickness", 1},
                              {"--color", 1},
                              {"--line", 1},
                              {"--pattern", 1},
                              {"--no-extend", 0}},
                             2,
                             2,
                             &Cadre}};
const Enregistrement kFond{{"background",
                            "OUT WxH [--picture IN] (--color COLOR | --pattern N) [--key COLOR]",
                            "a WxH background with the picture centred (--key: that colour "
                            "transparent)",
                            {{"--picture", 1}, {"--color", 1}, {"--pattern", 1}, {"--key", 1}},
                            2,
                            2,
                            &Fond}};
const Enregistrement kMotifs{{"patterns", "[--export DIR]",
                              "one line per pattern: N WxH; with --export, a PNG of each",
                              {{"--export", 1}}, 0, 0, &Motifs}};

}  // namespace

}  // namespace talvik::cli
