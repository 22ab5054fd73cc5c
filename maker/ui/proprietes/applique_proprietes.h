// The "Property" command: the display-properties dialog, then, when the
// size changed and the user confirms, every screen rebuilt for it.
#pragma once

#include "base/wintypes.h"

class QWidget;

namespace lumaveil {

class CTravail;
struct CContexte;
using talvik::SIZE;

// Normal mode. A change of "Pair portrait photos" is kept on OK
// (CControleurProjet::FixePairePortraits). Cancel, the same size or No to
// the question change no size;
// on Yes every screen is rebuilt (RefaitEcrans). Returns 1 when the screens
// were rebuilt.
int CommandePropriete(CContexte& contexte, CTravail& travail, QWidget* parent);

// ResolutionCible takes `taille` and each screen, first to last, is made
// again from the template with its own settings, the new TailleCible, its
// picture loaded and rendered completely, and stored with a new thumbnail.
// The work runs on a worker thread behind the progress window; its "Stop"
// puts the project back as it was (the resolution and every screen) and
// returns 0. Done, the project is marked modified (CControleurProjet), the
// last generated saver forgotten and the screen selected before made current
// again; 1 is returned. The template is not changed.
int RefaitEcrans(CContexte& contexte, CTravail& travail, SIZE taille, QWidget* parent);

}  // namespace lumaveil
