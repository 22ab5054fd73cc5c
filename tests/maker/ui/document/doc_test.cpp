// The document: the name proposed for a project, Save As, the "save
// changes?" question on New, Open and Close, the title, and opening a file
// that is not a project, through the main window that owns it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <fstream>

#include "attente_essai.h"
#include "document/doc.h"
#include "projet_essai.h"
#include "dossier_temporaire.h"
#include "ecrans_essai.h"
#include "fenetre_essai.h"

namespace lumaveil {
namespace {

using talvik::RGB;
using Doc = testing::FenetreOuverte;

TEST(NomPropose, CutAtTheFirstSeparatorPlusExtension) {
  EXPECT_EQ(CDoc::NomPropose("Noname"), "Noname.lmv");
  EXPECT_EQ(CDoc::NomPropose("my project.lmv"), "my.lmv");
  EXPECT_EQ(CDoc::NomPropose("a#b;c"), "a.lmv");
  EXPECT_EQ(CDoc::NomPropose("50%"), "50.lmv");
  EXPECT_EQ(CDoc::FiltreProjets(), "Lumaveil File(*.lmv)|*.lmv||");
}

// Save As on a saved project proposes that very file (not "summer.lmv.lmv"
// in the working directory); a project never saved gets its title plus
// ".lmv" in the folder a project was last opened from or saved in.
TEST_F(Doc, SaveAsProposesTheProjectsOwnFileOrTheLastFolderUsed) {
  CDoc& doc = frame_->Doc();
  testing::TempDir avant, dossier;
  QStringList proposes;
  QString reponse;
  doc.ChoixSauvegarde = [&](const QString& nom) {
    proposes << nom;
    return reponse;
  };
  doc.FixeDernierDossier(QString::fromStdString(avant.Path()));
  EXPECT_FALSE(doc.SauveSous());  // cancelled
  EXPECT_EQ(proposes.back(), QString::fromStdString(avant.File("Noname.lmv")));

  reponse = QString::fromStdString(dossier.File("summer.lmv"));
  ASSERT_TRUE(doc.SauveSous());
  reponse.clear();
  EXPECT_FALSE(doc.SauveSous());
  EXPECT_EQ(proposes.back(), QString::fromStdString(dossier.File("summer.lmv")));

  reponse = QString::fromStdString(dossier.File("my project.2004.lmv"));
  ASSERT_TRUE(doc.SauveSous());
  reponse.clear();
  EXPECT_FALSE(doc.SauveSous());
  EXPECT_EQ(proposes.back(), QString::fromStdString(dossier.File("my project.2004.lmv")));

  // A new project: its title in the folder of the last save.
  ASSERT_TRUE(doc.Nouveau());
  EXPECT_FALSE(doc.SauveSous());
  EXPECT_EQ(proposes.back(), QString::fromStdString(dossier.File("Noname.lmv")));
  EXPECT_EQ(proposes.size(), 6);
}

TEST_F(Doc, SaveChangesQuestionOnNewOpenAndClose) {
  CDoc& doc = frame_->Doc();
  QStringList questions;
  ReponseSauvegarde reponse = ReponseSauvegarde::Annuler;
  doc.Question = [&](const QString& t) {
    questions << t;
    return reponse;
  };
  QString propose;
  testing::TempDir dossier;
  const QString cible = QString::fromStdString(dossier.File("projet.lmv"));
  doc.ChoixSauvegarde = [&](const QString& nom) {
    propose = nom;
    return cible;
  };
  // Not modified: no question; a new project has no screen.
  ASSERT_TRUE(doc.Nouveau());
  EXPECT_TRUE(questions.isEmpty());
  EXPECT_EQ(Liste().NombreEcrans(), 0);

  Clique(Commande::EcranNouveau);
  Clique(Commande::EcranSupprime);  // modifies
  ASSERT_TRUE(doc.EstModifie());
  // Cancel: nothing happens.
  EXPECT_FALSE(doc.Nouveau());
  EXPECT_EQ(questions.back(), "Save changes to Noname?");
  EXPECT_TRUE(doc.EstModifie());
  frame_->close();
  EXPECT_TRUE(frame_->isVisible());
  EXPECT_EQ(questions.size(), 2);
  // Yes on a never-saved project goes through Save As.
  reponse = ReponseSauvegarde::Oui;
  EXPECT_TRUE(doc.Nouveau());
  EXPECT_EQ(QFileInfo(propose).fileName(), "Noname.lmv");
  EXPECT_TRUE(QFileInfo(propose).isAbsolute()) << propose.toStdString();
  EXPECT_TRUE(QFileInfo::exists(cible));
  EXPECT_FALSE(doc.EstModifie());
  EXPECT_EQ(questions.size(), 3);
  // No: closes without saving.
  Clique(Commande::EcranNouveau);
  reponse = ReponseSauvegarde::Non;
  doc.ChoixOuverture = [&] { return cible; };
  EXPECT_TRUE(doc.Ouvre());
  EXPECT_EQ(questions.size(), 4);
  EXPECT_EQ(doc.Titre(), "projet.lmv");
  EXPECT_EQ(frame_->windowTitle(), "projet.lmv[*] - Lumaveil");
}

TEST_F(Doc, SaveThenOpenKeepsOrderAndMakesTheLastScreenCurrent) {
  for (COLORREF c : {RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0)}) {
    testing::ProjetEssai(contexte_).ModeleEcran.FondCouleur = c;
    Clique(Commande::EcranNouveau);
  }
  Liste().Selectionne(0);
  testing::TempDir dossier;
  const QString chemin = QString::fromStdString(dossier.File("quatre.lmv"));
  frame_->Doc().ChoixSauvegarde = [&](const QString&) { return chemin; };
  ASSERT_TRUE(frame_->Doc().SauveSous());
  EXPECT_TRUE(frame_->Doc().Nouveau());
  EXPECT_EQ(Liste().NombreEcrans(), 0);
  frame_->Doc().ChoixOuverture = [&] { return chemin; };
  ASSERT_TRUE(frame_->Doc().Ouvre());
  ASSERT_EQ(Liste().NombreEcrans(), 4);
  EXPECT_EQ(Liste().Selection(), 3);
  EXPECT_EQ(contexte_.EcranCourant->FondCouleur, RGB(30, 0, 0));
  ATTEND_EGAL(Liste().VignettesEnAttente(), 0, 20000);
  QApplication::processEvents();
  for (int i = 1; i < 4; ++i)
    EXPECT_EQ(testing::CouleurVignette(Liste().Ligne(i)), RGB(talvik::BYTE(10 * i), 0, 0)) << i;
  EXPECT_EQ(frame_->FichiersRecents().Liste().front(), chemin.toStdString());
}

TEST_F(Doc, OpeningAFileThatIsNotAProjectKeepsTheList) {
  Clique(Commande::EcranNouveau);
  frame_->Doc().FixeModifie(false);  // no "save changes?" before the open
  testing::TempDir dossier;
  const std::string faux = dossier.File("faux.lmv");
  std::ofstream(faux) << "garbage garbage";
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* m = qobject_cast<QMessageBox*>(w)) {
        EXPECT_EQ(m->text(), "This file isn't correct.");
        EXPECT_EQ(m->windowTitle(), "Error");
        m->accept();
      }
  });
  frame_->Doc().ChoixOuverture = [&] { return QString::fromStdString(faux); };
  EXPECT_FALSE(frame_->Doc().Ouvre());
  EXPECT_EQ(Liste().NombreEcrans(), 2);
  EXPECT_EQ(frame_->Doc().Titre(), "Noname");
}

}  // namespace
}  // namespace lumaveil
