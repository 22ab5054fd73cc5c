#include "dialogs/commun/saisie_chaine_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace talvik {

CSaisieChaineDlg::CSaisieChaineDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Request"));
  setAccessibleName(tr("Request"));
  m_pQuestion = new QLabel(this);
  m_pQuestion->setWordWrap(true);
  m_pReponse = new QLineEdit(this);
  m_pQuestion->setBuddy(m_pReponse);
  auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  boutons->button(QDialogButtonBox::Ok)->setAccessibleName("OK");
  boutons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
  connect(boutons, &QDialogButtonBox::accepted, this, &CSaisieChaineDlg::accept);
  connect(boutons, &QDialogButtonBox::rejected, this, &CSaisieChaineDlg::reject);
  auto* tout = new QVBoxLayout(this);
  tout->addWidget(m_pQuestion);
  tout->addWidget(m_pReponse);
  tout->addWidget(boutons);
  setMinimumWidth(fontMetrics().horizontalAdvance(QString(48, QChar('x'))));
}

CSaisieChaineDlg::~CSaisieChaineDlg() = default;

void CSaisieChaineDlg::showEvent(QShowEvent* event) {
  const QString question = QString::fromStdString(m_strQuestion);
  m_pQuestion->setText(question);
  m_pQuestion->setAccessibleName(question);
  m_pReponse->setAccessibleName(question.isEmpty() ? tr("Answer") : question);
  m_pReponse->setText(QString::fromStdString(m_strReponse));
  m_pReponse->selectAll();
  m_pReponse->setFocus();
  QDialog::showEvent(event);
}

void CSaisieChaineDlg::accept() {
  m_strReponse = m_pReponse->text().toStdString();
  QDialog::accept();
}

}  // namespace talvik
