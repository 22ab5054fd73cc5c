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
#include <QSvgRenderer>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "dialogs/commun/boite_message.h"
#include "dialogs/commun/image_qt.h"
#include "graphique.h"
#include "paires_portraits.h"
#include "icones/ressources.h"
#include "projet/noms_changements.h"

namespace lumaveil {

namespace {

constexpr int kRoleJeton = Qt::UserRole + 1;
constexpr QSize kTailleImage(150, 110);

// The thumbnails' backdrop, drawn at `echelle` times 140 x 100: the
// thumbnails are then made at that scale (EchelleVignette).
talvik::HBITMAP FondDepuisRessource(int echelle) {
  const int largeur = kVignetteLargeur * echelle, hauteur = kVignetteHauteur * echelle;
  QImage image(largeur, hauteur, QImage::Format_RGB32);
  image.fill(QColor(0xE8, 0xE8, 0xE8));
  QPainter peintre(&image);
  QSvgRenderer rendu(QStringLiteral(":/icones/fond_vignette.svg"));
  if (rendu.isValid()) rendu.render(&peintre, QRectF(0, 0, largeur, hauteur));
  peintre.end();
  return talvik::BitmapDepuisImageQt(image);
}

// Only the left button chooses a screen: another is taken here and goes no
// further, so a right or middle click leaves the highlight on the current
// screen, which Delete would remove.
bool BoutonGauche(QMouseEvent* evenement) {
  if (evenement->button() == Qt::LeftButton) return true;
  evenement->accept();
  return false;
}

// The label of item `index`, as shown and as screen readers say it.
void Etiquette(QListWidgetItem* item, int index) {
  const QString libelle = LibelleItem(index);
  if (item->text() == libelle) return;
  item->setText(libelle);
  item->setData(Qt::AccessibleTextRole, libelle);
}

// A thumbnail shown at its 150 x 110 place, whatever scale it was made at.
QIcon IconeVignette(const talvik::HBITMAP& vignette) {
  QPixmap pixmap = talvik::PixmapQt(vignette);
  pixmap.setDevicePixelRatio(std::max(1.0, double(pixmap.width()) / kTailleImage.width()));
  return QIcon(pixmap);
}

}  // namespace

QString LibelleItem(int index) {
  return QString::asprintf("%3d", index + 1).replace(' ', '0');
}

CListeView::CListeView(CControleurProjet& controleur, talvik::CGraphique& graphique,
                       QWidget* parent)
    : QListWidget(parent), controleur_(controleur), graphique_(graphique) {
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

  // Thumbnails drawn for the physical pixels of a scaled display.
  const int echelle = std::max(1, int(std::ceil(devicePixelRatioF())));
  fond_ = FondDepuisRessource(echelle);
  iconeFond_ = IconeVignette(graphique_.CadreImage(fond_, 0, 0, 0x00C0C0C0, 5 * echelle, 0, 0, 1));
  fabrique_ = new CFabriqueVignettes(this);
  fabrique_->FixeFond(fond_);
  fabrique_->FixeReception(
      [this](std::uint64_t jeton, talvik::HBITMAP vignette) { Recoit(jeton, vignette); });

  connect(&controleur_, &CControleurProjet::change, this, &CListeView::Suit);
  connect(&controleur_, &CControleurProjet::ecranSelectionne, this, &CListeView::MontreSelection);
  // Pairs follow any change of the project (its screens or the option),
  // once the list has made it.
  connect(&controleur_, &CControleurProjet::change, this,
          [this] { QTimer::singleShot(0, this, &CListeView::RevoitPaires); });
}

void CListeView::RevoitPaires() {
  std::vector<ApparieEcran> d;
  for (int i = 0; i < controleur_.NombreEcrans(); ++i)
    d.push_back(DecritPourAppariement(controleur_.Ecran(i)));
  std::vector<std::pair<int, int>> paires;
  for (const GroupeEcrans& g : GroupeEcransEnPaires(d, controleur_.PairePortraits() != 0))
    if (g.Paire()) paires.emplace_back(g.premier, g.second);
  for (int i = 0; i < count(); ++i) item(i)->setData(Qt::AccessibleDescriptionRole, QVariant());
  for (const auto& [a, b] : paires) {
    if (a >= count() || b >= count()) continue;
    item(a)->setData(Qt::AccessibleDescriptionRole, tr("Shown beside %1").arg(LibelleItem(b)));
    item(b)->setData(Qt::AccessibleDescriptionRole, tr("Shown beside %1").arg(LibelleItem(a)));
  }
  if (paires != paires_) {
    paires_ = std::move(paires);
    viewport()->update();
  }
}

void CListeView::paintEvent(QPaintEvent* evenement) {
  QListWidget::paintEvent(evenement);
  if (paires_.empty()) return;
  QPainter p(viewport());
  p.setRenderHint(QPainter::Antialiasing);
  const QColor couleur = palette().color(QPalette::Highlight);
  for (const auto& [a, b] : paires_) {
    if (a >= count() || b >= count()) continue;
    const QRect ra = visualItemRect(item(a)), rb = visualItemRect(item(b));
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
  fabrique_->Arrete();
}

QListWidgetItem* CListeView::NouvelItem(int index) {
  auto* item = new QListWidgetItem;
  Etiquette(item, index);
  item->setIcon(iconeFond_);
  item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
  item->setData(kRoleJeton, QVariant::fromValue<qulonglong>(0));
  return item;
}

void CListeView::Renumerote(int depuis) {
  for (int i = std::max(depuis, 0); i < count(); ++i) Etiquette(item(i), i);
}

void CListeView::MontreVignette(int index, const talvik::HBITMAP& vignette) {
  QListWidgetItem* it = item(index);
  if (!it) return;
  it->setData(kRoleJeton, QVariant::fromValue<qulonglong>(0));
  if (vignette) {
    controleur_.FixeVignette(index, vignette);
    it->setIcon(IconeVignette(vignette));
  } else {
    it->setIcon(iconeFond_);
  }
}

void CListeView::DemandeVignette(int index, const CEcran* source) {
  // A screen taken back by Undo comes with the thumbnail it had.
  const CEcran& ecran = controleur_.Ecran(index);
  if (!source && ecran.Vignette) {
    MontreVignette(index, ecran.Vignette);
    return;
  }
  if (source && source->ImageFinale) {
    CEcran cible(source->TailleCible);
    cible.CreeVignette(graphique_, &source->ImageFinale, &fond_);
    MontreVignette(index, cible.Vignette);
    return;
  }
  const std::uint64_t jeton = prochainJeton_++;
  QListWidgetItem* it = item(index);
  it->setIcon(iconeFond_);
  it->setData(kRoleJeton, QVariant::fromValue<qulonglong>(jeton));
  fabrique_->Demande(jeton, controleur_.Ecran(index));
}

void CListeView::Recoit(std::uint64_t jeton, const talvik::HBITMAP& vignette) {
  for (int i = 0; i < count(); ++i) {
    if (item(i)->data(kRoleJeton).toULongLong() == jeton) {
      MontreVignette(i, vignette);
      emit vignetteAffichee(i);
      return;
    }
  }
}

void CListeView::SelectionneItem(int index) {
  QListWidgetItem* it = item(index);
  if (!it) {
    clearSelection();
    return;
  }
  scrollToItem(it);
  setCurrentItem(it, QItemSelectionModel::ClearAndSelect);
}

void CListeView::Suit(const CChangement& c) {
  using G = CChangement::Genre;
  switch (c.genre) {
    case G::Insertion:
      Insere(c.index, c.source);
      break;
    case G::Suppression:
      Supprime(c.index);
      break;
    case G::Remplacement:
      DemandeVignette(c.index, c.source);
      SelectionneItem(c.index);
      break;
    case G::Deplacement:
      Deplace(c.index, c.vers);
      break;
    case G::Tout:
      Recharge();
      break;
    case G::Projet:
      break;
  }
}

void CListeView::Insere(int index, const CEcran* source) {
  insertItem(index, NouvelItem(index));
  Renumerote(index + 1);
  DemandeVignette(index, source);
  SelectionneItem(index);
  viewport()->repaint();
}

void CListeView::Supprime(int index) {
  delete takeItem(index);
  Renumerote(index);
  if (controleur_.Selection() >= 0) SelectionneItem(controleur_.Selection());
  else clearSelection();
}

void CListeView::Deplace(int de, int vers) {
  QListWidgetItem* it = takeItem(de);
  insertItem(vers, it);
  Renumerote(std::min(de, vers));
  SelectionneItem(vers);
}

void CListeView::MontreSelection(int index) {
  SelectionneItem(index);
  setFocus();
}

void CListeView::Recharge() {
  fabrique_->AnnuleTout();
  clear();
  for (int i = 0; i < controleur_.NombreEcrans(); ++i) {
    addItem(NouvelItem(i));
  }
  for (int i = 0; i < controleur_.NombreEcrans(); ++i) DemandeVignette(i, &controleur_.Ecran(i));
  if (controleur_.Selection() >= 0) SelectionneItem(controleur_.Selection());
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
  QListWidget::keyPressEvent(evenement);
  // Other keys that move the selection choose that screen.
  const int ligne = currentRow();
  if (ligne >= 0 && ligne != controleur_.Selection() && item(ligne)->isSelected()) emit ecranChoisi(ligne);
}

// ---- mouse: selection and reordering ------------------------------------

void CListeView::mousePressEvent(QMouseEvent* evenement) {
  // A press during a drag means its release went elsewhere: the drag ends
  // where it was and this press counts on its own.
  if (glissement_) TermineGlissement();
  if (!BoutonGauche(evenement)) return;
  QListWidget::mousePressEvent(evenement);
  boutonEnfonce_ = true;
  pointAppui_ = evenement->position().toPoint();
  QListWidgetItem* it = itemAt(pointAppui_);
  itemAppui_ = it ? row(it) : -1;
}

void CListeView::mouseDoubleClickEvent(QMouseEvent* evenement) {
  if (BoutonGauche(evenement)) QListWidget::mouseDoubleClickEvent(evenement);
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
  QListWidgetItem* survol = itemAt(position);
  if (!survol) return;
  const int c = row(survol);
  if (c == cible_) return;
  // Show the neighbour in the direction of the drag.
  const int voisin = cible_ < c ? c + 1 : c - 1;
  if (item(voisin)) scrollToItem(item(voisin));
  setCurrentItem(survol, QItemSelectionModel::ClearAndSelect);
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
  QListWidget::mouseReleaseEvent(evenement);
  // A click: the first selected item becomes current; a click on empty
  // space selects the current item again.
  const QList<QListWidgetItem*> choisis = selectedItems();
  if (choisis.isEmpty()) {
    if (controleur_.Selection() >= 0) SelectionneItem(controleur_.Selection());
    return;
  }
  const int ligne = row(choisis.front());
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
