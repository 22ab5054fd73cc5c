// Every control of the picture editors carries an accessible name.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <gtest/gtest.h>

#include "dialogs/recoupe/recoupe_dlg.h"
#include "dialogs/redimension/redimension_dlg.h"
#include "dialogs/reglage/reglage_dlg.h"
#include "dialogs/rotation/rotation_dlg.h"
#include "dialogs/apercu/zone_apercu.h"
#include "graphique.h"

namespace {

using namespace talvik;

// Names of the controls of `dlg` that have none.
QStringList SansNom(QWidget& dlg) {
  QStringList sans;
  for (QWidget* w : dlg.findChildren<QWidget*>()) {
    const bool controle = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                          qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<CZoneApercu*>(w);
    if (controle && w->accessibleName().isEmpty()) sans << w->metaObject()->className();
  }
  return sans;
}

TEST(EditeursAccessibilite, EveryControlHasAName) {
  CGraphique graphique;
  const HBITMAP image = Bitmap::Create(64, 48, RGB(10, 20, 30));
  CRotationDlg rotation;
  CRecoupeDlg recoupe;
  CRedimensionDlg redimension;
  CReglageDlg reglage;
  rotation.m_hImage = recoupe.m_hImage = redimension.m_hImage = reglage.m_hImage = image;
  for (QWidget* dlg : std::initializer_list<QWidget*>{&rotation, &recoupe, &redimension, &reglage}) {
    dlg->show();
    EXPECT_TRUE(SansNom(*dlg).isEmpty())
        << dlg->windowTitle().toStdString() << ": " << SansNom(*dlg).join(", ").toStdString();
  }
}

}  // namespace
