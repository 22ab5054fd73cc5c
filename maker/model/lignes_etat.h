// The status lines of the three edit panels (and of the template dialog,
// which shows the same texts), made from a screen's settings.
#pragma once

#include <string>

#include "ecran.h"

namespace lumaveil {

// CRetoucheDialog: the picture's name, file and format lines (empty name,
// "*** No loaded picture ***" and an empty format without a loaded
// picture; while the picture is `enChargement`, its name and two empty
// lines), then the cutting, rotating and colour adjustment lines.
struct LignesRetouche {
  std::string nom;
  std::string fichier;
  std::string format;
  std::string recoupe;
  std::string rotation;
  std::string reglage;
};
LignesRetouche LignesEtatRetouche(const CEcran& ecran, bool enChargement = false);

// CDecorDialog.
std::string LigneRedimension(const CEcran& ecran);
std::string LigneTextes(const CEcran& ecran);
std::string LigneCadre(const CEcran& ecran);
std::string LigneFond(const CEcran& ecran);

// CTransitionDialog.
std::string LigneEffet(const CEcran& ecran);
std::string LigneDuree(const CEcran& ecran);

// The file name after the last separator of the path ("\\" or "/").
std::string NomFichier(const std::string& chemin);

}  // namespace lumaveil
