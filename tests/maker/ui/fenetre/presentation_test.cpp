// "Show": the demo saver of the current directory, when there is one, is
// started as a program (a Linux saver plays when it runs); otherwise the one
// shipped with the maker.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "fenetre/main_frame.h"
#include "principale/principale_view.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

TEST(Presentation, ShowStartsTheDemoSaverOfTheCurrentDirectoryElseTheShippedOne) {
  testing::TempDir dossier;
  const QString ancien = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dossier.Path())));
  const QString shipped = CheminPresentation();
  EXPECT_TRUE(shipped.endsWith("/presentation.scr")) << shipped.toStdString();
  EXPECT_NE(QFileInfo(shipped).absolutePath(), QDir::currentPath());

  // A stand-in saver that leaves a mark where it runs.
  const QString saver = QString::fromStdString(dossier.File("presentation.scr"));
  {
    QFile f(saver);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/played\"\n");
  }
  QFile::setPermissions(saver, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  CContexte contexte;
  contexte.Parametres.StartWizard = 0;
  CMainFrame frame(contexte);
  frame.Contexte().DemarrageEnCours = false;
  frame.Action(Commande::Presentation)->trigger();
  QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(QString::fromStdString(dossier.File("played"))),
                           10000);
  QDir::setCurrent(ancien);
}

}  // namespace
}  // namespace lumaveil
