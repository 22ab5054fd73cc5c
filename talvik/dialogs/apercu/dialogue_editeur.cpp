#include "dialogs/apercu/dialogue_editeur.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "chaines.h"
#include "dialogs/commun/placement_fenetre.h"

// Resources of a static library are registered by name, outside any
// namespace.
static void InitialiseIconesEditeurs() { Q_INIT_RESOURCE(icones_editeurs); }

namespace talvik {

QIcon IconeEditeur(int nId) {
  static const bool initialise = (InitialiseIconesEditeurs(), true);
  (void)initialise;
  return QIcon(QStringLiteral(":/talvik/editeurs/%1.svg").arg(nId));
}

CDialogueEditeur::CDialogueEditeur(QWidget* parent, const QString& titre, int nIcone,
                                   const QString& texte, const QString& aide)
    : QDialog(parent) {
  setWindowTitle(titre);
  setAccessibleName(titre);
  setWindowIcon(IconeEditeur(nIcone));

  auto* principal = new QVBoxLayout(this);

  auto* entete = new QHBoxLayout;
  auto* icone = new QLabel(this);
  icone->setPixmap(IconeEditeur(nIcone).pixmap(48, 48));
  icone->setFixedSize(48, 48);
  icone->setAccessibleName(titre);
  entete->addWidget(icone, 0, Qt::AlignTop);
  auto* textes = new QVBoxLayout;
  auto* lblTexte = new QLabel(texte, this);
  lblTexte->setWordWrap(true);
  QFont gras = lblTexte->font();
  gras.setBold(true);
  lblTexte->setFont(gras);
  lblTexte->setAccessibleName(texte);
  auto* lblAide = new QLabel(aide, this);
  lblAide->setWordWrap(true);
  lblAide->setAccessibleName(aide);
  textes->addWidget(lblTexte);
  textes->addWidget(lblAide);
  entete->addLayout(textes, 1);
  principal->addLayout(entete);

  m_pCorps = new QVBoxLayout;
  principal->addLayout(m_pCorps, 1);

  auto* boutons = new QHBoxLayout;
  m_pReset = new QPushButton(tr("Reset"), this);
  m_pReset->setAccessibleName(tr("Reset"));
  m_pReset->setAutoDefault(false);
  m_pOK = new QPushButton(tr("OK"), this);
  m_pOK->setAccessibleName(tr("OK"));
  m_pOK->setDefault(true);
  m_pAnnuler = new QPushButton(tr("Cancel"), this);
  m_pAnnuler->setAccessibleName(tr("Cancel"));
  m_pAnnuler->setAutoDefault(false);
  boutons->addWidget(m_pReset);
  boutons->addStretch(1);
  boutons->addWidget(m_pOK);
  boutons->addWidget(m_pAnnuler);
  principal->addLayout(boutons);

  connect(m_pReset, &QPushButton::clicked, this, [this] { OnReset(); });
  connect(m_pOK, &QPushButton::clicked, this, [this] { OnOK(); });
  connect(m_pAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

void CDialogueEditeur::showEvent(QShowEvent* event) {
  PlaceDansEcran(this, parentWidget());
  QDialog::showEvent(event);
}

int CDialogueEditeur::DoModal() { return exec() == QDialog::Accepted ? IDOK : IDCANCEL; }

void CDialogueEditeur::BipAttention() { Bip(); }

void CDialogueEditeur::MessageValidationImpossible() {
  BoiteMessage(this, ChargeChaine(IDS_VALIDATION_IMPOSSIBLE), ChargeChaine(IDS_ERREUR_LIBRAIRIE),
               IconeMessage::Erreur);
}

}  // namespace talvik
