#include "principale/principale_view.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace lumaveil {

CPrincipaleView::CPrincipaleView(QWidget* parent) : QScrollArea(parent) {
  setObjectName("CPrincipaleView");
  setAccessibleName(tr("Screen"));
  setFrameShape(QFrame::NoFrame);
  // The form keeps its size; the scroll area centres it where there is room
  // and scrolls where there is not.
  setWidgetResizable(false);
  setAlignment(Qt::AlignCenter);
  // The view itself takes no focus: Tab goes from the list straight to the
  // panels' controls.
  setFocusPolicy(Qt::NoFocus);

  formulaire_ = new QWidget;
  formulaire_->setObjectName("Formulaire");
  auto* grille = new QGridLayout(formulaire_);
  grille->setSizeConstraint(QLayout::SetFixedSize);
  grille->setContentsMargins(10, 10, 10, 10);
  grille->setSpacing(10);

  auto groupe = [this](const QString& titre, QSize minimum) {
    auto* g = new QGroupBox(titre, formulaire_);
    g->setAccessibleName(titre);
    g->setMinimumSize(minimum);
    auto* disposition = new QVBoxLayout(g);
    disposition->setContentsMargins(8, 8, 8, 8);
    return g;
  };
  retouche_ = groupe(tr("Picture"), QSize(320, 420));
  decor_ = groupe(tr("Decoration"), QSize(300, 250));
  transition_ = groupe(tr("Transition"), QSize(300, 150));
  grille->addWidget(retouche_, 0, 0, 2, 1);
  grille->addWidget(decor_, 0, 1);
  grille->addWidget(transition_, 1, 1);
  setWidget(formulaire_);
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

}  // namespace lumaveil
