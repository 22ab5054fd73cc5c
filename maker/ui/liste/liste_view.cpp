#include "liste/liste_view.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "dialogs/commun/boite_message.h"
#include "graphique.h"
#include "icones/ressources.h"
#include "projet/noms_changements.h"

namespace lumaveil {

namespace {

constexpr QSize kTailleImage(150, 110);
// Zoom levels whose thumbnail sizes are whole pixels.
constexpr int kNiveauxZoom[] = {50, 60, 80, 100, 120, 150, 200, 250, 300};

// Only the left button chooses a screen: another is taken here and goes no
// further, so a right or middle click leaves the highlight on the current
// screen, which Delete would remove.
bool BoutonGauche(QMouseEvent* evenement) {
  if (evenement->button() == Qt::LeftButton) return true;
  evenement->accept();
  return false;
}

}  // namespace

CListeView::CListeView(CControleurProjet& controleur, talvik::CGraphique& graphique,
                       QWidget* parent)
    : QListView(parent), controleur_(controleur) {
  InitialiseIcones();
  setObjectName("CListeView");
  setAccessibleName(tr("Screens"));
  setViewMode(QListView::IconMode);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setMovement(QListView::Static);
  setResizeMode(QListView::Adjust);
  setWrapping(true);
  setUniformItemSizes(true);
  setIconSize(kTailleImage);
  setGridSize(QSize(kTailleImage.width() + 12, kTailleImage.height() + 28));
  setSpacing(0);
  setFrameShape(QFrame::StyledPanel);
  setDragEnabled(false);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDropIndicatorShown(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  // Thumbnails drawn for the physical pixels of a scaled display. The model
  // follows the controller first: the view then finds its rows made.
  const int echelle = std::max(1, int(std::ceil(devicePixelRatioF())));
  modele_ = new CModeleListe(controleur_, graphique, echelle, this);
  setModel(modele_);
  connect(modele_, &CModeleListe::vignetteAffichee, this, &CListeView::vignetteAffichee);
  connect(modele_, &CModeleListe::pairesChangees, viewport(), qOverload<>(&QWidget::update));
  connect(&controleur_, &CControleurProjet::change, this, &CListeView::Suit);
  connect(&controleur_, &CControleurProjet::ecranSelectionne, this, &CListeView::MontreSelection);
}

int CListeView::ZoomPourDpi(double dpiLogique) {
  const int voulu = dpiLogique > 0 ? qRound(dpiLogique * 100 / 96) : 100;
  int meilleur = 100;
  for (int niveau : kNiveauxZoom)
    if (std::abs(niveau - voulu) < std::abs(meilleur - voulu)) meilleur = niveau;
  return meilleur;
}

void CListeView::FixeZoom(int pourcent) {
  int niveau = kNiveauxZoom[0];
  for (int n : kNiveauxZoom)
    if (std::abs(n - pourcent) < std::abs(niveau - pourcent)) niveau = n;
  if (niveau == zoom_ && iconSize() == kTailleImage * zoom_ / 100) return;
  zoom_ = niveau;
  const QSize taille = kTailleImage * zoom_ / 100;
  setIconSize(taille);
  setGridSize(QSize(taille.width() + 12, taille.height() + 28));
  // Thumbnails made for the physical pixels of their new size.
  modele_->FixeEchelle(int(std::ceil(devicePixelRatioF() * zoom_ / 100.0 - 1e-9)));
  const int selection = controleur_.Selection();
  if (selection >= 0) scrollTo(Ligne(selection));
  emit zoomChange(zoom_);
}

void CListeView::ZoomAvant() {
  for (int n : kNiveauxZoom)
    if (n > zoom_) {
      FixeZoom(n);
      return;
    }
}

void CListeView::ZoomArriere() {
  for (auto i = std::size(kNiveauxZoom); i-- > 0;)
    if (kNiveauxZoom[i] < zoom_) {
      FixeZoom(kNiveauxZoom[i]);
      return;
    }
}

void CListeView::wheelEvent(QWheelEvent* evenement) {
  if (!(evenement->modifiers() & Qt::ControlModifier)) {
    molette_ = 0;
    QListView::wheelEvent(evenement);
    return;
  }
  evenement->accept();
  // A notch is 120; a fine-grained wheel or touchpad sends less at a time.
  molette_ += evenement->angleDelta().y();
  for (; molette_ >= 120; molette_ -= 120) ZoomAvant();
  for (; molette_ <= -120; molette_ += 120) ZoomArriere();
}

QRect CListeView::MarqueInsertion() const {
  if (!glissement_ || cible_ < 0 || cible_ == source_) return {};
  const QRect r = RectLigne(cible_);
  if (r.isEmpty()) return {};
  // The screen lands after the target when it comes from before it, else
  // before it: the line sits in the gap on that side, across it when the
  // thumbnails stand one per row.
  const bool apres = cible_ > source_;
  const int epaisseur = 4;
  const bool colonne = viewport()->width() < 2 * gridSize().width();
  if (colonne) {
    const int marge = (gridSize().height() - r.height()) / 2;
    const int y = apres ? r.bottom() + marge : r.top() - marge;
    return QRect(r.left(), y - epaisseur / 2, r.width(), epaisseur);
  }
  const int marge = std::max(2, (gridSize().width() - r.width()) / 2);
  const int x = apres ? r.right() + marge : r.left() - marge;
  return QRect(x - epaisseur / 2, r.top(), epaisseur, r.height());
}

void CListeView::paintEvent(QPaintEvent* evenement) {
  QListView::paintEvent(evenement);
  const QRect marque = MarqueInsertion();
  if (!marque.isEmpty()) {
    QPainter p(viewport());
    p.fillRect(marque, palette().color(QPalette::Text));
  }
  const auto& paires = modele_->Paires();
  if (paires.empty()) return;
  QPainter p(viewport());
  p.setRenderHint(QPainter::Antialiasing);
  const QColor couleur = palette().color(QPalette::Highlight);
  for (const auto& [a, b] : paires) {
    const QRect ra = RectLigne(a), rb = RectLigne(b);
    if (ra.isEmpty() || rb.isEmpty()) continue;
    // A band across the gap between the two thumbnails, at their middle;
    // items on two rows get a stub on each.
    const int epaisseur = std::max(4, iconSize().height() / 12);
    const int y = ra.top() + iconSize().height() / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    if (rb.top() == ra.top()) {
      p.drawRoundedRect(QRect(QPoint(ra.center().x(), y - epaisseur / 2),
                              QPoint(rb.center().x(), y + epaisseur / 2)),
                        epaisseur / 2.0, epaisseur / 2.0);
    } else {
      p.drawRect(QRect(ra.right() - epaisseur, y - epaisseur / 2, epaisseur, epaisseur));
      p.drawRect(QRect(rb.left(), rb.top() + iconSize().height() / 2 - epaisseur / 2, epaisseur,
                       epaisseur));
    }
  }
}

CListeView::~CListeView() {
  FinGlissement();
  modele_->Fabrique().Arrete();
}

void CListeView::SelectionneItem(int index) {
  const QModelIndex ligne = Ligne(index);
  if (!ligne.isValid()) {
    clearSelection();
    return;
  }
  scrollTo(ligne);
  selectionModel()->setCurrentIndex(ligne, QItemSelectionModel::ClearAndSelect);
}

void CListeView::Suit(const CChangement& c) {
  using G = CChangement::Genre;
  switch (c.genre) {
    case G::Insertion:
      SelectionneItem(c.index);
      viewport()->repaint();
      break;
    case G::Remplacement:
      SelectionneItem(c.index);
      break;
    case G::Deplacement:
      SelectionneItem(c.vers);
      break;
    case G::Suppression:
    case G::Tout:
      if (controleur_.Selection() >= 0) SelectionneItem(controleur_.Selection());
      else clearSelection();
      break;
    case G::Projet:
      break;
  }
}

void CListeView::MontreSelection(int index) {
  SelectionneItem(index);
  setFocus();
}

// ---- keyboard -----------------------------------------------------------

void CListeView::keyPressEvent(QKeyEvent* evenement) {
  switch (evenement->key()) {
    case Qt::Key_Delete:
      emit suppressionDemandee();
      return;
    case Qt::Key_Up:
      emit precedentDemande();
      return;
    case Qt::Key_Down:
      emit suivantDemande();
      return;
    default:
      break;
  }
  QListView::keyPressEvent(evenement);
  // Other keys that move the selection choose that screen.
  const QModelIndex courant = currentIndex();
  const int ligne = courant.row();
  if (ligne >= 0 && ligne != controleur_.Selection() && selectionModel()->isSelected(courant))
    emit ecranChoisi(ligne);
}

// ---- mouse: selection and reordering ------------------------------------

void CListeView::mousePressEvent(QMouseEvent* evenement) {
  // A press during a drag means its release went elsewhere: the drag ends
  // where it was and this press counts on its own.
  if (glissement_) TermineGlissement();
  if (!BoutonGauche(evenement)) return;
  QListView::mousePressEvent(evenement);
  boutonEnfonce_ = true;
  pointAppui_ = evenement->position().toPoint();
  itemAppui_ = LigneA(pointAppui_);
}

void CListeView::mouseDoubleClickEvent(QMouseEvent* evenement) {
  if (BoutonGauche(evenement)) QListView::mouseDoubleClickEvent(evenement);
}

void CListeView::mouseMoveEvent(QMouseEvent* evenement) {
  const QPoint position = evenement->position().toPoint();
  if (!glissement_) {
    if (boutonEnfonce_ && itemAppui_ >= 0 &&
        (position - pointAppui_).manhattanLength() >= QApplication::startDragDistance()) {
      DebutGlissement(itemAppui_, position);
    }
    return;
  }
  // The button came up where the list could not see it: that was the drop.
  if (!(evenement->buttons() & Qt::LeftButton)) {
    TermineGlissement();
    return;
  }
  if (imageGlissement_)
    imageGlissement_->move(viewport()->mapToGlobal(position) - QPoint(24, 24));
  const int c = LigneA(position);
  if (c < 0 || c == cible_) return;
  // Show the neighbour in the direction of the drag.
  const int voisin = cible_ < c ? c + 1 : c - 1;
  if (Ligne(voisin).isValid()) scrollTo(Ligne(voisin));
  selectionModel()->setCurrentIndex(Ligne(c), QItemSelectionModel::ClearAndSelect);
  viewport()->update();
  cible_ = c;
}

void CListeView::mouseReleaseEvent(QMouseEvent* evenement) {
  if (!BoutonGauche(evenement)) return;
  boutonEnfonce_ = false;
  if (glissement_) {
    TermineGlissement();
    return;
  }
  QListView::mouseReleaseEvent(evenement);
  // A click: the first selected item becomes current; a click on empty
  // space selects the current item again.
  const QModelIndexList choisis = selectionModel()->selectedIndexes();
  if (choisis.isEmpty()) {
    if (controleur_.Selection() >= 0) SelectionneItem(controleur_.Selection());
    return;
  }
  const int ligne = choisis.front().row();
  if (ligne != controleur_.Selection()) emit ecranChoisi(ligne);
}

void CListeView::TermineGlissement() {
  boutonEnfonce_ = false;
  const int source = source_, cible = cible_;
  FinGlissement();
  if (source != cible) {
    controleur_.DeplaceEcran(source, cible);
    emit ecranDeplace(source, cible);
  } else {
    SelectionneItem(controleur_.Selection());
  }
}

void CListeView::DebutGlissement(int index, const QPoint& position) {
  if (index != controleur_.Selection()) emit ecranChoisi(index);
  glissement_ = true;
  source_ = cible_ = index;
  QApplication::setOverrideCursor(Qt::DragMoveCursor);
  // The picture sits under the pointer: it lets the pointer's events through
  // to the list below (for X as well as for Qt), else the list would see
  // neither the moves nor the release.
  auto* image = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint |
                                        Qt::WindowTransparentForInput |
                                        Qt::WindowDoesNotAcceptFocus);
  image->setAttribute(Qt::WA_TransparentForMouseEvents);
  image->setAttribute(Qt::WA_ShowWithoutActivating);
  image->setWindowTitle(tr("Moving screen"));
  image->setAccessibleName(image->windowTitle());
  image->setAttribute(Qt::WA_DeleteOnClose);
  image->setPixmap(QIcon(QStringLiteral(":/icones/logo.svg")).pixmap(QSize(48, 48)));
  image->resize(48, 48);
  image->move(viewport()->mapToGlobal(position) - QPoint(24, 24));
  image->show();
  imageGlissement_ = image;
  // The viewport takes the mouse: a scroll area passes on only the mouse
  // events of its viewport, so a grab by the list itself would leave the
  // moves and the release unseen.
  viewport()->grabMouse();
}

void CListeView::FinGlissement() {
  if (!glissement_) return;
  glissement_ = false;
  viewport()->update();
  if (imageGlissement_) imageGlissement_->close();
  QApplication::restoreOverrideCursor();
  viewport()->releaseMouse();
}

// ---- files dropped from the desktop -------------------------------------

void CListeView::dragEnterEvent(QDragEnterEvent* evenement) { dragMoveEvent(evenement); }

void CListeView::dragMoveEvent(QDragMoveEvent* evenement) {
  if (evenement->mimeData()->hasUrls()) evenement->acceptProposedAction();
  else evenement->ignore();
}

void CListeView::dropEvent(QDropEvent* evenement) {
  if (!evenement->mimeData()->hasUrls()) {
    evenement->ignore();
    return;
  }
  std::vector<std::string> chemins;
  for (const QUrl& url : evenement->mimeData()->urls()) {
    if (url.isLocalFile()) chemins.push_back(url.toLocalFile().toStdString());
  }
  evenement->acceptProposedAction();
  if (chemins.empty()) return;
  // The screen made current is part of the change: Redo shows it again.
  controleur_.DebutGroupe(changement::kAjoutPhotos);
  const int nombre = controleur_.InsereFichiers(chemins);
  emit ecranChoisi(controleur_.NombreEcrans() - 1);
  controleur_.FinGroupe();
  talvik::Bip();
  emit fichiersDeposes(nombre);
}

}  // namespace lumaveil
