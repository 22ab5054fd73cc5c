// Where the main window opens: where the user last left it, else at a
// size that suits the screen it opens on (three quarters of its available
// area, never smaller than the window asks for), centred. The screen
// list's zoom is kept beside it.
#pragma once

class QWidget;

namespace lumaveil {

// Gives `fenetre` (not shown yet) its place and size.
void PlaceFenetrePrincipale(QWidget& fenetre);

// Keeps the place and size of `fenetre` (maximised or not) for the next
// start, in the settings store.
void RetientFenetrePrincipale(const QWidget& fenetre);

// The screen list's zoom (percent) as last kept, else `defaut`.
int LitZoomVignettes(int defaut);
void RetientZoomVignettes(int pourcent);

}  // namespace lumaveil
