// The crop rectangle drawn with the mouse on the "Before" preview: a press
// and a drag on the picture draws a new rectangle, a drag inside the
// rectangle moves it, a drag on an edge or a corner moves that edge or
// those two edges; the pointer's shape tells which before the press. The
// rectangle is in picture pixels (right and bottom excluded) and stays on
// the picture. A click without a drag is left to the preview, which opens
// the full-screen view.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>

#include "base/wintypes.h"

namespace talvik {

class CZoneApercu;

class CTraceRecoupe : public QObject {
  Q_OBJECT

 public:
  // What a press at a place does.
  enum Prise { kAucune = 0, kGauche = 1, kHaut = 2, kDroite = 4, kBas = 8, kDeplace = 16,
               kNouveau = 32 };

  // Watches `zone`, which shows a picture of `largeur` x `hauteur` pixels
  // reduced to the zone's source size; `rectangle` gives the current crop.
  CTraceRecoupe(CZoneApercu* zone, std::function<RECT()> rectangle);
  void FixeTailleImage(int largeur, int hauteur);

  // The picture point (clamped to the picture) under the zone point `p`
  // (logical pixels), and the zone rectangle where picture rectangle `r`
  // shows.
  QPoint PointImage(QPoint p) const;
  QRect RectangleZone(const RECT& r) const;
  // What a press at zone point `p` would do.
  int PriseEn(QPoint p) const;

 signals:
  // The user's drag changed the rectangle.
  void rectangleChange(RECT rectangle);

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  void MontreCurseur(int prise);
  RECT Calcule(QPoint position) const;

  CZoneApercu* zone_;
  std::function<RECT()> rectangle_;
  int largeur_ = 0, hauteur_ = 0;
  bool enfonce_ = false;  // left button down on the zone
  bool glisse_ = false;   // moved far enough to be a drag, not a click
  int prise_ = kAucune;
  QPoint appui_;          // zone point of the press
  QPoint appuiImage_;     // picture point of the press
  RECT depart_{};         // the rectangle at the press
};

}  // namespace talvik
