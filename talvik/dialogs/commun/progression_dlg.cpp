#include "dialogs/commun/progression_dlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/commun/pompe_messages.h"

namespace talvik {

CProgressionDlg::CProgressionDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Running operation..."));
  setAccessibleName(tr("Running operation..."));
  setModal(false);

  m_Progression = new QProgressBar(this);
  m_Progression->setAccessibleName(tr("Progress"));
  m_Progression->setTextVisible(false);
  m_Progression->setRange(0, 0);
  m_Progression->setValue(0);
  m_pCompteur = new QLabel(this);
  m_pCompteur->setAlignment(Qt::AlignCenter);
  m_pCompteur->setAccessibleName(tr("Counter"));
  m_pFichier = new QLineEdit(this);
  m_pFichier->setReadOnly(true);
  m_pFichier->setAccessibleName(tr("File"));
  m_pOperation = new QLineEdit(this);
  m_pOperation->setReadOnly(true);
  m_pOperation->setAccessibleName(tr("Operation"));
  m_pArret = new QPushButton(tr("Stop"), this);
  m_pArret->setCheckable(true);
  m_pArret->setAccessibleName(tr("Stop"));
  m_pArret->setAutoDefault(false);

  auto* lignes = new QFormLayout;
  lignes->addRow(tr("File"), m_pFichier);
  lignes->addRow(tr("Operation"), m_pOperation);
  auto* bas = new QHBoxLayout;
  bas->addStretch();
  bas->addWidget(m_pArret);
  bas->addStretch();
  auto* tout = new QVBoxLayout(this);
  tout->addWidget(m_Progression);
  tout->addWidget(m_pCompteur);
  tout->addLayout(lignes);
  tout->addLayout(bas);
  setMinimumWidth(fontMetrics().horizontalAdvance(QString(52, QChar('x'))));
}

CProgressionDlg::~CProgressionDlg() = default;

void CProgressionDlg::Create() {
  UpdateData(false);
  show();
  raise();
  m_pArret->setFocus();
}

void CProgressionDlg::UpdateData(bool bSauve) {
  if (bSauve) {
    m_strCompteur = m_pCompteur->text().toStdString();
    m_strFichier = m_pFichier->text().toStdString();
    m_strOperation = m_pOperation->text().toStdString();
    m_bArret = m_pArret->isChecked() ? 1 : 0;
    return;
  }
  m_pCompteur->setText(QString::fromStdString(m_strCompteur));
  m_pFichier->setText(QString::fromStdString(m_strFichier));
  // The operation comes from the work's own strings: shown in the
  // user's language.
  m_pOperation->setText(QCoreApplication::translate("Messages", m_strOperation.c_str()));
  m_pArret->setChecked(m_bArret != 0);
}

int CProgressionDlg::PeekAndPump() { return PompeMessages(); }

void CProgressionDlg::closeEvent(QCloseEvent* event) {
  m_pArret->setChecked(true);
  event->ignore();
}

void CProgressionDlg::reject() { m_pArret->setChecked(true); }

}  // namespace talvik
