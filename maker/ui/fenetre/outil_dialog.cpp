#include "fenetre/outil_dialog.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>

#include "commun/langue.h"
#include "dialogs/commun/bouton_outil.h"

namespace lumaveil {

const std::array<Commande, COutilDialog::kNombreBoutons>& COutilDialog::CommandesBoutons() {
  static const std::array<Commande, kNombreBoutons> kBoutons{
      Commande::Nouveau,       Commande::Ouvrir,         Commande::Enregistrer,
      Commande::EcranNouveau,  Commande::AjoutPhotos,    Commande::EcranSupprime,
      Commande::EcranPrecedent, Commande::EcranSuivant,  Commande::Generation,
      Commande::Aide,          Commande::Annuler,        Commande::Retablir};
  return kBoutons;
}

COutilDialog::COutilDialog(const std::function<QAction*(Commande)>& action, QWidget* parent)
    : QWidget(parent) {
  std::array<QAction*, kNombreBoutons> actions{};
  for (std::size_t i = 0; i < actions.size(); ++i) actions[i] = action(CommandesBoutons()[i]);
  setObjectName("COutilDialog");
  setAccessibleName(tr("Tools"));
  auto* disposition = new QHBoxLayout(this);
  disposition->setContentsMargins(6, 4, 6, 4);
  disposition->setSpacing(2);
  for (std::size_t i = 0; i < actions.size(); ++i) {
    // Groups: the document, the screens, generation and help, undo.
    if (i == 3 || i == 8 || i == 10) {
      auto* trait = new QFrame(this);
      trait->setFrameShape(QFrame::VLine);
      trait->setFrameShadow(QFrame::Sunken);
      disposition->addSpacing(4);
      disposition->addWidget(trait);
      disposition->addSpacing(4);
    }
    auto* bouton = new talvik::CBoutonOutil(this);
    bouton->setDefaultAction(actions[i]);
    bouton->setAutoRaise(true);
    bouton->setIconSize(QSize(32, 32));
    bouton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const QString bulle = TraduitCommande(Definition(CommandesBoutons()[i]).bulle);
    bouton->setToolTip(bulle);
    bouton->setAccessibleName(bulle);
    bouton->setFocusPolicy(Qt::TabFocus);
    boutons_[i] = bouton;
    disposition->addWidget(bouton);
  }
  disposition->addStretch(1);
}

}  // namespace lumaveil
