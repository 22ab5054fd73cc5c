// The main window: bars, commands, the screen-list commands and the
// modified flag, the working screen's room, the list's zoom, and "Show" (the File commands
// with their prompts and the title: tests/maker/ui/document/doc_test.cpp).
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QDropEvent>
#include <QGroupBox>
#include <QScreen>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>
#include <QToolButton>
#include <QMessageBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <cstdlib>
#include <fstream>

#include "attente_essai.h"
#include "fenetre_essai.h"
#include "projet_essai.h"
#include "travail/travail.h"
#include "capture_ecran.h"
#include <QPushButton>

#include "dialogs/fond/fond_dlg.h"
#include "dialogs/motifs/liste_motifs.h"
#include "dialogues_essai.h"
#include "ecrans_essai.h"
#include "fenetre/geometrie_fenetre.h"
#include "fenetre/information_dialog.h"
#include "fenetre/main_frame.h"
#include "fenetre/outil_dialog.h"
#include "fichier_projet.h"
#include "commun/ks_file_dialog.h"
#include "liste/liste_view.h"
#include "modele_ecran/modele_dialog.h"
#include "panneaux/boite_ecran.h"
#include "motifs_utilisateur.h"
#include "principale/principale_view.h"
#include "sortie_commande.h"
#include "dossier_temporaire.h"
#include "xvfb.h"

namespace lumaveil {
namespace {

using talvik::RGB;

using MainFrame = testing::FenetreOuverte;

TEST_F(MainFrame, TopBarHasTenButtonsWithTheirTooltipsAsNames) {
  const char* bulles[] = {"Creates a new document",   "Open an existing document",
                          "Save working document",    "Create a new screen",
                          "Add photos",               "Delete selected screen",
                          "Select previous screen",   "Select next screen",
                          "Generate a screen saver",  "Information about software"};
  for (int i = 0; i < 10; ++i) {
    QToolButton* b = frame_->OutilDialog()->Bouton(i);
    EXPECT_EQ(b->toolTip(), bulles[i]);
    EXPECT_EQ(b->accessibleName(), bulles[i]);
    EXPECT_FALSE(b->icon().pixmap(32, 32).isNull());
  }
  EXPECT_EQ(frame_->Separateur()->sizes().front(), 190);
  testing::CaptureWidget(frame_.get(), "fenetre_principale");
}

TEST_F(MainFrame, MenusAndAcceleratorsAsDesigned) {
  QStringList menus;
  for (QAction* a : frame_->menuBar()->actions()) menus << a->text().remove('&');
  EXPECT_EQ(menus, (QStringList{"File", "Edit", "View", "Screen", "Generate", "Setup", "?"}));
  // View: the thumbnails' zoom, on the platform's keys.
  QStringList vue;
  for (QAction* a : frame_->Menu("View")->actions()) vue << a->text();
  EXPECT_EQ(vue, (QStringList{"Zoom &In", "Zoom &Out"}));
  EXPECT_EQ(frame_->Action(Commande::ZoomAvant)->shortcuts(),
            QKeySequence::keyBindings(QKeySequence::ZoomIn));
  EXPECT_EQ(frame_->Action(Commande::ZoomArriere)->shortcuts(),
            QKeySequence::keyBindings(QKeySequence::ZoomOut));
  QStringList fichier;
  for (QAction* a : frame_->Menu("File")->actions())
    if (!a->isSeparator()) fichier << a->text();
  EXPECT_EQ(fichier, (QStringList{"&New", "&Open...", "&Save", "S&ave as...", "Template",
                                  "Property", "&Quit"}));
  EXPECT_EQ(frame_->Action(Commande::Nouveau)->shortcut(), QKeySequence("Ctrl+N"));
  EXPECT_EQ(frame_->Action(Commande::Ouvrir)->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(frame_->Action(Commande::Enregistrer)->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(frame_->Action(Commande::Aide)->shortcut(), QKeySequence("F1"));
  // Edit: Undo and Redo with the usual keys, greyed with nothing to take.
  QStringList edition;
  for (QAction* a : frame_->Menu("Edit")->actions()) edition << a->text();
  EXPECT_EQ(edition, (QStringList{"&Undo", "&Redo"}));
  EXPECT_EQ(frame_->Action(Commande::Annuler)->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Z")});
  EXPECT_EQ(frame_->Action(Commande::Retablir)->shortcuts(),
            (QList<QKeySequence>{QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
  EXPECT_FALSE(frame_->Action(Commande::Annuler)->isEnabled());
  EXPECT_FALSE(frame_->Action(Commande::Retablir)->isEnabled());
  EXPECT_EQ(frame_->Action(Commande::APropos)->text(), "About Lumaveil...");
}

TEST(Version, MajorMinorAndTheHighWordOfTheMinorVersion) {
  EXPECT_EQ(FormateVersion(0x00010005, 0x00010000), "1.51");
  EXPECT_EQ(FormateVersion(0x0002000C, 0x00000007), "2.120");
}

TEST_F(MainFrame, BottomBarLinkUnderlinesOnHoverAndOpensOnClick) {
  CInformationDialog* info = frame_->InformationDialog();
  EXPECT_EQ(info->LigneVersion()->text(), QString::fromUtf8("Version software  n° ") + VersionProgramme());
  EXPECT_EQ(info->LigneProduit()->text(), "Lumaveil,  software to make screensavers.");
  EXPECT_EQ(info->Lien()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_FALSE(info->LienSouligne());
  QEvent entree(QEvent::Enter);
  QApplication::sendEvent(info->Logo(), &entree);
  EXPECT_TRUE(info->LienSouligne());
  EXPECT_EQ(info->Logo()->cursor().shape(), Qt::PointingHandCursor);
  QEvent sortie(QEvent::Leave);
  QApplication::sendEvent(info->Logo(), &sortie);
  EXPECT_FALSE(info->LienSouligne());
  QSignalSpy clic(info, &CInformationDialog::lienClique);
  QTest::mouseClick(info->Lien(), Qt::LeftButton);
  QTest::mouseClick(info->Logo(), Qt::LeftButton);
  EXPECT_EQ(clic.count(), 2);
}

TEST_F(MainFrame, NewScreenGoesAfterTheSelectionAndModifies) {
  testing::ProjetEssai(contexte_).ModeleEcran.FondCouleur = RGB(0, 0, 200);
  Clique(Commande::EcranNouveau);
  Clique(Commande::EcranNouveau);
  ASSERT_EQ(Liste().NombreEcrans(), 3);
  EXPECT_EQ(Liste().Selection(), 2);
  Liste().Selectionne(0);
  testing::ProjetEssai(contexte_).ModeleEcran.FondCouleur = RGB(200, 0, 0);
  Clique(Commande::EcranNouveau);
  EXPECT_EQ(Liste().Selection(), 1);
  EXPECT_EQ(Liste().Ecran(1).FondCouleur, RGB(200, 0, 0));
  EXPECT_EQ(testing::CouleurVignette(Liste().Ligne(1)), RGB(200, 0, 0));
  EXPECT_EQ(Liste().Ligne(3).data().toString(), "004");
  // A new screen is a change to the project like any other.
  EXPECT_TRUE(frame_->Doc().EstModifie());
  EXPECT_EQ(frame_->windowTitle(), "Noname[*] - Lumaveil");
  EXPECT_TRUE(frame_->isWindowModified());
}

// Every change to the project marks it modified, and every change to its
// screens forgets the last generated saver (it no longer matches): a drag
// that reorders the list, files dropped on it, the template dialog closed
// with OK (the template is in the project file; the screens are not
// changed by it). Cancel changes nothing.
TEST_F(MainFrame, EveryChangeMarksTheProjectModifiedAndForgetsAStaleSaver) {
  Clique(Commande::EcranNouveau);
  Clique(Commande::EcranNouveau);
  ASSERT_EQ(Liste().NombreEcrans(), 3);
  testing::ProjetEssai(frame_->Contexte()).Ecran(0).DureeAffichage = 7;
  CDoc& doc = frame_->Doc();
  auto ecritSaver = [&] {
    doc.FixeModifie(false);
    testing::ProjetEssai(contexte_).CheminEcranDeVeille = "/tmp/generated.scr";
  };
  auto centre = [&](int i) { return Liste().RectLigne(i).center(); };

  ecritSaver();
  QWidget* vp = Liste().viewport();
  QTest::mousePress(vp, Qt::LeftButton, {}, centre(0));
  QTest::mouseMove(vp, centre(0) + QPoint(0, 15));
  QTest::mouseMove(vp, centre(2));
  QTest::mouseRelease(vp, Qt::LeftButton, {}, centre(2));
  ASSERT_EQ(Liste().Ecran(2).DureeAffichage, 7);  // moved
  EXPECT_TRUE(doc.EstModifie());
  EXPECT_TRUE(contexte_.Projet.CheminEcranDeVeille.empty());

  ecritSaver();
  testing::TempDir dossier;
  const std::string photo = dossier.File("photo.bmp");
  ASSERT_EQ(talvik::CGraphique::SauveImage(photo, talvik::HBITMAP::Create(64, 48, RGB(9, 9, 9)),
                                           90, 0, 0),
            1);
  QMimeData donnees;
  donnees.setUrls({QUrl::fromLocalFile(QString::fromStdString(photo))});
  QDragEnterEvent entree(QPoint(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, {});
  QDropEvent depot(QPointF(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, {});
  QApplication::sendEvent(vp, &entree);
  QApplication::sendEvent(vp, &depot);
  ASSERT_EQ(Liste().NombreEcrans(), 4);
  EXPECT_TRUE(doc.EstModifie());
  EXPECT_TRUE(contexte_.Projet.CheminEcranDeVeille.empty());

  for (bool ok : {false, true}) {
    ecritSaver();
    testing::RepondDialogue<CModeleDlg>([ok](CModeleDlg& dlg) {
      if (ok) QTest::mouseClick(dlg.BoutonOk(), Qt::LeftButton);
      else dlg.reject();
    });
    frame_->Action(Commande::Modele)->trigger();
    EXPECT_EQ(doc.EstModifie(), ok);
    EXPECT_EQ(contexte_.Projet.CheminEcranDeVeille, "/tmp/generated.scr");
  }
}

TEST_F(MainFrame, DeleteKeySelectsTheNextScreenOrTheLastAndModifies) {
  for (COLORREF c : {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)}) {
    testing::ProjetEssai(contexte_).ModeleEcran.FondCouleur = c;
    Clique(Commande::EcranNouveau);
  }
  // 4 screens: blank, 1, 2, 3. Delete the second.
  Liste().Selectionne(1);
  Liste().setFocus();
  QTest::keyClick(&Liste(), Qt::Key_Delete);
  ASSERT_EQ(Liste().NombreEcrans(), 3);
  EXPECT_EQ(Liste().Selection(), 1);
  EXPECT_EQ(contexte_.EcranCourant->FondCouleur, RGB(2, 2, 2));
  EXPECT_TRUE(frame_->Doc().EstModifie());
  EXPECT_TRUE(frame_->isWindowModified());
  // Deleting the last screen makes the new last one current.
  Liste().Selectionne(2);
  Clique(Commande::EcranSupprime);
  EXPECT_EQ(Liste().Selection(), 1);
  EXPECT_EQ(contexte_.EcranCourant->FondCouleur, RGB(2, 2, 2));
  EXPECT_EQ(Liste().NombreEcrans(), 2);
}

TEST_F(MainFrame, DeletingTheOnlyScreenLeavesOneBlankScreenFromTheTemplate) {
  testing::ProjetEssai(contexte_).ModeleEcran.DureeAffichage = 17;
  contexte_.EcranCourant->DureeAffichage = 99;
  Clique(Commande::EcranSupprime);
  ASSERT_EQ(Liste().NombreEcrans(), 1);
  EXPECT_EQ(Liste().Selection(), 0);
  EXPECT_EQ(Liste().Ecran(0).DureeAffichage, 17);
  EXPECT_EQ(contexte_.EcranCourant->DureeAffichage, 17);
  EXPECT_TRUE(frame_->Doc().EstModifie());
}

TEST_F(MainFrame, PreviousAndNextStopAtTheEnds) {
  Clique(Commande::EcranNouveau);
  Clique(Commande::EcranNouveau);
  frame_->Doc().FixeModifie(false);  // walking through the list changes nothing
  Liste().setFocus();
  QTest::keyClick(&Liste(), Qt::Key_Down);
  EXPECT_EQ(Liste().Selection(), 2);
  QTest::keyClick(&Liste(), Qt::Key_Up);
  QTest::keyClick(&Liste(), Qt::Key_Up);
  EXPECT_EQ(Liste().Selection(), 0);
  Clique(Commande::EcranPrecedent);
  EXPECT_EQ(Liste().Selection(), 0);
  Clique(Commande::EcranSuivant);
  EXPECT_EQ(Liste().Selection(), 1);
  EXPECT_FALSE(frame_->Doc().EstModifie());
}

TEST_F(MainFrame, CommitReplacesTheSelectedScreenAndModifies) {
  Clique(Commande::EcranNouveau);
  contexte_.EcranCourant->FondCouleur = RGB(0, 150, 0);
  testing::ProjetEssai(contexte_).CheminEcranDeVeille = "/tmp/x.scr";
  frame_->Travail().Valide(3);
  EXPECT_EQ(Liste().Ecran(1).FondCouleur, RGB(0, 150, 0));
  EXPECT_EQ(testing::CouleurVignette(Liste().Ligne(1)), RGB(0, 150, 0));
  EXPECT_EQ(Liste().Ecran(0).FondCouleur, RGB(255, 255, 255));
  EXPECT_TRUE(frame_->Doc().EstModifie());
  EXPECT_TRUE(contexte_.Projet.CheminEcranDeVeille.empty());
}

// The working screen takes the room the window gives, in its own
// proportions, the panels beside it in a wide window and below it in a
// tall one, never over it: a window larger both ways shows a larger
// screen. Where the window is smaller than the panels and the least screen
// the form scrolls from its top left.
TEST_F(MainFrame, WorkingScreenGrowsWithTheWindowInItsProportions) {
  CPrincipaleView* vue = frame_->PrincipaleView();
  QWidget* forme = vue->Formulaire();
  auto* boite = frame_->findChild<CBoiteEcran*>();
  ASSERT_NE(boite, nullptr);
  const double proportions = double(testing::kPetitCanevas.cx) / testing::kPetitCanevas.cy;
  using Disposition = CPrincipaleView::Disposition;
  // The screen as shown in a window of `taille`, the panels checked around it.
  auto ecranDans = [&](QSize taille, Disposition attendue) {
    frame_->resize(taille);
    QApplication::processEvents();
    const std::string nom = std::to_string(taille.width()) + "x" + std::to_string(taille.height());
    EXPECT_EQ(forme->size(), vue->viewport()->size()) << nom;
    EXPECT_EQ(vue->DispositionActuelle(), attendue) << nom;
    const QRect ecran = boite->RectEcran();
    EXPECT_NEAR(double(ecran.width()) / ecran.height(), proportions, 0.02) << nom;
    const QRect place(boite->mapTo(forme, ecran.topLeft()), ecran.size());
    for (QGroupBox* g : {vue->GroupeRetouche(), vue->GroupeDecor(), vue->GroupeTransition()}) {
      const QRect panneau(g->mapTo(forme, QPoint(0, 0)), g->size());
      const std::string titre = nom + " " + g->title().toStdString();
      EXPECT_TRUE(forme->rect().contains(panneau)) << titre;
      if (attendue == Disposition::Rangee) EXPECT_GT(panneau.top(), place.bottom()) << titre;
      else EXPECT_GT(panneau.left(), place.right()) << titre;
    }
    // Drawn for the size shown, from the full rendering.
    (void)QTest::qWaitFor([&] { return !boite->ReductionEnCours(); }, 5000);
    EXPECT_FALSE(boite->ReductionEnCours()) << nom;
    EXPECT_EQ(boite->Reduite().size(), boite->RectImage().size() * boite->devicePixelRatioF())
        << nom;
    return ecran.size();
  };
  // Each window, then one larger in the same proportions.
  struct Cas {
    QSize fenetre;
    double agrandissement;
    Disposition disposition;
  };
  for (const Cas& c : {Cas{{1100, 800}, 1.5, Disposition::Colonne},
                       Cas{{1200, 1400}, 1.25, Disposition::Rangee}}) {
    const QSize petit = ecranDans(c.fenetre, c.disposition);
    const QSize grand = ecranDans(c.fenetre * c.agrandissement, c.disposition);
    EXPECT_GT(grand.width(), petit.width()) << c.fenetre.width() << "x" << c.fenetre.height();
    EXPECT_GT(grand.height(), petit.height()) << c.fenetre.width() << "x" << c.fenetre.height();
  }
  frame_->resize(500, 400);
  QApplication::processEvents();
  EXPECT_EQ(forme->x(), 0);
  EXPECT_EQ(forme->y(), 0);
  EXPECT_GT(vue->horizontalScrollBar()->maximum() + vue->verticalScrollBar()->maximum(), 0);
}

// The zoom the list was left at is the next window's; a window with none
// kept takes the one that suits the display.
TEST_F(MainFrame, ThumbnailZoomIsKeptForTheNextWindow) {
  // A settings store of this test's own: the windows of the tests run
  // beside it keep their zoom.
  struct RegistrePropre {
    testing::TempDir dossier;
    std::string avant;
    RegistrePropre() {
      if (const char* r = std::getenv("LUMAVEIL_REGISTRY")) avant = r;
      ::setenv("LUMAVEIL_REGISTRY", dossier.File("registry.reg").c_str(), 1);
    }
    ~RegistrePropre() { ::setenv("LUMAVEIL_REGISTRY", avant.c_str(), 1); }
  } registre;
  Liste().FixeZoom(150);
  EXPECT_EQ(Liste().iconSize(), QSize(225, 165));
  ASSERT_FALSE(frame_->Doc().EstModifie());
  frame_->close();
  CContexte autre;
  std::unique_ptr<CMainFrame> suivante = testing::FenetreEssai(autre);
  EXPECT_EQ(suivante->ListeView()->Zoom(), 150);
  // The list is wide enough for a column of thumbnails once the window is
  // laid out on the screen.
  suivante->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(suivante.get()));
  EXPECT_GE(suivante->Separateur()->sizes().front(), suivante->ListeView()->gridSize().width());
  RetientZoomVignettes(0);
  std::unique_ptr<CMainFrame> neuve = testing::FenetreEssai(autre);
  EXPECT_EQ(neuve->ListeView()->Zoom(),
            CListeView::ZoomPourDpi(QGuiApplication::primaryScreen()->logicalDotsPerInch()));
}

}  // namespace
}  // namespace lumaveil

namespace lumaveil {
namespace {

// The chooser opens on "All pictures", which lists the pictures of every
// readable format whatever the case of their names, and nothing else.
TEST_F(MainFrame, PictureChooserListsEveryReadablePictureWhateverTheCase) {
  testing::TempDir dossier;
  for (const char* nom : {"CAMERA.JPG", "iphone.HeIc", "web.WEBP", "scan.Tiff", "notes.txt",
                          "photo.jpg.bak"})
    std::ofstream(dossier.File(nom)) << "x";
  QStringList listes;
  QTimer::singleShot(0, [&] {
    auto* choix = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(choix, nullptr);
    EXPECT_TRUE(choix->selectedNameFilter().startsWith("All pictures"));
    choix->setDirectory(QString::fromStdString(dossier.Path()));
    auto* vue = choix->findChild<QListView*>("listView");
    ASSERT_NE(vue, nullptr);
    ATTEND_EGAL(vue->model()->rowCount(vue->rootIndex()), 4, 5000);
    for (int i = 0; i < vue->model()->rowCount(vue->rootIndex()); ++i)
      listes << vue->model()->index(i, 0, vue->rootIndex()).data().toString();
    QMetaObject::invokeMethod(choix, "reject");
  });
  EXPECT_EQ(frame_->ChoisitImages(), IDCANCEL);
  listes.sort();
  EXPECT_EQ(listes, QStringList({"CAMERA.JPG", "iphone.HeIc", "scan.Tiff", "web.WEBP"}));
}

TEST_F(MainFrame, PictureChooserTakesSeveralPicturesInOrderAfterTheSelection) {
  testing::TempDir dossier;
  std::vector<std::string> photos;
  const COLORREF couleurs[2] = {talvik::RGB(250, 0, 0), talvik::RGB(0, 0, 250)};
  for (int i = 0; i < 2; ++i) {
    photos.push_back(dossier.File(i == 0 ? "un.png" : "deux.bmp"));
    ASSERT_EQ(talvik::CGraphique::SauveImage(photos.back(),
                                             talvik::HBITMAP::Create(80, 60, couleurs[i]), 90, 0, 0),
              1);
  }
  Clique(Commande::EcranNouveau);
  Liste().Selectionne(0);
  QString titre;
  QStringList filtres;
  QTimer::singleShot(0, [&] {
    auto* choix = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(choix, nullptr);
    titre = choix->windowTitle();
    filtres = choix->nameFilters();
    EXPECT_EQ(choix->fileMode(), QFileDialog::ExistingFiles);
    choix->setDirectory(QString::fromStdString(dossier.Path()));
    testing::TapeNom(*choix, "\"un.png\" \"deux.bmp\"");
    QMetaObject::invokeMethod(choix, "accept");
  });
  ASSERT_EQ(frame_->ChoisitImages(), IDOK);
  EXPECT_EQ(titre, "Select images to load (use 'CTRL' for multiple selection)");
  // Every readable picture first, then each format, then every file.
  ASSERT_EQ(filtres.size(), 10);
  EXPECT_TRUE(filtres[0].startsWith("All pictures ("));
  for (const char* format : {"jpg", "jpeg", "jpe", "bmp", "gif", "png", "tif", "tiff", "heic",
                             "heif", "hif", "avif", "webp"}) {
    QString motif = "*.";
    for (const QChar c : QString(format)) motif += QStringLiteral("[%1%2]").arg(c).arg(c.toUpper());
    EXPECT_TRUE(filtres[0].contains(motif)) << format;
  }
  EXPECT_TRUE(filtres[1].startsWith("Jpeg (*.jpg;*.jpeg;*.jpe)"));
  EXPECT_TRUE(filtres[5].startsWith("Tiff (*.tif;*.tiff)"));
  EXPECT_TRUE(filtres[6].startsWith("HEIF (*.heic;*.heif;*.hif)"));
  EXPECT_TRUE(filtres[7].startsWith("AVIF (*.avif)"));
  EXPECT_TRUE(filtres[8].startsWith("WebP (*.webp)"));
  EXPECT_TRUE(filtres.back().startsWith("All files (*.*)"));
  ASSERT_EQ(Liste().NombreEcrans(), 4);
  EXPECT_EQ(Liste().Ecran(1).CheminImage, photos[0]);
  EXPECT_EQ(Liste().Ecran(2).CheminImage, photos[1]);
  EXPECT_EQ(Liste().Selection(), 2);
  EXPECT_EQ(testing::CouleurVignette(Liste().Ligne(2)), couleurs[1]);
  EXPECT_EQ(contexte_.EcranCourant->CheminImage, photos[1]);
}

}  // namespace
}  // namespace lumaveil

namespace lumaveil {
namespace {

// A pattern added in the background editor is in the settings store when
// the editor closes, and the next start's pattern bank has it.
TEST(MotifsUtilisateur, PatternAddedInTheEditorIsStoredAndThereAtTheNextStart) {
  talvik::SauveMotifsUtilisateur({});
  testing::TempDir dossier;
  const std::string motif = dossier.File("tuile.png");
  ASSERT_EQ(talvik::CGraphique::SauveImage(motif, talvik::HBITMAP::Create(24, 16, RGB(250, 20, 10)),
                                           90, 0, 0),
            1);
  {
    CContexte contexte;
    contexte.Parametres.StartWizard = 0;
    CMainFrame frame(contexte);
    frame.Contexte().DemarrageEnCours = false;
    frame.NouveauProjet();
    frame.show();
    bool ajoute = false;
    testing::RepondDialogue<talvik::CFondDlg>([&](talvik::CFondDlg& dlg) {
      testing::ChoisitFichier(QString::fromStdString(motif));
      testing::Clique(dlg.BoutonAjout());
      ajoute = dlg.Liste()->count() == 51;
      testing::Clique(dlg.BoutonOK());
    });
    frame.Action(Commande::Fond)->trigger();
    ASSERT_TRUE(ajoute);
    // Stored when the editor closed, the window still open.
    EXPECT_EQ(talvik::LitMotifsUtilisateur(), std::vector<std::string>{motif});
  }
  // The next start builds its bank from the store.
  CContexte suivant;
  suivant.Parametres.StartWizard = 0;
  CMainFrame frame(suivant);
  ASSERT_EQ(suivant.Graphique->NombreMotifsUtilisateur(), 1);
  const talvik::HBITMAP& lu = suivant.Graphique->Motif(talvik::kPremierMotifUtilisateur);
  ASSERT_EQ(lu.Width(), 24);
  EXPECT_EQ(lu.GetPixel(5, 5), RGB(250, 20, 10));
  talvik::SauveMotifsUtilisateur({});
}

// "Show": the demo saver of the current directory, when there is one, is
// started as a program (a Linux saver plays when it runs); otherwise the one
// shipped with the maker.
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
  ATTEND_VRAI(QFileInfo::exists(QString::fromStdString(dossier.File("played"))),
                           10000);
  QDir::setCurrent(ancien);
}

}  // namespace
}  // namespace lumaveil
