// CPlaceurFenetres: watches the application's dialogs and places each one,
// as it shows, inside the screen's available area and centred on its owner
// (talvik::PlaceDansEcran). The editors place themselves once their content
// is complete; the full-screen viewer keeps the whole screen.
#pragma once

#include <QObject>

namespace lumaveil {

class CPlaceurFenetres : public QObject {
  Q_OBJECT
 public:
  // Watches every window of the application while it lives.
  explicit CPlaceurFenetres(QObject* parent = nullptr);
  ~CPlaceurFenetres() override;

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;
};

}  // namespace lumaveil
