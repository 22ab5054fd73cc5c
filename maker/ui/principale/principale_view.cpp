#include "principale/principale_view.h"

#include <QEvent>
#include <QGridLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace lumaveil {

namespace {

constexpr int kMarge = 10;
constexpr int kEcart = 10;
// The least working screen.
constexpr QSize kEcranMinimal(240, 180);

using Disposition = CPrincipaleView::Disposition;
constexpr Disposition kDispositions[] = {Disposition::Colonne, Disposition::DeuxColonnes,
                                         Disposition::Rangee};

bool ACote(Disposition d) { return d != Disposition::Rangee; }

QSize Taille(const QWidget* w) { return w->sizeHint().expandedTo(w->minimumSize()); }

}  // namespace

CPrincipaleView::CPrincipaleView(QWidget* parent) : QScrollArea(parent) {
  setObjectName("CPrincipaleView");
  setAccessibleName(tr("Screen"));
  setFrameShape(QFrame::NoFrame);
  // The form fills the view; it scrolls only where the view is smaller
  // than its least size.
  setWidgetResizable(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The view itself takes no focus: Tab goes from the list straight to the
  // panels' controls.
  setFocusPolicy(Qt::NoFocus);

  formulaire_ = new QWidget;
  formulaire_->setObjectName("Formulaire");
  grille_ = new QGridLayout(formulaire_);
  grille_->setContentsMargins(kMarge, kMarge, kMarge, kMarge);
  grille_->setSpacing(kEcart);
  panneaux_ = new QWidget(formulaire_);
  panneaux_->setObjectName("Panneaux");
  groupes_ = new QGridLayout(panneaux_);
  groupes_->setContentsMargins(0, 0, 0, 0);
  groupes_->setSpacing(kEcart);

  auto groupe = [this](const QString& titre) {
    auto* g = new QGroupBox(titre, panneaux_);
    g->setAccessibleName(titre);
    auto* disposition = new QVBoxLayout(g);
    disposition->setContentsMargins(6, 6, 6, 6);
    return g;
  };
  retouche_ = groupe(tr("Picture"));
  decor_ = groupe(tr("Decoration"));
  transition_ = groupe(tr("Transition"));
  Dispose(Disposition::Colonne);
  setWidget(formulaire_);
  // A box whose proportions change asks its layout again: the
  // arrangement is reviewed then.
  formulaire_->installEventFilter(this);
}

QSize CPrincipaleView::sizeHint() const {
  if (!formulaire_) return QScrollArea::sizeHint();
  const int cadre = 2 * frameWidth();
  return formulaire_->sizeHint() + QSize(cadre, cadre);
}

void CPrincipaleView::PlacePanneau(QGroupBox* groupe, QWidget* panneau) {
  if (!groupe || !panneau) return;
  groupe->layout()->addWidget(panneau);
}

void CPrincipaleView::PlaceEcran(QWidget* ecran) {
  ecran_ = ecran;
  Dispose(disposition_);
  Revoit();
}

QSize CPrincipaleView::TaillePanneaux(Disposition d) const {
  const QSize r = Taille(retouche_), de = Taille(decor_), t = Taille(transition_);
  switch (d) {
    case Disposition::Colonne:
      return QSize(std::max({r.width(), de.width(), t.width()}),
                   r.height() + de.height() + t.height() + 2 * kEcart);
    case Disposition::DeuxColonnes:
      return QSize(r.width() + kEcart + std::max(de.width(), t.width()),
                   std::max(r.height(), de.height() + kEcart + t.height()));
    case Disposition::Rangee:
      return QSize(r.width() + de.width() + t.width() + 2 * kEcart,
                   std::max({r.height(), de.height(), t.height()}));
  }
  return {};
}

Disposition CPrincipaleView::Meilleure(QSize place) const {
  const QSize proportions = ecran_ ? ecran_->sizeHint() : kEcranMinimal;
  const QSize interieur = place - QSize(2 * kMarge, 2 * kMarge);
  Disposition meilleure = Disposition::Colonne;
  qint64 plusGrande = -1;
  int moindreDebord = -1;
  for (Disposition d : kDispositions) {
    const QSize p = TaillePanneaux(d);
    const QSize reste = ACote(d) ? QSize(interieur.width() - kEcart - p.width(), interieur.height())
                                 : QSize(interieur.width(), interieur.height() - kEcart - p.height());
    const bool tient = (ACote(d) ? p.height() <= interieur.height() : p.width() <= interieur.width()) &&
                       reste.width() >= kEcranMinimal.width() &&
                       reste.height() >= kEcranMinimal.height();
    if (tient) {
      const QSize ecran = proportions.scaled(reste, Qt::KeepAspectRatio);
      const qint64 aire = qint64(ecran.width()) * ecran.height();
      if (aire > plusGrande) {
        plusGrande = aire;
        meilleure = d;
      }
      continue;
    }
    if (plusGrande >= 0) continue;
    // Nothing fits: the arrangement that scrolls the least.
    const QSize besoin =
        ACote(d) ? QSize(p.width() + kEcart + kEcranMinimal.width(),
                         std::max(p.height(), kEcranMinimal.height()))
                 : QSize(std::max(p.width(), kEcranMinimal.width()),
                         p.height() + kEcart + kEcranMinimal.height());
    const int debord = std::max(0, besoin.width() - interieur.width()) +
                       std::max(0, besoin.height() - interieur.height());
    if (moindreDebord < 0 || debord < moindreDebord) {
      moindreDebord = debord;
      meilleure = d;
    }
  }
  return meilleure;
}

void CPrincipaleView::Dispose(Disposition d) {
  disposition_ = d;
  for (QWidget* g : {static_cast<QWidget*>(retouche_), static_cast<QWidget*>(decor_),
                     static_cast<QWidget*>(transition_)})
    groupes_->removeWidget(g);
  for (int i = 0; i < 4; ++i) {
    groupes_->setRowStretch(i, 0);
    groupes_->setColumnStretch(i, 0);
  }
  switch (d) {
    case Disposition::Colonne:
      groupes_->addWidget(retouche_, 0, 0);
      groupes_->addWidget(decor_, 1, 0);
      groupes_->addWidget(transition_, 2, 0);
      break;
    case Disposition::DeuxColonnes:
      groupes_->addWidget(retouche_, 0, 0, 2, 1);
      groupes_->addWidget(decor_, 0, 1);
      groupes_->addWidget(transition_, 1, 1);
      break;
    case Disposition::Rangee:
      groupes_->addWidget(retouche_, 0, 0);
      groupes_->addWidget(decor_, 0, 1);
      groupes_->addWidget(transition_, 0, 2);
      break;
  }

  grille_->removeWidget(panneaux_);
  if (ecran_) grille_->removeWidget(ecran_);
  for (int i = 0; i < 2; ++i) {
    grille_->setRowStretch(i, 0);
    grille_->setColumnStretch(i, 0);
  }
  if (!ecran_) {
    grille_->addWidget(panneaux_, 0, 0, Qt::AlignCenter);
    return;
  }
  grille_->addWidget(ecran_, 0, 0);
  grille_->setRowStretch(0, 1);
  grille_->setColumnStretch(0, 1);
  if (ACote(d)) grille_->addWidget(panneaux_, 0, 1, Qt::AlignTop);
  else grille_->addWidget(panneaux_, 1, 0, Qt::AlignHCenter | Qt::AlignTop);
}

void CPrincipaleView::Revoit() {
  if (enCours_ || !ecran_) return;
  enCours_ = true;
  // The room without scroll bars: the choice does not hang on whether
  // the last one scrolled.
  const Disposition d = Meilleure(maximumViewportSize());
  if (d != disposition_) Dispose(d);
  enCours_ = false;
}

void CPrincipaleView::resizeEvent(QResizeEvent* evenement) {
  QScrollArea::resizeEvent(evenement);
  Revoit();
}

bool CPrincipaleView::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet == formulaire_ && evenement->type() == QEvent::LayoutRequest) Revoit();
  return QScrollArea::eventFilter(objet, evenement);
}

}  // namespace lumaveil
