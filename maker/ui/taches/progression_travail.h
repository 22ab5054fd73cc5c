// Long work on a worker thread with the progress window on the GUI thread.
//
// CProgressionTravail runs a job on a thread of its own while the GUI
// thread shows the progress window ("Running operation...") modally and
// keeps handling its events, so the window never freezes. The job reports
// through the IProgression it is given: each AfficheEtTeste crosses its
// counter, file and operation to the window (the latest values win when the
// job reports faster than the window repaints) and returns 1 when the user
// pressed "Stop" or closed the window since the previous call.
//
// What the job tells the user goes to the GUI thread: the IDialogue the job
// is given shows each message and question there through the dialogue the
// adapter was built with, and waits until the user has answered, so a
// question's answer is the user's. The library's messages raised on the
// worker (AfficheMessage, such as a picture that cannot be loaded) are kept
// and shown the same way, in the order they were raised, before the next
// progress update, message or question of the job and at its end.
//
// Execute returns once the job has returned and the window has closed.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

#include "dialogue.h"
#include "progression.h"

class QWidget;

namespace talvik {
class CProgressionDlg;
}

namespace lumaveil {

class CProgressionTravail {
 public:
  // `dialogue` shows the job's messages and questions; it is only ever
  // called on the GUI thread. The window is owned by `parent` (may be null).
  CProgressionTravail(QWidget* parent, IDialogue& dialogue);
  ~CProgressionTravail();
  CProgressionTravail(const CProgressionTravail&) = delete;
  CProgressionTravail& operator=(const CProgressionTravail&) = delete;

  // Runs `travail` on a worker thread, called with (IProgression&) or with
  // (IProgression&, IDialogue&), and returns its result. Call on the GUI
  // thread; an object runs one job at a time. A job that throws gives a
  // value-initialised result (0, false, an empty value).
  template <class Travail>
  auto Execute(Travail&& travail) {
    using Resultat = decltype(Appelle(travail, std::declval<IProgression&>(),
                                      std::declval<IDialogue&>()));
    if constexpr (std::is_void_v<Resultat>) {
      ExecuteSurFil([&](IProgression& p, IDialogue& d) { Appelle(travail, p, d); });
    } else {
      std::optional<Resultat> resultat;
      ExecuteSurFil(
          [&](IProgression& p, IDialogue& d) { resultat.emplace(Appelle(travail, p, d)); });
      if (!resultat) return Resultat{};
      return std::move(*resultat);
    }
  }

  // The progress window (tests press its "Stop").
  talvik::CProgressionDlg& Fenetre();

  struct Etat;  // shared with the worker's side

 private:
  template <class Travail>
  static decltype(auto) Appelle(Travail& travail, IProgression& p, IDialogue& d) {
    if constexpr (std::is_invocable_v<Travail&, IProgression&, IDialogue&>)
      return travail(p, d);
    else
      return travail(p);
  }

  // Runs the job on the worker; returns 0 when it threw.
  int ExecuteSurFil(const std::function<void(IProgression&, IDialogue&)>& travail);

  std::unique_ptr<Etat> etat_;
};

}  // namespace lumaveil
