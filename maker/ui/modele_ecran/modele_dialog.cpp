#include "modele_ecran/modele_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/image_qt.h"
#include "fichier_modele.h"
#include "graphique.h"
#include "commun/ks_file_dialog.h"
#include "panneaux/bouton_image.h"
#include "lignes_etat.h"
#include "panneaux/panneau_lignes.h"
#include "proprietes/proprietes_dialog.h"
#include "redimension.h"
#include "travail/commandes_ecran.h"
#include "travail/editeurs_qt.h"

namespace lumaveil {

namespace {

// The longest side of the picture the dialog shows of the template.
constexpr int kCoteApercu = 320;

}  // namespace

SIZE TailleDemo(SIZE resolution) {
  if (resolution.cx == 1024 && resolution.cy == 768) return SIZE{800, 600};
  return SIZE{resolution.cx * 80 / 100, resolution.cy * 80 / 100};
}

CModeleDlg::CModeleDlg(const CProjet& projet, const talvik::HBITMAP& fondVignette,
                       talvik::CGraphique& graphique, IDialogue& dialogue, bool assistant,
                       QWidget* parent)
    : QDialog(parent),
      graphique_(graphique),
      dialogue_(dialogue),
      modele_(std::make_unique<CEcran>(projet.ResolutionCible)),
      nomModele_(projet.NomModele),
      modeleCharge_(projet.ModeleCharge),
      modeleSauve_(projet.ModeleSauve) {
  setWindowTitle(tr("Template definition"));
  setAccessibleName(windowTitle());
  modele_->CopieParametres(projet.ModeleEcran);
  modele_->TailleCible = projet.ResolutionCible;
  const SIZE demo = TailleDemo(projet.ResolutionCible);
  const talvik::HBITMAP fond =
      fondVignette.IsNull() ? talvik::HBITMAP::Create(140, 100, 0x00C0C0C0) : fondVignette;
  demo_ = talvik::CGraphique::RedimensionneImage(fond, talvik::CSize(demo), 0);
  modele_->ImageSource = demo_;
  modele_->TailleImage = demo;

  editeursQt_ = std::make_unique<CEditeursQt>(this, graphique_);
  commandes_ = std::make_unique<CCommandesEcran>(static_cast<ITravailEcran&>(*this), *editeursQt_);

  apercu_ = new QLabel(this);
  apercu_->setAlignment(Qt::AlignCenter);
  apercu_->setMinimumSize(kCoteApercu, kCoteApercu * 3 / 4);
  apercu_->setAccessibleName(tr("Template preview"));

  auto* grille = new QGridLayout;
  for (int i = 0; i < kNombreEditeurs; ++i) {
    const EditeurPanneau& e = kEditeursPanneaux[std::size_t(i)];
    editeurs_[i] = BoutonImage(this, e.icone, e.nom);
    connect(editeurs_[i], &QToolButton::clicked, this,
            [this, m = e.commande] { (commandes_.get()->*m)(); });
    // Beside its status line, right-aligned with the two text buttons below.
    grille->addWidget(editeurs_[i], i, 0, Qt::AlignRight);
  }
  chargement_ = new QPushButton(tr("Template loading"), this);
  sauvegarde_ = new QPushButton(tr("Template saving"), this);
  for (QPushButton* b : {chargement_, sauvegarde_}) {
    b->setAccessibleName(b->text());
    b->setAutoDefault(false);
  }
  connect(chargement_, &QPushButton::clicked, this, &CModeleDlg::Charge);
  connect(sauvegarde_, &QPushButton::clicked, this, &CModeleDlg::Sauve);
  grille->addWidget(chargement_, kNombreEditeurs, 0);
  grille->addWidget(sauvegarde_, kNombreEditeurs + 1, 0);
  for (int i = 0; i < int(lignes_.size()); ++i) {
    lignes_[i] = new QLabel(this);
    grille->addWidget(lignes_[i], i, 1);
  }
  grille->setColumnStretch(1, 1);

  auto* barre = new QDialogButtonBox(this);
  reset_ = barre->addButton(tr("Reset"), QDialogButtonBox::ResetRole);
  connect(reset_, &QPushButton::clicked, this, &CModeleDlg::Reset);
  if (assistant) {
    suivant_ = barre->addButton(tr("Next"), QDialogButtonBox::AcceptRole);
    terminer_ = barre->addButton(tr("Finish"), QDialogButtonBox::RejectRole);
    connect(suivant_, &QPushButton::clicked, this, [this] { done(kSuivant); });
    connect(terminer_, &QPushButton::clicked, this, [this] { done(kTerminer); });
  } else {
    ok_ = barre->addButton(QDialogButtonBox::Ok);
    okPourTous_ = barre->addButton(tr("OK for all"), QDialogButtonBox::AcceptRole);
    QPushButton* annuler = barre->addButton(QDialogButtonBox::Cancel);
    connect(ok_, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    connect(okPourTous_, &QPushButton::clicked, this, [this] { done(kOkPourTous); });
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
  }
  for (QAbstractButton* b : barre->buttons()) b->setAccessibleName(b->text().remove('&'));
  // Return goes on (Next, OK), never to Reset: the dialog opens with the
  // focus there, not on a picture button (which Return would press).
  (suivant_ ? suivant_ : ok_)->setDefault(true);
  (suivant_ ? suivant_ : ok_)->setFocus(Qt::OtherFocusReason);

  auto* haut = new QHBoxLayout;
  haut->addWidget(apercu_, 1);
  haut->addLayout(grille, 1);
  auto* colonne = new QVBoxLayout(this);
  colonne->addLayout(haut);
  colonne->addWidget(barre);

  Valide(kNiveauImage);
}

CModeleDlg::~CModeleDlg() = default;

void CModeleDlg::Stocke(CControleurProjet& controleur) const {
  // The demo picture is no picture of the template: the project keeps its own.
  controleur.FixeModele(*modele_, nomModele_, modeleCharge_, modeleSauve_);
}

QString CModeleDlg::Ligne(int i) const { return lignes_[std::size_t(i)]->text(); }

void CModeleDlg::Valide(int niveau, const char* /*nom*/) {
  const talvik::HBITMAP rendu =
      modele_->CalculeImageFinale(graphique_, niveau, Etapes::Toutes());
  QPixmap image = talvik::PixmapQt(rendu);
  if (!image.isNull())
    image = image.scaled(kCoteApercu, kCoteApercu, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  apercu_->setPixmap(image);
  Rafraichit();
}

void CModeleDlg::Rafraichit() {
  const CEcran& m = *modele_;
  const std::string nom = NomFichier(nomModele_);
  std::string lignes[kNombreEditeurs + 2];
  for (int i = 0; i < kNombreEditeurs; ++i) lignes[i] = kEditeursPanneaux[std::size_t(i)].ligne(m);
  lignes[kNombreEditeurs] =
      (modeleCharge_ ? tr("Loaded template '%1'.").arg(QString::fromStdString(nom))
                     : tr("No loaded template."))
          .toStdString();
  lignes[kNombreEditeurs + 1] =
      (modeleSauve_ ? tr("Saved template '%1'.").arg(QString::fromStdString(nom))
                    : tr("No saved template."))
          .toStdString();
  for (std::size_t i = 0; i < lignes_.size(); ++i) {
    const QString texte = QString::fromStdString(lignes[i]);
    lignes_[i]->setText(texte);
    lignes_[i]->setAccessibleName(texte);
  }
}

void CModeleDlg::Charge() {
  CKSFileDialog choix(true, QStringLiteral(".mod"), QString(), OFN_FILEMUSTEXIST,
                      QString::fromUtf8(kFiltreModele), this);
  choix.FixeTitre(QString::fromUtf8(kTitreChargementModele));
  if (choix.DoModal() != IDOK) return;
  const std::string chemin = choix.GetPathName().toStdString();
  // A file that cannot be read changes nothing: the status lines never
  // name a template that was not loaded.
  if (!ChargeModele(chemin, *modele_, dialogue_)) return;
  nomModele_ = chemin;
  modeleCharge_ = 1;
  Valide(kNiveauSuite);
}

void CModeleDlg::Sauve() {
  // A save chooser: a template is mostly saved under a new name.
  CKSFileDialog choix(false, QStringLiteral(".mod"), QString::fromStdString(nomModele_),
                      OFN_OVERWRITEPROMPT, QString::fromUtf8(kFiltreModele), this);
  choix.FixeTitre(QString::fromUtf8(kTitreSauvegardeModele));
  if (choix.DoModal() != IDOK) return;
  const std::string chemin = choix.GetPathName().toStdString();
  if (!SauveModele(chemin, *modele_, dialogue_)) return;
  nomModele_ = chemin;
  modeleSauve_ = 1;
  Rafraichit();
}

void CModeleDlg::Reset() {
  ModeleParDefaut(*modele_, modele_->TailleCible);
  modele_->SupprimeImages();
  modele_->ImageSource = demo_;
  modele_->TailleImage = SIZE{demo_.Width(), demo_.Height()};
  nomModele_.clear();
  modeleCharge_ = 0;
  modeleSauve_ = 0;
  Valide(kNiveauImage);
  talvik::Bip();
}

}  // namespace lumaveil
