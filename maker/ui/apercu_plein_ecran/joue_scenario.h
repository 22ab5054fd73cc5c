// CJoueScenarioUIThread: the full-screen preview of the open project. The
// screens play in list order from the selected one, endlessly, with their
// effects and durations as the player shows them, while a worker renders
// the next screen (CScenarioApercu). A left click or a key beeps and stops;
// the main window stays disabled for the whole preview and comes back
// enabled and in front when it ends.
//
// The window, its timer and the drawing live on the GUI thread: widgets
// belong to that thread only, and the main window being disabled keeps the
// project unchanged while the worker reads it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

#include "apercu_plein_ecran/apercu_fenetre.h"
#include "apercu_scenario/scenario_apercu.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

class CProjet;
class IDialogue;

// How a preview renders and keeps time. `rendu` empty: the project's screen
// as generation renders it; `horloge` and `pause`, when given, replace the
// calendar and the real pauses between transition steps (tests run on
// simulated time).
struct OptionsApercu {
  RenduApercu rendu;
  lmvengine::Clock* horloge = nullptr;
  lmvengine::Sleeper* pause = nullptr;
  std::function<std::int64_t()> millisecondes;  // the moving effects' clock; empty: the system's
};

class CJoueScenarioUIThread : public QObject {
  Q_OBJECT
 public:
  // The display command: fewer than 2 screens in `projet` shows message
  // 61239 through `dialogue` and returns null; otherwise the preview starts
  // (`principale` disabled, the window shown full screen) and the returned
  // object deletes itself once the preview has ended.
  static CJoueScenarioUIThread* Lance(const CProjet& projet, talvik::CGraphique& graphique,
                                      QWidget* principale, IDialogue& dialogue,
                                      OptionsApercu options = {});
  ~CJoueScenarioUIThread() override;

  CApercuFenetre* Fenetre() const { return fenetre_; }

 public slots:
  // Beep, wait cursor, stop the worker, close the window.
  void Arrete();

 signals:
  // A screen was drawn (index in the list, effect drawn).
  void ecranAffiche(int index, int effet);
  // The preview has ended and the main window is back.
  void termine();

 private:
  explicit CJoueScenarioUIThread(QWidget* principale);
  bool Demarre(const CProjet& projet, OptionsApercu options);
  void EtapeAffichage();
  void Sortie();

  QPointer<QWidget> principale_;
  std::unique_ptr<CScenarioApercu> scenario_;
  QPointer<CApercuFenetre> fenetre_;
  QTimer minuterie_;  // timer 1: the rest of the screen's duration
  QTimer images_;     // the next frame of a moving effect
  bool fini_ = false;
};

}  // namespace lumaveil
