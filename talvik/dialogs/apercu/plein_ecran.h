// The full-screen view the editors open when a preview is clicked. Every
// editor goes through OuvrePleinEcran, so that the viewer is chosen in one
// place (and tests can watch what would be shown).
#pragma once

#include <functional>

#include "base/bitmap.h"
#include "base/mfctypes.h"

class QWidget;

namespace talvik {

class CGraphique;

// Shows `image` full screen with the size label `strTaille` (hidden when
// empty) and returns when the user closes the view. The picture stays the
// caller's.
using OuvreurPleinEcran = std::function<void(QWidget* parent, CGraphique* graphique,
                                             const HBITMAP& image, const CString& strTaille)>;

// Installs another viewer (an empty function restores the library's);
// returns the previous one.
OuvreurPleinEcran InstalleOuvreurPleinEcran(OuvreurPleinEcran ouvreur);

void OuvrePleinEcran(QWidget* parent, CGraphique* graphique, const HBITMAP& image,
                     const CString& strTaille);

}  // namespace talvik
