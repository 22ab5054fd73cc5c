#include "apercu_plein_ecran/joue_scenario.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <cmath>
#include <ctime>

#include "apercu_plein_ecran/apercu_fenetre.h"
#include "chaines_maker.h"
#include "ecrans_suffisants.h"
#include "dialogs/commun/boite_message.h"
#include "dialogue.h"
#include "projet.h"
#include "paires_portraits.h"
#include "rendu_avance.h"

namespace lumaveil {

namespace {

class Calendrier : public lmvengine::Clock {
 public:
  std::int64_t NowSeconds() override { return std::int64_t(std::time(nullptr)); }
};

class PauseReelle : public lmvengine::Sleeper {
 public:
  void SleepMilliseconds(int millisecondes) override {
    if (millisecondes > 0) QThread::msleep(static_cast<unsigned long>(millisecondes));
  }
};

Calendrier g_calendrier;
PauseReelle g_pause;

}  // namespace

CJoueScenarioUIThread* CJoueScenarioUIThread::Lance(const CProjet& projet,
                                                    talvik::CGraphique& graphique,
                                                    QWidget* principale, IDialogue& dialogue,
                                                    OptionsApercu options) {
  if (!EcransSuffisants(projet, dialogue)) return nullptr;
  if (!options.rendu) {
    // The list's screen, rendered from a fresh copy as the saver will show
    // it; the project's own screens are not touched.
    // Screens paired as the saver pairs them: index counts the screens
    // shown (see Demarre).
    options.rendu = [&projet, &graphique,
                     groupes = GroupesDuProjet(projet, projet.PairePortraits != 0)](int index) {
      const GroupeEcrans& groupe = groupes.at(std::size_t(index));
      EcranRendu rendu = RendGroupePourGeneration(projet, groupe, graphique);
      const CEcran& ecran = projet.Ecran(groupe.premier);
      return EcranApercu{rendu.image, ecran.DureeAffichage, ecran.EffetTransition,
                         EntreeEnregistrement(ecran, rendu)};
    };
  }
  auto* joue = new CJoueScenarioUIThread(principale);
  if (!joue->Demarre(projet, std::move(options))) {
    delete joue;
    return nullptr;
  }
  return joue;
}

CJoueScenarioUIThread::CJoueScenarioUIThread(QWidget* principale) : principale_(principale) {
  minuterie_.setSingleShot(true);
  connect(&minuterie_, &QTimer::timeout, this, [this] {
    if (scenario_ && !scenario_->ArretEnCours()) EtapeAffichage();
  });
  images_.setSingleShot(true);
  images_.setTimerType(Qt::PreciseTimer);
  connect(&images_, &QTimer::timeout, this, [this] {
    if (!scenario_ || scenario_->ArretEnCours()) return;
    const int suivante = scenario_->EtapeImage();
    if (suivante > 0) images_.start(suivante);
  });
}

CJoueScenarioUIThread::~CJoueScenarioUIThread() {
  // The worker ends before anything it reports to goes away.
  fini_ = true;
  if (scenario_) scenario_->Arrete();
  if (fenetre_) delete fenetre_.data();
}

bool CJoueScenarioUIThread::Demarre(const CProjet& projet, OptionsApercu options) {
  QScreen* ecran = principale_ && principale_->screen() ? principale_->screen()
                                                         : QGuiApplication::primaryScreen();
  if (!ecran) return false;
  // One pixel of the preview is one pixel of the display, as for the player.
  const qreal ratio = ecran->devicePixelRatio();
  CScenarioApercu::Parametres p;
  // The screens shown: pairs of portraits count once, and the preview
  // starts on the one that shows the selected screen.
  const std::vector<GroupeEcrans> groupes = GroupesDuProjet(projet, projet.PairePortraits != 0);
  p.nombre = int(groupes.size());
  p.depart = projet.Selection();
  for (int k = 0; k < p.nombre; ++k)
    if (groupes[std::size_t(k)].premier == projet.Selection() ||
        groupes[std::size_t(k)].second == projet.Selection())
      p.depart = k;
  p.largeurEcran = int(std::lround(ecran->geometry().width() * ratio));
  p.hauteurEcran = int(std::lround(ecran->geometry().height() * ratio));
  p.largeurCible = projet.ResolutionCible.cx;
  p.hauteurCible = projet.ResolutionCible.cy;
  lmvengine::Clock& horloge = options.horloge ? *options.horloge : g_calendrier;
  lmvengine::Sleeper& pause = options.pause ? *options.pause : g_pause;
  std::function<std::int64_t()> millisecondes = std::move(options.millisecondes);
  scenario_ = std::make_unique<CScenarioApercu>(
      p, std::move(options.rendu), horloge, pause,
      [this] {
        if (fenetre_) fenetre_->repaint();
      },
      [this] {
        // On the worker: the display step runs on this object's thread.
        QMetaObject::invokeMethod(this, [this] { EtapeAffichage(); }, Qt::QueuedConnection);
      });

  if (millisecondes) scenario_->FixeHorlogeMs(std::move(millisecondes));
  if (principale_) principale_->setEnabled(false);
  fenetre_ = new CApercuFenetre(scenario_->Ecran(), ratio);
  fenetre_->setAttribute(Qt::WA_DeleteOnClose);
  fenetre_->setGeometry(ecran->geometry());
  connect(fenetre_, &CApercuFenetre::arretDemande, this, &CJoueScenarioUIThread::Arrete);
  connect(fenetre_, &QObject::destroyed, this, &CJoueScenarioUIThread::Sortie);
  fenetre_->showFullScreen();
  fenetre_->raise();
  fenetre_->activateWindow();
  fenetre_->setFocus();
  if (!scenario_->Demarre()) {
    fini_ = true;  // the caller deletes this object
    delete fenetre_.data();
    if (principale_) principale_->setEnabled(true);
    return false;
  }
  return true;
}

void CJoueScenarioUIThread::EtapeAffichage() {
  if (!scenario_) return;
  const ResultatAffichage r = scenario_->EtapeAffichage();
  if (r.minuterieMs > 0) minuterie_.start(r.minuterieMs);
  if (r.imageSuivanteMs > 0) images_.start(r.imageSuivanteMs);
  if (r.dessine) emit ecranAffiche(r.index, r.effet);
}

void CJoueScenarioUIThread::Arrete() {
  if (!scenario_ || scenario_->ArretEnCours()) return;
  talvik::Bip();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  minuterie_.stop();
  images_.stop();
  scenario_->Arrete();
  QApplication::restoreOverrideCursor();
  if (fenetre_) fenetre_->close();
}

void CJoueScenarioUIThread::Sortie() {
  if (fini_) return;
  fini_ = true;
  minuterie_.stop();
  images_.stop();
  if (scenario_) scenario_->Arrete();
  if (principale_) {
    principale_->setEnabled(true);
    principale_->raise();
    principale_->activateWindow();
  }
  emit termine();
  deleteLater();
}

}  // namespace lumaveil
