// Keys of the real keyboard in the dialogs: Enter and Space on a focused
// generation button do what the button does, Enter elsewhere keeps the
// default button; Escape cancels an editor even from a colour field.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include "dialogs/commun/couleur_dlg.h"
#include "dialogs/fond/fond_dlg.h"
#include "dialogs/texte/mini_texte_dlg.h"
#include "dialogs/texte/texte_dlg.h"
#include "editeurs_essai.h"
#include "generation/generation_dlg.h"
#include "pointeur_x.h"

namespace lumaveil::testing {
namespace {

// Tab pressed until `cible` has the focus (false after a full turn).
bool TabulationVers(QWidget* cible) {
  for (int i = 0; i < 20; ++i) {
    if (QApplication::focusWidget() == cible) return true;
    Touches("Tab");
  }
  return QApplication::focusWidget() == cible;
}

int ResultatGeneration(CGenerationDlg::Resultat bouton, const std::string& touche) {
  CGenerationDlg dlg(nullptr, true);
  dlg.open();
  if (!QTest::qWaitForWindowActive(&dlg)) return -100;
  QWidget* cible = bouton == CGenerationDlg::kAucun
                       ? static_cast<QWidget*>(dlg.findChild<QPushButton*>())
                       : dlg.Bouton(bouton);
  if (!TabulationVers(cible)) return -200;
  Touches(touche);
  Attend([&] { return !dlg.isVisible(); }, 1500);
  return dlg.isVisible() ? -300 : dlg.result();
}

TEST(ClavierDialogues, EnterAndSpaceOnAFocusedGenerationButtonPressIt) {
  EXPECT_EQ(ResultatGeneration(CGenerationDlg::kAffichage, "Return"), CGenerationDlg::kAffichage);
  EXPECT_EQ(ResultatGeneration(CGenerationDlg::kSauveLinux, "KP_Enter"),
            CGenerationDlg::kSauveLinux);
  EXPECT_EQ(ResultatGeneration(CGenerationDlg::kEnvoiMail, "space"), CGenerationDlg::kEnvoiMail);
  // On Cancel, Enter cancels.
  EXPECT_EQ(ResultatGeneration(CGenerationDlg::kAucun, "Return"), CGenerationDlg::kAucun);
}

// Escape typed in a red, green or blue field closes the editor with Cancel.
TEST(ClavierDialogues, EscapeInAColourFieldCancelsTheEditor) {
  talvik::CGraphique graphique;
  {
    talvik::CFondDlg dlg;
    dlg.m_hImage = talvik::Bitmap::Create(300, 200, talvik::RGB(255, 0, 0));
    dlg.m_nLargeur = 300;
    dlg.m_nHauteur = 200;
    dlg.m_sizeEcran = talvik::CSize(640, 480);
    dlg.m_bCouleur = 1;
    dlg.InitInstance(&graphique);
    dlg.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QLineEdit* rouge = dlg.ChoixCouleur()->EditComposante(0);
    Clique(rouge, QPoint(6, rouge->height() / 2));
    ASSERT_EQ(QApplication::focusWidget(), rouge);
    Touches("Escape");
    EXPECT_TRUE(Attend([&] { return !dlg.isVisible(); }, 1500)) << "background editor";
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
  }
  {
    talvik::CTexteDlg dlg;
    dlg.m_hImage = talvik::Bitmap::Create(640, 480, talvik::RGB(40, 80, 120));
    dlg.m_nLargeur = 640;
    dlg.m_nHauteur = 480;
    dlg.InitInstance(&graphique);
    dlg.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QLineEdit* bleu = dlg.Page(0)->m_pCouleurEncre->EditComposante(2);
    Clique(bleu, QPoint(6, bleu->height() / 2));
    ASSERT_EQ(QApplication::focusWidget(), bleu);
    Touches("Escape");
    EXPECT_TRUE(Attend([&] { return !dlg.isVisible(); }, 1500)) << "text editor";
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    dlg.DesInitInstance();
  }
}

}  // namespace
}  // namespace lumaveil::testing
