#include "ecran.h"

#include "champs_ecran.h"
#include "graphique.h"

namespace lumaveil {

SIZE TailleEcranCourante() {
  talvik::CSize t = talvik::CGraphique::RetourneTailleEcran();
  return SIZE{t.cx, t.cy};
}

CEcran::CEcran() : CEcran(TailleEcranCourante()) {}

CEcran::CEcran(SIZE tailleCible) { ChampsParDefaut(*this, tailleCible); }

CEcran::~CEcran() = default;

void CEcran::CopieParametres(const CEcran& source) { CopieChamps(source, *this); }

void CEcran::SupprimeImages() {
  ImageFinale.Reset();
  ImageTournee.Reset();
  ImageReglee.Reset();
  ImageSource.Reset();
  ReductionSource = 1;
}

void CEcran::TransfereImages(CEcran& vers) {
  vers.CheminImage = CheminImage;
  vers.TailleFichier = TailleFichier;
  vers.DateFichier = DateFichier;
  vers.ImageSource = std::move(ImageSource);
  vers.TailleImage = TailleImage;
  vers.ReductionSource = ReductionSource;
  vers.TransparenceUtilisation = TransparenceUtilisation;
  vers.CouleurTransparente = CouleurTransparente;
  vers.ImageTournee = std::move(ImageTournee);
  vers.ImageReglee = std::move(ImageReglee);
  vers.ImageFinale = std::move(ImageFinale);
  vers.TailleFinale = TailleFinale;
}

std::unique_ptr<CEcran> NouvelEcran(const CEcran& modele, SIZE resolution) {
  auto e = std::make_unique<CEcran>(resolution);
  e->CopieParametres(modele);
  e->TailleCible = resolution;
  return e;
}

}  // namespace lumaveil
