#include "taches/progression_travail.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "base/message.h"
#include "dialogs/commun/nombres_locaux.h"
#include "dialogs/commun/progression_dlg.h"

namespace lumaveil {

struct CProgressionTravail::Etat {
  Etat(QWidget* parent, IDialogue& d) : dialogue(d), fenetre(new talvik::CProgressionDlg(parent)) {}

  IDialogue& dialogue;
  QPointer<talvik::CProgressionDlg> fenetre;

  // Set by the GUI thread when "Stop" is down (pressed or the window
  // closed), taken back to 0 by the worker's next progress call.
  std::atomic<int> arret{0};
  // Once set (the application quits during the job) every progress call
  // answers Stop and nothing more is shown.
  std::atomic<bool> abandon{false};

  // The latest progress the worker reported, shown by the GUI thread.
  std::mutex mutex;
  unsigned total = 0;
  unsigned courant = 0;
  std::string fichier;
  std::string operation;
  std::atomic<bool> miseAJourEnAttente{false};

  // Called on the GUI thread: the window shows the latest progress and
  // "Stop" shows whether a press is still waiting for the worker.
  void MetAJour() {
    miseAJourEnAttente = false;
    if (!fenetre) return;
    unsigned t, c;
    {
      std::lock_guard<std::mutex> verrou(mutex);
      t = total;
      c = courant;
      fenetre->m_strFichier = fichier;
      fenetre->m_strOperation = operation;
    }
    fenetre->m_strCompteur = t ? talvik::CompteurLocal(c, t) : "";
    fenetre->m_Progression->setRange(0, int(t));
    fenetre->m_Progression->setValue(int(c));
    fenetre->m_bArret = arret.load();
    fenetre->UpdateData(false);
  }
};

namespace {

// What the job holds on the worker: its progress and its dialogue, both
// crossing to the GUI thread.
class CCoteTravail : public IProgression, public IDialogue {
 public:
  explicit CCoteTravail(CProgressionTravail::Etat& etat) : etat_(etat) {}

  void Debut(unsigned total) override {
    TransmetRetenus();
    {
      std::lock_guard<std::mutex> verrou(etat_.mutex);
      etat_.total = total;
      etat_.courant = 0;
    }
    DemandeMiseAJour();
  }

  int AfficheEtTeste(unsigned courant, unsigned total, const std::string& fichier,
                     const std::string& operation) override {
    TransmetRetenus();
    if (etat_.abandon) return 1;
    {
      std::lock_guard<std::mutex> verrou(etat_.mutex);
      etat_.courant = courant;
      etat_.total = total;
      etat_.fichier = fichier;
      etat_.operation = operation;
    }
    const int arret = etat_.arret.exchange(0);
    DemandeMiseAJour();
    return arret;
  }

  using IDialogue::Message;
  void Message(const MessageUtilisateur& message) override {
    TransmetRetenus();
    Montre(message);
  }

  int Question(const MessageUtilisateur& question) override {
    TransmetRetenus();
    int reponse = 0;
    SurFilGraphique([&] { reponse = etat_.dialogue.Question(question); });
    return reponse;
  }

  // The library's messages kept on the worker since the last crossing,
  // shown in order.
  void TransmetRetenus() {
    for (const MessageUtilisateur& m : retenus_.Prend()) Montre(m);
  }

 private:
  void Montre(const MessageUtilisateur& message) {
    SurFilGraphique([&] { etat_.dialogue.Message(message); });
  }

  // Runs `f` on the GUI thread and waits for it; nothing once the
  // application is quitting (the message goes to standard error).
  template <class F>
  void SurFilGraphique(F&& f) {
    if (etat_.abandon || !etat_.fenetre) return;
    QMetaObject::invokeMethod(etat_.fenetre.data(), std::forward<F>(f),
                              Qt::BlockingQueuedConnection);
  }

  void DemandeMiseAJour() {
    if (etat_.miseAJourEnAttente.exchange(true)) return;
    if (!etat_.fenetre) return;
    CProgressionTravail::Etat* etat = &etat_;
    QMetaObject::invokeMethod(
        etat_.fenetre.data(), [etat] { etat->MetAJour(); }, Qt::QueuedConnection);
  }

  CProgressionTravail::Etat& etat_;
  talvik::CMessagesRetenus retenus_;  // built on the worker: keeps its messages
};

}  // namespace

CProgressionTravail::CProgressionTravail(QWidget* parent, IDialogue& dialogue)
    : etat_(std::make_unique<Etat>(parent, dialogue)) {
  Etat* etat = etat_.get();
  QObject::connect(etat->fenetre->BoutonArret(), &QPushButton::toggled, etat->fenetre,
                   [etat](bool enfonce) { etat->arret = enfonce ? 1 : 0; });
}

CProgressionTravail::~CProgressionTravail() { delete etat_->fenetre.data(); }

talvik::CProgressionDlg& CProgressionTravail::Fenetre() { return *etat_->fenetre; }

int CProgressionTravail::ExecuteSurFil(
    const std::function<void(IProgression&, IDialogue&)>& travail) {
  Etat& etat = *etat_;
  talvik::CProgressionDlg& fenetre = *etat.fenetre;
  etat.arret = 0;
  etat.abandon = false;
  etat.miseAJourEnAttente = false;
  {
    std::lock_guard<std::mutex> verrou(etat.mutex);
    etat.total = etat.courant = 0;
    etat.fichier.clear();
    etat.operation.clear();
  }
  fenetre.m_strCompteur.clear();
  fenetre.m_strFichier.clear();
  fenetre.m_strOperation.clear();
  fenetre.m_bArret = 0;
  fenetre.m_Progression->setRange(0, 0);  // busy until the first count
  fenetre.setWindowModality(Qt::ApplicationModal);
  fenetre.Create();

  QEventLoop boucle;
  std::atomic<bool> fini{false};
  std::atomic<bool> reussi{false};
  std::thread fil([&] {
    {
      CCoteTravail cote(etat);
      try {
        travail(cote, cote);
        reussi = true;
      } catch (...) {
      }
      cote.TransmetRetenus();
    }
    // The last queued update is handled before this, so the loop ends on
    // a window that showed the job's last progress.
    QMetaObject::invokeMethod(
        &fenetre,
        [&] {
          fini = true;
          boucle.quit();
        },
        Qt::QueuedConnection);
  });
  if (!fini) boucle.exec();
  if (!fini) {
    // The application quits under the job: the job is told to stop at its
    // next progress call and its messages are no longer shown.
    etat.abandon = true;
    while (!fini) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  fil.join();
  fenetre.hide();
  fenetre.setWindowModality(Qt::NonModal);
  return reussi ? 1 : 0;
}

}  // namespace lumaveil
