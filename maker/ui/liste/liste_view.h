// CListeView: the left pane of the main window, one 150 x 110 thumbnail
// per screen in playing order, labelled "001", "002", ... It shows the
// project's screen list and follows every change the project controller
// (CControleurProjet) announces: the item at position i is screen i, with
// screen i's thumbnail. It changes nothing itself: the user's gestures
// (a drag that moves a screen, files dropped) go to the controller.
//
// Thumbnails of screens that have a rendered picture are made at once;
// the others are made by the thumbnail worker and appear when ready, the
// plain backdrop showing meanwhile.
//
// What the user does here that concerns the working screen is reported by
// signals; the main frame acts on them (make current, delete, previous,
// next).
#pragma once

#include <utility>
#include <vector>

#include <QCursor>
#include <QIcon>
#include <QListWidget>
#include <QPointer>
#include <cstdint>

#include "liste/fabrique_vignettes.h"
#include "projet/controleur_projet.h"

class QLabel;

namespace lumaveil {

class CListeView : public QListWidget {
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
  void Recharge();

  int Selection() const { return controleur_.Selection(); }
  int NombreEcrans() const { return controleur_.NombreEcrans(); }
  const CEcran& Ecran(int i) const { return controleur_.Ecran(i); }
  SIZE ResolutionCible() const { return controleur_.ResolutionCible(); }

  // The 140 x 100 backdrop of the thumbnails.
  const talvik::HBITMAP& FondVignette() const { return fond_; }
  CFabriqueVignettes& Fabrique() { return *fabrique_; }
  // Thumbnails asked of the worker and not yet shown.
  int VignettesEnAttente() const { return fabrique_->EnAttente(); }
  bool GlissementEnCours() const { return glissement_; }

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

 protected:
  void keyPressEvent(QKeyEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;
  void mouseDoubleClickEvent(QMouseEvent* evenement) override;
  void mouseMoveEvent(QMouseEvent* evenement) override;
  void mouseReleaseEvent(QMouseEvent* evenement) override;
  void dragEnterEvent(QDragEnterEvent* evenement) override;
  void dragMoveEvent(QDragMoveEvent* evenement) override;
  void dropEvent(QDropEvent* evenement) override;
  // The thumbnails, then a band joining the two of each pair of portraits
  // shown side by side on one screen.
  void paintEvent(QPaintEvent* evenement) override;

 private:
  // Which screens are paired, from the project (paires_portraits.h); each
  // item of a pair says so to assistive tools.
  void RevoitPaires();
  // What the controller announces.
  void Suit(const CChangement& changement);
  void Insere(int index, const CEcran* source);
  void Supprime(int index);
  void Deplace(int de, int vers);
  void MontreSelection(int index);

  QListWidgetItem* NouvelItem(int index);
  void Renumerote(int depuis);
  void MontreVignette(int index, const talvik::HBITMAP& vignette);
  // The thumbnail of item `index`: the one the screen keeps (a screen taken
  // back by Undo), else made from `source`'s rendering, else by the worker.
  void DemandeVignette(int index, const CEcran* source);
  void Recoit(std::uint64_t jeton, const talvik::HBITMAP& vignette);
  void SelectionneItem(int index);
  void DebutGlissement(int index, const QPoint& position);
  void FinGlissement();
  // Ends the drag as a release does: the screen moves to the target.
  void TermineGlissement();

  CControleurProjet& controleur_;
  talvik::CGraphique& graphique_;
  talvik::HBITMAP fond_;           // 140 x 100 backdrop (times the display's scale)
  QIcon iconeFond_;                // the framed backdrop shown while a thumbnail is made
  CFabriqueVignettes* fabrique_;
  std::uint64_t prochainJeton_ = 1;

  // Reordering by drag.
  bool boutonEnfonce_ = false;
  QPoint pointAppui_;
  int itemAppui_ = -1;
  bool glissement_ = false;
  int source_ = -1;
  int cible_ = -1;
  QPointer<QLabel> imageGlissement_;
  std::vector<std::pair<int, int>> paires_;  // the pairs shown joined
};

// Label of the item at `index`: "%3d" of index + 1 with spaces as "0".
QString LibelleItem(int index);

}  // namespace lumaveil
