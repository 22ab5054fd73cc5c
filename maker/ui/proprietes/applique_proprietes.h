// The "Property" command: the display-properties dialog, then, when the
// size changed and the user confirms, every screen rebuilt for it.
#pragma once

class QWidget;

namespace lumaveil {

class CListeView;
class CTravail;
struct CContexte;

// Normal mode. Cancel, the same size or No to the question change nothing.
// On Yes ResolutionCible takes the size and each screen, first to last, is
// made again from the template with its own settings, the new TailleCible,
// its picture loaded and rendered completely, and stored with a new
// thumbnail; the project is marked modified (CTravail::modifie), the last
// generated saver forgotten and the screen selected before made current
// again. The template is not changed. Returns 1 when the screens were
// rebuilt.
int CommandePropriete(CContexte& contexte, CListeView& liste, CTravail& travail,
                      QWidget* parent);

}  // namespace lumaveil
