#include "icones/ressources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitialiseRessourceIcones() { Q_INIT_RESOURCE(icones); }

namespace lumaveil {

void InitialiseIcones() {
  static const bool fait = [] {
    InitialiseRessourceIcones();
    return true;
  }();
  (void)fait;
}

}  // namespace lumaveil
