// The rule every way of playing a project starts with: a saver, a web page
// and the preview need at least two screens.
#pragma once

#include "dialogue.h"
#include "projet.h"

namespace lumaveil {

inline constexpr int kEcransMinimum = 2;

// 1 when `projet` has kEcransMinimum screens or more; else the warning
// IDS_DEUX_ECRANS goes to `dialogue` and 0 is returned.
int EcransSuffisants(const CProjet& projet, IDialogue& dialogue);

}  // namespace lumaveil
