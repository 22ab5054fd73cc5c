#include "commun/barre_boutons.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace lumaveil {

BarreBoutons BarreOkAnnuler(QDialog* dialogue, bool avecReset) {
  auto* barre = new QDialogButtonBox(dialogue);
  BarreBoutons b{barre, barre->addButton(QDialogButtonBox::Ok), nullptr};
  QPushButton* annuler = barre->addButton(QDialogButtonBox::Cancel);
  if (avecReset)
    b.reset = barre->addButton(QCoreApplication::translate("lumaveil::BarreBoutons", "Reset"),
                               QDialogButtonBox::ResetRole);
  b.ok->setAccessibleName(QCoreApplication::translate("lumaveil::BarreBoutons", "OK"));
  annuler->setAccessibleName(QCoreApplication::translate("lumaveil::BarreBoutons", "Cancel"));
  if (b.reset)
    b.reset->setAccessibleName(QCoreApplication::translate("lumaveil::BarreBoutons", "Reset"));
  QObject::connect(barre, &QDialogButtonBox::accepted, dialogue, &QDialog::accept);
  QObject::connect(barre, &QDialogButtonBox::rejected, dialogue, &QDialog::reject);
  return b;
}

}  // namespace lumaveil
