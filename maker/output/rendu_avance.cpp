#include "rendu_avance.h"

#include "graphique.h"

namespace lumaveil {

std::unique_ptr<CEcran> PrepareEcran(const CProjet& projet, int index) {
  std::unique_ptr<CEcran> e = NouvelEcran(projet.ModeleEcran, projet.ResolutionCible);
  e->CopieParametres(projet.Ecran(index));
  e->ChargeImage(e->CheminImage);
  return e;
}

HBITMAP RendEcranPrepare(std::unique_ptr<CEcran> ecran, talvik::CGraphique& graphique) {
  // Generation resizes with area averaging (flag 0).
  ecran->CalculeImageFinale(graphique, 0, 1, 1, 1, 1, 1, 1, 1, nullptr, 0);
  return ecran->ImageFinale;  // the screen and its other pictures go here
}

HBITMAP RendPourGeneration(const CProjet& projet, int index, talvik::CGraphique& graphique) {
  return RendEcranPrepare(PrepareEcran(projet, index), graphique);
}

CRenduEnAvance::CRenduEnAvance(const CProjet& projet, talvik::CGraphique& graphique,
                               bool enAvance)
    : projet_(projet), graphique_(graphique) {
  if (!enAvance || projet_.NombreEcrans() == 0) return;
  talvik::CGraphique::RetourneTailleEcran(&profondeur_);
  try {
    fil_ = std::thread(&CRenduEnAvance::Boucle, this);
  } catch (...) {
    // No second thread: every screen is rendered when it is asked for.
  }
}

CRenduEnAvance::~CRenduEnAvance() {
  {
    std::lock_guard<std::mutex> verrou(mutex_);
    arret_ = true;
  }
  cv_.notify_all();
  if (fil_.joinable()) fil_.join();
}

void CRenduEnAvance::Boucle() {
  // This thread never asks the display anything.
  CEcran::FixeProfondeurFil(profondeur_);
  for (int i = 0; i < projet_.NombreEcrans(); ++i) {
    std::unique_ptr<CEcran> ecran;
    {
      // Screen i is started once it is prepared and the caller has taken
      // screen i - 1.
      std::unique_lock<std::mutex> verrou(mutex_);
      cv_.wait(verrou, [this, i] { return arret_ || (indexSource_ == i && !pret_); });
      if (arret_) return;
      ecran = std::move(source_);
      indexSource_ = -1;
    }
    cv_.notify_all();
    HBITMAP rendu = RendEcranPrepare(std::move(ecran), graphique_);
    {
      std::lock_guard<std::mutex> verrou(mutex_);
      if (arret_) return;
      rendu_ = std::move(rendu);
      indexRendu_ = i;
      pret_ = true;
    }
    cv_.notify_all();
  }
}

void CRenduEnAvance::Fournit(int index) {
  if (index <= fourni_ || index >= projet_.NombreEcrans()) return;
  std::unique_ptr<CEcran> ecran = PrepareEcran(projet_, index);
  {
    std::unique_lock<std::mutex> verrou(mutex_);
    cv_.wait(verrou, [this] { return arret_ || indexSource_ < 0; });
    source_ = std::move(ecran);
    indexSource_ = index;
  }
  fourni_ = index;
  cv_.notify_all();
}

HBITMAP CRenduEnAvance::Prend(int index) {
  if (index < 0 || index >= projet_.NombreEcrans()) return {};
  if (!fil_.joinable()) return RendPourGeneration(projet_, index, graphique_);
  // The picture of this screen (first call only), then the next one's,
  // loaded here while the second thread renders this one.
  Fournit(index);
  Fournit(index + 1);
  HBITMAP rendu;
  {
    std::unique_lock<std::mutex> verrou(mutex_);
    cv_.wait(verrou, [this] { return pret_; });
    // Screens come in order; a request out of order is a caller's error
    // and gets a null screen.
    if (indexRendu_ == index) rendu = std::move(rendu_);
    rendu_.Reset();
    pret_ = false;
  }
  cv_.notify_all();
  return rendu;
}

}  // namespace lumaveil
