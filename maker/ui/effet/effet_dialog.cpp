#include "effet/effet_dialog.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "commun/barre_boutons.h"

namespace lumaveil {

namespace {

struct DescriptionEffet {
  const char* libelle;
  const char* description;
};

// In the order of the codes stored in the project and the screen saver.
constexpr DescriptionEffet kEffets[kNombreEffets] = {
    {QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "No effect."),
     QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "New screen is only displayed on old screen.")},
    {QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "Up/Down : "),
     QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "New screen go down on old screen.")},
    {QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "Up-left/Down :"),
     QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "New scrren go down from up-left on old screen.")},
    {QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "Down-right/Up :"),
     QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "New screen go up from down-right on old screen.")},
    {QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "Down/Up : "),
     QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "New screen go up straight on old screen.")},
    {QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "Left/right : "),
     QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "New screen go from left to right on old screen.")},
    {QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "Stretching :"),
     QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "New screen stretch up step by step on old screen.")},
    {QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "Random : "),
     QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "a randomize effect from the list.")},
    {QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "Cross-fade"),
     QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "The new screen fades in over the old one.")},
    {QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "Pan and zoom"),
     QT_TRANSLATE_NOOP("lumaveil::CEffetDlg",
                       "The screen slowly zooms and drifts while it is shown; it fades in.")},
    {QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "Random (all effects)"),
     QT_TRANSLATE_NOOP("lumaveil::CEffetDlg", "An effect chosen at random among all the others.")},
};

}  // namespace

CEffetDlg::CEffetDlg(int effet, QWidget* parent)
    : CEffetDlg(ValeursEffet{effet, kDureeTransitionDefautMs}, parent) {}

CEffetDlg::CEffetDlg(const ValeursEffet& valeurs, QWidget* parent)
    : QDialog(parent), valeurs_(valeurs) {
  setWindowTitle(tr("Changing effect definition"));
  auto* grille = new QGridLayout;
  auto* groupe = new QButtonGroup(this);
  int ligne = 0;
  for (int i = 0; i < kNombreEffets; ++i) {
    if (i == kEffetFondu) {
      // The effects the designed player does not know, apart.
      auto* trait = new QFrame(this);
      trait->setFrameShape(QFrame::HLine);
      trait->setFrameShadow(QFrame::Sunken);
      grille->addWidget(trait, ligne++, 0, 1, 2);
    }
    auto* b = new QRadioButton(tr(kEffets[i].libelle), this);
    b->setAccessibleName(b->text());
    auto* d = new QLabel(tr(kEffets[i].description), this);
    d->setAccessibleName(d->text());
    groupe->addButton(b, i);
    grille->addWidget(b, ligne, 0);
    grille->addWidget(d, ligne, 1);
    ++ligne;
    boutons_[std::size_t(i)] = b;
  }
  grille->setColumnStretch(1, 1);
  const int effet = valeurs_.effet;
  if (effet >= 0 && effet < kNombreEffets) boutons_[std::size_t(effet)]->setChecked(true);

  auto* rangeeDuree = new QHBoxLayout;
  auto* libelleDuree = new QLabel(tr("Transition length :"), this);
  duree_ = new QDoubleSpinBox(this);
  duree_->setDecimals(1);
  duree_->setSingleStep(0.1);
  duree_->setRange(kDureeTransitionMinMs / 1000.0, kDureeTransitionMaxMs / 1000.0);
  duree_->setSuffix(QStringLiteral(" s"));
  duree_->setValue(DureeTransitionBornee(valeurs_.dureeTransitionMs) / 1000.0);
  duree_->setAccessibleName(tr("Transition length"));
  dureeAffichee_ = duree_->value();
  libelleDuree->setBuddy(duree_);
  rangeeDuree->addWidget(libelleDuree);
  rangeeDuree->addWidget(duree_);
  rangeeDuree->addStretch(1);
  connect(groupe, &QButtonGroup::idToggled, this, [this] { ActiveDuree(); });
  ActiveDuree();

  const BarreBoutons boutons = BarreOkAnnuler(this, true);
  ok_ = boutons.ok;
  reset_ = boutons.reset;
  connect(reset_, &QPushButton::clicked, this, [this] {
    valeurs_ = ValeursEffet{};
    boutons_[0]->setChecked(true);
    duree_->setValue(kDureeTransitionDefautMs / 1000.0);
    dureeAffichee_ = duree_->value();
  });

  auto* colonne = new QVBoxLayout(this);
  colonne->addLayout(grille);
  colonne->addLayout(rangeeDuree);
  colonne->addWidget(boutons.barre);
}

void CEffetDlg::ActiveDuree() {
  bool fondu = false;
  for (int i = 0; i < kNombreEffets; ++i)
    if (boutons_[std::size_t(i)]->isChecked()) fondu = EffetAvecFondu(i);
  duree_->setEnabled(fondu);
}

void CEffetDlg::accept() {
  valeurs_.effet = kEffetAleatoire;
  for (int i = 0; i < kNombreEffets; ++i)
    if (boutons_[std::size_t(i)]->isChecked()) valeurs_.effet = i;
  duree_->interpretText();
  // A length the field shows rounded (1.25 s as 1.3 s) stays as it was
  // unless the user changed it.
  if (duree_->value() != dureeAffichee_)
    valeurs_.dureeTransitionMs = DureeTransitionBornee(int(std::lround(duree_->value() * 1000.0)));
  QDialog::accept();
}

int EditeEffet(QWidget* parent, ValeursEffet& valeurs) {
  CEffetDlg dlg(valeurs, parent);
  if (dlg.exec() != QDialog::Accepted) return 0;
  valeurs = dlg.Valeurs();
  return 1;
}

int EditeEffet(QWidget* parent, int& effet) {
  ValeursEffet valeurs{effet, kDureeTransitionDefautMs};
  if (!EditeEffet(parent, valeurs)) return 0;
  effet = valeurs.effet;
  return 1;
}

}  // namespace lumaveil
