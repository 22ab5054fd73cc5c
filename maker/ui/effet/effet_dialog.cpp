#include "effet/effet_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "commun/barre_boutons.h"

namespace lumaveil {

namespace {

struct DescriptionEffet {
  const char* libelle;
  const char* description;
};

// In the order of the codes stored in the project and the screen saver.
constexpr DescriptionEffet kEffets[kNombreEffets] = {
    {"No effect.", "New screen is only displayed on old screen."},
    {"Up/Down : ", "New screen go down on old screen."},
    {"Up-left/Down :", "New scrren go down from up-left on old screen."},
    {"Down-right/Up :", "New screen go up from down-right on old screen."},
    {"Down/Up : ", "New screen go up straight on old screen."},
    {"Left/right : ", "New screen go from left to right on old screen."},
    {"Stretching :", "New screen stretch up step by step on old screen."},
    {"Random : ", "a randomize effect from the list."},
};

}  // namespace

CEffetDlg::CEffetDlg(int effet, QWidget* parent) : QDialog(parent), effet_(effet) {
  setWindowTitle(QStringLiteral("Changing effect definition"));
  auto* grille = new QGridLayout;
  auto* groupe = new QButtonGroup(this);
  for (int i = 0; i < kNombreEffets; ++i) {
    auto* b = new QRadioButton(QString::fromUtf8(kEffets[i].libelle), this);
    b->setAccessibleName(b->text());
    auto* d = new QLabel(QString::fromUtf8(kEffets[i].description), this);
    d->setAccessibleName(d->text());
    groupe->addButton(b, i);
    grille->addWidget(b, i, 0);
    grille->addWidget(d, i, 1);
    boutons_[std::size_t(i)] = b;
  }
  grille->setColumnStretch(1, 1);
  if (effet >= 0 && effet < kNombreEffets) boutons_[std::size_t(effet)]->setChecked(true);

  const BarreBoutons boutons = BarreOkAnnuler(this, true);
  ok_ = boutons.ok;
  reset_ = boutons.reset;
  connect(reset_, &QPushButton::clicked, this, [this] {
    effet_ = 0;
    boutons_[0]->setChecked(true);
  });

  auto* colonne = new QVBoxLayout(this);
  colonne->addLayout(grille);
  colonne->addWidget(boutons.barre);
}

void CEffetDlg::accept() {
  effet_ = kNombreEffets - 1;
  for (int i = 0; i < kNombreEffets; ++i)
    if (boutons_[std::size_t(i)]->isChecked()) effet_ = i;
  QDialog::accept();
}

int EditeEffet(QWidget* parent, int& effet) {
  CEffetDlg dlg(effet, parent);
  if (dlg.exec() != QDialog::Accepted) return 0;
  effet = dlg.Effet();
  return 1;
}

}  // namespace lumaveil
