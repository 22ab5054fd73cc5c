// CChargementEcran: loads the working screen's picture and renders the
// screen on a worker thread, so that making a screen current answers at
// once even for a photo of many megapixels.
//
// One request counts at a time: a newer request (or Annule) supersedes the
// one in progress, whose result is dropped; a request superseded after its
// picture loaded is not rendered. The result of the current request is
// announced on the owner's thread by `pret` and taken with Prend, or
// waited for with Attend.
#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "derniere_demande.h"
#include "ecran.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

class CChargementEcran : public QObject {
  Q_OBJECT
 public:
  // `graphique` renders the screens; it must outlive this object. Whoever
  // changes its pattern bank waits with Attend first.
  explicit CChargementEcran(talvik::CGraphique& graphique, QObject* parent = nullptr);
  // Stops the screen in progress at its next step (a JPEG between its
  // scans) and waits for the worker; the pending request is dropped.
  ~CChargementEcran() override;

  // Loads a copy of `ecran`'s settings: the picture of CheminImage at full
  // size (a picture that cannot be loaded gives a screen without one, no
  // message), then the complete rendering at level 0. The request becomes
  // the current one.
  void Demande(const CEcran& ecran, Echantillonnage echantillonnage);
  // No request is current any more; a result not yet taken is dropped.
  void Annule();
  // A request is current and its result has not been taken.
  bool EnCours() const;
  // The current request's screen when it is ready, else null; it is taken
  // (EnCours becomes false).
  std::unique_ptr<CEcran> Prend();
  // Waits until the worker is idle (no request waiting or being worked on,
  // superseded ones included), then takes the result as Prend does.
  std::unique_ptr<CEcran> Attend();

 signals:
  // The current request's result is ready to be taken (on the owner's
  // thread; a result taken meanwhile by Attend leaves nothing to take).
  void pret();

 private:
  talvik::CGraphique& graphique_;
  mutable std::mutex mutex_;
  std::uint64_t courant_ = 0;          // the current request (0: none, or taken)
  std::unique_ptr<CEcran> resultat_;   // the current request's screen, ready
  std::atomic<bool> arretFil_{false};  // the worker's stop flag (base/arret.h)
  // Last: its worker hands results to the members above.
  talvik::DerniereDemande<std::unique_ptr<CEcran>> fil_;
};

}  // namespace lumaveil
