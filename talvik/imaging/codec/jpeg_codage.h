// The one JPEG encoder of the programs: rows of pixels in memory, baseline
// JPEG out, into an open file or into memory. The picture savers
// (CGraphique::SauveImageJPEG, JpegFile::RGBToJpegFile) and the tools that
// make pictures all encode through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace talvik::jpeg {

// How the bytes of one pixel are laid out in the rows handed over.
enum class FormatPixels {
  RGB,   // 3 bytes: red, green, blue; colour JPEG
  Gris,  // 1 byte: grey; one-component JPEG
  BGRX,  // 4 bytes: blue, green, red, unused (a Bitmap row); colour JPEG
};

// Rows to encode, top row first. `pas` is the distance in bytes from the
// start of one row to the next (at least largeur x bytes per pixel).
struct Lignes {
  const std::uint8_t* premiere = nullptr;
  std::size_t pas = 0;
  unsigned largeur = 0;
  unsigned hauteur = 0;
  FormatPixels format = FormatPixels::RGB;
};

// Encodes the rows into `fichier` at `qualite` (libjpeg clamps it to
// 1..100; baseline tables, standard Huffman tables). False when the rows
// are empty or libjpeg fails (a write error, no memory); the file then
// holds a partial stream that the caller discards. With `montreMessages`
// a fatal libjpeg error is shown as "JPEG Fatal Error" through the message
// hook; without, nothing is shown.
bool CodeVersFichier(const Lignes& lignes, int qualite, std::FILE* fichier, bool montreMessages);

// The same into memory: the JPEG bytes, empty on failure. Shows nothing.
std::vector<std::uint8_t> CodeEnMemoire(const Lignes& lignes, int qualite);

}  // namespace talvik::jpeg
