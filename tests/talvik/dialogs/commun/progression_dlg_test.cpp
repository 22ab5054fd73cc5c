#include "dialogs/commun/progression_dlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "capture_ecran.h"
#include "dialogs/commun/question_traitement_dlg.h"
#include "dialogs/commun/saisie_chaine_dlg.h"
#include "dialogs/commun/routine_progression.h"

using talvik::CProgressionDlg;
using talvik::CQuestionTraitementDlg;
using talvik::CSaisieChaineDlg;

namespace {

// Runs action on the modal dialog of type T as soon as one is shown.
template <typename T, typename Action>
void QuandOuvert(Action action) {
  QTimer::singleShot(0, [action] {
    auto* dialogue = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!dialogue) {
      QuandOuvert<T>(action);
      return;
    }
    action(dialogue);
  });
}

TEST(ProgressionDlg, StopPressedBetweenTwoItemsIsSeenByTheNextUpdateOnly) {
  CProgressionDlg dlg;
  dlg.m_Progression->setRange(0, 10);
  dlg.Create();
  EXPECT_EQ(talvik::ProgressionAfficheEtTeste(dlg, 3, 10, "a.jpg", "Rendering"), 0);
  EXPECT_EQ(dlg.findChild<QLineEdit*>()->text().isEmpty(), false);
  EXPECT_EQ(dlg.m_strCompteur, "(3 / 10)");
  EXPECT_EQ(dlg.m_Progression->value(), 3);
  lumaveil::testing::CaptureWidget(&dlg, "progression_dlg");

  QTest::mouseClick(dlg.BoutonArret(), Qt::LeftButton);  // while the caller works
  EXPECT_EQ(talvik::ProgressionAfficheEtTeste(dlg, 4, 10, "b.jpg", "Rendering"), 1);
  EXPECT_FALSE(dlg.BoutonArret()->isChecked());  // released by the update
  EXPECT_EQ(talvik::ProgressionAfficheEtTeste(dlg, 5, 10, "c.jpg", "Rendering"), 0);

  // Closing the window is a stop request too; the window stays for the caller.
  dlg.close();
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(talvik::ProgressionAfficheEtTeste(dlg, 6, 10, "d.jpg", "Rendering"), 1);
}

TEST(QuestionTraitementDlg, CancelledRenameKeepsTheQuestionOpenWithTheOldName) {
  CProgressionDlg progression;
  progression.Create();
  bool questionOuverteApresAnnulation = false;
  QuandOuvert<CQuestionTraitementDlg>([&](CQuestionTraitementDlg* question) {
    lumaveil::testing::CaptureWidget(question, "question_traitement_dlg");
    QuandOuvert<CSaisieChaineDlg>([&, question](CSaisieChaineDlg* saisie) {
      EXPECT_EQ(saisie->EditReponse()->text(), "photo.scr");
      lumaveil::testing::CaptureWidget(saisie, "saisie_chaine_dlg");
      QTest::keyClicks(saisie->EditReponse(), "other.scr");
      saisie->reject();
      QTimer::singleShot(0, [&, question] {
        questionOuverteApresAnnulation =
            question->isVisible() && question->m_strNomFichier == "photo.scr";
        QTest::mouseClick(question->Bouton(CQuestionTraitementDlg::CHOIX_PASSER),
                          Qt::LeftButton);
      });
    });
    QTest::mouseClick(question->Bouton(CQuestionTraitementDlg::CHOIX_RENOMMER), Qt::LeftButton);
  });
  std::string nom = "photo.scr";
  int arret = 0;
  EXPECT_EQ(talvik::QuestionEtProgression(nom, arret, progression),
            CQuestionTraitementDlg::CHOIX_PASSER);
  EXPECT_TRUE(questionOuverteApresAnnulation);
  EXPECT_EQ(nom, "photo.scr");
  EXPECT_EQ(arret, 0);
}

TEST(QuestionTraitementDlg, ConfirmedRenameReturnsTheNewNameAndStopSetsTheFlag) {
  CProgressionDlg progression;
  progression.Create();
  QuandOuvert<CQuestionTraitementDlg>([](CQuestionTraitementDlg* question) {
    QuandOuvert<CSaisieChaineDlg>([](CSaisieChaineDlg* saisie) {
      saisie->EditReponse()->setText("renamed.scr");
      QTest::keyClick(saisie->EditReponse(), Qt::Key_Return);
    });
    QTest::mouseClick(question->Bouton(CQuestionTraitementDlg::CHOIX_RENOMMER), Qt::LeftButton);
  });
  std::string nom = "photo.scr";
  int arret = 0;
  EXPECT_EQ(talvik::QuestionEtProgression(nom, arret, progression),
            CQuestionTraitementDlg::CHOIX_RENOMMER);
  EXPECT_EQ(nom, "renamed.scr");
  EXPECT_EQ(progression.findChildren<QLineEdit*>().at(1)->text(), "renamed.scr");
  EXPECT_EQ(arret, 0);

  QuandOuvert<CQuestionTraitementDlg>([](CQuestionTraitementDlg* question) {
    QTest::keyClick(question, Qt::Key_Escape);
  });
  talvik::QuestionEtProgression(nom, arret, progression);
  EXPECT_EQ(arret, 1);
  EXPECT_EQ(nom, "renamed.scr");
}

}  // namespace
