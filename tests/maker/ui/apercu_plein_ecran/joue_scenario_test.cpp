// The full-screen preview from the main window: the order from the
// selected screen, mouse moves ignored, a click or a key stopping with the
// beep and bringing the main window back, and the one-screen message.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <QSignalSpy>
#include <QTest>

#include "attente_essai.h"
#include "apercu_plein_ecran/joue_scenario.h"
#include "projet_essai.h"
#include "fenetre_essai.h"
#include "capture_ecran.h"
#include "dialogs/commun/boite_message.h"
#include "ecrans_essai.h"
#include "fenetre/main_frame.h"
#include "generation/commandes_generation.h"
#include "graphique.h"
#include "liste/liste_view.h"
#include "photo_essai.h"
#include "principale/principale_view.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

// Transition pauses that take no time.
class SansPause : public lmvengine::Sleeper {
 public:
  void SleepMilliseconds(int) override {}
};

class Apercu : public ::testing::Test {
 protected:
  Apercu() {
    testing::ProjetEssai(contexte_).ModeleEcran.TailleCible = testing::kPetitCanevas;
    frame_ = testing::FenetreEssai(contexte_, testing::kPetitCanevas);
    frame_->show();
    frame_->Generation().OptionsPreview.pause = &sansPause_;
    talvik::InstalleHookBip([this] { ++bips_; });
    talvik::InstalleHookBoiteMessage([this](const std::string& texte, const std::string&,
                                            talvik::IconeMessage, talvik::BoutonsMessage) {
      messages_.push_back(texte);
      return int(talvik::IDOK);
    });
  }
  ~Apercu() override {
    talvik::InstalleHookBip({});
    talvik::InstalleHookBoiteMessage({});
  }

  // n screens of blues 1..n that stay 0 seconds, each with effect i mod 7.
  void EcransBleus(int n) {
    frame_->Contexte().Controleur.SupprimeTout();
    for (int i = 0; i < n; ++i) {
      auto e = testing::EcranCouleur(Bleu(i), false, *contexte_.Graphique);
      e->DureeAffichage = 0;
      e->EffetTransition = i % 7;
      frame_->Contexte().Controleur.InsereEcran(*e, true);
    }
  }
  static COLORREF Bleu(int i) { return talvik::RGB(0, 0, talvik::BYTE(100 + 30 * i)); }

  // The colour at the middle of the preview window.
  static COLORREF Milieu(QWidget* fenetre) {
    const QImage image = fenetre->grab().toImage();
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    return talvik::RGB(talvik::BYTE(c.red()), talvik::BYTE(c.green()), talvik::BYTE(c.blue()));
  }

  CContexte contexte_;
  std::unique_ptr<CMainFrame> frame_;
  SansPause sansPause_;
  int bips_ = 0;
  std::vector<std::string> messages_;
};

TEST_F(Apercu, FromTheThirdOfFivePlaysOnInListOrderAndAClickStopsWithTheBeep) {
  EcransBleus(5);
  frame_->ListeView()->Selectionne(2);
  frame_->Action(Commande::Affichage)->trigger();
  CJoueScenarioUIThread* apercu = frame_->Generation().Apercu();
  ASSERT_NE(apercu, nullptr);
  QSignalSpy vus(apercu, &CJoueScenarioUIThread::ecranAffiche);
  QSignalSpy fin(apercu, &CJoueScenarioUIThread::termine);
  QWidget* fenetre = apercu->Fenetre();
  ASSERT_NE(fenetre, nullptr);
  EXPECT_TRUE(fenetre->isFullScreen());
  EXPECT_EQ(fenetre->accessibleName(), "Preview");
  EXPECT_FALSE(frame_->isEnabled());

  ATTEND_VRAI(vus.count() >= 6, 20000);
  std::vector<int> ordre;
  for (int i = 0; i < 6; ++i) ordre.push_back(vus.at(i).at(0).toInt());
  EXPECT_EQ(ordre, (std::vector<int>{2, 3, 4, 0, 1, 2}));
  EXPECT_EQ(vus.at(0).at(1).toInt(), 0);  // the first screen comes without its effect
  EXPECT_EQ(vus.at(1).at(1).toInt(), 3);

  // Moving the mouse does not stop it.
  QTest::mouseMove(fenetre, QPoint(10, 10));
  QTest::mouseMove(fenetre, QPoint(200, 150));
  QTest::qWait(50);
  EXPECT_EQ(fin.count(), 0);
  EXPECT_EQ(bips_, 0);

  QTest::mouseClick(fenetre, Qt::LeftButton, {}, QPoint(100, 100));
  EXPECT_EQ(bips_, 1);
  ATTEND_EGAL(fin.count(), 1, 5000);
  EXPECT_TRUE(frame_->isEnabled());
  ATTEND_EGAL(QApplication::activeWindow(), frame_.get(), 5000);
  ATTEND_VRAI(frame_->Generation().Apercu() == nullptr, 5000);
  EXPECT_TRUE(messages_.empty());
  // The project's screens are as they were.
  EXPECT_EQ(contexte_.Projet.NombreEcrans(), 5);
  EXPECT_EQ(contexte_.Projet.Selection(), 2);
}

TEST_F(Apercu, AKeyStopsAndTheScreenOnDisplayIsTheSelectedOne) {
  EcransBleus(3);
  for (int i = 0; i < 3; ++i) testing::ProjetEssai(contexte_).Ecran(i).DureeAffichage = 60;
  frame_->ListeView()->Selectionne(1);
  frame_->Action(Commande::Affichage)->trigger();
  CJoueScenarioUIThread* apercu = frame_->Generation().Apercu();
  ASSERT_NE(apercu, nullptr);
  QSignalSpy vus(apercu, &CJoueScenarioUIThread::ecranAffiche);
  QSignalSpy fin(apercu, &CJoueScenarioUIThread::termine);
  ATTEND_EGAL(vus.count(), 1, 20000);
  EXPECT_EQ(Milieu(apercu->Fenetre()), Bleu(1));
  // The next screen is ready long before its time: it waits.
  QTest::qWait(300);
  EXPECT_EQ(vus.count(), 1);
  QTest::keyClick(apercu->Fenetre(), Qt::Key_Space);
  EXPECT_EQ(bips_, 1);
  ATTEND_EGAL(fin.count(), 1, 5000);
  EXPECT_TRUE(frame_->isEnabled());
}

TEST_F(Apercu, OneScreenShowsTheMessageAndStartsNothing) {
  ASSERT_EQ(contexte_.Projet.NombreEcrans(), 1);
  frame_->Action(Commande::Affichage)->trigger();
  EXPECT_EQ(frame_->Generation().Apercu(), nullptr);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "You must create at least 2 screens before generating a screen saver !");
  EXPECT_TRUE(frame_->isEnabled());
}

TEST_F(Apercu, ScreenshotOfAPhotoOnDisplay) {
  testing::TempDir dossier;
  const std::string photo = dossier.File("photo.png");
  ASSERT_TRUE(testing::PhotoDeTest(480, 360).save(QString::fromStdString(photo)));
  testing::ProjetEssai(contexte_).ResolutionCible = SIZE{640, 480};
  frame_->Contexte().Controleur.SupprimeTout();
  for (int i = 0; i < 2; ++i) {
    auto e = std::make_unique<CEcran>(SIZE{640, 480});
    e->CheminImage = photo;
    e->FondCouleur = talvik::RGB(20, 24, 40);
    e->CadreUtilisation = 1;
    frame_->Contexte().Controleur.InsereEcran(*e, true);
  }
  frame_->ListeView()->Selectionne(0);
  frame_->Action(Commande::Affichage)->trigger();
  CJoueScenarioUIThread* apercu = frame_->Generation().Apercu();
  ASSERT_NE(apercu, nullptr);
  QSignalSpy vus(apercu, &CJoueScenarioUIThread::ecranAffiche);
  ATTEND_EGAL(vus.count(), 1, 20000);
  const QString capture = testing::CaptureWidget(apercu->Fenetre(), "apercu");
  ASSERT_FALSE(capture.isEmpty());
  const QImage ecran(capture);
  ASSERT_FALSE(ecran.isNull());

  // The screen as the renderer makes it, placed as the player places it:
  // centred, as large as the display holds it.
  CEcran attendu(SIZE{640, 480});
  attendu.CopieParametres(contexte_.Projet.Ecran(0));
  ASSERT_TRUE(attendu.ChargeImage(photo));
  const HBITMAP rendu =
      attendu.CalculeImageFinale(*contexte_.Graphique, 0, Etapes::Toutes(), nullptr);
  ASSERT_TRUE(rendu);
  const double echelle = std::min(ecran.width() / 640.0, ecran.height() / 480.0);
  const double x0 = (ecran.width() - 640 * echelle) / 2, y0 = (ecran.height() - 480 * echelle) / 2;
  // Sky, sun, both rows of hills and the lake of the photo (480 x 360 in the
  // middle of the screen), and the background beside it.
  const std::pair<double, double> points[] = {{0.2, 0.1},  {0.7, 0.35}, {0.15, 0.62},
                                              {0.5, 0.7},  {0.4, 0.92}, {-0.1, 0.5}};
  for (const auto& [fx, fy] : points) {
    const int x = int(80 + fx * 480), y = int(60 + fy * 360);
    const COLORREF voulu = rendu.GetPixel(x, y);
    const QColor vu = ecran.pixelColor(int(x0 + x * echelle), int(y0 + y * echelle));
    EXPECT_NEAR(vu.red(), talvik::GetRValue(voulu), 20) << fx << "," << fy;
    EXPECT_NEAR(vu.green(), talvik::GetGValue(voulu), 20) << fx << "," << fy;
    EXPECT_NEAR(vu.blue(), talvik::GetBValue(voulu), 20) << fx << "," << fy;
  }
  // The points are the photo's own colours, not one flat colour.
  EXPECT_NE(rendu.GetPixel(80 + 96, 60 + 36), rendu.GetPixel(80 + 192, 60 + 331));
  QTest::keyClick(apercu->Fenetre(), Qt::Key_Escape);
  ATTEND_VRAI(frame_->Generation().Apercu() == nullptr, 5000);
}

}  // namespace
}  // namespace lumaveil
