// The main window and the editors as the window manager shows them: every
// window inside the screen's available area, centred on the main window;
// the panels stay put when their status lines change; Tab follows the eye
// with no invisible stop; "Displaying properties" takes the arrow keys; a
// screen dragged in the list shows where it will land.
// Screenshots of the main window and of every editor at this screen size.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "travail/travail.h"
#include "fenetre/information_dialog.h"
#include "fenetre/main_frame.h"
#include "fenetre/outil_dialog.h"
#include "fenetre_essai.h"
#include "liste/liste_view.h"
#include "panneaux/panneaux.h"
#include "photo_essai.h"
#include "pointeur_x.h"
#include "principale/principale_view.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

using testing::Attend;
using testing::CaptureEcran;
using testing::PendantModal;
using testing::Touches;

// The frame the window manager drew around `w` as it announces it
// (_NET_FRAME_EXTENTS: left, right, top, bottom); null before it framed it.
QMargins CadreAnnonce(const QWidget* w) {
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"),
              {QStringLiteral("-id"), QString::number(w->winId()),
               QStringLiteral("_NET_FRAME_EXTENTS")});
  if (!xprop.waitForFinished(3000)) return {};
  const QString sortie = QString::fromLocal8Bit(xprop.readAllStandardOutput());
  const int egal = sortie.indexOf('=');
  const QStringList v = egal < 0 ? QStringList() : sortie.mid(egal + 1).split(',');
  if (v.size() != 4) return {};
  return QMargins(v[0].trimmed().toInt(), v[2].trimmed().toInt(), v[1].trimmed().toInt(),
                  v[3].trimmed().toInt());
}

QString Taille() {
  const QSize s = QGuiApplication::primaryScreen()->size();
  return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

class FenetreReelle : public ::testing::Test {
 protected:
  FenetreReelle() {
    frame_ = testing::FenetreEssai(contexte_);
    testing::MontreEtActive(frame_.get());
    const QString photo = QString::fromStdString(dossier_.File("photo.jpg"));
    testing::PhotoDeTest(1600, 1200).save(photo, "JPEG", 90);
    frame_->Travail().InsereImages({photo});
    Attend([this] { return frame_->ListeView()->VignettesEnAttente() == 0; }, 20000);
    QTest::qWait(200);
  }
  Panneaux LesPanneaux() const {
    CPrincipaleView* vue = frame_->PrincipaleView();
    return Panneaux{vue->findChild<CRetoucheDialog*>(), vue->findChild<CDecorDialog*>(),
                    vue->findChild<CTransitionDialog*>()};
  }
  static QRect Zone() { return QGuiApplication::primaryScreen()->availableGeometry(); }

  testing::TempDir dossier_;
  CContexte contexte_;
  std::unique_ptr<CMainFrame> frame_;
};

struct Editeur {
  Commande commande;
  const char* nom;
};

TEST_F(FenetreReelle, EveryWindowOpensInsideTheScreenCentredOnTheMainWindow) {
  EXPECT_TRUE(Zone().contains(frame_->frameGeometry()))
      << "main window " << frame_->frameGeometry().width() << "x"
      << frame_->frameGeometry().height();
  // The whole form shows beside the list: no scrolling on a 1024x768 screen.
  CPrincipaleView* vue = frame_->PrincipaleView();
  const QSize formulaire = vue->Formulaire()->size(), place = vue->viewport()->size();
  EXPECT_TRUE(place.width() >= formulaire.width() && place.height() >= formulaire.height())
      << "form " << formulaire.width() << "x" << formulaire.height() << " in "
      << place.width() << "x" << place.height();
  CaptureEcran("fenetre_principale_" + Taille());
  const Editeur editeurs[] = {
      {Commande::Rotation, "rotation"},     {Commande::Recoupe, "recoupe"},
      {Commande::Reglage, "reglage"},       {Commande::Redimension, "redimension"},
      {Commande::Texte, "texte"},           {Commande::Cadre, "cadre"},
      {Commande::Fond, "fond"},             {Commande::Effet, "effet"},
      {Commande::Duree, "duree"},           {Commande::Propriete, "proprietes"},
      {Commande::Modele, "modele"},         {Commande::Configuration, "configuration"},
      {Commande::Generation, "generation"},
  };
  for (const Editeur& e : editeurs) {
    QRect cadre;
    QString titre;
    QPoint centre;
    PendantModal([&](QWidget* dialogue) {
      // The window manager frames and places a dialog a moment after it is
      // mapped: its place is read once it holds still at its full size,
      // framed. Qt may keep frame margins it read while the window manager
      // was still reparenting (a 1x1 frame, or a negative one), so the frame
      // is the one the window manager announces on the window.
      QMargins marges;
      const bool stable = Attend(
          [dialogue, &marges] {
            const QRect avant = dialogue->geometry();
            QTest::qWait(100);
            marges = CadreAnnonce(dialogue);
            return avant == dialogue->geometry() && dialogue->width() > 50 && !marges.isNull();
          },
          10000);
      EXPECT_TRUE(stable) << e.nom << ": never held still, framed, at " << dialogue->x() << ","
                          << dialogue->y() << " " << dialogue->width() << "x"
                          << dialogue->height();
      cadre = dialogue->geometry().marginsAdded(marges);
      // The main window's place as it is now: on a busy machine the window
      // manager may still have been placing it when the test began.
      centre = frame_->geometry().marginsAdded(CadreAnnonce(frame_.get())).center();
      titre = dialogue->windowTitle();
      CaptureEcran(QStringLiteral("editeur_%1_").arg(e.nom) + Taille());
      Touches("Escape");
    });
    frame_->Action(e.commande)->trigger();
    ASSERT_FALSE(cadre.isNull()) << e.nom << ": no dialog";
    EXPECT_FALSE(QApplication::activeModalWidget()) << e.nom << ": Escape did not close it";
    // Inside, to a frame border's width: the window's size is worked out
    // from the frame Qt reports for the main window, which may differ from
    // the announced one by a pixel or two.
    EXPECT_TRUE(Zone().adjusted(-3, -3, 3, 3).contains(cadre))
        << titre.toStdString() << " at " << cadre.x() << "," << cadre.y() << " "
        << cadre.width() << "x" << cadre.height();
    // Centred on the main window, unless the screen's edge stopped it.
    QRect attendu = cadre;
    attendu.moveCenter(centre);
    attendu.moveLeft(std::clamp(attendu.left(), Zone().left(), Zone().right() - cadre.width() + 1));
    attendu.moveTop(std::clamp(attendu.top(), Zone().top(), Zone().bottom() - cadre.height() + 1));
    EXPECT_LE((attendu.topLeft() - cadre.topLeft()).manhattanLength(), 12)
        << titre.toStdString() << " not centred on the main window: at " << cadre.x() << ","
        << cadre.y() << " " << cadre.width() << "x" << cadre.height() << " instead of "
        << attendu.x() << "," << attendu.y();
  }
}

// The panels do not move when their lines change length (a long file name,
// each edit set, then none).
TEST_F(FenetreReelle, PanelsStayWhereTheyAreWhenTheirLinesChange) {
  const Panneaux panneaux = LesPanneaux();
  ASSERT_TRUE(panneaux.retouche && panneaux.decor && panneaux.transition);
  QWidget* reperes[] = {panneaux.retouche->BoutonRecoupe(), panneaux.retouche->Boite(),
                        panneaux.decor->Bouton(CDecorDialog::kFond),
                        panneaux.transition->Bouton(CTransitionDialog::kDuree)};
  auto positions = [&] {
    std::vector<QPoint> p;
    for (QWidget* w : reperes) p.push_back(w->mapTo(frame_.get(), QPoint(0, 0)));
    return p;
  };
  const std::vector<QPoint> avant = positions();
  CEcran ecran(frame_->Travail().EcranCourant().TailleCible);
  ecran.CopieParametres(frame_->Travail().EcranCourant());
  ecran.CheminImage = "/photos/" + std::string(120, 'x') + ".jpg";
  ecran.ReglageUtilisation = 1;
  ecran.RotationUtilisation = 1;
  ecran.RotationAngle = -180;
  ecran.RecoupeUtilisation = 1;
  ecran.FondUtilisation = 1;
  ecran.FondCouleur = 0x00FFFFFF;
  ecran.DureeAffichage = 180;
  RafraichitPanneaux(panneaux, ecran, true);
  QTest::qWait(100);
  EXPECT_EQ(positions(), avant) << "long lines";
  CEcran vide(ecran.TailleCible);
  RafraichitPanneaux(panneaux, vide);
  QTest::qWait(100);
  EXPECT_EQ(positions(), avant) << "short lines";
}

// Tab from the list: the Picture panel from the top, Decoration,
// Transition, the web link, the toolbar, the list again; every stop a
// control that shows. F6 goes between the list and the panels.
TEST_F(FenetreReelle, TabFollowsTheEyeWithNoInvisibleStop) {
  const Panneaux p = LesPanneaux();
  std::vector<QWidget*> attendu;
  attendu.insert(attendu.end(), {p.retouche->CaseAjustement(), p.retouche->BoutonChargement(),
                                 p.retouche->BoutonRotation(), p.retouche->BoutonReglage(),
                                 p.retouche->BoutonRecoupe()});
  for (int i = 0; i < 4; ++i) attendu.push_back(p.decor->Bouton(CDecorDialog::Ligne(i)));
  for (int i = 0; i < 2; ++i) attendu.push_back(p.transition->Bouton(CTransitionDialog::Ligne(i)));
  attendu.push_back(frame_->InformationDialog()->Lien());
  for (int i = 0; i < int(COutilDialog::kNombreBoutons); ++i)
    attendu.push_back(frame_->OutilDialog()->Bouton(i));
  attendu.push_back(frame_->ListeView());
  std::erase_if(attendu, [](QWidget* w) { return !w->isEnabled(); });

  CListeView* liste = frame_->ListeView();
  testing::Clique(liste, liste->RectLigne(0).center());
  ASSERT_EQ(QApplication::focusWidget(), liste);
  for (std::size_t i = 0; i < attendu.size(); ++i) {
    Touches("Tab");
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus) << "stop " << i;
    EXPECT_FALSE(focus->visibleRegion().isEmpty())
        << "stop " << i << " does not show: " << focus->metaObject()->className();
    EXPECT_EQ(focus, attendu[i]) << "stop " << i << ": " << focus->accessibleName().toStdString()
                                 << " instead of " << attendu[i]->accessibleName().toStdString();
  }
  // F6 goes from the list to the panels' first control and back.
  ASSERT_EQ(QApplication::focusWidget(), liste);
  Touches("F6");
  EXPECT_EQ(QApplication::focusWidget(), attendu.front());
  Touches("F6");
  EXPECT_EQ(QApplication::focusWidget(), liste);
}

// "Displaying properties" opens with the focus on the checked size; Down
// and Up move the check as in a radio group, and OK keeps the last one.
TEST_F(FenetreReelle, DisplayingPropertiesTakesTheArrowKeys) {
  frame_->Contexte().Controleur.FixeResolutionCible(SIZE{800, 600});
  QString focusOuverture, apresBas, apresHaut;
  PendantModal([&](QWidget* dialogue) {
    auto coche = [dialogue] {
      for (QRadioButton* b : dialogue->findChildren<QRadioButton*>())
        if (b->isChecked()) return b;
      return static_cast<QRadioButton*>(nullptr);
    };
    auto* focus = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    focusOuverture = focus && focus == coche() ? focus->text() : QStringLiteral("?");
    Touches("Down");
    apresBas = QApplication::focusWidget() == coche() ? coche()->text() : QStringLiteral("?");
    Touches("Up Up");
    apresHaut = QApplication::focusWidget() == coche() ? coche()->text() : QStringLiteral("?");
    Touches("Escape");
  });
  frame_->Action(Commande::Propriete)->trigger();
  EXPECT_EQ(focusOuverture, "800x600") << "the focus is not on the checked size";
  EXPECT_EQ(apresBas, "640x480") << "Down did not move the check";
  EXPECT_EQ(apresHaut, "1024x768");
}

// While the pointer drags the first screen over the second, a line in the
// gap after the second shows where the screen will land, on the screen as
// X shows it; the release moves it there and the line goes.
TEST_F(FenetreReelle, ADraggedScreenShowsWhereItWillLand) {
  for (int i = 0; i < 2; ++i) frame_->Travail().NouvelEcran();
  CListeView* liste = frame_->ListeView();
  ASSERT_GE(liste->NombreEcrans(), 3);
  const CEcran* premier = &liste->Ecran(0);
  liste->scrollTo(liste->Ligne(0));
  QWidget* vp = liste->viewport();
  const QPoint de = liste->RectLigne(0).center(), a = liste->RectLigne(1).center();
  testing::Presse(vp, de);
  testing::DeplaceEnPas(vp, de, a);
  ASSERT_TRUE(Attend([&] { return !liste->MarqueInsertion().isEmpty(); }));
  QTest::qWait(100);
  const QRect marque = liste->MarqueInsertion(), deux = liste->RectLigne(1),
              trois = liste->RectLigne(2);
  EXPECT_FALSE(marque.intersects(deux) || marque.intersects(trois));
  EXPECT_TRUE(marque.center().y() > deux.bottom() || marque.center().x() > deux.right());
  EXPECT_TRUE(marque.center().y() < trois.top() || marque.center().x() < trois.left());
  const QImage ecran(CaptureEcran("liste_glissement_" + Taille()));
  EXPECT_EQ(ecran.pixelColor(vp->mapToGlobal(marque.center())),
            liste->palette().color(QPalette::Text));
  testing::Relache();
  ASSERT_TRUE(Attend([&] { return !liste->GlissementEnCours(); }));
  EXPECT_EQ(&liste->Ecran(1), premier);
  EXPECT_TRUE(liste->MarqueInsertion().isEmpty());
}

}  // namespace
}  // namespace lumaveil
