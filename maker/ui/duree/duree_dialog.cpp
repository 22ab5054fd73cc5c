#include "duree/duree_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "commun/barre_boutons.h"
#include "commun/champ_nombre.h"

namespace lumaveil {

CDureeDlg::CDureeDlg(int duree, QWidget* parent) : QDialog(parent), duree_(duree) {
  setWindowTitle(tr("Displaying duration definition"));
  auto* libelle = new QLabel(tr("Duration"), this);
  champ_ = new CChampNombre(1, 180, libelle->text(), this);
  champ_->SetValeur(duree);
  libelle->setBuddy(champ_->Edit());
  auto* unite = new QLabel(tr("second(s)"), this);
  auto* aide = new QLabel(tr("Select a duration between 1 to 180 seconds"), this);
  aide->setAccessibleName(aide->text());

  auto* ligne = new QHBoxLayout;
  ligne->addWidget(libelle);
  ligne->addWidget(champ_);
  ligne->addWidget(unite);
  ligne->addStretch(1);

  const BarreBoutons boutons = BarreOkAnnuler(this, true);
  ok_ = boutons.ok;
  reset_ = boutons.reset;
  connect(reset_, &QPushButton::clicked, this, [this] { champ_->SetValeur(kDureeDefaut); });

  auto* colonne = new QVBoxLayout(this);
  colonne->addLayout(ligne);
  colonne->addWidget(aide);
  colonne->addWidget(boutons.barre);
}

void CDureeDlg::accept() {
  duree_ = champ_->Valeur();
  QDialog::accept();
}

int EditeDuree(QWidget* parent, int& duree) {
  CDureeDlg dlg(duree, parent);
  if (dlg.exec() != QDialog::Accepted) return 0;
  duree = dlg.Duree();
  return 1;
}

}  // namespace lumaveil
