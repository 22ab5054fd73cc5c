#include "dialogs/apercu/dialogue_avant_apres.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/apercu/zone_apercu.h"

namespace talvik {

CDialogueAvantApres::CDialogueAvantApres(QWidget* parent, const QString& titre, int nIcone,
                                         const QString& texte, const QString& aide)
    : CDialogueEditeur(parent, titre, nIcone, texte, aide) {
  // Changes come faster than a preview can be redrawn on a slow machine:
  // they are gathered and the previews redrawn once they are in.
  m_timerAffichage.setSingleShot(true);
  m_timerAffichage.setInterval(0);
  connect(&m_timerAffichage, &QTimer::timeout, this, [this] {
    if (m_bAvantAussi) AfficheImage(0);
    AfficheImage(1);
    m_bAvantAussi = false;
  });
}

void CDialogueAvantApres::AjouteApercus() {
  auto* apercus = new QHBoxLayout;
  const CSize taille = TailleZoneApercu();
  const char* titres[2] = {QT_TR_NOOP("Before"), QT_TR_NOOP("After")};
  for (int i = 0; i < 2; ++i) {
    auto* colonne = new QVBoxLayout;
    auto* titre = new QLabel(tr(titres[i]), this);
    m_pZone[i] = new CZoneApercu(taille, this);
    m_pZone[i]->setAccessibleName(titre->text());
    titre->setBuddy(m_pZone[i]);
    colonne->addWidget(titre);
    colonne->addWidget(m_pZone[i]);
    apercus->addLayout(colonne);
  }
  Corps()->addLayout(apercus);
  connect(m_pZone[0], &CZoneApercu::clique, this, [this] { OnPleinEcranAvant(); });
  connect(m_pZone[1], &CZoneApercu::clique, this, [this] { OnPleinEcranApres(); });
}

void CDialogueAvantApres::DemandeAffichage(bool avantAussi) {
  m_bAvantAussi = m_bAvantAussi || avantAussi;
  m_timerAffichage.start();
}

void CDialogueAvantApres::showEvent(QShowEvent* event) {
  if (!m_bInitialise) {
    m_bInitialise = true;
    OnInitDialog();
  }
  CDialogueEditeur::showEvent(event);
}

}  // namespace talvik
