// The screen list's thumbnail of a screen, made away from the user
// interface: the list asks for the thumbnails of a whole project on a
// worker thread and shows each one as it comes.
#pragma once

#include <string>

#include "ecran.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

// The 150 x 110 list thumbnail of `ecran` as a complete rendering shows
// it: a fresh screen with `ecran`'s settings (its TailleCible included)
// loads the picture at CheminImage, is rendered with every stage and
// nearest-sample resizing, fitted into 140 x 100 when larger, centred on
// `fond` (a 140 x 100 backdrop; light grey when null) and framed with a
// 5-pixel 0x00C0C0C0 border. A JPEG that the thumbnail shrinks by half or
// more is decoded reduced in the DCT domain, so a 12-megapixel photo
// costs a few milliseconds. A picture that does not load gives the
// backdrop with its border, as a screen without picture shows.
//
// Thread safety: may run on any thread, on several at once and while the
// user interface renders other screens with the same `graphique`. It
// reads `ecran`'s settings only (never its pictures), which the caller
// must not change during the call: pass a copy when the screen may be
// edited meanwhile. The result is a new bitmap that belongs to the caller.
// Messages of the picture loaders (a damaged file) go through the message
// hook as for any loading. The display is never asked.
HBITMAP VignetteEcran(const CEcran& ecran, talvik::CGraphique& graphique,
                      const HBITMAP& fond = HBITMAP());

// The thumbnail of a picture file as a new screen made from `modele` for
// a display of `resolution` shows it (the same rules as VignetteEcran).
HBITMAP VignetteImage(const std::string& chemin, const CEcran& modele, SIZE resolution,
                      talvik::CGraphique& graphique, const HBITMAP& fond = HBITMAP());

}  // namespace lumaveil
