// Helpers of the picture-file tests: pictures with known pixels, raw file
// bytes, and PNG files of chosen layouts written with libpng directly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/bitmap.h"
#include "base/message.h"

namespace lumaveil::testing {

// A picture whose pixels all differ (a gradient over x and y).
talvik::Bitmap Motif(int w, int h);
bool MemesPixels(const talvik::Bitmap& a, const talvik::Bitmap& b);
// Largest difference of one channel between the two pictures.
int EcartMax(const talvik::Bitmap& a, const talvik::Bitmap& b);

std::vector<std::uint8_t> Lit(const std::string& chemin);
void Ecrit(const std::string& chemin, const std::vector<std::uint8_t>& octets);
bool Existe(const std::string& chemin);

// A PNG with the given colour type (PNG_COLOR_TYPE_*) and bit depth; every
// sample of pixel (x, y) is derived from x, y and its channel; alpha (when
// present) is 0 on the left half and full on the right half. With
// fond >= 0 a bKGD chunk of that grey/RGB value is written (for RGB types
// red = fond, green = 0, blue = 255 - fond).
void EcritPng(const std::string& chemin, int w, int h, int type, int profondeur, int fond = -1);

// A PNG whose header claims w x h (8-bit grey) followed by an empty IDAT
// chunk: enough for a reader to learn the size, no pixels.
void EcritEntetePng(const std::string& chemin, int w, int h);

// Records the messages shown through the library's hook while alive.
class Messages {
 public:
  Messages();
  ~Messages();
  struct Message {
    std::string texte, titre;
    talvik::IconeMessage icone;
  };
  std::vector<Message> recus;
};

}  // namespace lumaveil::testing
