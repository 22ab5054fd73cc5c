// CBoutonOutil: a tool button that Enter presses when it has the focus, as
// Space does (a plain tool button leaves Enter to the dialog, whose default
// button would then answer instead of the focused one).
#pragma once

#include <QToolButton>

namespace talvik {

class CBoutonOutil : public QToolButton {
  Q_OBJECT

 public:
  explicit CBoutonOutil(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace talvik
