#include "dialogs/commun/pompe_messages.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace talvik {

int PompeMessages() {
  if (QCoreApplication::closingDown()) return 0;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return QCoreApplication::closingDown() ? 0 : 1;
}

}  // namespace talvik
