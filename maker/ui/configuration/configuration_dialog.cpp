#include "configuration/configuration_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "commun/barre_boutons.h"
#include "commun/champ_nombre.h"

namespace lumaveil {

namespace {

// A question with its Yes and No buttons, in their own group.
void AjouteOuiNon(QWidget* parent, QGridLayout* grille, int ligne, const QString& question,
                  bool oui, QRadioButton*& boutonOui, QRadioButton*& boutonNon) {
  auto* libelle = new QLabel(question, parent);
  boutonOui = new QRadioButton(QStringLiteral("Yes"), parent);
  boutonNon = new QRadioButton(QStringLiteral("No"), parent);
  // Both buttons read as the question they answer.
  boutonOui->setAccessibleName(question + QStringLiteral(" Yes"));
  boutonNon->setAccessibleName(question + QStringLiteral(" No"));
  auto* groupe = new QButtonGroup(parent);
  groupe->addButton(boutonOui);
  groupe->addButton(boutonNon);
  (oui ? boutonOui : boutonNon)->setChecked(true);
  grille->addWidget(libelle, ligne, 0);
  grille->addWidget(boutonOui, ligne, 1);
  grille->addWidget(boutonNon, ligne, 2);
}

}  // namespace

CConfigurationDlg::CConfigurationDlg(ParametresApplication& parametres, QWidget* parent)
    : QDialog(parent), parametres_(parametres) {
  setWindowTitle(QStringLiteral("Configuration"));
  auto* grille = new QGridLayout;
  AjouteOuiNon(this, grille, 0, QStringLiteral("Start wizard at beginning :"),
               parametres.StartWizard != 0, assistantOui_, assistantNon_);
  AjouteOuiNon(this, grille, 1, QStringLiteral("Send compressed fil (*.gz) by email :"),
               parametres.MailCompression != 0, compressionOui_, compressionNon_);
  auto* libelle = new QLabel(QStringLiteral("Quality of image JPEG :"), this);
  qualite_ = new CChampNombre(0, 100, libelle->text(), this);
  qualite_->SetValeur(parametres.JPEGQuality);
  libelle->setBuddy(qualite_->Edit());
  grille->addWidget(libelle, 2, 0);
  grille->addWidget(qualite_, 2, 1, 1, 2);

  const BarreBoutons boutons = BarreOkAnnuler(this);
  ok_ = boutons.ok;

  auto* colonne = new QVBoxLayout(this);
  colonne->addLayout(grille);
  colonne->addWidget(boutons.barre);
}

void CConfigurationDlg::accept() {
  parametres_.JPEGQuality = qualite_->Valeur();
  parametres_.MailCompression = compressionOui_->isChecked() ? 1 : 0;
  parametres_.StartWizard = assistantOui_->isChecked() ? 1 : 0;
  QDialog::accept();
}

}  // namespace lumaveil
