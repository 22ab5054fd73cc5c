// CBoiteEcran: the working screen as the main window shows it. The box
// draws the screen in the proportions of its resolution, as large as its
// room allows, over a dark backdrop, and the rendered picture in it: fitted
// into the screen, or at its own size with its centre showing.
//
// The picture is reduced from the full rendering for the physical pixels
// it covers, never stretched from a smaller copy. A rendering of more than
// a megapixel is reduced on a worker (only the latest size counts); until
// the reduction comes back the box shows a quick one, then the sharp one.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "base/bitmap.h"
#include "derniere_demande.h"

namespace lumaveil {

class CBoiteEcran : public QWidget {
  Q_OBJECT
 public:
  // The size the box asks for, and its least once it may grow.
  static constexpr int kLargeurMinimale = 240;
  static constexpr int kHauteurMinimale = 180;

  // At first the box keeps that least size; Agrandissable lets it grow.
  explicit CBoiteEcran(QWidget* parent = nullptr);
  ~CBoiteEcran() override;

  // The box takes the room its layout gives it (at least the least size).
  void Agrandissable();

  // Shows `rendu` (null: the backdrop alone) on a screen of `ecran`
  // pixels (its proportions; none given: those of the picture, else 4:3).
  void Montre(const talvik::HBITMAP& rendu, QSize ecran);
  // Fitted into the screen (true) or at its own size, centred (false).
  void FixeAjuste(bool ajuste);

  // Where the screen is drawn, and its picture (clipped to the screen).
  QRect RectEcran() const;
  QRect RectImage() const;
  // The screen as drawn, at its size in the box; null without a picture.
  talvik::HBITMAP Composee() const;
  // A sharp reduction for the present size is on its way from the worker.
  bool ReductionEnCours() const;
  // The fitted picture as last reduced, for the physical pixels of
  // RectImage once ReductionEnCours is false (null at its own size).
  const QImage& Reduite() const { return reduite_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // The sharp picture for the present size is shown.
  void reductionMontree();

 protected:
  void paintEvent(QPaintEvent* evenement) override;
  void resizeEvent(QResizeEvent* evenement) override;

 private:
  // The picture's place for a screen at `ecran`.
  QRect PlaceImage(const QRect& ecran) const;
  // Asks for the reduction of the picture to the size it is shown at.
  void Reduit();
  void Recoit(std::uint64_t numero, QImage reduite);

  talvik::HBITMAP bitmap_;  // the full rendering (shared)
  QImage rendu_;            // a view on its pixels
  QSize ecran_;      // the screen's resolution
  bool ajuste_ = true;
  QImage reduite_;   // the picture at its physical size in the box (null: none yet)
  std::uint64_t attendue_ = 0;  // the worker's request whose result is awaited
  std::unique_ptr<talvik::DerniereDemande<QImage>> fil_;
};

}  // namespace lumaveil
