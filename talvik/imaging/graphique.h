// CGraphique: the image library's operations on pictures, and the one
// object that carries the pattern bank of borders and backgrounds.
//
// Conventions shared by every operation:
// - A picture is a talvik::Bitmap (HBITMAP): a shared, reference-counted
//   handle on 32-bit pixels. Every bitmap is 32 bits per pixel.
// - An operation that returns a bitmap returns a new one unless its
//   comment says otherwise; the caller's handle keeps it alive. Inputs are
//   never changed, except by RemplieImage and the second form of
//   RedimensionneImage, which say so.
// - Device contexts: the designed operations took a DC that was only a
//   reference for creating memory contexts. There are no device contexts
//   here, so that argument is dropped everywhere.
// - Colours are COLORREF values 0x00BBGGRR. Where a fill colour is taken,
//   0xFFFFFFFF (kCouleurCoinHautGauche) stands for the colour of the
//   picture's top-left pixel.
// - Failures are results: a null bitmap, or 0 where an int is returned.
//   A null input bitmap, or a size of zero or less, gives null. Nothing
//   throws.
// - Messages for the user go through the message hook of base/message.h.
//
// Who implements what (the class is split over several files):
// - picture model, files (BMP, JPEG, PNG, TIFF, dispatch), geometry and
//   colour adjustment: graphique.cpp, picture/, codec/{bmp,jpeg,png,tiff,heif,webp}*,
//   geometry/, colour/;
// - GIF files: codec/gif*;
// - text overlay: text/;
// - borders, backgrounds and the pattern bank: pattern/.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <utility>
#include <vector>

#include "base/bitmap.h"
#include "base/mfctypes.h"
#include "base/wintypes.h"

namespace talvik {

// One text overlay; defined by the text overlay module (text/texte.h).
struct T_TEXTE;

// A packed DIB: a 40-byte BITMAPINFOHEADER directly followed by the pixel
// rows (24-bit blue-green-red, rows padded to 4 bytes, bottom row first).
// Empty means no DIB.
using PackedDib = std::vector<std::uint8_t>;

// Number of pattern slots: 0-49 built in, 50-99 added by the user.
inline constexpr int kNombreMotifs = 100;
inline constexpr int kPremierMotifUtilisateur = 50;
inline constexpr int kMaxMotifsUtilisateur = 50;

class CGraphique {
 public:
  // Builds the pattern bank: the built-in patterns, then the user patterns
  // of `motifsUtilisateur` in order (a file that is gone is skipped with
  // "Unable to load file" and the numbering closes up; entries past the
  // fiftieth are ignored). Nothing is decoded here: each pattern, built-in
  // or the user's, is made the first time it is asked for, so a run that
  // uses none of fifty photo patterns reads none of them. Sets the current pen to solid, width 5, 0x00FF0000 and the
  // current brush to solid 0x0000FFFF.
  // The object never reads or writes the settings store: its owner reads
  // the list (talvik/util/motifs_utilisateur.h) and stores it.
  explicit CGraphique(const std::vector<CString>& motifsUtilisateur = {});
  // Every bitmap of the bank goes with the object; nothing is written.
  virtual ~CGraphique();
  CGraphique(const CGraphique&) = delete;
  CGraphique& operator=(const CGraphique&) = delete;

  // ---- Picture files -------------------------------------------------

  // Loads a picture file, the format chosen by the last three characters
  // of the path, in upper case: BMP; JPG, PEG, JPE (JPEG); GIF; PNG; TIF,
  // IFF (TIFF); then by the extensions heic, heif, hif (HEIF), avif (AVIF)
  // and webp (WebP) in any case; a file whose content is HEIF, AVIF or
  // WebP is read as such whatever its name (picture/format.h). Every
  // picture comes upright (its recorded orientation applied) and in sRGB
  // (its colour profile converted). Only a GIF writes *pTransparence (1 when the file marks a
  // transparent colour, else 0) and *pCouleurTransparente; the pointers
  // may be null. An unknown extension or a failed load gives null and,
  // when bAfficheMessage is nonzero, the message "Unable to load file"
  // (caption "Error", error icon).
  static HBITMAP ChargeImage(const CString& chemin, int bAfficheMessage,
                             int* pTransparence = nullptr,
                             COLORREF* pCouleurTransparente = nullptr);
  // Saves a picture, the format chosen as by ChargeImage. The JPEG saver
  // takes the quality (0-100), the GIF saver the transparency flag and
  // colour. 1 on success; 0 on failure or for an unknown extension (no
  // file is then created).
  static int SauveImage(const CString& chemin, const HBITMAP& image, int qualiteJPEG,
                        int bTransparence, COLORREF couleurTransparente);

  // BMP: any uncompressed or bit-field BMP of 1, 4, 8, 16, 24 or 32 bits,
  // and run-length encoded 4- and 8-bit ones.
  // Every size of the headers is checked against the file; a file that
  // does not hold what its headers claim gives null.
  static HBITMAP ChargeImageBMP(const CString& chemin);
  // Writes a 24-bit bottom-up BMP (rows padded to 4 bytes; size field
  // 54 + pixel data size). 1 when every write succeeded.
  static int SauveImageBMP(const CString& chemin, const HBITMAP& image);

  // GIF: the first image of the file; the two out-parameters receive the
  // transparency flag and the transparent colour only when the load
  // succeeds (they may not be null).
  static HBITMAP ChargeImageGIF(const CString& chemin, int* pTransparence,
                                COLORREF* pCouleurTransparente);
  // Writes an 8-bit GIF87a on the halftone palette; with bTransparence the
  // palette entry nearest the colour is marked transparent. 1 on success.
  static int SauveImageGIF(const CString& chemin, const HBITMAP& image, int bTransparence,
                           COLORREF couleurTransparente);

  // JPEG through libjpeg; greyscale files load as grey pictures, CMYK and
  // YCCK ones (Adobe's inverted inks too) in colour. Upright (the Exif
  // orientation applied) and in sRGB (an embedded ICC profile converted).
  // Damaged files give null.
  static HBITMAP ChargeImageJPEG(const CString& chemin);
  // Baseline JPEG of the given quality. Quality outside 0-100, an empty
  // path or a null picture give 0 and write no file.
  static int SauveImageJPEG(const CString& chemin, const HBITMAP& image, int qualite);

  // PNG through libpng: 16-bit samples become 8; palette, low-depth and
  // grey pictures are expanded to RGB; a bKGD chunk composites the picture
  // over that colour and becomes the module's PNG background colour;
  // without one the alpha channel is ignored. Upright (an eXIf chunk's
  // orientation) and in sRGB (an iCCP profile converted; the file's gamma
  // is then left to the profile). Damaged files give null.
  static HBITMAP ChargeImagePNG(const CString& chemin);
  // 8-bit RGB PNG, no interlace. 1 on success.
  static int SauveImagePNG(const CString& chemin, const HBITMAP& image);
  // The last bKGD colour read by ChargeImagePNG (black at start).
  static COLORREF CouleurFondPNG();

  // TIFF through libtiff: 8-bit RGB and palette files strip by strip,
  // every other layout libtiff knows (grey, 16 bits, CMYK, tiles...)
  // through its RGBA reader, alpha drawn over black. Upright (the
  // orientation tag) and in sRGB (an ICC profile converted). Damaged files
  // give null.
  static HBITMAP ChargeImageTIFF(const CString& chemin);
  // Uncompressed 8-bit RGB TIFF, one row per strip. 1 on success.
  static int SauveImageTIFF(const CString& chemin, const HBITMAP& image);

  // HEIF (HEIC) and AVIF through libheif: the primary picture, upright,
  // 8 bits per sample, in sRGB, alpha drawn over black. Damaged files and
  // pictures of more than kMaxPixels give null (codec/heif_lecture.h).
  static HBITMAP ChargeImageHEIF(const CString& chemin);
  // WebP through libwebp: a still picture, or the first frame of an
  // animated one on its canvas; upright (its EXIF orientation), in sRGB
  // (its ICCP profile), alpha drawn over black. Damaged files and pictures
  // of more than kMaxPixels give null.
  static HBITMAP ChargeImageWebP(const CString& chemin);

  // The picture as a packed 24-bit DIB. compression must be 0 (BI_RGB):
  // any other value, or a null picture, gives an empty result.
  static PackedDib LocalDDBToDIB(const HBITMAP& image, unsigned long compression);

  // ---- Screen utilities ----------------------------------------------

  // Width and height of the picture in taille; *pBits (when given) gets
  // its bits per pixel. A null picture gives 0 x 0 and 0 bits.
  static void RecupereInfosImage(const HBITMAP& image, CSize& taille, long* pBits = nullptr);

  // Answers the size and colour depth of the primary screen: returns false
  // when it cannot tell. The GUI installs one; without it, or when it
  // answers false, the screen is taken as 1024 x 768, 32 bits.
  using RequeteEcran = std::function<bool(int& largeur, int& hauteur, int& bitsParPixel)>;
  // Installs the screen query; an empty function restores the default.
  // Returns the previous one.
  static RequeteEcran InstalleRequeteEcran(RequeteEcran requete);
  // Size of the screen; *pBits (when given) gets its bits per pixel.
  static CSize RetourneTailleEcran(int* pBits = nullptr);
  // When the screen has fewer bits per pixel than nMinimum, shows the
  // warning (caption "Erreur", error icon) with the minimum and the current
  // value and returns 1; else returns 0 and shows nothing.
  static int MessageResolutionEcran(int nMinimum);

  // ---- Resizing, cropping, rotation, merging --------------------------

  // A new picture of the given size holding the whole picture stretched:
  // nearest sampling when bRapide is nonzero, area average when it is 0.
  static HBITMAP RedimensionneImage(const HBITMAP& image, CSize taille, int bRapide);
  // Replaces *pCible by the source stretched to the size with nearest
  // sampling (the pattern thumbnails). A null source or a bad size leaves
  // *pCible null.
  static void RedimensionneImage(HBITMAP* pCible, const HBITMAP& source, CSize taille);
  // Fits the picture into a frame of the target size without enlarging
  // it: shrunk to fit one side (truncating the other), centred at
  // ((cx - w) / 2, (cy - h) / 2) on a frame of the fill colour, a side that
  // still overflows being cut symmetrically. When the (resized) picture is
  // exactly the target size it is returned without a frame: the input
  // handle itself when no resize was needed.
  static HBITMAP RedimensionneImageProportionnee(const HBITMAP& image, CSize cible,
                                                 COLORREF couleur, int bRapide);
  // A size with the proportions of image set against cadre: for a picture
  // taller than wide the height of the frame, else its width; the other
  // side computed in floating point and truncated.
  static CSize ConservationProportion(CSize image, CSize cadre);
  // Percent mode (bPourcentage nonzero): (W x pct / 100, H x pct / 100),
  // integer arithmetic. Else (largeur, hauteur) as given, and
  // *pPourcentage (when given) = largeur / W x 100 truncated.
  static CSize CalculTailleRedimensionne(const HBITMAP& image, int bPourcentage,
                                         int nPourcentage, int nLargeur, int nHauteur,
                                         int* pPourcentage = nullptr);
  // The picture reduced by 15, 30, 50 or 100 percent by its size.
  static CSize CalculTailleOptimale(const HBITMAP& image);
  // The size after RotationImage: swapped for exactly 180 and -180.
  static CSize CalculTailleRotation(CSize taille, int nAngle);
  // A picture of the given size holding the rectangle at origine of the
  // picture; parts outside the picture keep the fill colour.
  static HBITMAP RecoupeImage(const HBITMAP& image, CPoint origine, CSize taille,
                              COLORREF couleur);
  // Turns the picture by nAngle half degrees, clockwise for a positive
  // angle; 180 and -180 are quarter turns, 360 a half turn, all three exact
  // pixel permutations. Other angles sample the nearest source pixel and
  // paint white (0x00FFFFFF) outside the source.
  static HBITMAP RotationImage(const HBITMAP& image, int nAngle);
  // A copy of fond with devant drawn at position (cut at the edges); with
  // bTransparent the pixels of the key colour of devant are not drawn.
  static HBITMAP FusionneImage(const HBITMAP& fond, const HBITMAP& devant, CPoint position,
                               int bTransparent, COLORREF cle);
  // The same, drawn at position - origine.
  static HBITMAP FusionneImage(const HBITMAP& fond, const HBITMAP& devant, CPoint origine,
                               CPoint position, int bTransparent, COLORREF cle);
  // An independent copy of the picture.
  static HBITMAP DedoubleImage(const HBITMAP& image);
  // A new picture of the given size filled with the colour (0xFFFFFFFF:
  // the model's top-left pixel).
  static HBITMAP CreationImageRemplie(const HBITMAP& modele, CSize taille, COLORREF couleur);
  // Fills the given picture itself with the colour. Other handles that
  // shared its pixels keep theirs: the handle gets its own copy first.
  static void RemplieImage(HBITMAP& image, COLORREF couleur);
  // A copy of the picture with the outline of the rectangle drawn with a
  // pen of the style (raster::PS_*), width and colour. Width 0 gives null.
  static HBITMAP RectangleImage(const HBITMAP& image, CRect rectangle, int nStyle,
                                int nLargeur, COLORREF couleur);

  // ---- Colour adjustment ----------------------------------------------

  // Light, contrast and intensity, 50 neutral for each (0-100 from the
  // editor; other values are applied as they are). (50, 50, 50) gives an
  // exact copy.
  static HBITMAP ReglageImage(const HBITMAP& image, int nLumiere, int nContraste,
                              int nIntensite);
  // RGB <-> HSV, every component on a 0-255 scale (a sixth of the hue
  // circle is 42.5).
  static void fp_rgb_to_hsv(double r, double g, double b, double* h, double* s, double* v);
  static void fp_hsv_to_rgb(double h, double s, double v, double* r, double* g, double* b);

  // ---- Text overlay ---------------------------------------------------

  // Where a text is drawn: automatic placement from the margins, or the
  // absolute position.
  static CPoint CalculePositionTexte(T_TEXTE texte, CSize taille);
  // A copy of the picture with the text drawn on one line at position
  // (nVertical 1: position is the bottom edge; nHorizontal 1: the right
  // edge, 2: centred). The font is given as its LOGFONT; the library finds
  // and keeps the face itself. nRelief (kReliefContour, kReliefOmbre) adds
  // an outline or a soft shadow around the letters.
  static HBITMAP EcritureTexteDansImage(const HBITMAP& image, const CString& texte,
                                        CPoint position, int nVertical, int nHorizontal,
                                        COLORREF encre, COLORREF fond, int bTransparent,
                                        const LOGFONT& police, int nRelief = 0);

  // ---- Borders, backgrounds, pattern bank -----------------------------

  // A border of nEpaisseur pixels (plus the line when bTrait is set: 1
  // pixel up to thickness 10, 5 above) in the colour, or of pattern nMotif
  // when bMotif is set. With bEtendre the result grows by the border on
  // every side; without it keeps the picture's size and the border covers
  // the picture's outer pixels. Replaces the current pen and brush.
  HBITMAP CadreImage(const HBITMAP& image, int bMotif, int nMotif, COLORREF couleur,
                     int nEpaisseur, int bTrait, COLORREF couleurTrait, int bEtendre);
  // The pattern form of CadreImage: the pattern tiled along the four bands.
  HBITMAP CadreMotifImage(const HBITMAP& image, int bMotif, int nMotif, COLORREF couleur,
                          int nEpaisseur, int bTrait, COLORREF couleurTrait, int bEtendre);
  // A background of the given size in the colour (or pattern nMotif tiled
  // from the top-left corner when bMotif is set), with the picture, when not
  // null, centred at ((Sw - pw) / 2, (Sh - ph) / 2) unscaled and cut at the
  // edges; with bTransparent its pixels of the key colour are not drawn.
  HBITMAP FondImage(CSize taille, int nBitsParPixel, const HBITMAP& image, int bMotif,
                    int nMotif, COLORREF couleur, int bTransparent, COLORREF cle);
  // The pattern form of FondImage.
  HBITMAP FondMotifImage(CSize taille, int nBitsParPixel, const HBITMAP& image, int bMotif,
                         int nMotif, COLORREF couleur, int bTransparent, COLORREF cle);
  // 1 when the picture file was added as the next user pattern.
  int AjoutImageFondUtilisateur(const CString& chemin);
  // 1 when user pattern nMotif (50 and up) was removed; the later ones
  // move down by one.
  int EffaceImageFondUtilisateur(int nMotif);
  // Called with the new user-pattern list after each add or removal that
  // succeeded, so that the owner can store it at once (the maker installs
  // SauveMotifsUtilisateur). None by default: the list then changes only
  // in this object. Not called for the patterns of the constructor.
  using SauvegardeMotifs = std::function<void(const std::vector<CString>& chemins)>;
  void FixeSauvegardeMotifs(SauvegardeMotifs sauvegarde) { m_Sauvegarde = std::move(sauvegarde); }

  // The bank, read-only: full-size pattern n and its 40 x 40 thumbnail
  // (null for an empty slot or a number outside 0-99), the number of user
  // patterns, and the file path of user pattern 50 + i. A built-in pattern
  // is drawn, and a user pattern loaded from its file, the first time it is
  // asked for (safe from any thread); a user pattern whose file no longer
  // loads then shows "Unable to load file" once and stays null. The
  // reference stays valid as long as the object.
  const HBITMAP& Motif(int n) const;
  const HBITMAP& VignetteMotif(int n) const;
  int NombreMotifsUtilisateur() const { return m_nNombreMotifsUtilisateur; }
  const std::vector<CString>& CheminsMotifsUtilisateur() const { return m_strCheminsMotifs; }

  // Current pen and brush of the border and background drawing.
  struct Plume {
    int nStyle;
    int nLargeur;
    COLORREF crCouleur;
  };
  struct Pinceau {
    COLORREF crCouleur;
  };
  const Plume& PlumeCourante() const { return m_Plume; }
  const Pinceau& PinceauCourant() const { return m_Pinceau; }

 protected:
  // Fills the bank: built-in patterns and thumbnails, then the given user
  // patterns (pattern/).
  void ChargeBanqueMotifs(const std::vector<CString>& motifsUtilisateur);

  // Draws built-in pattern n (0-49) and its thumbnail, once.
  void AssureMotifIntegre(int n) const;
  // Loads user pattern n (50-99) and its thumbnail from its file, once.
  void AssureMotifUtilisateur(int n) const;
  // Makes the thumbnail of pattern slot n from its picture; false when it
  // cannot be made.
  bool FaitVignette(int n) const;

  mutable HBITMAP m_Motifs[kNombreMotifs];     // full-size patterns
  mutable HBITMAP m_Vignettes[kNombreMotifs];  // their 40 x 40 thumbnails
  mutable std::once_flag m_MotifDessine[kPremierMotifUtilisateur];  // built-in pattern drawn
  std::mutex m_VerrouTrait;                    // guards m_Pinceau and m_Plume
  mutable std::mutex m_VerrouMotifsUtilisateur;  // guards the loading of user patterns
  mutable bool m_MotifUtilisateurLu[kMaxMotifsUtilisateur] = {};  // its file was read
  int m_nNombreMotifsUtilisateur = 0;  // 0-50
  std::vector<CString> m_strCheminsMotifs;  // path of user pattern 50 + i
  Pinceau m_Pinceau{RGB(255, 255, 0)};
  Plume m_Plume{0, 5, RGB(0, 0, 255)};
  mutable HBITMAP m_BitmapMotifBase;  // the first built-in pattern, once drawn
  HBITMAP m_hBitmap;          // spare handle, null after construction
  SauvegardeMotifs m_Sauvegarde;  // the owner's store of the user-pattern list
};

}  // namespace talvik
