// Long work on a worker with the progress window on the GUI thread: Stop
// and closing the window reach the job at its next progress call, the
// job's messages and questions are shown and answered on the GUI thread in
// the order they were raised, and the window closes when the job ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "commun/dialogue_qt.h"
#include "taches/progression_travail.h"
#include "capture_ecran.h"
#include "dialogs/commun/progression_dlg.h"
#include "dialogue_essai.h"

namespace lumaveil {
namespace {

// Waits on the worker until the GUI thread has acted (at most 10 s).
void Attend(const std::atomic<bool>& fait) {
  for (int n = 0; !fait && n < 2000; ++n) std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

// Calls `action` on the GUI thread every 5 ms while the test runs.
class Sondeur {
 public:
  explicit Sondeur(std::function<void()> action) {
    QObject::connect(&minuterie_, &QTimer::timeout, std::move(action));
    minuterie_.start(5);
  }

 private:
  QTimer minuterie_;
};

// A job of ten items that goes on after a stop; gives the items whose
// progress call answered Stop. At `pause` it waits until the GUI acted.
std::vector<unsigned> DixElements(IProgression& p, unsigned pause, std::atomic<bool>& enPause,
                                  const std::atomic<bool>& agi) {
  std::vector<unsigned> arrets;
  p.Debut(10);
  for (unsigned i = 1; i <= 10; ++i) {
    if (p.AfficheEtTeste(i, 10, "photo" + std::to_string(i) + ".jpg", "Loading")) arrets.push_back(i);
    if (i == pause) {
      enPause = true;
      Attend(agi);
    }
  }
  p.Fin();
  return arrets;
}

TEST(ProgressionTravail, StopOrClosingIsSeenOnceAtTheNextCallAndTheWindowClosesAtTheEnd) {
  testing::CDialogueTest dialogue;
  CProgressionTravail travail(nullptr, dialogue);
  talvik::CProgressionDlg& fenetre = travail.Fenetre();

  std::atomic<bool> enPause{false}, agi{false};
  std::string compteurVu, fichierVu;
  bool modale = false;
  std::thread::id filDuTravail;
  {
    Sondeur sondeur([&] {
      if (!enPause || agi) return;
      fenetre.UpdateData(true);
      if (fenetre.m_strCompteur != "(3 / 10)") return;  // the update has not arrived yet
      compteurVu = fenetre.m_strCompteur;
      fichierVu = fenetre.m_strFichier;
      modale = QApplication::activeModalWidget() == &fenetre;
      lumaveil::testing::CaptureWidget(&fenetre, "progression_travail");
      QTest::mouseClick(fenetre.BoutonArret(), Qt::LeftButton);
      agi = true;
    });
    const auto arrets = travail.Execute([&](IProgression& p, IDialogue& d) {
      filDuTravail = std::this_thread::get_id();
      auto a = DixElements(p, 3, enPause, agi);
      d.Message("Done", "Information", IconeMessage::Information);
      return a;
    });
    EXPECT_EQ(arrets, std::vector<unsigned>{4});
  }
  EXPECT_NE(filDuTravail, std::this_thread::get_id());
  ASSERT_EQ(dialogue.messages.size(), 1u);
  EXPECT_EQ(dialogue.fils, std::vector<std::thread::id>{std::this_thread::get_id()});
  EXPECT_EQ(compteurVu, "(3 / 10)");
  EXPECT_EQ(fichierVu, "photo3.jpg");
  EXPECT_TRUE(modale);
  EXPECT_FALSE(fenetre.isVisible());

  // Closing the window (or Escape) asks the same stop; a second run starts
  // with Stop up.
  enPause = false;
  agi = false;
  {
    Sondeur sondeur([&] {
      if (!enPause || agi) return;
      fenetre.close();
      EXPECT_TRUE(fenetre.isVisible());  // the job closes it, not the user
      agi = true;
    });
    const auto arrets = travail.Execute(
        [&](IProgression& p) { return DixElements(p, 6, enPause, agi); });
    EXPECT_EQ(arrets, std::vector<unsigned>{7});
  }
  EXPECT_FALSE(fenetre.isVisible());

  // A job that throws gives an empty result and still closes the window.
  const int resultat = travail.Execute([](IProgression& p) -> int {
    p.AfficheEtTeste(1, 2, "", "");
    throw std::runtime_error("out of memory");
  });
  EXPECT_EQ(resultat, 0);
  EXPECT_FALSE(fenetre.isVisible());
}

TEST(ProgressionTravail, MessagesAndQuestionsFromTheWorkerAreAnsweredOnTheGuiThreadInOrder) {
  CDialogueQt dialogue(nullptr);
  CProgressionTravail travail(nullptr, dialogue);

  // The user reads each box and answers No to the first question, Yes to
  // the second, through the boxes' buttons.
  std::vector<std::string> boites;
  Sondeur sondeur([&] {
    auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!boite || !boite->isVisible()) return;
    boites.push_back(boite->text().toStdString());
    QAbstractButton* bouton = boite->button(QMessageBox::Ok);
    if (!bouton) {
      const bool premiere = boites.size() < 3;
      bouton = boite->button(premiere ? QMessageBox::No : QMessageBox::Yes);
    }
    ASSERT_NE(bouton, nullptr);
    QTest::mouseClick(bouton, Qt::LeftButton);
  });

  const auto reponses = travail.Execute([](IProgression& p, IDialogue& d) {
    // A library message raised on the worker comes before the question
    // that follows it.
    talvik::AfficheMessage("Unable to load file", "Error");
    std::vector<int> r;
    r.push_back(d.Question(MessageUtilisateur{1, "Keep going?", "Question",
                                              IconeMessage::Question, {}}));
    p.AfficheEtTeste(1, 1, "a.jpg", "Saving");
    r.push_back(d.Question(MessageUtilisateur{2, "Overwrite?", "Question",
                                              IconeMessage::Question, {}}));
    return r;
  });
  EXPECT_EQ(reponses, (std::vector<int>{0, 1}));
  EXPECT_EQ(boites, (std::vector<std::string>{"Unable to load file", "Keep going?", "Overwrite?"}));
  EXPECT_FALSE(travail.Fenetre().isVisible());
}

}  // namespace
}  // namespace lumaveil
