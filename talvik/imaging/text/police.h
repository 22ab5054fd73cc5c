// Fonts for the text overlay: a LOGFONT is matched to an installed face
// through fontconfig and sized with FreeType, with the meaning the record
// has on Windows:
// - lfHeight < 0: the character height (em) in pixels; > 0: the cell height
//   (ascent + descent) in pixels; 0: a cell of 16 pixels;
// - lfWidth: the average character width in pixels (0: natural);
// - lfWeight >= 600 picks a bold face (emboldened when the family has none);
// - lfItalic picks an italic face (slanted when the family has none);
// - lfUnderline, lfStrikeOut draw the lines across the text;
// - lfEscapement, lfOrientation, the character set and the precision
//   fields are not used.
// The Windows faces map to their metric-compatible free fonts: Arial ->
// Liberation Sans, Times New Roman -> Liberation Serif, Courier New ->
// Liberation Mono, Comic Sans MS -> Comic Neue. Other names go to
// fontconfig as they are; it picks its closest installed family.
#pragma once

#include <string>

#include "base/bitmap.h"
#include "base/wintypes.h"

namespace talvik::texte {

// The family that is asked for a face name (mapped or as it stands; an
// empty name gives "sans-serif").
std::string FamilleFontconfig(const std::string& face);

// An installed sans-serif family for new captions: DejaVu Sans,
// Liberation Sans, Noto Sans or Nimbus Sans, the first that is installed,
// else the family fontconfig gives for "sans-serif". Its name fits in
// lfFaceName.
std::string FamilleInstallee();

// The file of the face that a font record resolves to ("" when none).
std::string FichierPolice(const LOGFONT& police);

// Extent of the text drawn on one line: width = sum of the advances, height
// = the font's cell height (ascent + descent), as GetTextExtentPoint32
// gives them. {0, 0} when no face can be loaded.
SIZE MesureTexte(const std::string& texte, const LOGFONT& police);

// Draws the text on one line with its cell's top-left corner at (x, y):
// antialiased glyphs in the ink colour; when opaque, the cell (the
// measured extent) is first filled with the background colour. Nothing is
// drawn outside the bitmap. Line breaks and other control characters are
// not interpreted. With a relief (kReliefContour, kReliefOmbre of
// text/texte.h) the letters get an outline or a soft shadow, in black
// under a light ink and white under a dark one, reaching at most a
// third of the cell's height beyond it. False when no face can be loaded.
bool DessineTexte(Bitmap& image, int x, int y, const std::string& texte, const LOGFONT& police,
                  COLORREF encre, COLORREF fond, bool opaque, int relief = 0);

}  // namespace talvik::texte
