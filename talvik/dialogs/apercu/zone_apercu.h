// A preview area of an editor: a picture control whose background is the
// preview background stretched to the control's size, on which a preview
// is drawn centred. A click (or Space / Enter when it has the focus) asks
// for the full-screen view.
#pragma once

#include <QLabel>

#include "base/bitmap.h"
#include "base/mfctypes.h"

namespace talvik {

// Size of the preview areas for a screen of the given size: a quarter of
// the screen's width, kept between 320 and 480 pixels, in 4:3.
CSize TailleZoneApercu(CSize ecran);
// The same for the primary screen.
CSize TailleZoneApercu();

// The size a picture of size `image` is reduced to so that it fits into
// `zone` whole, proportions kept (each side at least 1 pixel). A picture
// that already fits keeps its size.
CSize TailleReduite(CSize image, CSize zone);

class CZoneApercu : public QLabel {
  Q_OBJECT

 public:
  // An area of the given client size (in the display's logical units),
  // showing its stretched background. The background and the previews are
  // drawn for the display's physical pixels: on a display at 200 %, they are
  // twice the client size and shown at that scale, so they stay sharp.
  explicit CZoneApercu(CSize taille, QWidget* parent = nullptr);

  // Takes the picture the previews are made from: a reduced copy when it is
  // wider or taller than the area, else the picture itself (never copied,
  // never changed).
  void Prepare(const HBITMAP& image);

  // Shows `image` centred on the background; the previous preview goes.
  // A null image leaves the previous preview as it is.
  void Affiche(const HBITMAP& image);
  // Shows a preview already drawn on (a copy of) the background.
  void AfficheComplet(HBITMAP apercu);

  // The size in pixels of the background and of the previews: the client
  // size times the display's scale (not a widget size).
  CSize Taille() const { return m_sizeZone; }
  const HBITMAP& Fond() const { return m_hFond; }
  const HBITMAP& Apercu() const { return m_hApercu; }
  const HBITMAP& Source() const { return m_hSource; }
  CSize TailleSource() const { return m_sizeSource; }

 signals:
  void clique();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Shows the picture at the display's scale.
  void Montre(const HBITMAP& image);

  qreal m_dEchelle = 1;  // the display's scale the pictures are drawn for
  HBITMAP m_hFond;      // background stretched to the area
  CSize m_sizeZone;     // client size times m_dEchelle, in pixels
  HBITMAP m_hApercu;    // the preview shown
  HBITMAP m_hSource;    // the picture or its reduced copy
  CSize m_sizeSource;   // size of m_hSource
};

}  // namespace talvik
