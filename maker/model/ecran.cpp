#include "ecran.h"

#include "graphique.h"

namespace lumaveil {

SIZE TailleEcranCourante() {
  talvik::CSize t = talvik::CGraphique::RetourneTailleEcran();
  return SIZE{t.cx, t.cy};
}

CEcran::CEcran() : CEcran(TailleEcranCourante()) {}

CEcran::CEcran(SIZE tailleCible) {
  TailleCible = tailleCible;
  LOGFONT police = PoliceDefaut();
  for (T_TEXTE& t : Textes) t.Fonte = police;
}

CEcran::~CEcran() = default;

void CEcran::CopieParametres(const CEcran& s) {
  if (&s == this) return;
  TailleCible = s.TailleCible;
  CheminImage = s.CheminImage;
  TailleFichier = s.TailleFichier;
  DateFichier = s.DateFichier;
  TailleImage = s.TailleImage;
  TransparenceUtilisation = s.TransparenceUtilisation;
  CouleurTransparente = s.CouleurTransparente;
  RedimensionUtilisation = s.RedimensionUtilisation;
  RedimensionTailleX = s.RedimensionTailleX;
  RedimensionTailleY = s.RedimensionTailleY;
  RedimensionPourcentageValeur = s.RedimensionPourcentageValeur;
  RedimensionPourcentageUtilisation = s.RedimensionPourcentageUtilisation;
  RedimensionConservationProportion = s.RedimensionConservationProportion;
  RecoupeUtilisation = s.RecoupeUtilisation;
  RecoupeRectangle = s.RecoupeRectangle;
  RotationUtilisation = s.RotationUtilisation;
  RotationAngle = s.RotationAngle;
  ReglageUtilisation = s.ReglageUtilisation;
  ReglageContraste = s.ReglageContraste;
  ReglageLumiere = s.ReglageLumiere;
  ReglageIntensite = s.ReglageIntensite;
  CadreUtilisation = s.CadreUtilisation;
  CadreTaille = s.CadreTaille;
  CadreMotifUtilisation = s.CadreMotifUtilisation;
  CadreMotif = s.CadreMotif;
  CadreCouleur = s.CadreCouleur;
  CadreBordureUtilisation = s.CadreBordureUtilisation;
  CadreCouleurBordure = s.CadreCouleurBordure;
  for (int i = 0; i < kNombreTextes; ++i) Textes[i] = s.Textes[i];
  FondUtilisation = s.FondUtilisation;
  FondMotifUtilisation = s.FondMotifUtilisation;
  FondMotif = s.FondMotif;
  FondCouleur = s.FondCouleur;
  EffetTransition = s.EffetTransition;
  DureeAffichage = s.DureeAffichage;
}

void CEcran::SupprimeImages() {
  ImageFinale.Reset();
  ImageTournee.Reset();
  ImageReglee.Reset();
  ImageSource.Reset();
}

std::unique_ptr<CEcran> NouvelEcran(const CEcran& modele, SIZE resolution) {
  auto e = std::make_unique<CEcran>(resolution);
  e->CopieParametres(modele);
  e->TailleCible = resolution;
  return e;
}

}  // namespace lumaveil
