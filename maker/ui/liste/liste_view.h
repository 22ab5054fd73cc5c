// CListeView: the left pane of the main window, one thumbnail per screen
// in playing order, labelled "001", "002", ...; the thumbnails are 150 x
// 110 at a zoom of 100 %, and zoom from 50 % to 300 % (View > Zoom In and
// Zoom Out, Ctrl with the mouse wheel), drawn again for their new size. It is a view over
// the list model of the project controller (CModeleListe, which it makes):
// row i is screen i, with screen i's thumbnail. The view keeps the
// controller's selection highlighted and changes nothing itself: the
// user's gestures (a drag that moves a screen, files dropped) go to the
// controller as commands.
//
// What the user does here that concerns the working screen is reported by
// signals; the main frame acts on them (make current, delete, previous,
// next).
#pragma once

#include <QCursor>
#include <QListView>
#include <QPointer>

#include "liste/modele_liste.h"
#include "projet/controleur_projet.h"

class QLabel;

namespace lumaveil {

class CListeView : public QListView {
  Q_OBJECT
 public:
  explicit CListeView(CControleurProjet& controleur, talvik::CGraphique& graphique,
                      QWidget* parent = nullptr);
  ~CListeView() override;

  // Selects screen `index` through the controller (the item is scrolled into
  // view and focused) and returns it; null, and nothing changes, for -1 or
  // an index beyond the list.
  const CEcran* Selectionne(int index) { return controleur_.Selectionne(index); }
  // Rebuilds every item from the project: labels and backdrops at once,
  // thumbnails from the worker in list order.
  void Recharge() { modele_->Recharge(); }

  int Selection() const { return controleur_.Selection(); }
  int NombreEcrans() const { return controleur_.NombreEcrans(); }
  const CEcran& Ecran(int i) const { return controleur_.Ecran(i); }
  SIZE ResolutionCible() const { return controleur_.ResolutionCible(); }

  // The 140 x 100 backdrop of the thumbnails.
  const talvik::HBITMAP& FondVignette() const { return modele_->FondVignette(); }
  CFabriqueVignettes& Fabrique() { return modele_->Fabrique(); }
  // Thumbnails asked of the worker and not yet shown.
  int VignettesEnAttente() const { return modele_->VignettesEnAttente(); }
  bool GlissementEnCours() const { return glissement_; }
  // Where the line showing where the dragged screen will land is drawn
  // (viewport coordinates); empty when no drag would move a screen.
  QRect MarqueInsertion() const;

  CModeleListe& Modele() const { return *modele_; }

  // The thumbnails' zoom, in percent of 150 x 110.
  static constexpr int kZoomMinimal = 50;
  static constexpr int kZoomMaximal = 300;
  int Zoom() const { return zoom_; }
  // The zoom of the level nearest `pourcent` (levels whose sizes are whole
  // pixels: 50, 60, 80, 100, 120, 150, 200, 250, 300).
  void FixeZoom(int pourcent);
  // One level up or down; nothing beyond the ends.
  void ZoomAvant();
  void ZoomArriere();
  // The zoom that suits a display of `dpiLogique` dots per inch (96: 100 %).
  static int ZoomPourDpi(double dpiLogique);
  // Row `index` of the model and where it is drawn in the viewport.
  QModelIndex Ligne(int index) const { return modele_->index(index); }
  QRect RectLigne(int index) const { return visualRect(Ligne(index)); }
  // The row under `point` of the viewport, -1 for none.
  int LigneA(const QPoint& point) const { return indexAt(point).row(); }

 signals:
  // The user chose screen `index` (click, keys other than Delete/Up/Down,
  // start of a drag, end of a file drop): make it current.
  void ecranChoisi(int index);
  // Delete, Up and Down in the list: delete, previous, next.
  void suppressionDemandee();
  void precedentDemande();
  void suivantDemande();
  // A thumbnail from the worker is now shown on item `index`.
  void vignetteAffichee(int index);
  // Files were dropped and became screens (the last one was made current).
  void fichiersDeposes(int nombre);
  // A drag moved screen `de` to position `vers`.
  void ecranDeplace(int de, int vers);
  // The zoom changed (percent).
  void zoomChange(int pourcent);

 protected:
  void keyPressEvent(QKeyEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;
  void mouseDoubleClickEvent(QMouseEvent* evenement) override;
  void mouseMoveEvent(QMouseEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;
  void dragEnterEvent(QDragEnterEvent* evenement) override;
  void dragMoveEvent(QDragMoveEvent* evenement) override;
  void dropEvent(QDropEvent* evenement) override;
  // Ctrl with the wheel zooms; the wheel alone scrolls.
  void wheelEvent(QWheelEvent* evenement) override;
  // The thumbnails, the insertion line of a drag, then a band joining the
  // two of each pair of portraits shown side by side on one screen.
  void paintEvent(QPaintEvent* evenement) override;

 private:
  // What the controller announces, once the model has followed it: the
  // highlight goes to the controller's selection.
  void Suit(const CChangement& changement);
  void MontreSelection(int index);
  void SelectionneItem(int index);
  void DebutGlissement(int index, const QPoint& position);
  void FinGlissement();
  // Ends the drag as a release does: the screen moves to the target.
  void TermineGlissement();

  CControleurProjet& controleur_;
  CModeleListe* modele_;
  int zoom_ = 100;
  int molette_ = 0;  // wheel steps under one notch, kept for the next event

  // Reordering by drag.
  bool boutonEnfonce_ = false;
  QPoint pointAppui_;
  int itemAppui_ = -1;
  bool glissement_ = false;
  int source_ = -1;
  int cible_ = -1;
  QPointer<QLabel> imageGlissement_;
};

}  // namespace lumaveil
