#include "panneaux/boite_ecran.h"

#include <QMetaObject>
#include <QPainter>
#include <QRadialGradient>
#include <QResizeEvent>
#include <utility>

#include "dialogs/commun/image_qt.h"  // BitmapDepuisImageQt

namespace lumaveil {

namespace {

// A rendering this large or smaller is reduced at once: a few
// milliseconds, less than the round trip to the worker.
constexpr qint64 kPixelsReduitsSurPlace = 1024 * 1024;

// A dark, softly lit backdrop behind the picture.
void PeintFond(QPainter& peintre, const QRect& zone) {
  peintre.save();
  peintre.setClipRect(zone);
  QRadialGradient lumiere(QPointF(zone.center()), zone.width() * 0.7);
  lumiere.setColorAt(0, QColor(92, 100, 112));
  lumiere.setColorAt(1, QColor(38, 42, 50));
  peintre.fillRect(zone, lumiere);
  peintre.setPen(QColor(255, 255, 255, 18));
  const int l = zone.width(), h = zone.height();
  for (int x = -h; x < l; x += 8)
    peintre.drawLine(zone.left() + x, zone.top() + h, zone.left() + x + h, zone.top());
  peintre.restore();
}

}  // namespace

CBoiteEcran::CBoiteEcran(QWidget* parent) : QWidget(parent) {
  setFixedSize(kLargeurMinimale, kHauteurMinimale);
}

CBoiteEcran::~CBoiteEcran() {
  // The worker ends before the box: a reduction in progress delivers to a
  // box still whole, and its queued delivery goes with the box.
  fil_.reset();
}

void CBoiteEcran::Agrandissable() {
  setMinimumSize(kLargeurMinimale, kHauteurMinimale);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  updateGeometry();
}

void CBoiteEcran::Montre(const talvik::HBITMAP& rendu, QSize ecran) {
  const QSize avant = ecran_;
  const QSize taille = rendu.IsNull() ? QSize() : QSize(int(rendu.Width()), int(rendu.Height()));
  ecran = !ecran.isEmpty() ? ecran : !taille.isEmpty() ? taille : QSize(4, 3);
  // The same rendering again (a refresh of the lines): nothing to redo.
  if (rendu.Pixels() == std::as_const(bitmap_).Pixels() && ecran == avant) return;
  ecran_ = ecran;
  bitmap_ = rendu;
  // The rendering's own pixels (0x00RRGGBB words, Qt's RGB32), read
  // where they are: the handle kept beside keeps them, and a writer
  // through another handle copies them first.
  rendu_ = bitmap_.IsNull()
               ? QImage()
               : QImage(reinterpret_cast<const uchar*>(std::as_const(bitmap_).Pixels()),
                        taille.width(), taille.height(), qsizetype(taille.width()) * 4,
                        QImage::Format_RGB32);
  reduite_ = QImage();
  attendue_ = 0;
  if (fil_) fil_->Retire();
  if (avant.isEmpty() || avant.width() * ecran_.height() != avant.height() * ecran_.width())
    updateGeometry();
  Reduit();
  update();
}

void CBoiteEcran::FixeAjuste(bool ajuste) {
  if (ajuste_ == ajuste) return;
  ajuste_ = ajuste;
  Reduit();
  update();
}

QSize CBoiteEcran::sizeHint() const {
  const QSize ecran = ecran_.isEmpty() ? QSize(4, 3) : ecran_;
  // The least box that holds the least size in the screen's proportions.
  if (qint64(ecran.width()) * kHauteurMinimale >= qint64(ecran.height()) * kLargeurMinimale)
    return QSize(int(qint64(kHauteurMinimale) * ecran.width() / ecran.height()), kHauteurMinimale);
  return QSize(kLargeurMinimale, int(qint64(kLargeurMinimale) * ecran.height() / ecran.width()));
}

QSize CBoiteEcran::minimumSizeHint() const { return QSize(kLargeurMinimale, kHauteurMinimale); }

QRect CBoiteEcran::RectEcran() const {
  const QSize ecran = ecran_.isEmpty() ? QSize(4, 3) : ecran_;
  QRect r(QPoint(0, 0), ecran.scaled(size(), Qt::KeepAspectRatio));
  r.moveCenter(rect().center());
  return r;
}

QRect CBoiteEcran::PlaceImage(const QRect& ecran) const {
  if (rendu_.isNull() || ecran.isEmpty()) return {};
  QRect r(QPoint(0, 0), ajuste_ ? rendu_.size().scaled(ecran.size(), Qt::KeepAspectRatio)
                                : rendu_.size());
  r.moveCenter(ecran.center());
  return r;
}

QRect CBoiteEcran::RectImage() const {
  const QRect ecran = RectEcran();
  return PlaceImage(ecran).intersected(ecran);
}

bool CBoiteEcran::ReductionEnCours() const { return attendue_ != 0; }

void CBoiteEcran::Reduit() {
  const QRect place = PlaceImage(RectEcran());
  const qreal echelle = devicePixelRatioF();
  const QSize cible = (QSizeF(place.size()) * echelle).toSize();
  // At its own size the picture is drawn from the rendering itself.
  if (rendu_.isNull() || !ajuste_ || cible.isEmpty()) {
    reduite_ = QImage();
    attendue_ = 0;
    return;
  }
  if (reduite_.size() == cible && attendue_ == 0) return;
  if (cible == rendu_.size() || qint64(rendu_.width()) * rendu_.height() <= kPixelsReduitsSurPlace) {
    reduite_ = cible == rendu_.size()
                   ? rendu_
                   : rendu_.scaled(cible, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    reduite_.setDevicePixelRatio(echelle);
    if (attendue_ && fil_) fil_->Retire();
    attendue_ = 0;
    return;
  }
  if (!fil_) {
    fil_ = std::make_unique<talvik::DerniereDemande<QImage>>(
        [this](std::uint64_t numero, QImage reduite) {
          QMetaObject::invokeMethod(
              this, [this, numero, reduite] { Recoit(numero, reduite); }, Qt::QueuedConnection);
        });
  }
  attendue_ = fil_->Demande(
      [garde = bitmap_, source = rendu_, cible,
       echelle](const talvik::DerniereDemande<QImage>::Actuelle& actuelle) {
        (void)garde;  // keeps the pixels the source reads
        if (!actuelle()) return QImage();
        QImage reduite = source.scaled(cible, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        reduite.setDevicePixelRatio(echelle);
        return reduite;
      });
}

void CBoiteEcran::Recoit(std::uint64_t numero, QImage reduite) {
  if (numero != attendue_ || reduite.isNull()) return;
  attendue_ = 0;
  reduite_ = std::move(reduite);
  update();
  emit reductionMontree();
}

void CBoiteEcran::resizeEvent(QResizeEvent* evenement) {
  QWidget::resizeEvent(evenement);
  Reduit();
}

void CBoiteEcran::paintEvent(QPaintEvent*) {
  QPainter peintre(this);
  const QRect ecran = RectEcran();
  PeintFond(peintre, ecran);
  const QRect place = PlaceImage(ecran);
  if (place.isEmpty()) return;
  peintre.setClipRect(ecran);
  const QSize physique = (QSizeF(place.size()) * devicePixelRatioF()).toSize();
  if (!reduite_.isNull() && reduite_.size() == physique) {
    peintre.drawImage(place.topLeft(), reduite_);
    return;
  }
  // The sharp reduction is on its way (or the picture shows at its own
  // size): drawn straight from the rendering.
  peintre.setRenderHint(QPainter::SmoothPixmapTransform);
  peintre.drawImage(QRectF(place), rendu_);
}

talvik::HBITMAP CBoiteEcran::Composee() const {
  const QRect ecran = RectEcran();
  if (rendu_.isNull() || ecran.isEmpty()) return {};
  QImage image(ecran.size(), QImage::Format_RGB32);
  QPainter peintre(&image);
  peintre.translate(-ecran.topLeft());
  PeintFond(peintre, ecran);
  const QRect place = PlaceImage(ecran);
  peintre.setClipRect(ecran);
  if (ajuste_)
    peintre.drawImage(place.topLeft(),
                      rendu_.scaled(place.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  else
    peintre.drawImage(place.topLeft(), rendu_);
  peintre.end();
  return talvik::BitmapDepuisImageQt(image);
}

}  // namespace lumaveil
