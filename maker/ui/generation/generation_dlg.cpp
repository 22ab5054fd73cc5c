#include "generation/generation_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/commun/bouton_outil.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitialiseRessourcesGeneration() { Q_INIT_RESOURCE(generation); }

namespace lumaveil {

namespace {

struct DefinitionBouton {
  CGenerationDlg::Resultat resultat;
  const char* texte;  // label, tooltip and accessible name
  const char* icone;
};

constexpr DefinitionBouton kBoutons[] = {
    {CGenerationDlg::kAffichage, QT_TRANSLATE_NOOP("lumaveil::CGenerationDlg", "Display"),
     ":/generation/icones/affichage.svg"},
    {CGenerationDlg::kSauveWindows,
     QT_TRANSLATE_NOOP("lumaveil::CGenerationDlg", "Save for Windows"),
     ":/generation/icones/sauve_windows.svg"},
    {CGenerationDlg::kSauveLinux, QT_TRANSLATE_NOOP("lumaveil::CGenerationDlg", "Save for Linux"),
     ":/generation/icones/sauve_linux.svg"},
    {CGenerationDlg::kSauvePageWeb,
     QT_TRANSLATE_NOOP("lumaveil::CGenerationDlg", "Save as web page"),
     ":/generation/icones/sauve_page_web.svg"},
    {CGenerationDlg::kEnvoiMail, QT_TRANSLATE_NOOP("lumaveil::CGenerationDlg", "Send by email"),
     ":/generation/icones/envoi_mail.svg"},
    {CGenerationDlg::kEnvoiInternet,
     QT_TRANSLATE_NOOP("lumaveil::CGenerationDlg", "Send to Internet"),
     ":/generation/icones/envoi_internet.svg"},
};

}  // namespace

bool CGenerationDlg::SaverLinuxPossible() {
#if defined(__linux__)
  return true;
#else
  return false;
#endif
}

CGenerationDlg::CGenerationDlg(QWidget* parent, bool saverLinux) : QDialog(parent) {
  static const bool ressources = [] {
    InitialiseRessourcesGeneration();
    return true;
  }();
  (void)ressources;
  setObjectName("CGenerationDlg");
  setWindowTitle(tr("Screen saver Generation"));
  setAccessibleName(windowTitle());

  auto* disposition = new QVBoxLayout(this);
  auto* rangee = new QHBoxLayout;
  rangee->setSpacing(12);
  for (std::size_t i = 0; i < std::size(kBoutons); ++i) {
    const DefinitionBouton& d = kBoutons[i];
    if (d.resultat == kSauveLinux && !saverLinux) continue;
    auto* b = new talvik::CBoutonOutil(this);
    const QString texte = tr(d.texte);
    b->setIcon(QIcon(QString::fromUtf8(d.icone)));
    b->setIconSize(QSize(48, 48));
    b->setText(texte);
    b->setToolTip(texte);
    b->setAccessibleName(texte);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(false);
    // At least the designed 110 pixels, and never less than its text needs
    // (longer in some languages).
    b->setMinimumWidth(std::max(110, b->sizeHint().width()));
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    const int resultat = d.resultat;
    connect(b, &QToolButton::clicked, this, [this, resultat] { done(resultat); });
    rangee->addWidget(b);
    boutons_[i] = b;
  }
  disposition->addLayout(rangee);

  // How the saver plays, whichever way it is made.
  auto* lecture = new QGroupBox(tr("Playing"), this);
  lecture->setAccessibleName(lecture->title());
  auto* colonne = new QVBoxLayout(lecture);
  melange_ = new QCheckBox(tr("Shuffle"), lecture);
  melange_->setAccessibleName(melange_->text());
  melange_->setToolTip(tr("Each round shows every screen once, in a new random order."));
  memeEcran_ = new QRadioButton(tr("The same screen on every monitor"), lecture);
  memeEcran_->setAccessibleName(memeEcran_->text());
  ecransDifferents_ = new QRadioButton(tr("Different screens on each monitor"), lecture);
  ecransDifferents_->setAccessibleName(ecransDifferents_->text());
  auto* moniteurs = new QButtonGroup(lecture);
  moniteurs->addButton(memeEcran_);
  moniteurs->addButton(ecransDifferents_);
  memeEcran_->setChecked(true);
  colonne->addWidget(melange_);
  colonne->addWidget(memeEcran_);
  colonne->addWidget(ecransDifferents_);
  disposition->addWidget(lecture);

  auto* annuler = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  annuler->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
  connect(annuler, &QDialogButtonBox::rejected, this, &QDialog::reject);
  disposition->addWidget(annuler);
}

void CGenerationDlg::FixeChoix(bool melange, bool moniteursDifferents) {
  melange_->setChecked(melange);
  (moniteursDifferents ? ecransDifferents_ : memeEcran_)->setChecked(true);
}

bool CGenerationDlg::Melange() const { return melange_->isChecked(); }

bool CGenerationDlg::MoniteursDifferents() const { return ecransDifferents_->isChecked(); }

QToolButton* CGenerationDlg::Bouton(Resultat resultat) const {
  for (std::size_t i = 0; i < std::size(kBoutons); ++i)
    if (kBoutons[i].resultat == resultat) return boutons_[i];
  return nullptr;
}

}  // namespace lumaveil
