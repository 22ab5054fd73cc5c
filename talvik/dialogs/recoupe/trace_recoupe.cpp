#include "dialogs/recoupe/trace_recoupe.h"

#include <QApplication>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <utility>

#include "dialogs/apercu/zone_apercu.h"

namespace talvik {

namespace {
// How near an edge (logical pixels) the pointer takes that edge.
constexpr int kMarge = 5;
}  // namespace

CTraceRecoupe::CTraceRecoupe(CZoneApercu* zone, std::function<RECT()> rectangle)
    : QObject(zone), zone_(zone), rectangle_(std::move(rectangle)) {
  zone_->setMouseTracking(true);
  zone_->installEventFilter(this);
}

void CTraceRecoupe::FixeTailleImage(int largeur, int hauteur) {
  largeur_ = largeur;
  hauteur_ = hauteur;
}

// The zone shows the source (TailleSource, in the zone's pixels, which are
// the logical pixels times the display's scale) centred.
QPoint CTraceRecoupe::PointImage(QPoint p) const {
  const CSize zone = zone_->Taille(), source = zone_->TailleSource();
  if (source.cx <= 0 || source.cy <= 0 || zone_->width() <= 0) return {};
  const double echelle = double(zone.cx) / zone_->width();
  const double sx = p.x() * echelle - double(zone.cx - source.cx) / 2;
  const double sy = p.y() * echelle - double(zone.cy - source.cy) / 2;
  const int x = int(std::lround(sx * largeur_ / source.cx));
  const int y = int(std::lround(sy * hauteur_ / source.cy));
  return QPoint(std::clamp(x, 0, largeur_), std::clamp(y, 0, hauteur_));
}

QRect CTraceRecoupe::RectangleZone(const RECT& r) const {
  const CSize zone = zone_->Taille(), source = zone_->TailleSource();
  if (largeur_ <= 0 || hauteur_ <= 0 || zone_->width() <= 0) return {};
  const double echelle = double(zone.cx) / zone_->width();
  auto x = [&](LONG v) {
    return int(std::lround((double(zone.cx - source.cx) / 2 + double(v) * source.cx / largeur_) /
                           echelle));
  };
  auto y = [&](LONG v) {
    return int(std::lround((double(zone.cy - source.cy) / 2 + double(v) * source.cy / hauteur_) /
                           echelle));
  };
  return QRect(QPoint(x(r.left), y(r.top)), QPoint(x(r.right), y(r.bottom)));
}

int CTraceRecoupe::PriseEn(QPoint p) const {
  if (largeur_ <= 0 || hauteur_ <= 0 || zone_->TailleSource().cx <= 0) return kAucune;
  const RECT r = rectangle_();
  if (r.left < r.right && r.top < r.bottom) {
    const QRect z = RectangleZone(r);
    const bool dansX = p.x() >= z.left() - kMarge && p.x() <= z.right() + kMarge;
    const bool dansY = p.y() >= z.top() - kMarge && p.y() <= z.bottom() + kMarge;
    int prise = kAucune;
    if (dansY && std::abs(p.x() - z.left()) <= kMarge) prise |= kGauche;
    else if (dansY && std::abs(p.x() - z.right()) <= kMarge) prise |= kDroite;
    if (dansX && std::abs(p.y() - z.top()) <= kMarge) prise |= kHaut;
    else if (dansX && std::abs(p.y() - z.bottom()) <= kMarge) prise |= kBas;
    if (prise != kAucune) return prise;
    // A rectangle that is the whole picture cannot move: a drag inside it
    // draws a new one.
    const bool toute = r.left <= 0 && r.top <= 0 && r.right >= largeur_ && r.bottom >= hauteur_;
    if (z.contains(p) && !toute) return kDeplace;
  }
  return kNouveau;
}

void CTraceRecoupe::MontreCurseur(int prise) {
  Qt::CursorShape forme = Qt::PointingHandCursor;  // a click opens the full-screen view
  switch (prise) {
    case kGauche | kHaut:
    case kDroite | kBas: forme = Qt::SizeFDiagCursor; break;
    case kDroite | kHaut:
    case kGauche | kBas: forme = Qt::SizeBDiagCursor; break;
    case kGauche:
    case kDroite: forme = Qt::SizeHorCursor; break;
    case kHaut:
    case kBas: forme = Qt::SizeVerCursor; break;
    case kDeplace: forme = Qt::SizeAllCursor; break;
    case kNouveau: forme = Qt::CrossCursor; break;
    default: break;
  }
  if (zone_->cursor().shape() != forme) zone_->setCursor(forme);
}

RECT CTraceRecoupe::Calcule(QPoint position) const {
  const QPoint p = PointImage(position);
  RECT r = depart_;
  if (prise_ == kNouveau) {
    r.left = std::min(appuiImage_.x(), p.x());
    r.right = std::max(appuiImage_.x(), p.x());
    r.top = std::min(appuiImage_.y(), p.y());
    r.bottom = std::max(appuiImage_.y(), p.y());
  } else if (prise_ == kDeplace) {
    // The whole rectangle follows the pointer and stays on the picture.
    const LONG largeur = r.right - r.left, hauteur = r.bottom - r.top;
    const LONG dx = std::clamp<LONG>(p.x() - appuiImage_.x(), -r.left,
                                     std::max<LONG>(-r.left, largeur_ - r.right));
    const LONG dy = std::clamp<LONG>(p.y() - appuiImage_.y(), -r.top,
                                     std::max<LONG>(-r.top, hauteur_ - r.bottom));
    r.left += dx;
    r.top += dy;
    r.right = r.left + largeur;
    r.bottom = r.top + hauteur;
    return r;
  } else {
    // An edge stops one pixel before the opposite one.
    if (prise_ & kGauche) r.left = std::min<LONG>(p.x(), r.right - 1);
    if (prise_ & kDroite) r.right = std::max<LONG>(p.x(), r.left + 1);
    if (prise_ & kHaut) r.top = std::min<LONG>(p.y(), r.bottom - 1);
    if (prise_ & kBas) r.bottom = std::max<LONG>(p.y(), r.top + 1);
  }
  // At least one pixel each way, on the picture.
  if (r.right <= r.left) {
    if (r.left >= largeur_) r.left = largeur_ - 1;
    r.right = r.left + 1;
  }
  if (r.bottom <= r.top) {
    if (r.top >= hauteur_) r.top = hauteur_ - 1;
    r.bottom = r.top + 1;
  }
  return r;
}

bool CTraceRecoupe::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet != zone_) return QObject::eventFilter(objet, evenement);
  switch (evenement->type()) {
    case QEvent::MouseButtonPress: {
      auto* souris = static_cast<QMouseEvent*>(evenement);
      if (souris->button() != Qt::LeftButton) break;
      appui_ = souris->position().toPoint();
      prise_ = PriseEn(appui_);
      if (prise_ == kAucune) break;
      enfonce_ = true;
      glisse_ = false;
      appuiImage_ = PointImage(appui_);
      depart_ = rectangle_();
      break;
    }
    case QEvent::MouseMove: {
      auto* souris = static_cast<QMouseEvent*>(evenement);
      const QPoint position = souris->position().toPoint();
      if (!enfonce_ || !(souris->buttons() & Qt::LeftButton)) {
        enfonce_ = false;
        MontreCurseur(PriseEn(position));
        break;
      }
      if (!glisse_ &&
          (position - appui_).manhattanLength() < QApplication::startDragDistance())
        return true;
      glisse_ = true;
      const RECT r = Calcule(position);
      const RECT avant = rectangle_();
      if (r.left != avant.left || r.top != avant.top || r.right != avant.right ||
          r.bottom != avant.bottom)
        emit rectangleChange(r);
      return true;
    }
    case QEvent::MouseButtonRelease: {
      auto* souris = static_cast<QMouseEvent*>(evenement);
      if (souris->button() != Qt::LeftButton || !enfonce_) break;
      enfonce_ = false;
      if (!glisse_) break;  // a click: the full-screen view
      glisse_ = false;
      MontreCurseur(PriseEn(souris->position().toPoint()));
      return true;
    }
    case QEvent::Leave:
      if (!enfonce_) zone_->setCursor(Qt::PointingHandCursor);
      break;
    default:
      break;
  }
  return QObject::eventFilter(objet, evenement);
}

}  // namespace talvik
