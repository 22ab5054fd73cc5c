// One screen of a project (CEcran): a picture, the fixed chain of edit
// settings, a transition effect and a display time, plus the run-time
// pictures (loaded picture, caches, rendered screen, thumbnail). The same
// record is the project's screen template.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/bitmap.h"
#include "base/wintypes.h"
#include "routine.h"
#include "textes_ecran.h"

namespace talvik {
class CGraphique;
}

namespace lumaveil {

using talvik::HBITMAP;
using talvik::RECT;
using talvik::SIZE;

// Size of the thumbnail area of the screen list, before its 5-pixel frame.
inline constexpr int kVignetteLargeur = 140;
inline constexpr int kVignetteHauteur = 100;

class CEcran {
 public:
  // Every field at its default; TailleCible is the current screen size and
  // each text's font a copy of PoliceDefaut().
  CEcran();
  // The same with TailleCible given: the display is not asked (threads
  // other than the user interface's use this one).
  explicit CEcran(SIZE tailleCible);
  virtual ~CEcran();
  CEcran(const CEcran&) = delete;
  CEcran& operator=(const CEcran&) = delete;

  // Copies the settings of another screen: TailleCible, CheminImage, file
  // size and date, TailleImage, the transparency fields and every edit
  // setting from RedimensionUtilisation to DureeAffichage with the five
  // texts. The picture, the caches, TailleFinale and Vignette are not
  // copied: the copy loads its picture again.
  void CopieParametres(const CEcran& source);

  // Loads the picture of `chemin` (nothing happens for an empty path). On
  // success CheminImage, TailleImage, the file size and date and the
  // transparency fields are set and 1 is returned. On failure 0 is returned,
  // CheminImage keeps its previous value and ImageSource stays empty; the
  // loader reports "Unable to load file" through the message hook only when
  // `message` is non-zero.
  int ChargeImage(const std::string& chemin, int message = 0);

  // Drops the loaded picture and the three caches.
  void SupprimeImages();

  // Renders the screen (see rendu.cpp for the stages). Levels 0 and 1 drop
  // both caches first, 2 drops the colour-adjustment cache, any other level
  // keeps both. A stage runs when it is requested and its use flag is on.
  // `graphique` is the object holding the pattern bank; `rapide` is the
  // resize flag given to RedimensionneImage (non-zero: nearest sampling,
  // 0: area averaging, which generation uses). The result may be null (no
  // picture and no background). When every stage is requested it becomes
  // ImageFinale and its size TailleFinale. `taille`, when given, receives
  // the result's size.
  HBITMAP CalculeImageFinale(talvik::CGraphique& graphique, int niveau, int rotation,
                             int reglage, int recoupe, int redimension, int cadre,
                             int textes, int fond, SIZE* taille = nullptr, int rapide = 1);

  // Colour depth that the background stage gives FondImage on the calling
  // thread: `bits` > 0 fixes it for this thread, 0 goes back to asking the
  // display. Render threads fix it so that they never query the display.
  static void FixeProfondeurFil(int bits);

  // Makes Vignette (150 x 110): `rendu` when given (non-null), otherwise a
  // complete rendering from the picture at CheminImage whose pictures are
  // dropped afterwards; fitted into 140 x 100 when larger, centred on
  // `fondVignette` (a 140 x 100 backdrop; a light grey one when null) and
  // framed with a 5-pixel 0x00C0C0C0 border.
  void CreeVignette(talvik::CGraphique& graphique, const HBITMAP* rendu = nullptr,
                    const HBITMAP* fondVignette = nullptr, int rapide = 1);

  // --- fields, in their designed order ---------------------------------
  SIZE TailleCible{};                       // display size the screen is rendered for
  std::string CheminImage;                  // picture file, UTF-8; empty: no picture
  int TailleFichier = 0;                    // picture file size, bytes
  talvik::SYSTEMTIME DateFichier{};         // picture file creation time (UTC)
  HBITMAP ImageSource;                      // loaded picture
  SIZE TailleImage{};                       // size of ImageSource
  int TransparenceUtilisation = 0;          // the loader reported a transparent colour
  COLORREF CouleurTransparente = 0;         // that colour
  HBITMAP ImageTournee;                     // cache: picture after rotation
  HBITMAP ImageReglee;                      // cache: picture after colour adjustment
  HBITMAP ImageFinale;                      // cache: last complete rendering
  SIZE TailleFinale{};                      // size of ImageFinale
  int RedimensionUtilisation = 0;           // resize step on
  talvik::LONG RedimensionTailleX = 0;      // wanted width, pixels
  talvik::LONG RedimensionTailleY = 0;      // wanted height, pixels
  int RedimensionPourcentageValeur = 100;   // percentage
  int RedimensionPourcentageUtilisation = 1;  // 1: by percentage; 0: by size
  int RedimensionConservationProportion = 1;  // keep the aspect ratio
  int RecoupeUtilisation = 0;               // crop step on
  RECT RecoupeRectangle{};                  // crop rectangle, picture pixels
  int RotationUtilisation = 0;              // rotation step on (may hold the angle)
  int RotationAngle = 0;                    // half degrees: 180, -180, 360
  int ReglageUtilisation = 0;               // colour adjustment step on
  int ReglageContraste = 50;                // 0..100, 50 neutral
  int ReglageLumiere = 50;                  // 0..100, 50 neutral
  int ReglageIntensite = 50;                // 0..100, 50 neutral
  int CadreUtilisation = 0;                 // border step on
  int CadreTaille = 5;                      // border width, pixels
  int CadreMotifUtilisation = 0;            // border drawn with a pattern
  int CadreMotif = 25;                      // pattern number
  COLORREF CadreCouleur = 0;                // border colour
  int CadreBordureUtilisation = 0;          // thin line around the border
  COLORREF CadreCouleurBordure = 0;         // colour of that line
  T_TEXTE Textes[kNombreTextes];            // texts 1..5
  int FondUtilisation = 1;                  // background step on
  int FondMotifUtilisation = 0;             // background drawn with a pattern
  int FondMotif = 25;                       // pattern number
  COLORREF FondCouleur = 0x00FFFFFF;        // background colour
  int EffetTransition = 0;                  // transition effect code 0..7
  int DureeAffichage = 3;                   // display time, seconds (not clamped)
  HBITMAP Vignette;                         // thumbnail for the screen list
};

// A new screen from the template: a default screen with the template's
// settings and TailleCible = `resolution`.
std::unique_ptr<CEcran> NouvelEcran(const CEcran& modele, SIZE resolution);

// Size of the display the maker runs on (1024 x 768 without a display).
SIZE TailleEcranCourante();

}  // namespace lumaveil
