#include "dialogs/commun/boite_message.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <thread>

#include "capture_ecran.h"

namespace {

// A message from a worker thread is shown by the GUI thread, with the
// caption of its kind when the sender gives none, and the answer comes back.
TEST(BoiteMessage, WorkerMessagesAreShownOnTheGuiThread) {
  talvik::InstalleMessagesQt();
  QThread* filAffichage = nullptr;
  std::string titreVu;
  auto ancien = talvik::InstalleHookBoiteMessage(
      [&](const std::string&, const std::string& titre, talvik::IconeMessage,
          talvik::BoutonsMessage boutons) {
        filAffichage = QThread::currentThread();
        titreVu = titre;
        return boutons == talvik::BoutonsMessage::OuiNon ? talvik::IDYES : talvik::IDOK;
      });
  int reponse = -1;
  std::thread travail([&] {
    reponse = talvik::AfficheMessage("Overwrite?", "", talvik::IconeMessage::Question);
  });
  while (reponse == -1) QTest::qWait(5);
  travail.join();
  EXPECT_EQ(filAffichage, QApplication::instance()->thread());
  EXPECT_EQ(titreVu, "Question");
  EXPECT_EQ(reponse, 1);
  talvik::InstalleHookBoiteMessage(ancien);
  talvik::InstalleMessageHook({});
}

TEST(BoiteMessage, RealBoxCarriesCaptionIconAndAnswer) {
  QTimer::singleShot(0, [] {
    auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(boite, nullptr);
    EXPECT_EQ(boite->windowTitle(), "Warning");
    EXPECT_EQ(boite->icon(), QMessageBox::Warning);
    lumaveil::testing::CaptureWidget(boite, "boite_message");
    boite->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(talvik::BoiteMessage(nullptr, "Drag&drop all pictures on list to create screens !",
                                 talvik::kTitreAttention, talvik::IconeMessage::Attention,
                                 talvik::BoutonsMessage::OuiNon),
            talvik::IDNO);
}

}  // namespace
