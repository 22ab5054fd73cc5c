#include "fichiers_images_essai.h"
#include "dialogs/texte/texte_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QToolButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "capture_ecran.h"
#include "dialogs/apercu/spin_edition.h"
#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/commun/couleur_dlg.h"
#include "dialogs/texte/mini_texte_dlg.h"
#include "dialogs/texte/police_qt.h"
#include "dialogues_essai.h"
#include "editeurs_essai.h"
#include "text/champs_texte.h"

namespace {

using namespace talvik;
using lumaveil::testing::Attend;
using lumaveil::testing::ChoisitPolice;
using lumaveil::testing::Clique;
using lumaveil::testing::EnregistreurMessages;
using lumaveil::testing::EnregistreurPleinEcran;
using lumaveil::testing::Remplace;

using lumaveil::testing::MemesPixels;

// Bounding box of the pixels that differ between two pictures of one size.
CRect Differences(const HBITMAP& a, const HBITMAP& b) {
  CRect r(a.Width(), a.Height(), -1, -1);
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) {
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1);
        r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
  return r;
}

LOGFONT Police(int hauteur) {
  LOGFONT lf;
  lf.lfHeight = -hauteur;
  lf.lfWeight = 400;
  std::strcpy(lf.lfFaceName, "Liberation Sans");
  return lf;
}

class CTexteDlgTest : public ::testing::Test {
 protected:
  void Ouvre() {
    dlg.m_hImage = CGraphique::RedimensionneImage(lumaveil::testing::PhotoReelle(), CSize(640, 480), 0);
    dlg.m_nLargeur = 640;
    dlg.m_nHauteur = 480;
    dlg.InitInstance(&graphique);
    dlg.show();
    dlg.AttendApercu();
  }
  // Lets the pages' posted changes arrive, then waits for the preview.
  void Suit() {
    Attend();
    dlg.AttendApercu();
  }
  void TapeTexte(int page, const QString& texte) {
    QPlainTextEdit* edit = dlg.Page(page)->EditTexte();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, texte);
    Suit();
  }
  void Efface(int page) {
    QPlainTextEdit* edit = dlg.Page(page)->EditTexte();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    Suit();
  }
  CGraphique graphique;
  CTexteDlg dlg;
};

TEST_F(CTexteDlgTest, TypingOnTheThirdTabDrawsTheTextAndClearingItTurnsItOff) {
  for (T_TEXTE& t : dlg.m_Textes) t.Fonte = Police(40);
  Ouvre();
  ASSERT_EQ(dlg.Onglets()->count(), 5);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(dlg.Onglets()->tabText(i), QString::fromUtf8("Text n\xC2\xB0%1").arg(i + 1));
  const HBITMAP avant = dlg.Apercu()->Apercu().Clone();

  QTabBar* barre = dlg.Onglets()->tabBar();
  QTest::mouseClick(barre, Qt::LeftButton, {}, barre->tabRect(2).center());
  ASSERT_EQ(dlg.Onglets()->currentIndex(), 2);
  EXPECT_TRUE(dlg.Page(2)->isVisible());
  EXPECT_FALSE(dlg.Page(0)->isVisible());

  TapeTexte(2, "Hello");
  EXPECT_EQ(dlg.m_Textes[2].Utilisation, 1);
  EXPECT_EQ(dlg.m_Textes[2].Libelle, "Hello");
  EXPECT_EQ(dlg.Page(2)->m_bModifie, 1);
  EXPECT_FALSE(MemesPixels(dlg.Apercu()->Apercu(), avant));

  Efface(2);
  EXPECT_EQ(dlg.m_Textes[2].Utilisation, 0);
  EXPECT_TRUE(MemesPixels(dlg.Apercu()->Apercu(), avant));
}

TEST_F(CTexteDlgTest, AutomaticPlacementCountsTheMarginsFromTheChosenCorner) {
  dlg.m_Textes[0].Fonte = Police(30);
  dlg.m_Textes[0].PositionAutomatique = 1;
  Ouvre();
  CMiniTexteDlg* page = dlg.Page(0);
  TapeTexte(0, "Corner");
  Clique(page->m_pBas);
  Clique(page->m_pDroite);
  Remplace(page->Champ(CMiniTexteDlg::ID_DX), "20");
  Remplace(page->Champ(CMiniTexteDlg::ID_DY), "20");
  Suit();
  const T_TEXTE& texte = dlg.m_Textes[0];
  EXPECT_EQ(texte.PositionAutomatiqueVerticale, 1);
  EXPECT_EQ(texte.PositionAutomatiqueHorizontale, 1);
  EXPECT_EQ(dlg.CalculePositionTexte(texte, CSize(640, 480)), CPoint(620, 460));
  // The text ends at the margins: its right and bottom edges.
  const CRect dessin = Differences(dlg.m_hImage, dlg.Resultat());
  EXPECT_LE(dessin.right, 620);
  EXPECT_GT(dessin.right, 600);
  EXPECT_LE(dessin.bottom, 460);
  EXPECT_GT(dessin.bottom, 440);

  // The arrows step the margin as typing does.
  QTest::keyClick(page->Champ(CMiniTexteDlg::ID_DY), Qt::Key_Up);
  Suit();
  EXPECT_EQ(dlg.m_Textes[0].DeltaY, 21);

  Clique(page->m_pCentre);
  Suit();
  EXPECT_EQ(dlg.m_Textes[0].PositionAutomatiqueHorizontale, 2);
  EXPECT_EQ(dlg.CalculePositionTexte(dlg.m_Textes[0], CSize(640, 480)).x, 0);
  const CRect centre = Differences(dlg.m_hImage, dlg.Resultat());
  EXPECT_NEAR((centre.left + centre.right) / 2, 320, 3);
}

TEST_F(CTexteDlgTest, AbsolutePlacementSwapsTheEnabledFields) {
  Ouvre();
  CMiniTexteDlg* page = dlg.Page(1);
  QWidget* ancres[] = {page->m_pHaut, page->m_pBas, page->m_pDroite, page->m_pGauche,
                       page->m_pCentre, page->Champ(CMiniTexteDlg::ID_DX),
                       page->Champ(CMiniTexteDlg::ID_DY)};
  QWidget* absolus[] = {page->Champ(CMiniTexteDlg::ID_X), page->Champ(CMiniTexteDlg::ID_Y)};
  dlg.Onglets()->setCurrentIndex(1);
  Clique(page->m_pAbsolue);
  for (QWidget* w : ancres) EXPECT_FALSE(w->isEnabled()) << w->accessibleName().toStdString();
  for (QWidget* w : absolus) EXPECT_TRUE(w->isEnabled()) << w->accessibleName().toStdString();
  Clique(page->m_pAutomatique);
  for (QWidget* w : ancres) EXPECT_TRUE(w->isEnabled()) << w->accessibleName().toStdString();
  for (QWidget* w : absolus) EXPECT_FALSE(w->isEnabled()) << w->accessibleName().toStdString();
}

TEST_F(CTexteDlgTest, NumbersOutOfRangeAreReportedYetKept) {
  dlg.m_Textes[0].PositionAutomatique = 0;
  dlg.m_Textes[0].AbsolueX = 30;
  Ouvre();
  CMiniTexteDlg* page = dlg.Page(0);
  EXPECT_EQ(page->Champ(CMiniTexteDlg::ID_X)->PlageMax(), 640);
  EXPECT_EQ(page->Champ(CMiniTexteDlg::ID_Y)->PlageMax(), 480);
  EnregistreurMessages boites;
  Remplace(page->Champ(CMiniTexteDlg::ID_Y), "500");
  Suit();
  ASSERT_EQ(boites.Messages().size(), 1u);
  EXPECT_EQ(boites.Messages()[0].texte, "Please enter an integer between 0 and 480.");
  EXPECT_EQ(boites.Messages()[0].icone, IconeMessage::Attention);
  EXPECT_EQ(dlg.m_Textes[0].AbsolueY, 500);

  // An empty field ends the reading there: the value stays as it was.
  CSpinEdition* x = page->Champ(CMiniTexteDlg::ID_X);
  x->setFocus();
  x->selectAll();
  QTest::keyClick(x, Qt::Key_Delete);
  Suit();
  ASSERT_EQ(boites.Messages().size(), 2u);
  EXPECT_EQ(boites.Messages()[1].texte, "Please enter an integer.");
  EXPECT_EQ(dlg.m_Textes[0].AbsolueX, 30);
}

TEST_F(CTexteDlgTest, FontChooserSetsTheFontAndItsDescription) {
  Ouvre();
  QFont choisie(QStringLiteral("Liberation Sans"));
  choisie.setPointSize(12);
  choisie.setBold(true);
  choisie.setItalic(true);
  ChoisitPolice(choisie);
  Clique(dlg.Page(0)->m_pBoutonPolice);
  Suit();
  const int dpi = PointsParPouceEcran();
  const LOGFONT& lf = dlg.m_Textes[0].Fonte;
  EXPECT_EQ(lf.lfHeight, -MulDiv(12, dpi, 72));
  EXPECT_EQ(lf.lfWeight, 700);
  EXPECT_EQ(lf.lfItalic, 1);
  EXPECT_STREQ(lf.lfFaceName, "Liberation Sans");
  EXPECT_EQ(dlg.Page(0)->m_pBoutonPolice->text(), "Liberation Sans\n12\nItalic\nBold");
  EXPECT_EQ(dlg.Page(0)->EditTexte()->font().pixelSize(), MulDiv(12, dpi, 72));
}

TEST(DescriptionPolice, SizeInPointsThenTheStylesInTheirOrder) {
  LOGFONT lf = Police(16);
  std::strcpy(lf.lfFaceName, "Arial");
  EXPECT_EQ(DescriptionPolice(lf, 96), "Arial\n12");
  EXPECT_EQ(DescriptionPolice(lf, 120), "Arial\n10");  // 9.6 rounds to 10
  lf.lfWeight = 700;
  lf.lfStrikeOut = 1;
  lf.lfUnderline = 1;
  lf.lfItalic = 1;
  EXPECT_EQ(DescriptionPolice(lf, 96), "Arial\n12\nItalic\nUnderline\nBarred\nBold");
  lf.lfWeight = 800;  // only exactly 700 is called bold
  EXPECT_EQ(DescriptionPolice(lf, 96), "Arial\n12\nItalic\nUnderline\nBarred");
}

TEST_F(CTexteDlgTest, ResetMakesEveryTextUnusedAndAbsoluteWithMarginsOf20) {
  for (int i = 0; i < 5; ++i) {
    dlg.m_Textes[i].Utilisation = 1;
    dlg.m_Textes[i].Libelle = "Texte " + std::to_string(i);
    dlg.m_Textes[i].PositionAutomatique = 1;
    dlg.m_Textes[i].PositionAutomatiqueVerticale = i % 2;
    dlg.m_Textes[i].PositionAutomatiqueHorizontale = 1;
    dlg.m_Textes[i].CouleurEncre = RGB(255, 255, 0);
    dlg.m_Textes[i].FondTransparent = 0;
  }
  Ouvre();
  Clique(dlg.BoutonReset());
  Suit();
  for (int i = 0; i < 5; ++i) {
    const T_TEXTE& t = dlg.m_Textes[i];
    EXPECT_EQ(t.Utilisation, 0);
    EXPECT_EQ(t.Libelle, "");
    EXPECT_EQ(t.PositionAutomatique, 0);
    EXPECT_EQ(t.AbsolueX, 0);
    EXPECT_EQ(t.AbsolueY, 0);
    EXPECT_EQ(t.DeltaX, 20);
    EXPECT_EQ(t.DeltaY, 20);
    EXPECT_EQ(t.PositionAutomatiqueHorizontale, 0);
    EXPECT_EQ(t.PositionAutomatiqueVerticale, i % 2) << "the vertical anchor is kept";
    EXPECT_EQ(t.CouleurEncre, 0u);
    EXPECT_EQ(t.FondTransparent, 1);
    EXPECT_TRUE(dlg.Page(i)->m_pAbsolue->isChecked());
    EXPECT_TRUE(dlg.Page(i)->EditTexte()->toPlainText().isEmpty());
    EXPECT_EQ(dlg.Page(i)->Champ(CMiniTexteDlg::ID_DX)->value(), 20);
  }
  EXPECT_TRUE(dlg.Page(0)->Champ(CMiniTexteDlg::ID_X)->isEnabled());
  EXPECT_TRUE(MemesPixels(dlg.Resultat(), dlg.m_hImage));
  Clique(dlg.BoutonOK());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(dlg.m_Textes[3].Utilisation, 0);
}

TEST_F(CTexteDlgTest, RecordsComeBackUnchangedThroughThePages) {
  T_TEXTE attendus[5];
  for (int i = 0; i < 5; ++i) {
    T_TEXTE& t = attendus[i];
    t.Utilisation = i != 3;
    t.Libelle = i == 3 ? "" : "Line " + std::to_string(i);
    t.Fonte = Police(12 + i);
    t.Fonte.lfItalic = BYTE(i % 2);
    t.PositionAutomatique = i % 2;
    t.PositionAutomatiqueVerticale = i < 2 ? 0 : 1;
    t.PositionAutomatiqueHorizontale = i % 3;
    t.DeltaX = 10 + i;
    t.DeltaY = 30 + i;
    t.AbsolueX = 100 + i;
    t.AbsolueY = 200 + i;
    t.CouleurEncre = RGB(BYTE(40 * i), 20, 200);
    t.CouleurFond = RGB(5, BYTE(50 * i), 7);
    t.FondTransparent = i % 2;
    dlg.m_Textes[i] = t;
  }
  Ouvre();
  Clique(dlg.BoutonOK());
  ASSERT_EQ(dlg.result(), QDialog::Accepted);
  for (int i = 0; i < 5; ++i) {
    const T_TEXTE& a = attendus[i];
    const T_TEXTE& t = dlg.m_Textes[i];
    EXPECT_EQ(t.Utilisation, a.Utilisation) << i;
    EXPECT_EQ(t.Libelle, a.Libelle) << i;
    EXPECT_EQ(std::memcmp(&t.Fonte, &a.Fonte, sizeof(LOGFONT)), 0) << i;
    EXPECT_EQ(t.PositionAutomatique, a.PositionAutomatique) << i;
    EXPECT_EQ(t.PositionAutomatiqueVerticale, a.PositionAutomatiqueVerticale) << i;
    EXPECT_EQ(t.PositionAutomatiqueHorizontale, a.PositionAutomatiqueHorizontale) << i;
    EXPECT_EQ(t.DeltaX, a.DeltaX) << i;
    EXPECT_EQ(t.DeltaY, a.DeltaY) << i;
    EXPECT_EQ(t.AbsolueX, a.AbsolueX) << i;
    EXPECT_EQ(t.AbsolueY, a.AbsolueY) << i;
    EXPECT_EQ(t.CouleurEncre, a.CouleurEncre) << i;
    EXPECT_EQ(t.CouleurFond, a.CouleurFond) << i;
    EXPECT_EQ(t.FondTransparent, a.FondTransparent) << i;
  }
  dlg.DesInitInstance();
  EXPECT_EQ(dlg.Page(0), nullptr);
  EXPECT_EQ(dlg.Onglets()->count(), 0);
}

TEST_F(CTexteDlgTest, TextFieldShowsTheInkOnTheBackgroundUnlessTransparent) {
  dlg.m_Textes[0].CouleurEncre = RGB(255, 0, 0);
  dlg.m_Textes[0].CouleurFond = RGB(0, 0, 255);
  dlg.m_Textes[0].FondTransparent = 0;
  Ouvre();
  CMiniTexteDlg* page = dlg.Page(0);
  EXPECT_EQ(page->CouleurTexteAffichee(), QColor(255, 0, 0));
  EXPECT_EQ(page->CouleurFondAffichee(), QColor(0, 0, 255));
  Clique(page->m_pCouleurFond->m_pTransparent);
  Suit();
  EXPECT_NE(page->CouleurFondAffichee(), QColor(0, 0, 255));
  EXPECT_NE(page->CouleurFondAffichee(), page->CouleurTexteAffichee());
  EXPECT_EQ(dlg.m_Textes[0].FondTransparent, 1);

  // A colour typed into the ink chooser reaches the field and the record.
  QLineEdit* vert = page->m_pCouleurEncre->EditComposante(1);
  vert->selectAll();
  QTest::keyClicks(vert, "80");
  Suit();
  EXPECT_EQ(page->CouleurTexteAffichee(), QColor(255, 0x80, 0));
  EXPECT_EQ(dlg.m_Textes[0].CouleurEncre, RGB(255, 0x80, 0));
  EXPECT_EQ(page->m_bModifie, 1);
}

TEST_F(CTexteDlgTest, FullScreenShowsTheTextsAtTheRealSize) {
  dlg.m_Textes[4].Utilisation = 1;
  dlg.m_Textes[4].Libelle = "Full";
  dlg.m_Textes[4].Fonte = Police(30);
  Ouvre();
  EnregistreurPleinEcran vues;
  QTest::mouseClick(dlg.Apercu(), Qt::LeftButton);
  ASSERT_EQ(vues.Vues().size(), 1u);
  EXPECT_EQ(vues.Vues()[0].largeur, 640);
  EXPECT_EQ(vues.Vues()[0].hauteur, 480);
  EXPECT_EQ(vues.Vues()[0].taille, "");
  EXPECT_TRUE(MemesPixels(vues.Vues()[0].image, dlg.Resultat()));
  EXPECT_FALSE(MemesPixels(vues.Vues()[0].image, dlg.m_hImage));
}

// The sample field shows the whole caption on one line: a large font is
// made smaller to fit, a small one keeps its size; typing refits it.
TEST_F(CTexteDlgTest, SampleShowsTheWholeCaptionAtAFittingSize) {
  dlg.m_Textes[0].Utilisation = 1;
  dlg.m_Textes[0].Libelle = "Grace Hopper";
  dlg.m_Textes[0].Fonte = Police(44);
  dlg.m_Textes[0].Fonte.lfWeight = 700;
  dlg.m_Textes[1].Utilisation = 1;
  dlg.m_Textes[1].Libelle = "1984";
  dlg.m_Textes[1].Fonte = Police(12);
  Ouvre();
  Suit();
  auto entier = [](QPlainTextEdit* champ) {
    const QFontMetrics mesure(champ->font());
    const QString texte = champ->toPlainText();
    return mesure.horizontalAdvance(texte) <= champ->viewport()->width() &&
           mesure.height() <= champ->viewport()->height();
  };
  QPlainTextEdit* grand = dlg.Page(0)->EditTexte();
  EXPECT_LT(grand->font().pixelSize(), 44);
  EXPECT_TRUE(entier(grand));
  EXPECT_EQ(grand->lineWrapMode(), QPlainTextEdit::NoWrap);
  dlg.Onglets()->setCurrentIndex(1);
  QPlainTextEdit* petit = dlg.Page(1)->EditTexte();
  EXPECT_EQ(petit->font().pixelSize(), 12);
  TapeTexte(1, "Rear Admiral Grace Murray Hopper, 1906 - 1992");
  Suit();
  EXPECT_LT(petit->font().pixelSize(), 12);
  EXPECT_TRUE(entier(petit));
  // The caption itself keeps its font.
  EXPECT_EQ(dlg.m_Textes[1].Fonte.lfHeight, -12);
  EXPECT_EQ(dlg.m_Textes[0].Fonte.lfHeight, -44);
}

TEST(CTexteDlgCapture, TwoTextsOnAPhotograph) {
  CGraphique graphique;
  CTexteDlg dlg;
  dlg.m_hImage = lumaveil::testing::PhotoReelle();
  dlg.m_nLargeur = dlg.m_hImage.Width();
  dlg.m_nHauteur = dlg.m_hImage.Height();
  T_TEXTE& titre = dlg.m_Textes[0];
  titre.Utilisation = 1;
  titre.Libelle = "Grace Hopper";
  titre.Fonte = Police(44);
  titre.Fonte.lfWeight = 700;
  titre.PositionAutomatiqueVerticale = 1;
  titre.PositionAutomatiqueHorizontale = 2;
  titre.DeltaY = 30;
  titre.CouleurEncre = RGB(255, 255, 255);
  T_TEXTE& date = dlg.m_Textes[1];
  date.Utilisation = 1;
  date.Libelle = "1984";
  date.Fonte = Police(28);
  date.PositionAutomatiqueHorizontale = 1;
  date.DeltaX = date.DeltaY = 20;
  date.CouleurEncre = RGB(255, 230, 0);
  date.CouleurFond = RGB(0, 0, 80);
  date.FondTransparent = 0;
  dlg.InitInstance(&graphique);
  dlg.show();
  dlg.AttendApercu();
  EXPECT_FALSE(lumaveil::testing::CaptureWidget(&dlg, "texte_dlg").isEmpty());
  dlg.DesInitInstance();
}

}  // namespace

namespace {

// "Insert field" puts the field at the cursor as a chip; the preview draws
// what the maker writes out for it; the date format and the text edge
// reach the record; a first caption takes the font sized for the screen.
TEST_F(CTexteDlgTest, InsertFieldPutsAFieldThePreviewWritesOutWithTheChosenEdge) {
  const std::string date = MarqueChamp("date");
  dlg.m_fnLibelle = [date](const T_TEXTE& t) -> std::optional<std::string> {
    std::string s = t.Libelle;
    const std::size_t p = s.find(date);
    if (p != std::string::npos) s.replace(p, date.size(), "14 July 2024");
    return s;
  };
  dlg.m_lfNouvelleLegende = Police(36);
  dlg.m_Textes[0].PositionAutomatique = 1;
  Ouvre();
  CMiniTexteDlg* page = dlg.Page(0);
  TapeTexte(0, "On ");
  QAction* champ = nullptr;
  for (QAction* a : page->BoutonChamp()->menu()->actions())
    if (a->text() == "Date taken") champ = a;
  ASSERT_NE(champ, nullptr);
  ASSERT_EQ(page->BoutonChamp()->menu()->actions().size(), 7);
  champ->trigger();
  for (QComboBox* choix : {page->ChoixFormatDate(), page->ChoixRelief(), page->ChoixRelief()}) {
    choix->setFocus();
    QTest::keyClick(choix, Qt::Key_Down);
  }
  Suit();
  const T_TEXTE& t = dlg.m_Textes[0];
  EXPECT_EQ(t.Libelle, "On " + date);
  EXPECT_EQ(t.FormatDate, 1);
  EXPECT_EQ(t.Relief, kReliefOmbre);
  EXPECT_EQ(t.Fonte.lfHeight, -36);
  T_TEXTE ecrit = t;
  ecrit.Libelle = "On 14 July 2024";
  const HBITMAP attendu = CGraphique::EcritureTexteDansImage(
      dlg.m_hImage, ecrit.Libelle, CGraphique::CalculePositionTexte(ecrit, CSize(640, 480)),
      ecrit.PositionAutomatiqueVerticale, ecrit.PositionAutomatiqueHorizontale, ecrit.CouleurEncre,
      ecrit.CouleurFond, ecrit.FondTransparent, ecrit.Fonte, ecrit.Relief);
  EXPECT_TRUE(MemesPixels(dlg.Resultat(), attendu));
  lumaveil::testing::CaptureWidget(&dlg, QStringLiteral("texte_champ_insere"));
  QMenu* menu = page->BoutonChamp()->menu();
  menu->popup(page->BoutonChamp()->mapToGlobal(QPoint(0, page->BoutonChamp()->height())));
  Attend();
  lumaveil::testing::CaptureWidget(menu, QStringLiteral("texte_menu_champs"));
  menu->hide();
}

}  // namespace
