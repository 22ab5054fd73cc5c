#include "internet/internet_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

#include "commun/barre_boutons.h"
#include "dialogs/commun/boite_message.h"
#include "distribution/envoi_mail.h"
#include "icones/ressources.h"

namespace lumaveil {

namespace {

QLineEdit* Champ(QWidget* parent, QFormLayout* formulaire, const QString& libelle) {
  auto* champ = new QLineEdit(parent);
  champ->setAccessibleName(libelle);
  formulaire->addRow(libelle, champ);
  return champ;
}

QString Q(const std::string& texte) { return QString::fromStdString(texte); }

}  // namespace

CInternetDlg::CInternetDlg(QWidget* parent) : QDialog(parent) {
  InitialiseIcones();
  setWindowTitle(tr("Internet"));
  auto* icone = new QLabel(this);
  icone->setPixmap(QIcon(QStringLiteral(":/icones/logo.svg")).pixmap(48, 48));
  icone->setFixedSize(48, 48);
  icone->setAccessibleName(tr("Lumaveil"));
  icone->setAlignment(Qt::AlignTop);

  auto* formulaire = new QFormLayout;
  serveur_ = Champ(this, formulaire, tr("Server name"));
  serveur_->setToolTip(tr("An FTP server (encrypted with TLS), or sftp://host for SFTP"));
  port_ = Champ(this, formulaire, tr("Port number"));
  port_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), port_));
  port_->setMaximumWidth(port_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
  passif_ = new QCheckBox(tr("Passive mode"), this);
  passif_->setAccessibleName(passif_->text());
  formulaire->addRow(QString(), passif_);
  enClair_ = new QCheckBox(tr("Allow unencrypted FTP (password sent in clear)"), this);
  enClair_->setAccessibleName(enClair_->text());
  enClair_->setToolTip(
      tr("Only for a server that offers no encryption: anyone on the way can read the password"));
  formulaire->addRow(QString(), enClair_);
  utilisateur_ = Champ(this, formulaire, tr("User name"));
  motDePasse_ = Champ(this, formulaire, tr("Password"));
  motDePasse_->setEchoMode(QLineEdit::Password);
  repertoire_ = Champ(this, formulaire, tr("Server directory"));
  fichier_ = Champ(this, formulaire, tr("Screensaver file name"));
  page_ = new QCheckBox(tr("Create a simple Web page for download."), this);
  page_->setAccessibleName(page_->text());
  formulaire->addRow(QString(), page_);
  nomPage_ = Champ(this, formulaire, tr("Web page name"));
  connect(page_, &QCheckBox::toggled, nomPage_, &QLineEdit::setEnabled);
  adressePage_ = Champ(this, formulaire, tr("Web address of the page"));
  adressePage_->setPlaceholderText(tr("https://example.org/summer.html (optional)"));
  adressePage_->setToolTip(
      tr("Where people see the page once it is sent; \"Send by email\" can then send this link "
         "instead of the file"));

  const BarreBoutons boutons = BarreOkAnnuler(this);
  ok_ = boutons.ok;

  auto* haut = new QHBoxLayout;
  haut->addWidget(icone, 0, Qt::AlignTop);
  haut->addSpacing(8);
  haut->addLayout(formulaire, 1);
  auto* colonne = new QVBoxLayout(this);
  colonne->addLayout(haut);
  colonne->addWidget(boutons.barre);
  // Room for the fields, and never less than the rows need: a minimum set
  // by hand replaces the layout's, and a dialog opens at most two thirds of
  // the screen wide, which would cut the longest check box on a small one.
  setMinimumWidth(std::max(440, minimumSizeHint().width()));
}

void CInternetDlg::ChargeControles() {
  serveur_->setText(Q(m_strNomServeur));
  port_->setText(QString::number(m_nNumeroPort));
  passif_->setChecked(m_bModePassif != 0);
  enClair_->setChecked(m_bFtpEnClair != 0);
  utilisateur_->setText(Q(m_strNomUtilisateur));
  motDePasse_->setText(Q(m_strMotDePasse));
  repertoire_->setText(Q(m_strRepertoireServeur));
  fichier_->setText(Q(m_strNomFichier));
  page_->setChecked(m_bCreationPage != 0);
  nomPage_->setText(Q(m_strNomPage));
  nomPage_->setEnabled(m_bCreationPage != 0);
  adressePage_->setText(Q(m_strAdressePage));
}

int CInternetDlg::exec() {
  ChargeControles();
  return QDialog::exec();
}

void CInternetDlg::accept() {
  bool nombre = false;
  const int port = port_->text().toInt(&nombre);
  if (!nombre || port < 1 || port > 65535) {
    talvik::Bip();
    port_->setFocus();
    port_->selectAll();
    return;
  }
  if (fichier_->text().trimmed().isEmpty() ||
      (page_->isChecked() && nomPage_->text().trimmed().isEmpty())) {
    talvik::Bip();
    (fichier_->text().trimmed().isEmpty() ? fichier_ : nomPage_)->setFocus();
    return;
  }
  const QString adresse = adressePage_->text().trimmed();
  if (!adresse.isEmpty() && !AdresseWebValide(adresse.toStdString())) {
    talvik::Bip();
    adressePage_->setFocus();
    adressePage_->selectAll();
    return;
  }
  m_strAdressePage = adresse.toStdString();
  m_strNomServeur = serveur_->text().trimmed().toStdString();
  m_nNumeroPort = port;
  m_bModePassif = passif_->isChecked() ? 1 : 0;
  m_bFtpEnClair = enClair_->isChecked() ? 1 : 0;
  m_strNomUtilisateur = utilisateur_->text().toStdString();
  m_strMotDePasse = motDePasse_->text().toStdString();
  m_strRepertoireServeur = repertoire_->text().trimmed().toStdString();
  m_strNomFichier = fichier_->text().trimmed().toStdString();
  m_bCreationPage = page_->isChecked() ? 1 : 0;
  m_strNomPage = nomPage_->text().trimmed().toStdString();
  QDialog::accept();
}

}  // namespace lumaveil
