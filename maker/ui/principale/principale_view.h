// CPrincipaleView: the right pane of the main window. The working screen
// (the box the Picture panel draws it in, placed here with PlaceEcran)
// takes all the room the pane has, in its own proportions; the three group
// boxes that hold the edit panels, "Picture" (CRetoucheDialog),
// "Decoration" (CDecorDialog) and "Transition" (CTransitionDialog), stand
// beside it or below it, whichever leaves the screen larger: in one
// column, in two (Picture beside the other two) or in a row. Only where the
// pane is smaller than the panels and the least screen does it scroll, the
// form then kept at the top left.
//
// A panel goes into its group box with PlacePanneau; the group box's
// layout holds it.
#pragma once

#include <QGroupBox>
#include <QScrollArea>

class QGridLayout;

namespace lumaveil {

class CPrincipaleView : public QScrollArea {
  Q_OBJECT
 public:
  // How the panels stand by the working screen.
  enum class Disposition { Colonne, DeuxColonnes, Rangee };

  explicit CPrincipaleView(QWidget* parent = nullptr);

  QWidget* Formulaire() const { return formulaire_; }
  QGroupBox* GroupeRetouche() const { return retouche_; }
  QGroupBox* GroupeDecor() const { return decor_; }
  QGroupBox* GroupeTransition() const { return transition_; }
  QWidget* Ecran() const { return ecran_; }
  Disposition DispositionActuelle() const { return disposition_; }

  // The form at its least (the main window asks for room for it).
  QSize sizeHint() const override;

  // Puts `panneau` into `groupe` (one of the three above), which owns it.
  static void PlacePanneau(QGroupBox* groupe, QWidget* panneau);
  // The working screen's box: it takes the room the panels leave (its
  // size hint gives its proportions).
  void PlaceEcran(QWidget* ecran);

 protected:
  void resizeEvent(QResizeEvent* evenement) override;
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  // The panels' block in `d`.
  QSize TaillePanneaux(Disposition d) const;
  // The arrangement that leaves the largest screen in `place`.
  Disposition Meilleure(QSize place) const;
  void Dispose(Disposition d);
  void Revoit();

  QWidget* formulaire_ = nullptr;
  QGridLayout* grille_ = nullptr;
  QWidget* panneaux_ = nullptr;
  QGridLayout* groupes_ = nullptr;
  QGroupBox* retouche_ = nullptr;
  QGroupBox* decor_ = nullptr;
  QGroupBox* transition_ = nullptr;
  QWidget* ecran_ = nullptr;
  Disposition disposition_ = Disposition::Colonne;
  bool enCours_ = false;
};

}  // namespace lumaveil
