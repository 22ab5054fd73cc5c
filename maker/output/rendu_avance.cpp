#include "rendu_avance.h"

#include "base/message.h"
#include "chargement_rendu.h"

namespace lumaveil {

EcranRendu RendPourGeneration(const CProjet& projet, int index, talvik::CGraphique& graphique,
                              int messageChargement) {
  talvik::CMessagesRetenus retenus;
  std::unique_ptr<CEcran> e = NouvelEcran(projet.ModeleEcran, projet.ResolutionCible);
  e->CopieParametres(projet.Ecran(index));
  DemandeRendu demande;
  demande.pour = PourRendu::Generation;
  demande.echantillonnage = Echantillonnage::Moyenne;
  demande.signaleEchec = messageChargement != 0;
  const bool illisible =
      !ChargeEtRendEcran(*e, e->CheminImage, graphique, demande) && !e->CheminImage.empty();
  // The screen and its other pictures go here.
  return EcranRendu{e->ImageFinale, illisible, retenus.Prend()};
}

CRenduEnAvance::CRenduEnAvance(const CProjet& projet, talvik::CGraphique& graphique,
                               bool enAvance, int messageChargement)
    : projet_(projet), graphique_(graphique), messageChargement_(messageChargement) {
  if (!enAvance || projet_.NombreEcrans() == 0) return;
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
  for (int i = 0; i < projet_.NombreEcrans(); ++i) {
    {
      // The next screen starts only when the caller has taken the last one.
      std::unique_lock<std::mutex> verrou(mutex_);
      cv_.wait(verrou, [this] { return arret_ || !pret_; });
      if (arret_) return;
    }
    EcranRendu rendu = RendPourGeneration(projet_, i, graphique_, messageChargement_);
    {
      std::lock_guard<std::mutex> verrou(mutex_);
      if (arret_) return;
      slot_ = std::move(rendu);
      indexSlot_ = i;
      pret_ = true;
    }
    cv_.notify_all();
  }
}

EcranRendu CRenduEnAvance::Prend(int index) {
  if (index < 0 || index >= projet_.NombreEcrans()) return {};
  if (!fil_.joinable()) return RendPourGeneration(projet_, index, graphique_, messageChargement_);
  EcranRendu rendu;
  {
    std::unique_lock<std::mutex> verrou(mutex_);
    cv_.wait(verrou, [this] { return pret_; });
    // Screens come in order; a request out of order is a caller's error
    // and gets a null screen.
    if (indexSlot_ == index) rendu = std::move(slot_);
    slot_ = {};
    pret_ = false;
  }
  cv_.notify_all();
  return rendu;
}

}  // namespace lumaveil
