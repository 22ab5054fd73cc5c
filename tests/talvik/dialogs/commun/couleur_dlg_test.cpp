#include "dialogs/commun/couleur_dlg.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "capture_ecran.h"
#include "graphique.h"

using talvik::CCouleurDlg;

namespace {

// A dialog around the chooser, as the editors hold it.
struct Editeur {
  QDialog dialogue;
  CCouleurDlg* choix = nullptr;
  talvik::CGraphique graphique;
  Editeur(talvik::COLORREF couleur, int mode) {
    choix = new CCouleurDlg(&dialogue);
    auto* disposition = new QVBoxLayout(&dialogue);
    disposition->addWidget(choix);
    choix->m_crCouleur = couleur;
    choix->InitInstance(&dialogue, &graphique, mode);
    dialogue.show();
  }
  QString Texte(int i) const { return choix->EditComposante(i)->text(); }
  void Tape(int composante, const QString& texte) {
    QLineEdit* edit = choix->EditComposante(composante);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, texte);
  }
};

TEST(CouleurDlg, ShowsComponentsInTheChosenBase) {
  Editeur e(talvik::RGB(86, 52, 18), CCouleurDlg::MODE_AVEC_TRANSPARENT);
  EXPECT_EQ(e.Texte(0), "56");
  EXPECT_EQ(e.Texte(1), "34");
  EXPECT_EQ(e.Texte(2), "12");
  QTest::mouseClick(e.choix->m_pDec, Qt::LeftButton);
  EXPECT_EQ(e.Texte(0), "86");
  EXPECT_EQ(e.Texte(1), "52");
  EXPECT_EQ(e.Texte(2), "18");
  EXPECT_EQ(e.choix->m_crCouleur, talvik::RGB(86, 52, 18));
  EXPECT_EQ(e.choix->m_bChange, 0);  // changing the base changes no colour
  lumaveil::testing::CaptureWidget(&e.dialogue, "couleur_dlg");
}

TEST(CouleurDlg, TypedComponentsKeepTheirLowBitsAndNotifyTheParent) {
  Editeur e(0, CCouleurDlg::MODE_AVEC_TRANSPARENT);
  QSignalSpy changements(e.choix, &CCouleurDlg::ChangementCouleur);
  QTest::mouseClick(e.choix->m_pDec, Qt::LeftButton);
  e.Tape(0, "300");
  EXPECT_EQ(talvik::GetRValue(e.choix->m_crCouleur), 44);
  EXPECT_EQ(e.Texte(0), "44");
  EXPECT_EQ(e.choix->m_bChange, 1);
  EXPECT_GE(changements.count(), 1);

  // Hexadecimal: the last two digits count; the field shows capitals.
  QTest::mouseClick(e.choix->m_pHex, Qt::LeftButton);
  e.Tape(2, "1ab");
  EXPECT_EQ(talvik::GetBValue(e.choix->m_crCouleur), 0xAB);
  EXPECT_EQ(e.Texte(2), "AB");
  EXPECT_EQ(e.choix->m_strBleu, "ab");
  EXPECT_EQ(e.choix->m_crCouleur, talvik::RGB(44, 0, 0xAB));
}

TEST(CouleurDlg, ArrowsStepWithinTheByte) {
  Editeur e(talvik::RGB(255, 0, 7), CCouleurDlg::MODE_SANS_TRANSPARENT);
  QTest::mouseClick(e.choix->Fleche(0, +1), Qt::LeftButton);
  QTest::mouseClick(e.choix->Fleche(1, -1), Qt::LeftButton);
  QTest::mouseClick(e.choix->Fleche(2, +1), Qt::LeftButton);
  EXPECT_EQ(e.choix->m_crCouleur, talvik::RGB(255, 0, 8));
  EXPECT_EQ(e.Texte(2), "8");
  QTest::mouseClick(e.choix->Fleche(0, -1), Qt::LeftButton);
  EXPECT_EQ(talvik::GetRValue(e.choix->m_crCouleur), 254);
  EXPECT_EQ(e.Texte(0), "FE");
  EXPECT_FALSE(e.choix->m_pTransparent->isVisible());
}

TEST(CouleurDlg, EscapeInsideTheChooserCancelsTheEditor) {
  Editeur e(talvik::RGB(1, 2, 3), CCouleurDlg::MODE_AVEC_TRANSPARENT);
  EXPECT_TRUE(e.choix->m_pTransparent->isVisible());
  QTest::keyClick(e.choix->EditComposante(1), Qt::Key_Escape);
  EXPECT_FALSE(e.dialogue.isVisible());
  EXPECT_EQ(e.dialogue.result(), QDialog::Rejected);
  EXPECT_EQ(e.choix->m_crCouleur, talvik::RGB(1, 2, 3));
}

}  // namespace
