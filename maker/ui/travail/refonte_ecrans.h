// Every screen of the list made again, for a new resolution or a new
// template: the work runs on a worker thread behind the progress window,
// the list and its thumbnails stay the GUI thread's.
#pragma once

#include <functional>
#include <memory>

#include "ecran.h"

class QWidget;

namespace lumaveil {

class CTravail;
struct CContexte;

// For each screen, first to last: `refait` (called on the worker with a
// copy of the screen's settings) gives its new settings; the picture is
// loaded (one that cannot be loaded leaves the screen without it), the
// screen rendered completely and stored over its list item with a new
// thumbnail, all one change ("Rebuild screens", or the group the caller
// has opened). "Stop" in the progress window puts every screen back as it
// was, with its thumbnail, leaves no change and gives 0 (a group the caller
// opened is then taken back whole). Done, 1 is given.
// Either way the screen selected before is made current again.
using RefaitEcran = std::function<std::unique_ptr<CEcran>(const CEcran& ancien)>;
int RefaitChaqueEcran(CContexte& contexte, CTravail& travail, QWidget* parent,
                      const RefaitEcran& refait);

}  // namespace lumaveil
