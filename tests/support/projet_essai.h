// The project of a window test's context, writable: the tests set up the
// template, a screen's fields or the last generated saver directly, as a
// user's earlier session would have left them. The window itself reads the
// project only, and changes it through the project controller.
#pragma once

#include "projet/contexte.h"

namespace lumaveil::testing {

inline CProjet& ProjetEssai(CContexte& contexte) {
  // The context's project is a plain member: only its view is const.
  return const_cast<CProjet&>(contexte.Projet);
}

}  // namespace lumaveil::testing
