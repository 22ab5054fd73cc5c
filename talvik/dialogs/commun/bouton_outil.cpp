#include "dialogs/commun/bouton_outil.h"

#include <QKeyEvent>

namespace talvik {

CBoutonOutil::CBoutonOutil(QWidget* parent) : QToolButton(parent) {}

void CBoutonOutil::keyPressEvent(QKeyEvent* event) {
  const bool entree = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (entree && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && isEnabled()) {
    animateClick();
    event->accept();
    return;
  }
  QToolButton::keyPressEvent(event);
}

}  // namespace talvik
