// Where a window opens: wholly inside the available area of its screen
// (the screen less the desktop's panels), centred on its owner, and no
// larger than that area.
#pragma once

class QWidget;

namespace talvik {

// Sizes `fenetre` to its layout's size, bounded by the available area of
// the owner's screen (its own, without an owner), and moves it so that it
// is centred on `proprietaire`'s window (on that area without one) and
// wholly inside the area, its frame included. Call it when the window's
// content is complete, before it shows or from its showEvent.
void PlaceDansEcran(QWidget* fenetre, const QWidget* proprietaire);

}  // namespace talvik
