// One screen of a project (CEcran): a picture, the fixed chain of edit
// settings, a transition effect and a display time, plus the run-time
// pictures (loaded picture, caches, rendered screen, thumbnail). The same
// record is the project's screen template.
#pragma once

#include <algorithm>
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

// The scale a thumbnail backdrop is drawn at: 1 for 140 x 100, 2 for a
// backdrop twice as wide (a display scaled to 200 %), never below 1.
inline int EchelleVignette(const HBITMAP& fond) {
  return fond ? std::max(1, int(fond.Width()) / kVignetteLargeur) : 1;
}

// The stages of a rendering, in the order the pipeline runs them.
enum class Etape : unsigned {
  Rotation = 1u << 0,
  Reglage = 1u << 1,      // colour adjustment
  Recoupe = 1u << 2,      // crop
  Redimension = 1u << 3,  // resize
  Cadre = 1u << 4,        // border
  Fond = 1u << 5,         // background canvas at TailleCible
  Textes = 1u << 6,       // texts, drawn on the background only
};

// The stages a rendering is asked for.
class Etapes {
 public:
  constexpr Etapes() = default;  // none: the loaded picture itself
  constexpr Etapes(Etape e) : bits_(unsigned(e)) {}
  // Every stage: the screen as generation shows it.
  static constexpr Etapes Toutes() { return Etapes(0x7Fu); }
  // The stages that run before `e`: the picture the editor of `e` starts
  // from (Avant(Etape::Textes) is every stage but the texts).
  static constexpr Etapes Avant(Etape e) { return Etapes(unsigned(e) - 1u); }
  constexpr Etapes operator|(Etapes autres) const { return Etapes(bits_ | autres.bits_); }
  constexpr Etapes Sans(Etape e) const { return Etapes(bits_ & ~unsigned(e)); }
  constexpr bool Contient(Etape e) const { return (bits_ & unsigned(e)) != 0; }
  constexpr bool SontToutes() const { return bits_ == Toutes().bits_; }

 private:
  explicit constexpr Etapes(unsigned bits) : bits_(bits) {}
  unsigned bits_ = 0;
};
constexpr Etapes operator|(Etape a, Etape b) { return Etapes(a) | b; }

// How the resize stage samples (the flag RedimensionneImage takes).
enum class Echantillonnage {
  Moyenne = 0,  // area averaging: generation
  Rapide = 1,   // nearest sampling: interactive work
};

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

  // Copies the settings of another screen: every field of the field table
  // (champs_ecran.h), from TailleCible to DureeAffichage with the five
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

  // Loads the picture as ChargeImage does, but a JPEG file comes reduced
  // `reduction` times (2, 4 or 8) in the DCT domain: ImageSource is then
  // ceil(W / reduction) x ceil(H / reduction) while TailleImage keeps the
  // file's size, and ReductionSource says the factor. Other formats load at
  // full size (ReductionSource 1). Meant for renderings that shrink the
  // picture anyway (see ReductionPossible); the caches made from such a
  // picture are reduced too. With `apercu` (a thumbnail) a reduction of 8
  // takes the DC coefficients alone, read on two threads
  // (talvik::DecodeJPEGHuitieme): the colour of pictures sampled at half
  // resolution comes out a little softer.
  int ChargeImageReduite(const std::string& chemin, int reduction, bool apercu = false);

  // Takes the thumbnail embedded in the JPEG file at `chemin` (see
  // talvik::DecodeVignetteExif) as the reduced picture, when there is one
  // that is at most `reductionMax` times smaller than the picture;
  // otherwise nothing changes and 0 is returned. ReductionSource is then
  // the thumbnail's reduction rounded, so a crop cannot be mapped onto it:
  // only for renderings without a crop.
  int ChargeVignetteIntegree(const std::string& chemin, double reductionMax);

  // Drops the loaded picture and the three caches.
  void SupprimeImages();
  // Moves the picture and what was made from it (the loaded picture, its
  // file's size, date, transparency and reduction, the three caches and the
  // rendering) to `vers`; the settings of `vers` stay as they are.
  void TransfereImages(CEcran& vers);

  // Renders the screen (see rendu.cpp for the stages). With a reduced
  // ImageSource the crop rectangle and the sizes stay in the file's
  // pixels: the resize stage (or, without one, a final enlargement) brings
  // the picture to the size the full one would have. Levels 0 and 1 drop
  // both caches first, 2 drops the colour-adjustment cache, any other level
  // keeps both. A stage runs when it is in `etapes` and its use flag is on.
  // `graphique` is the object holding the pattern bank; `echantillonnage`
  // is how the resize stage samples. The result may be null (no picture
  // and no background). When every stage is asked for it becomes
  // ImageFinale and its size TailleFinale. `taille`, when given, receives
  // the result's size.
  HBITMAP CalculeImageFinale(talvik::CGraphique& graphique, int niveau, Etapes etapes,
                             SIZE* taille = nullptr,
                             Echantillonnage echantillonnage = Echantillonnage::Rapide);

  // Makes Vignette (150 x 110): `rendu` when given (non-null), otherwise a
  // complete rendering from the picture at CheminImage whose pictures are
  // dropped afterwards; fitted into 140 x 100 when larger, centred on
  // `fondVignette` (a 140 x 100 backdrop; a light grey one when null) and
  // framed with a 5-pixel 0x00C0C0C0 border. A backdrop drawn at a larger
  // scale (EchelleVignette) gives every size and the frame at that scale.
  void CreeVignette(talvik::CGraphique& graphique, const HBITMAP* rendu = nullptr,
                    const HBITMAP* fondVignette = nullptr,
                    Echantillonnage echantillonnage = Echantillonnage::Rapide);

  // --- fields, in their designed order ---------------------------------
  // Zero here; the defaults, file places and template keys are in the
  // field table (champs_ecran.h), which the constructors apply.
  SIZE TailleCible{};                       // display size the screen is rendered for
  std::string CheminImage{};                // picture file, UTF-8; empty: no picture
  int TailleFichier{};                      // picture file size, bytes
  talvik::SYSTEMTIME DateFichier{};         // picture file creation time (UTC)
  HBITMAP ImageSource;                      // loaded picture
  SIZE TailleImage{};                       // size of the picture in its file
  int ReductionSource = 1;                  // ImageSource is the picture reduced this many times
  int TransparenceUtilisation{};            // the loader reported a transparent colour
  COLORREF CouleurTransparente{};           // that colour
  HBITMAP ImageTournee;                     // cache: picture after rotation
  HBITMAP ImageReglee;                      // cache: picture after colour adjustment
  HBITMAP ImageFinale;                      // cache: last complete rendering
  SIZE TailleFinale{};                      // size of ImageFinale
  int RedimensionUtilisation{};             // resize step on
  talvik::LONG RedimensionTailleX{};        // wanted width, pixels
  talvik::LONG RedimensionTailleY{};        // wanted height, pixels
  int RedimensionPourcentageValeur{};       // percentage
  int RedimensionPourcentageUtilisation{};  // 1: by percentage; 0: by size
  int RedimensionConservationProportion{};  // keep the aspect ratio
  int RecoupeUtilisation{};                 // crop step on
  RECT RecoupeRectangle{};                  // crop rectangle, picture pixels
  int RotationUtilisation{};                // rotation step on (may hold the angle)
  int RotationAngle{};                      // half degrees: 180, -180, 360
  int ReglageUtilisation{};                 // colour adjustment step on
  int ReglageContraste{};                   // 0..100, 50 neutral
  int ReglageLumiere{};                     // 0..100, 50 neutral
  int ReglageIntensite{};                   // 0..100, 50 neutral
  int CadreUtilisation{};                   // border step on
  int CadreTaille{};                        // border width, pixels
  int CadreMotifUtilisation{};              // border drawn with a pattern
  int CadreMotif{};                         // pattern number
  COLORREF CadreCouleur{};                  // border colour
  int CadreBordureUtilisation{};            // thin line around the border
  COLORREF CadreCouleurBordure{};           // colour of that line
  T_TEXTE Textes[kNombreTextes]{};          // texts 1..5
  int FondUtilisation{};                    // background step on
  int FondMotifUtilisation{};               // background drawn with a pattern
  int FondMotif{};                          // pattern number
  COLORREF FondCouleur{};                   // background colour
  int EffetTransition{};                    // transition effect code 0..10 (effets_transition.h)
  int DureeAffichage{};                     // display time, seconds (not clamped)
  HBITMAP Vignette;                         // thumbnail for the screen list

  // --- fields stored after the designed layout -------------------------
  int DureeTransition{};                    // cross-fade of effects 8..10, milliseconds
  int FondFlou{};                           // background: the picture itself, blurred
  int RedimensionRemplissage{};             // resize: fill the screen around the subject
  RECT RemplissageRectangle{};              // the user's fill crop (picture pixels after
                                            // rotation and crop); empty: around the subject

  // --- run-time values of a rendering, never stored or copied ----------
  // Where the last complete rendering drew the picture: a point (x, y) of
  // the picture after rotation and crop (file pixels) lands at
  // (x * echelleX + dx, y * echelleY + dy) of ImageFinale.
  struct Placement {
    double echelleX = 0, echelleY = 0, dx = 0, dy = 0;
    SIZE avant{};                           // the picture after rotation and crop
  };
  Placement PlacementImage{};
  // The place a fitted picture is fitted into, when not TailleCible less
  // the border (a screen drawn beside another one); 0 x 0: TailleCible.
  SIZE PlaceAjustement{};
  // Where the background stage draws the picture: 0 centred; 1 its right
  // side CalageMarge pixels from the screen's right edge; 2 its left side
  // CalageMarge pixels from the left edge (centred vertically).
  int CalageImage{};
  talvik::LONG CalageMarge{};
  // The subject found in the picture after rotation and crop (file
  // pixels) and what it was found for (file, rotation, crop).
  RECT SujetTrouve{};
  std::string SujetCle{};
};

// A new screen from the template: a default screen with the template's
// settings and TailleCible = `resolution`.
std::unique_ptr<CEcran> NouvelEcran(const CEcran& modele, SIZE resolution);

// The largest reduction (8, 4 or 2; 1 for none) with which a picture of
// `tailleFichier` pixels can be loaded for a complete rendering of `ecran`
// whose result is then scaled by `echelle` (1 for the screen itself, less
// for a thumbnail), without changing what the rendering shows: the resize
// stage must run and still shrink (or keep) the reduced picture, and only
// quarter and half turns may be on. For the screen itself (`echelle` 1)
// the picture's size and a crop rectangle must also fall on whole reduced
// pixels, and no rotation or colour adjustment may be on; a thumbnail
// does not show the fraction of a pixel these change, nor does a screen
// from a picture of more than 24 megapixels, which is therefore reduced
// under the thumbnail's rules.
int ReductionPossible(const CEcran& ecran, SIZE tailleFichier, double echelle = 1.0);

// How many times (not only 2, 4 or 8) the picture may be reduced before
// the rendering of `ecran` scaled by `echelle` needs more pixels than are
// left, under the same rules as ReductionPossible for a thumbnail; 1 when
// the chain has no resize stage.
double ReductionMaximale(const CEcran& ecran, SIZE tailleFichier, double echelle);

// Size of the display the maker runs on (1024 x 768 without a display).
SIZE TailleEcranCourante();

}  // namespace lumaveil
