#include "dialogs/motifs/icones_decor.h"

#include <QtGlobal>

// Resources of a static library are registered by name, outside any
// namespace.
static void InitialiseIconesDecor() { Q_INIT_RESOURCE(icones_decor); }

namespace talvik {

int IconeDecor(int nId) {
  static const bool initialise = (InitialiseIconesDecor(), true);
  (void)initialise;
  return nId;
}

}  // namespace talvik
