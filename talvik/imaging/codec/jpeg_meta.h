// What a JPEG file's segments say about showing its picture: the Exif
// orientation (APP1) and the colour profile (APP2, an ICC profile split
// over one or more segments).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "base/bitmap.h"

namespace talvik::jpeg {

struct Meta {
  int orientation = 0;             // 1 to 8; 0 when the file records none (or a bad one)
  std::vector<std::uint8_t> icc;  // the whole profile; empty when none or incomplete
};

// Gathers the segments of one file, in any order.
class LecteurMeta {
 public:
  // One APPn segment's content (after its length field); others are passed over.
  void Segment(int marqueur, const std::uint8_t* donnees, std::size_t taille);
  // The orientation and the profile, assembled from its chunks when every
  // chunk of 1..count came once with the same count.
  Meta Fin() const;

 private:
  int orientation_ = 0;
  bool exifVu_ = false;
  int nombreIcc_ = 0;
  bool iccAbime_ = false;
  std::vector<std::vector<std::uint8_t>> morceaux_;
};

// Walks the segments of a JPEG file held in memory, from its start-of-image
// marker up to its picture data (SOS) or its end (EOI): `visite` gets each
// segment that has a length (its marker and its content after the length
// field) and returns false to stop. A damaged length ends the walk. False
// when the bytes do not start with SOI or a marker is not where one belongs;
// true otherwise, however the walk ended.
bool ParcoursSegments(const std::uint8_t* fichier, std::size_t taille,
                      const std::function<bool(int, const std::uint8_t*, std::size_t)>& visite);

// Scans the segments of a JPEG file held in memory up to its picture
// data. Damaged segment lengths end the scan with what was read before.
Meta LitMeta(const std::uint8_t* fichier, std::size_t taille);

// Brings a decoded RGB or grey picture into sRGB (when the profile says it
// is in another space) and upright; null when the upright copy cannot be
// allocated. `largeur` and `hauteur` (the file's size), when given, are
// swapped for the orientations that turn the picture a quarter.
Bitmap Applique(const Meta& meta, Bitmap image, int* largeur = nullptr, int* hauteur = nullptr);

}  // namespace talvik::jpeg
