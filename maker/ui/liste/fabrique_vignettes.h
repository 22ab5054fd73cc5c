// The thumbnail workers of the screen list: one thread per core (at
// most four) that build the 150 x 110 thumbnails of screens whose
// picture must be loaded from its file, so that the window answers while a
// large project fills in. Each request carries a copy of the screen's
// settings taken when it is made; the thumbnails come back on the
// user-interface thread, in the order of the requests, each with the
// messages its loading raised (shown there, never from a worker, so that
// a worker never waits on the user-interface thread).
#pragma once

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "base/message.h"
#include "ecran.h"

namespace lumaveil {

class CFabriqueVignettes : public QObject {
  Q_OBJECT
 public:
  // Receives a finished thumbnail on the user-interface thread.
  using Reception = std::function<void(std::uint64_t jeton, talvik::HBITMAP vignette)>;

  explicit CFabriqueVignettes(QObject* parent = nullptr);
  // Arrete, then waits for the workers.
  ~CFabriqueVignettes() override;

  // Stops every worker at once: pending requests are dropped, the
  // thumbnails being made give up at their next step (a JPEG between its
  // scans) and nothing more is delivered. Used when the window closes, so
  // that a photo that takes minutes to decode does not hold the exit.
  void Arrete();

  void FixeReception(Reception reception) { reception_ = std::move(reception); }
  // The 140 x 100 backdrop under each thumbnail (shared, read only).
  void FixeFond(const talvik::HBITMAP& fond);

  // Queues the thumbnail of `ecran` (settings copied now) under `jeton`.
  void Demande(std::uint64_t jeton, const CEcran& ecran);
  // Drops every request not yet started; a thumbnail being built is not
  // delivered.
  void AnnuleTout();
  // Requests not yet delivered (queued, being built or on their way).
  int EnAttente() const;

 signals:
  // Every request made so far has been delivered (or dropped).
  void termine();

 private:
  struct Travail {
    std::uint64_t jeton;
    std::unique_ptr<CEcran> ecran;
    std::uint64_t serie;
    std::uint64_t numero;  // order of the request
  };
  struct Resultat {
    std::uint64_t jeton;
    std::uint64_t serie;
    talvik::HBITMAP vignette;
    bool abandonne;  // dropped before it was started: nothing to deliver
    std::vector<talvik::MessageUtilisateur> messages;  // raised while it was made
  };
  void Boucle();
  // Sends the finished results that are next in the order of the requests
  // to the user-interface thread (mutex_ held).
  void EnvoieDansLOrdre();
  void Livre(std::uint64_t jeton, std::uint64_t serie, talvik::HBITMAP vignette,
             const std::vector<talvik::MessageUtilisateur>& messages);

  Reception reception_;
  mutable std::mutex mutex_;
  std::condition_variable cv_;
  std::deque<Travail> file_;
  talvik::HBITMAP fond_;
  bool arret_ = false;
  std::atomic<bool> arretFils_{false};  // the workers' stop flag (base/arret.h)
  std::uint64_t serie_ = 0;  // bumped by AnnuleTout: older results are dropped
  int enCours_ = 0;          // requests taken by a worker, not yet delivered
  std::uint64_t prochainNumero_ = 0;  // given to the next request
  std::uint64_t aEnvoyer_ = 0;        // number of the next result to send
  std::map<std::uint64_t, Resultat> prets_;  // finished, waiting for their turn
  std::vector<std::thread> fils_;
};

}  // namespace lumaveil
