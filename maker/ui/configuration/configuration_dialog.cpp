#include "configuration/configuration_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "commun/barre_boutons.h"
#include "commun/champ_nombre.h"
#include "projet/controleur_projet.h"

namespace lumaveil {

namespace {

// A question with its Yes and No buttons, in their own group.
void AjouteOuiNon(QWidget* parent, QGridLayout* grille, int ligne, const QString& question,
                  bool oui, QRadioButton*& boutonOui, QRadioButton*& boutonNon) {
  auto* libelle = new QLabel(question, parent);
  boutonOui =
      new QRadioButton(QCoreApplication::translate("lumaveil::CConfigurationDlg", "Yes"), parent);
  boutonNon =
      new QRadioButton(QCoreApplication::translate("lumaveil::CConfigurationDlg", "No"), parent);
  // Both buttons read as the question they answer.
  boutonOui->setAccessibleName(question +
                               QCoreApplication::translate("lumaveil::CConfigurationDlg", " Yes"));
  boutonNon->setAccessibleName(question +
                               QCoreApplication::translate("lumaveil::CConfigurationDlg", " No"));
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
    : CConfigurationDlg(parametres, nullptr, parent) {}

CConfigurationDlg::CConfigurationDlg(ParametresApplication& parametres,
                                     CControleurProjet* controleur, QWidget* parent)
    : QDialog(parent), parametres_(parametres), controleur_(controleur) {
  setWindowTitle(tr("Configuration"));
  auto* grille = new QGridLayout;
  AjouteOuiNon(this, grille, 0, tr("Start wizard at beginning :"), parametres.StartWizard != 0,
               assistantOui_, assistantNon_);
  AjouteOuiNon(this, grille, 1, tr("Send compressed fil (*.gz) by email :"),
               parametres.MailCompression != 0, compressionOui_, compressionNon_);
  auto* libelle = new QLabel(tr("Quality of image JPEG :"), this);
  qualite_ = new CChampNombre(0, 100, libelle->text(), this);
  qualite_->SetValeur(parametres.JPEGQuality);
  libelle->setBuddy(qualite_->Edit());
  grille->addWidget(libelle, 2, 0);
  grille->addWidget(qualite_, 2, 1, 1, 2);

  const BarreBoutons boutons = BarreOkAnnuler(this);
  ok_ = boutons.ok;

  auto* colonne = new QVBoxLayout(this);
  colonne->addLayout(grille);
  if (controleur_) {
    // The open project's playing choices, as the generation dialog shows them.
    auto* lecture = new QGroupBox(tr("Playing (saved with the project)"), this);
    lecture->setAccessibleName(lecture->title());
    auto* choix = new QVBoxLayout(lecture);
    melange_ = new QCheckBox(tr("Shuffle"), lecture);
    melange_->setAccessibleName(melange_->text());
    memeEcran_ = new QRadioButton(tr("The same screen on every monitor"), lecture);
    memeEcran_->setAccessibleName(memeEcran_->text());
    ecransDifferents_ = new QRadioButton(tr("Different screens on each monitor"), lecture);
    ecransDifferents_->setAccessibleName(ecransDifferents_->text());
    auto* groupe = new QButtonGroup(lecture);
    groupe->addButton(memeEcran_);
    groupe->addButton(ecransDifferents_);
    const CProjet& projet = controleur_->Projet();
    melange_->setChecked(projet.MelangeEcrans != 0);
    (projet.MoniteursDifferents ? ecransDifferents_ : memeEcran_)->setChecked(true);
    choix->addWidget(melange_);
    choix->addWidget(memeEcran_);
    choix->addWidget(ecransDifferents_);
    colonne->addWidget(lecture);
  }
  colonne->addWidget(boutons.barre);
}

void CConfigurationDlg::accept() {
  parametres_.JPEGQuality = qualite_->Valeur();
  parametres_.MailCompression = compressionOui_->isChecked() ? 1 : 0;
  parametres_.StartWizard = assistantOui_->isChecked() ? 1 : 0;
  if (controleur_) {
    controleur_->FixeMelangeEcrans(melange_->isChecked());
    controleur_->FixeMoniteursDifferents(ecransDifferents_->isChecked());
  }
  QDialog::accept();
}

}  // namespace lumaveil
