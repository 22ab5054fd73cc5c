// DerniereDemande: a worker thread for work where only the latest request
// counts (an editor's preview, the working screen's picture). A new request
// replaces the one waiting, which never starts; the one running goes on to
// its end, and may ask whether it still counts to stop early. Each finished
// request's result goes to the owner's function `fin`, on the worker thread,
// before the worker is seen idle: whoever waits with Attend finds it there.
//
// `fin` must not call back into the object; a user that keeps results under
// a lock of its own may call Demande under that lock.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace talvik {

template <class Resultat>
class DerniereDemande {
 public:
  // True while the request running is still the latest (no newer request,
  // no Retire, the object not being destroyed).
  using Actuelle = std::function<bool()>;
  using Travail = std::function<Resultat(const Actuelle& actuelle)>;
  using Fin = std::function<void(std::uint64_t numero, Resultat resultat)>;

  explicit DerniereDemande(Fin fin) : fin_(std::move(fin)), fil_([this] { Boucle(); }) {}
  // The waiting request is dropped; waits for the one running (its result
  // still goes to `fin`).
  ~DerniereDemande() {
    {
      std::lock_guard<std::mutex> verrou(mutex_);
      arret_ = true;
      attente_ = nullptr;
    }
    cv_.notify_all();
    fil_.join();
  }
  DerniereDemande(const DerniereDemande&) = delete;
  DerniereDemande& operator=(const DerniereDemande&) = delete;

  // The request becomes the latest; returns its number (1, 2, ...).
  std::uint64_t Demande(Travail travail) {
    std::uint64_t numero;
    {
      std::lock_guard<std::mutex> verrou(mutex_);
      attente_ = std::move(travail);
      numero = derniere_ = ++compteur_;
    }
    cv_.notify_all();
    return numero;
  }
  // No request counts any more: the waiting one is dropped, the running one
  // is told it no longer counts.
  void Retire() {
    {
      std::lock_guard<std::mutex> verrou(mutex_);
      attente_ = nullptr;
      derniere_ = 0;
    }
    cv_.notify_all();
  }
  // Nothing runs or waits.
  bool Libre() const {
    std::lock_guard<std::mutex> verrou(mutex_);
    return !attente_ && !occupe_;
  }
  // Blocks until nothing runs or waits.
  void Attend() {
    std::unique_lock<std::mutex> verrou(mutex_);
    cv_.wait(verrou, [this] { return !attente_ && !occupe_; });
  }

 private:
  void Boucle() {
    for (;;) {
      Travail travail;
      std::uint64_t numero;
      {
        std::unique_lock<std::mutex> verrou(mutex_);
        cv_.wait(verrou, [this] { return arret_ || bool(attente_); });
        if (arret_) return;
        travail = std::move(attente_);
        attente_ = nullptr;
        numero = derniere_;
        occupe_ = true;
      }
      const Actuelle actuelle = [this, numero] {
        std::lock_guard<std::mutex> verrou(mutex_);
        return numero == derniere_ && !arret_;
      };
      fin_(numero, travail(actuelle));
      {
        std::lock_guard<std::mutex> verrou(mutex_);
        occupe_ = false;
      }
      cv_.notify_all();
    }
  }

  Fin fin_;
  mutable std::mutex mutex_;
  std::condition_variable cv_;   // a request waiting, or the worker idle
  Travail attente_;              // the latest request, not yet started
  std::uint64_t compteur_ = 0;   // numbers given
  std::uint64_t derniere_ = 0;   // number of the latest request (0 after Retire)
  bool occupe_ = false;          // the worker runs a request
  bool arret_ = false;
  std::thread fil_;              // last: started once everything above exists
};

}  // namespace talvik
