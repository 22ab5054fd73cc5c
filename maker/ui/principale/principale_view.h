// CPrincipaleView: the right pane of the main window, a form with three
// group boxes that hold the edit panels: "Picture" (CRetoucheDialog),
// "Decoration" (CDecorDialog) and "Transition" (CTransitionDialog). The
// form keeps its own size and sits centred in the view as one block; where
// the view is smaller than the form it is not offset in that direction and
// the view scrolls instead.
//
// A panel goes into its group box with PlacePanneau; the group box's
// layout holds it and the form grows to fit.
#pragma once

#include <QGroupBox>
#include <QScrollArea>

namespace lumaveil {

class CPrincipaleView : public QScrollArea {
  Q_OBJECT
 public:
  explicit CPrincipaleView(QWidget* parent = nullptr);

  QWidget* Formulaire() const { return formulaire_; }
  QGroupBox* GroupeRetouche() const { return retouche_; }
  QGroupBox* GroupeDecor() const { return decor_; }
  QGroupBox* GroupeTransition() const { return transition_; }

  // The whole form (a scroll area's own hint is bounded): the main window
  // asks for room for it.
  QSize sizeHint() const override;

  // Puts `panneau` into `groupe` (one of the three above), which owns it.
  static void PlacePanneau(QGroupBox* groupe, QWidget* panneau);

 private:
  QWidget* formulaire_ = nullptr;
  QGroupBox* retouche_ = nullptr;
  QGroupBox* decor_ = nullptr;
  QGroupBox* transition_ = nullptr;
};

}  // namespace lumaveil
