// Every control of the text, border and background editors carries an
// accessible name.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "dialogs/apercu/zone_apercu.h"
#include "dialogs/cadre/cadre_dlg.h"
#include "dialogs/fond/fond_dlg.h"
#include "dialogs/texte/texte_dlg.h"
#include "graphique.h"

namespace {

using namespace talvik;

QStringList SansNom(QWidget& dlg) {
  QStringList sans;
  for (QWidget* w : dlg.findChildren<QWidget*>()) {
    // The edit inside a spin box is named by the spin box.
    if (qobject_cast<QLineEdit*>(w) && qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
      continue;
    const bool controle = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                          qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                          qobject_cast<QAbstractItemView*>(w) || qobject_cast<QTabWidget*>(w) ||
                          qobject_cast<CZoneApercu*>(w);
    if (controle && w->accessibleName().isEmpty())
      sans << QString("%1 \"%2\"").arg(w->metaObject()->className(), w->objectName());
  }
  return sans;
}

TEST(DecorAccessibilite, EveryControlHasAName) {
  CGraphique graphique;
  const HBITMAP image = Bitmap::Create(64, 48, RGB(10, 20, 30));
  CTexteDlg texte;
  CCadreDlg cadre;
  CFondDlg fond;
  texte.m_hImage = cadre.m_hImage = fond.m_hImage = image;
  texte.InitInstance(&graphique);
  cadre.InitInstance(&graphique);
  fond.InitInstance(&graphique);
  for (QWidget* dlg : std::initializer_list<QWidget*>{&texte, &cadre, &fond}) {
    dlg->show();
    EXPECT_TRUE(SansNom(*dlg).isEmpty())
        << dlg->windowTitle().toStdString() << ": " << SansNom(*dlg).join(", ").toStdString();
  }
  texte.DesInitInstance();
  cadre.DesInitInstance();
  fond.DesInitInstance();
}

}  // namespace
