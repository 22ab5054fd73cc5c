#include "pattern/motifs_integres.h"

#include "pattern/peinture.h"

namespace talvik {

namespace {

struct MotifIntegre {
  int largeur;
  int hauteur;
  const char* nom;
  Bitmap (*genere)(int, int);
};

using namespace motif;

constexpr MotifIntegre kMotifs[kNombreMotifsIntegres] = {
    {96, 96, "Checks", Damier},
    {128, 128, "White marble", MarbreBlanc},
    {50, 50, "Polka dots", Pois},
    {100, 100, "Diagonal stripes", RayuresDiagonales},
    {424, 63, "Planks", Planches},
    {256, 256, "Clouds", Nuages},
    {336, 189, "Bricks", Briques},
    {275, 248, "Stone wall", MurDePierres},
    {128, 128, "Blue tiles", CarreauxBleus},
    {100, 100, "Basket weave", Vannerie},
    {256, 256, "Green marble", MarbreVert},
    {256, 256, "Wood", Bois},
    {100, 100, "Gingham", Vichy},
    {150, 150, "Waves", Vagues},
    {240, 240, "Granite", Granit},
    {250, 250, "Parchment", Papier},
    {256, 256, "Linen", Lin},
    {96, 96, "Honeycomb", NidAbeilles},
    {64, 64, "Chevrons", Chevrons},
    {256, 256, "Sand ripples", Sable},
    {180, 133, "Sunset gradient", DegradeCouchant},
    {200, 200, "Tartan", Tartan},
    {300, 300, "Water light", Ondes},
    {160, 160, "Argyle", Losanges},
    {288, 288, "Slate", Ardoise},
    {256, 256, "Denim", Denim},
    {256, 128, "Candy stripes", RayuresBonbon},
    {200, 200, "Parquet", Parquet},
    {256, 256, "Brushed metal", MetalBrosse},
    {64, 64, "Pinstripes", FinesRayures},
    {288, 288, "Pink marble", MarbreRose},
    {64, 64, "Dotted grid", Pointilles},
    {250, 250, "Leather", Cuir},
    {255, 255, "Cork", Liege},
    {255, 255, "Sky gradient", DegradeCiel},
    {288, 288, "Terracotta tiles", Tomettes},
    {150, 150, "Zigzag", Zigzag},
    {250, 250, "Crumpled paper", PapierFroisse},
    {100, 100, "Scales", Ecailles},
    {256, 256, "Watercolour", Aquarelle},
    {256, 256, "Camouflage", Camouflage},
    {200, 200, "Starry sky", CielEtoile},
    {200, 201, "Frost", Givre},
    {135, 135, "Rings", Cercles},
    {128, 128, "Mosaic", Mosaique},
    {150, 180, "Grass", Herbe},
    {150, 91, "Rainbow", ArcEnCiel},
    {256, 256, "Black and gold marble", MarbreNoir},
    {256, 256, "Cobblestones", Paves},
    {128, 128, "Quilted", Capitonne},
};

}  // namespace

CSize TailleMotifIntegre(int n) {
  if (n < 0 || n >= kNombreMotifsIntegres) return {};
  return {kMotifs[n].largeur, kMotifs[n].hauteur};
}

const char* NomMotifIntegre(int n) {
  if (n < 0 || n >= kNombreMotifsIntegres) return "";
  return kMotifs[n].nom;
}

HBITMAP GenereMotifIntegre(int n) {
  if (n < 0 || n >= kNombreMotifsIntegres) return {};
  return kMotifs[n].genere(kMotifs[n].largeur, kMotifs[n].hauteur);
}

}  // namespace talvik
