// JpegFile: JPEG files to and from packed RGB buffers through libjpeg, and
// the buffer helpers around them.
//
// Packed RGB buffer: width x height x 3 bytes, rows top to bottom, no
// padding, bytes red, green, blue. Buffers are returned as owning
// pointers. libjpeg's fatal errors come back as results (null or 0) after
// the "JPEG Fatal Error" message; its first warning about a file is shown
// as "JPEG Error" and decoding goes on, except that a file that ends
// before its last row gives null.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace talvik {

using TamponOctets = std::unique_ptr<std::uint8_t[]>;

class JpegFile {
 public:
  JpegFile() = default;
  ~JpegFile() = default;

  // Decodes a file into a packed RGB buffer; greyscale files give equal
  // red, green and blue. Sets *largeur and *hauteur (0 on failure). Null
  // when the file does not open (no message), is not a JPEG, is damaged or
  // truncated, or has other than 1 or 3 components.
  static TamponOctets JpegFileToRGB(const std::string& chemin, unsigned* largeur,
                                    unsigned* hauteur);

  // Encodes a packed RGB buffer: colour (3 components) when bCouleur is
  // nonzero, else greyscale (1 component, grey = 0.299 R + 0.587 G +
  // 0.114 B truncated). Baseline at the given quality (clamped by libjpeg
  // to 1-100). 0 for a null buffer, a zero size, or a file that cannot be
  // created ("JpegFile :\nCan't open <path>\n").
  static int RGBToJpegFile(const std::string& chemin, const std::uint8_t* tampon,
                           unsigned largeur, unsigned hauteur, int bCouleur, int qualite);

  // Reads only the header. 1 on success; a file that does not open shows
  // "JPEG :\nCan't open <path>\n" and gives 0.
  static int GetJPGDimensions(const std::string& chemin, unsigned* largeur, unsigned* hauteur);

  // A copy of a packed buffer with each row padded to 4 bytes; *pas gets
  // the row stride ((largeur x 24 + 31) / 32 x 4). Padding bytes are 0.
  static TamponOctets MakeDwordAlignedBuf(const std::uint8_t* tampon, unsigned largeur,
                                          unsigned hauteur, unsigned* pas);
  // The reverse: a packed copy of padded rows of the given stride.
  static TamponOctets RGBFromDWORDAligned(const std::uint8_t* tampon, unsigned largeur,
                                          unsigned pas, unsigned hauteur);
  // Swaps bytes 0 and 2 of every pixel in place. 0 for a null buffer.
  static int BGRFromRGB(std::uint8_t* tampon, unsigned largeur, unsigned hauteur);
  // Reverses the order of the rows in place. 0 for a null buffer.
  static int VertFlipBuf(std::uint8_t* tampon, unsigned octetsParLigne, unsigned hauteur);
  // Replaces each pixel by its grey (0.299 x byte 0 + 0.587 x byte 1 +
  // 0.114 x byte 2, truncated) in all three bytes. 0 for a null buffer.
  static int MakeGrayScale(std::uint8_t* tampon, unsigned largeur, unsigned hauteur);
};

}  // namespace talvik
