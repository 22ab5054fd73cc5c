// The rules every way of playing a project starts with: a saver, a web
// page and the preview need at least two screens, and a saver shows only
// screens that hold something of the user's.
#pragma once

#include <vector>

#include "dialogue.h"
#include "projet.h"

namespace lumaveil {

inline constexpr int kEcransMinimum = 2;

// 1 when `projet` has kEcransMinimum screens or more; else the warning
// IDS_DEUX_ECRANS goes to `dialogue` and 0 is returned.
int EcransSuffisants(const CProjet& projet, IDialogue& dialogue);
// The same rule for `nombre` screens.
int EcransSuffisants(int nombre, IDialogue& dialogue);

// True when `ecran` shows nothing the user gave it: no picture (an empty
// CheminImage) and no caption that draws a text (a used text whose words,
// its photo fields written out without a photo, are not empty). Its
// background alone would be a plain frame in a saver.
bool EcranBlanc(const CEcran& ecran);

// The indexes (0-based, in list order) of the blank screens of `projet`.
std::vector<int> EcransBlancs(const CProjet& projet);

// The warning that names the blank screens left out of a saver, by their
// numbers in the list (1-based): "Screen 3 has no picture and no text; it
// was left out." or "Screens 1, 2 and 4 have no picture and no text; they
// were left out." (id IDS_ECRANS_BLANCS, titled "Warning").
talvik::MessageUtilisateur MessageEcransBlancs(const std::vector<int>& blancs);

}  // namespace lumaveil
