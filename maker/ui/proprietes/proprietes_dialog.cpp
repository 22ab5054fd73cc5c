#include "proprietes/proprietes_dialog.h"

#include <QDialogButtonBox>
#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace lumaveil {

namespace {

struct Preset {
  const char* texte;
  int cx, cy;
  const char* note;
};

// The wide sizes follow "1280x960": today's displays are wide, and the
// players show them.
constexpr Preset kPresets[] = {
    {"1280x960", 1280, 960, ""},
    {"1920x1080", 1920, 1080, ""},
    {"2560x1440", 2560, 1440, ""},
    {"3840x2160", 3840, 2160, ""},
    {"1024x768", 1024, 768, ""},
    {"800x600", 800, 600, ""},
    {"640x480", 640, 480, QT_TRANSLATE_NOOP("CProprietesDlg", "(better for Internet)")},
    {"320x240", 320, 240, QT_TRANSLATE_NOOP("CProprietesDlg", "(better for email)")},
    {"240x320", 240, 320, QT_TRANSLATE_NOOP("CProprietesDlg", "(better for PocketPC)")},
};
constexpr int kNombrePresets = int(sizeof(kPresets) / sizeof(kPresets[0]));

}  // namespace

SIZE ResolutionMachine() {
  const QScreen* ecran = QGuiApplication::primaryScreen();
  if (!ecran) return SIZE{1024, 768};
  const QSize t = ecran->size() * ecran->devicePixelRatio();
  return SIZE{t.width(), t.height()};
}

CProprietesDlg::CProprietesDlg(SIZE taille, bool assistant, QWidget* parent)
    : QDialog(parent), taille_(taille) {
  setWindowTitle(tr("Displaying properties"));
  auto* grille = new QGridLayout;
  for (int i = 0; i <= kNombrePresets; ++i) {
    const bool autre = i == kNombrePresets;
    auto* b = new QRadioButton(autre ? tr("Other") : QString(kPresets[i].texte), this);
    b->setAccessibleName(b->text());
    grille->addWidget(b, i, 0);
    const QString note = autre ? tr("(actual resolution not defined)")
                               : *kPresets[i].note ? tr(kPresets[i].note) : QString();
    if (!note.isEmpty()) grille->addWidget(new QLabel(note, this), i, 1);
    boutons_.push_back(b);
  }
  grille->setColumnStretch(1, 1);

  auto* barre = new QDialogButtonBox(this);
  reset_ = barre->addButton(tr("Reset"), QDialogButtonBox::ResetRole);
  if (assistant) {
    suivant_ = barre->addButton(tr("Next"), QDialogButtonBox::AcceptRole);
    terminer_ = barre->addButton(tr("Finish"), QDialogButtonBox::RejectRole);
    connect(suivant_, &QPushButton::clicked, this, [this] { Ferme(kSuivant); });
    connect(terminer_, &QPushButton::clicked, this, [this] { Ferme(kTerminer); });
  } else {
    ok_ = barre->addButton(QDialogButtonBox::Ok);
    QPushButton* annuler = barre->addButton(QDialogButtonBox::Cancel);
    annuler->setAccessibleName(tr("Cancel"));
    connect(ok_, &QPushButton::clicked, this, [this] { Ferme(QDialog::Accepted); });
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
  }
  for (QAbstractButton* b : barre->buttons()) b->setAccessibleName(b->text().remove('&'));
  // Return goes on (Next, OK), never to Reset.
  (suivant_ ? suivant_ : ok_)->setDefault(true);
  connect(reset_, &QPushButton::clicked, this, [this] {
    taille_ = ResolutionMachine();
    Coche();
  });
  Coche();

  paires_ = new QCheckBox(tr("Pair portrait photos"), this);
  paires_->setAccessibleName(paires_->text());
  paires_->hide();

  auto* colonne = new QVBoxLayout(this);
  colonne->addLayout(grille);
  colonne->addWidget(paires_);
  colonne->addWidget(barre);
}

void CProprietesDlg::MontrePaires(bool paires) {
  paires_->setChecked(paires);
  paires_->show();
}

bool CProprietesDlg::Paires() const { return paires_->isChecked(); }

void CProprietesDlg::Coche() {
  boutons_.back()->setChecked(true);
  for (int i = 0; i < kNombrePresets; ++i)
    if (kPresets[i].cx == taille_.cx && kPresets[i].cy == taille_.cy)
      boutons_[std::size_t(i)]->setChecked(true);
}

void CProprietesDlg::showEvent(QShowEvent* evenement) {
  for (QRadioButton* b : boutons_)
    if (b->isChecked()) b->setFocus(Qt::OtherFocusReason);
  QDialog::showEvent(evenement);
}

void CProprietesDlg::Lit() {
  for (int i = 0; i < kNombrePresets; ++i)
    if (boutons_[std::size_t(i)]->isChecked()) {
      taille_ = SIZE{kPresets[i].cx, kPresets[i].cy};
      return;
    }
  taille_ = ResolutionMachine();
}

void CProprietesDlg::Ferme(int resultat) {
  Lit();
  done(resultat);
}

}  // namespace lumaveil
