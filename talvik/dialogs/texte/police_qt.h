// Font records (LOGFONT) of the texts and the fonts of the Qt widgets that
// show and choose them, and the font description of the text editor's
// font button.
#pragma once

#include <QFont>
#include <QString>

#include "base/wintypes.h"

namespace talvik {

// a x b / c rounded half away from zero (0 when c is 0).
int MulDiv(int a, int b, int c);

// Vertical resolution of the screen, dots per inch (96 without one).
int PointsParPouceEcran();

// The Qt font of a record: its face, character height (lfHeight < 0,
// pixels; > 0 taken as the pixel size too; 0 keeps Qt's default size),
// weight (0 is normal), italic, underline and strike-out.
QFont PoliceQt(const LOGFONT& police);
// The record of a Qt font at the given resolution: lfHeight = -(character
// height in pixels), the face name cut to 31 bytes on a character
// boundary.
LOGFONT LogFontDe(const QFont& police, int dpi);

// The font button's text: face name, a line break and the size in points
// (-MulDiv(lfHeight, 72, dpi)), then "\nItalic", "\nUnderline", "\nBarred"
// and "\nBold" (weight exactly 700) for the styles the record has, in
// that order.
QString DescriptionPolice(const LOGFONT& police, int dpi);

}  // namespace talvik
