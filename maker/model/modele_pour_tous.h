// Applying the template to every screen of a project ("OK for all"):
// each screen takes the template's resize, texts, border, background,
// effect and duration, and keeps its own picture, crop, rotation and
// colour adjustment (the fields the field table marks gardeParEcran).
#pragma once

#include <memory>
#include <vector>

#include "ecran.h"
#include "projet.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

// The settings `ecran` takes from `modele`: a new screen made from the
// template, then the fields a screen keeps copied from `ecran` (its
// TailleCible, picture path, file size and date, picture size,
// transparency, crop, rotation and colour adjustment). No picture is
// loaded.
std::unique_ptr<CEcran> EcranSelonModele(const CEcran& modele, const CEcran& ecran);

// Applies projet.ModeleEcran to every screen, first to last: each screen is
// replaced by EcranSelonModele, its picture loaded, rendered completely
// and given a new thumbnail (on `fondVignette`, as CEcran::CreeVignette);
// the screen list keeps only the settings and the thumbnail. A screen whose
// picture cannot be loaded keeps its new settings without a picture and the
// loop goes on; its index is added to `echecs` when given. The selection is
// kept and CheminEcranDeVeille cleared. Returns the number of screens.
int AppliqueModeleATous(CProjet& projet, talvik::CGraphique& graphique,
                        const HBITMAP* fondVignette = nullptr, std::vector<int>* echecs = nullptr);

}  // namespace lumaveil
