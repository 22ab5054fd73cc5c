// Undo and Redo of every kind of change, through the window's own controls:
// Undo gives back the project file as it was before the change, byte for
// byte, with the same thumbnails and working screen; Redo gives the file as
// it was after. And a long random run of changes and undos ends on the
// project the surviving changes make when replayed alone.
#include <gtest/gtest.h>

#include <QAction>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>
#include <functional>
#include <random>
#include <vector>

#include "dialogues_essai.h"
#include "ecrans_essai.h"
#include "dossier_temporaire.h"
#include "commun/champ_nombre.h"
#include "duree/duree_dialog.h"
#include "effet/effet_dialog.h"
#include "fenetre_essai.h"
#include "fichier_projet.h"
#include "modele_ecran/modele_dialog.h"
#include "projet_essai.h"
#include "proprietes/proprietes_dialog.h"
#include "travail/travail.h"
#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/image_qt.h"

namespace lumaveil {
namespace {

using talvik::RGB;

std::vector<std::uint8_t> Fichier(const CContexte& contexte) {
  return EcritProjet(contexte.Projet);
}

// What the list and the working screen show: every thumbnail, and the
// working screen's rendering.
struct Vue {
  std::vector<QImage> vignettes;
  QImage ecran;
  int selection = -1;
  bool operator==(const Vue&) const = default;
};

class Annulation : public testing::FenetreOuverte {
 protected:
  Annulation() {
    for (COLORREF c : {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200)}) {
      testing::ProjetEssai(contexte_).ModeleEcran.FondCouleur = c;
      Clique(Commande::EcranNouveau);
    }
    testing::ProjetEssai(contexte_).ModeleEcran.FondCouleur = RGB(255, 255, 255);
    Liste().Selectionne(1);
    frame_->Travail().RendCourant(1);
    contexte_.Controleur.OublieHistorique();
  }
  ~Annulation() override { talvik::InstalleHookBoiteMessage({}); }

  Vue Montre() {
    EXPECT_TRUE(QTest::qWaitFor([this] { return Liste().VignettesEnAttente() == 0; }, 10000));
    Vue v;
    for (int i = 0; i < Liste().model()->rowCount(); ++i)
      v.vignettes.push_back(testing::IconeLigne(Liste().Ligne(i)).pixmap(QSize(150, 110)).toImage());
    v.ecran = talvik::ImageQt(frame_->Travail().EcranPret().ImageFinale);
    v.selection = Liste().Selection();
    return v;
  }
  // The keys pressed where the user is: the window active, the list focused.
  void Touche(QKeySequence sequence) {
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    Liste().setFocus();
    QTest::keySequence(QApplication::focusWidget(), sequence);
  }

  testing::TempDir dossier_;

 public:
  testing::TempDir& Dossier() { return dossier_; }
};

struct Genre {
  const char* nom;
  std::function<void(Annulation&, CMainFrame&, CListeView&)> fait;
  const char* annulation;  // the Undo menu text it leaves
  int courant = 1;         // the screen current before the change
};

void Glisse(CListeView& liste, int de, int vers) {
  auto centre = [&](int i) { return liste.RectLigne(i).center(); };
  QWidget* vp = liste.viewport();
  QTest::mousePress(vp, Qt::LeftButton, {}, centre(de));
  QTest::mouseMove(vp, centre(de) + QPoint(0, 15));
  QTest::mouseMove(vp, centre(vers));
  QTest::mouseRelease(vp, Qt::LeftButton, {}, centre(vers));
}

void DeposeImage(CListeView& liste, const std::string& chemin) {
  QMimeData donnees;
  donnees.setUrls({QUrl::fromLocalFile(QString::fromStdString(chemin))});
  QDragEnterEvent entree(QPoint(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, {});
  QDropEvent depot(QPointF(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, {});
  QApplication::sendEvent(liste.viewport(), &entree);
  QApplication::sendEvent(liste.viewport(), &depot);
}

const Genre kGenres[] = {
    {"NewScreen",
     [](Annulation&, CMainFrame& f, CListeView&) { f.Action(Commande::EcranNouveau)->trigger(); },
     "&Undo New screen"},
    {"DeleteScreen",
     [](Annulation&, CMainFrame& f, CListeView&) { f.Action(Commande::EcranSupprime)->trigger(); },
     "&Undo Delete screen"},
    {"DeleteKeyOnFirstScreen",
     [](Annulation&, CMainFrame&, CListeView& l) {
       l.setFocus();
       QTest::keyClick(&l, Qt::Key_Delete);
     },
     "&Undo Delete screen", 0},
    {"MoveScreenByDrag", [](Annulation&, CMainFrame&, CListeView& l) { Glisse(l, 0, 3); },
     "&Undo Move screen", 0},
    {"Effect",
     [](Annulation&, CMainFrame& f, CListeView&) {
       testing::RepondDialogue<CEffetDlg>([](CEffetDlg& d) {
         testing::Clique(d.Bouton(5));
         QTest::mouseClick(d.BoutonOk(), Qt::LeftButton);
       });
       f.Action(Commande::Effet)->trigger();
     },
     "&Undo Changing effect"},
    {"Duration",
     [](Annulation&, CMainFrame& f, CListeView&) {
       testing::RepondDialogue<CDureeDlg>([](CDureeDlg& d) {
         d.Champ()->Edit()->selectAll();
         QTest::keyClick(d.Champ()->Edit(), Qt::Key_Delete);
         QTest::keyClicks(d.Champ()->Edit(), "11");
         QTest::mouseClick(d.BoutonOk(), Qt::LeftButton);
       });
       f.Action(Commande::Duree)->trigger();
     },
     "&Undo Displaying duration"},
    {"TemplateForAllScreens",
     [](Annulation&, CMainFrame& f, CListeView&) {
       testing::RepondDialogue<CModeleDlg>(
           [](CModeleDlg& d) { QTest::mouseClick(d.BoutonOkPourTous(), Qt::LeftButton); });
       f.Action(Commande::Modele)->trigger();
     },
     "&Undo Template for all screens"},
    {"DisplayProperties",
     [](Annulation&, CMainFrame& f, CListeView&) {
       talvik::InstalleHookBoiteMessage([](const std::string&, const std::string&,
                                           talvik::IconeMessage,
                                           talvik::BoutonsMessage) { return talvik::IDYES; });
       testing::RepondDialogue<CProprietesDlg>([](CProprietesDlg& d) {
         for (int i = 0; i < d.NombrePresets(); ++i)
           if (d.Bouton(i)->text() == "640x480") QTest::mouseClick(d.Bouton(i), Qt::LeftButton);
         QTest::mouseClick(d.BoutonOk(), Qt::LeftButton);
       });
       f.Action(Commande::Propriete)->trigger();
     },
     "&Undo Display properties"},
    {"PhotosDroppedOnTheList",
     [](Annulation& a, CMainFrame&, CListeView& l) {
       const std::string photo = a.Dossier().File("photo.bmp");
       ASSERT_EQ(talvik::CGraphique::SauveImage(photo, talvik::HBITMAP::Create(64, 48, RGB(9, 9, 9)),
                                                90, 0, 0),
                 1);
       DeposeImage(l, photo);
     },
     "&Undo Add photos"},
};

class ChaqueChangement : public Annulation, public ::testing::WithParamInterface<Genre> {};

TEST_P(ChaqueChangement, UndoGivesBackTheFileAndTheViewsAndRedoTheChange) {
  frame_->Travail().RendCourant(GetParam().courant);
  const std::vector<std::uint8_t> avant = Fichier(contexte_);
  const Vue vueAvant = Montre();
  QAction* annuler = frame_->Action(Commande::Annuler);
  QAction* retablir = frame_->Action(Commande::Retablir);
  EXPECT_FALSE(annuler->isEnabled());
  EXPECT_FALSE(frame_->Doc().EstModifie());

  GetParam().fait(*this, *frame_, Liste());
  const std::vector<std::uint8_t> apres = Fichier(contexte_);
  ASSERT_NE(apres, avant) << "the change changed nothing";
  const Vue vueApres = Montre();
  EXPECT_TRUE(annuler->isEnabled());
  EXPECT_EQ(annuler->text(), GetParam().annulation);
  EXPECT_TRUE(frame_->Doc().EstModifie());
  EXPECT_TRUE(frame_->isWindowModified());

  Touche(QKeySequence("Ctrl+Z"));
  EXPECT_EQ(Fichier(contexte_), avant);
  EXPECT_TRUE(Montre() == vueAvant) << "thumbnails or working screen differ after Undo";
  // Back where it was opened: unmodified, and Quit would ask nothing.
  EXPECT_FALSE(frame_->Doc().EstModifie());
  EXPECT_FALSE(annuler->isEnabled());
  EXPECT_TRUE(retablir->isEnabled());
  EXPECT_EQ(retablir->text(), QString(GetParam().annulation).replace("&Undo", "&Redo"));

  Touche(QKeySequence("Ctrl+Y"));
  EXPECT_EQ(Fichier(contexte_), apres);
  EXPECT_TRUE(Montre() == vueApres) << "thumbnails or working screen differ after Redo";
  EXPECT_TRUE(frame_->Doc().EstModifie());

  Touche(QKeySequence("Ctrl+Z"));
  Touche(QKeySequence("Ctrl+Shift+Z"));
  EXPECT_EQ(Fichier(contexte_), apres);
}

INSTANTIATE_TEST_SUITE_P(Annulation, ChaqueChangement, ::testing::ValuesIn(kGenres),
                         [](const auto& parametre) { return std::string(parametre.param.nom); });

// One step of the random run, made again from its values alone.
struct Pas {
  int genre;     // 0 new screen, 1 delete, 2 move, 3 duration, 4 colour
  int a, b;      // screen (and target of a move)
  int valeur;    // duration or colour
};

void Applique(CMainFrame& f, CContexte& contexte, const Pas& p) {
  CTravail& travail = f.Travail();
  const int n = contexte.Controleur.NombreEcrans();
  switch (p.genre) {
    case 0:
      travail.RendCourant(p.a % n);
      travail.NouvelEcran();
      break;
    case 1:
      travail.RendCourant(p.a % n);
      travail.SupprimeEcran();
      break;
    case 2:
      contexte.Controleur.DeplaceEcran(p.a % n, p.b % n);
      break;
    case 3:
      travail.RendCourant(p.a % n);
      travail.EcranPret().DureeAffichage = p.valeur;
      travail.Valide(kNiveauSuite);
      break;
    default:
      travail.RendCourant(p.a % n);
      travail.EcranPret().FondCouleur = COLORREF(p.valeur);
      travail.Valide(kNiveauSuite);
      break;
  }
}

TEST(AnnulationAuHasard, TwoHundredChangesAndUndosEndAsTheSurvivingChangesReplayed) {
  std::mt19937 hasard(20261209);
  std::vector<Pas> gardes;  // the changes not undone, in order
  std::vector<std::uint8_t> fin;
  {
    CContexte contexte;
    testing::ProjetEssai(contexte).ModeleEcran.TailleCible = testing::kPetitCanevas;
    auto f = testing::FenetreEssai(contexte, testing::kPetitCanevas);
    for (int i = 0; i < 200; ++i) {
      if (!gardes.empty() && hasard() % 3 == 0) {
        f->Action(Commande::Annuler)->trigger();
        gardes.pop_back();
        continue;
      }
      Pas p{int(hasard() % 5), int(hasard() % 16), int(hasard() % 16),
            int(hasard() % 0xFFFFFF)};
      // A move is a change only between two places.
      const int n = contexte.Controleur.NombreEcrans();
      if (p.genre == 2 && n < 2) p.genre = 0;
      if (p.genre == 2 && p.a % n == p.b % n) p.b = p.a % n + 1;
      Applique(*f, contexte, p);
      gardes.push_back(p);
    }
    fin = EcritProjet(contexte.Projet);
  }
  CContexte contexte;
  testing::ProjetEssai(contexte).ModeleEcran.TailleCible = testing::kPetitCanevas;
  auto f = testing::FenetreEssai(contexte, testing::kPetitCanevas);
  for (const Pas& p : gardes) Applique(*f, contexte, p);
  EXPECT_EQ(EcritProjet(contexte.Projet), fin);
  EXPECT_GT(gardes.size(), 30u);
}

}  // namespace
}  // namespace lumaveil
