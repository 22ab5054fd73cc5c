// The preview's window: a full-screen popup without title that shows the
// preview's pixels from its top-left corner and asks to stop on a left
// click or a key. Mouse moves do nothing, and the cursor stays visible.
#pragma once

#include <QWidget>

#include "soft_raster.h"

namespace lumaveil {

class CApercuFenetre : public QWidget {
  Q_OBJECT
 public:
  // `pixels` (0x00RRGGBB rows) is read at each paint; it must outlive the
  // window. `ratio` is the display's device pixel ratio: one pixel of the
  // preview is one pixel of the display.
  CApercuFenetre(const lmvengine::Raster& pixels, qreal ratio, QWidget* parent = nullptr);

 signals:
  void arretDemande();

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;
  void keyPressEvent(QKeyEvent* evenement) override;

 private:
  const lmvengine::Raster& pixels_;
  qreal ratio_;
};

}  // namespace lumaveil
