// The thumbnail that cameras and phones embed in a JPEG file's Exif block:
// a small JPEG of its own (often 160 x 120) that a list of many photos can
// show instead of decoding each whole photo.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "codec/jpeg_lecture.h"

namespace talvik {

// What the head of a JPEG file says about its Exif thumbnail.
struct EnteteExif {
  std::size_t debut = 0;     // where the thumbnail's JPEG starts in the bytes read
  std::size_t longueur = 0;  // its length in bytes
  int largeur = 0;           // size of the file's picture (its frame header)
  int hauteur = 0;
};

// Reads the markers of `donnees` (the first bytes of a JPEG file) up to
// the picture data. True when an Exif block points to a thumbnail lying
// wholly inside the bytes given and the frame header came before the data
// ran out; every offset is checked against the bytes, so damaged blocks
// give false.
bool LitEnteteExif(const std::uint8_t* donnees, std::size_t taille, EnteteExif* entete);

// Decodes the Exif thumbnail of the JPEG file at `chemin`, upright and in
// sRGB as DecodeJPEG gives the picture (the file's orientation and profile
// apply to it). The result's image is the thumbnail, largeurFichier and
// hauteurFichier the upright size of the file's picture, and reduction how many whole times the thumbnail is
// smaller (at least 2). The image is null when the file has no thumbnail,
// when it does not decode, when it is not smaller than the picture, or
// when its proportions differ from the picture's by more than a pixel of
// rounding (a thumbnail with black bands, or one left from before a crop):
// the picture itself must be decoded then. No message is shown.
ImageJPEG DecodeVignetteExif(const std::string& chemin);

}  // namespace talvik
