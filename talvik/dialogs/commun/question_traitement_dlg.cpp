#include "dialogs/commun/question_traitement_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "chaines.h"
#include "dialogs/commun/saisie_chaine_dlg.h"

namespace talvik {

CQuestionTraitementDlg::CQuestionTraitementDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Question"));
  setAccessibleName(tr("Question"));

  auto* icone = new QLabel(this);
  const int cote = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icone->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(cote, cote));
  icone->setAccessibleName(tr("Question"));
  auto* texte = new QLabel(tr("Caution ! Filename already exists. What do you want to do ?"), this);
  texte->setAccessibleName(texte->text());
  m_pNomFichier = new QLabel(this);
  m_pNomFichier->setTextInteractionFlags(Qt::TextSelectableByMouse);

  const char* const libelles[4] = {QT_TR_NOOP("Replace"), QT_TR_NOOP("Rename"),
                                   QT_TR_NOOP("All replace"), QT_TR_NOOP("Pass")};
  auto* boutons = new QHBoxLayout;
  for (int i = 0; i < 4; ++i) {
    m_pBoutons[i] = new QPushButton(tr(libelles[i]), this);
    m_pBoutons[i]->setAccessibleName(m_pBoutons[i]->text());
    boutons->addWidget(m_pBoutons[i]);
  }
  m_pArret = new QPushButton(tr("Stop"), this);
  m_pArret->setAccessibleName(tr("Stop"));
  boutons->addWidget(m_pArret);
  m_pBoutons[0]->setDefault(true);

  connect(m_pBoutons[0], &QPushButton::clicked, this, &CQuestionTraitementDlg::OnEcraser);
  connect(m_pBoutons[1], &QPushButton::clicked, this, &CQuestionTraitementDlg::OnRenommer);
  connect(m_pBoutons[2], &QPushButton::clicked, this, &CQuestionTraitementDlg::OnToutEcraser);
  connect(m_pBoutons[3], &QPushButton::clicked, this, &CQuestionTraitementDlg::OnPasser);
  connect(m_pArret, &QPushButton::clicked, this, &CQuestionTraitementDlg::reject);

  auto* textes = new QVBoxLayout;
  textes->addWidget(texte);
  textes->addWidget(m_pNomFichier);
  auto* haut = new QHBoxLayout;
  haut->addWidget(icone, 0, Qt::AlignTop);
  haut->addLayout(textes, 1);
  auto* tout = new QVBoxLayout(this);
  tout->addLayout(haut);
  tout->addLayout(boutons);
}

CQuestionTraitementDlg::~CQuestionTraitementDlg() = default;

void CQuestionTraitementDlg::showEvent(QShowEvent* event) {
  const QString nom = "(" + QString::fromStdString(m_strNomFichier) + ")";
  m_pNomFichier->setText(nom);
  m_pNomFichier->setAccessibleName(nom);
  QDialog::showEvent(event);
}

QPushButton* CQuestionTraitementDlg::Bouton(int choix) const {
  return choix >= 1 && choix <= 4 ? m_pBoutons[choix - 1] : nullptr;
}

void CQuestionTraitementDlg::Choix(int choix) {
  m_nChoix = choix;
  accept();
}

void CQuestionTraitementDlg::OnEcraser() { Choix(CHOIX_ECRASER); }
void CQuestionTraitementDlg::OnToutEcraser() { Choix(CHOIX_TOUT_ECRASER); }
void CQuestionTraitementDlg::OnPasser() { Choix(CHOIX_PASSER); }

void CQuestionTraitementDlg::OnRenommer() {
  CSaisieChaineDlg saisie(this);
  saisie.m_strQuestion = ChargeChaine(IDS_NOUVEAU_NOM);
  saisie.m_strReponse = m_strNomFichier;
  if (saisie.exec() != QDialog::Accepted) return;
  m_strNomFichier = saisie.m_strReponse;
  Choix(CHOIX_RENOMMER);
}

}  // namespace talvik
