// "Add photos..." and "Add folder..." through the window's controls: the
// pictures of a folder (not its other files) in name order, then files in
// date order by the shortcut, each a screen from the template, each batch
// one change that one Undo takes back.
#include <gtest/gtest.h>

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QTest>
#include <fstream>

#include "dialogues_essai.h"
#include "dossier_temporaire.h"
#include "fenetre_essai.h"
#include "travail/ajout_photos.h"

namespace lumaveil {
namespace {

class AjoutPhotos : public testing::FenetreOuverte {
 protected:
  ~AjoutPhotos() override { EcritOrdrePhotos(OrdrePhotos::Nom); }
  // The file names of the screens added after the first `avant`.
  QStringList Ajoutes(int avant) {
    QStringList noms;
    for (int i = avant; i < Liste().NombreEcrans(); ++i)
      noms << QFileInfo(QString::fromStdString(Liste().Ecran(i).CheminImage)).fileName();
    return noms;
  }
};

TEST_F(AjoutPhotos, AFolderByNameThenFilesByDateEachOneUndoableChange) {
  testing::TempDir dossier;
  // Oldest first: the date order is the reverse of the name order.
  const QString noms[] = {"b 10.PNG", "b 2.bmp", "a.png"};
  const QDateTime maintenant = QDateTime::currentDateTime();
  for (int i = 0; i < 3; ++i) {
    const std::string chemin = dossier.File(noms[i].toStdString());
    ASSERT_EQ(talvik::CGraphique::SauveImage(chemin, talvik::HBITMAP::Create(40, 30, 0x00FF0000u + i),
                                             90, 0, 0),
              1);
    QFile f(QString::fromStdString(chemin));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(maintenant.addSecs(3600 * (i - 3)), QFileDevice::FileModificationTime));
  }
  std::ofstream(dossier.File("notes.txt")) << "not a picture";
  const QString chemin = QString::fromStdString(dossier.Path());
  // The window's new project holds its one blank screen: the photos take
  // its place, and Undo gives it back.
  ASSERT_EQ(Liste().NombreEcrans(), 1);
  ASSERT_EQ(Liste().Ecran(0).CheminImage, "");
  const int avant = 0;

  testing::RepondDialogue<QFileDialog>([&](QFileDialog& choix) {
    EXPECT_EQ(choix.fileMode(), QFileDialog::Directory);
    testing::TapeNom(choix, chemin);
    static_cast<QDialog&>(choix).accept();
  });
  frame_->Action(Commande::AjoutDossier)->trigger();
  EXPECT_EQ(Ajoutes(avant), (QStringList{"a.png", "b 2.bmp", "b 10.PNG"}));
  EXPECT_EQ(Liste().Selection(), avant + 2);
  EXPECT_EQ(frame_->Action(Commande::Annuler)->text(), "&Undo Add photos");
  frame_->Action(Commande::Annuler)->trigger();
  ASSERT_EQ(Liste().NombreEcrans(), 1);
  EXPECT_EQ(Liste().Ecran(0).CheminImage, "");

  // Date order, chosen in the menu, is remembered; Ctrl+Shift+O is the
  // shortcut of no other command.
  frame_->Action(Commande::OrdreDate)->trigger();
  EXPECT_EQ(LitOrdrePhotos(), OrdrePhotos::Date);
  EXPECT_FALSE(frame_->Action(Commande::OrdreNom)->isChecked());
  int avecRaccourci = 0;
  for (QAction* a : frame_->actions())
    avecRaccourci += a->shortcuts().contains(QKeySequence("Ctrl+Shift+O"));
  EXPECT_EQ(avecRaccourci, 1);
  testing::RepondDialogue<QFileDialog>([&](QFileDialog& choix) {
    EXPECT_EQ(choix.fileMode(), QFileDialog::ExistingFiles);
    choix.setDirectory(chemin);
    testing::TapeNom(choix, "\"a.png\" \"b 10.PNG\" \"b 2.bmp\"");
    static_cast<QDialog&>(choix).accept();
  });
  frame_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
  QTest::keyClick(frame_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Ajoutes(avant), (QStringList{"b 10.PNG", "b 2.bmp", "a.png"}));

  // Into a project that holds more than its blank screen, they follow the
  // selection.
  testing::RepondDialogue<QFileDialog>([&](QFileDialog& choix) {
    testing::TapeNom(choix, chemin);
    static_cast<QDialog&>(choix).accept();
  });
  frame_->Action(Commande::AjoutDossier)->trigger();
  EXPECT_EQ(Ajoutes(3), (QStringList{"b 10.PNG", "b 2.bmp", "a.png"}));
}

}  // namespace
}  // namespace lumaveil
