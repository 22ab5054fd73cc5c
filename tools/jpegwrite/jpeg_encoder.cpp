#include "jpeg_encoder.h"

#include <fstream>

#include "codec/jpeg_codage.h"

namespace lmvtools {

std::vector<unsigned char> EncodeJpeg(const std::vector<unsigned char>& pixels, int width,
                                      int height, int components, int quality) {
  if (width < 1 || height < 1 || width > 65500 || height > 65500) return {};
  if (components != 1 && components != 3) return {};
  if (pixels.size() != static_cast<size_t>(width) * height * components) return {};
  talvik::jpeg::Lignes rows;
  rows.premiere = pixels.data();
  rows.pas = static_cast<size_t>(width) * components;
  rows.largeur = static_cast<unsigned>(width);
  rows.hauteur = static_cast<unsigned>(height);
  rows.format = components == 1 ? talvik::jpeg::FormatPixels::Gris : talvik::jpeg::FormatPixels::RGB;
  return talvik::jpeg::CodeEnMemoire(rows, quality);
}

bool WriteFileBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace lmvtools
