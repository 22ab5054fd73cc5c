// ChangeTaillePolice: gives a control its own font at a size in points.
#pragma once

class QWidget;

namespace talvik {

// The control's font with a character height of MulDiv(points, screen
// dpi, 72) pixels; at 8 points or less the face becomes "Small Fonts".
// Nothing happens for a null control.
void ChangeTaillePolice(QWidget* controle, int points);

}  // namespace talvik
