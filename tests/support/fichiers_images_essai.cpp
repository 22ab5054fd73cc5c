#include "fichiers_images_essai.h"

#include <png.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace lumaveil::testing {

talvik::Bitmap Motif(int w, int h) {
  talvik::Bitmap b = talvik::Bitmap::Create(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixel(x, y, talvik::RGB(talvik::BYTE(x * 7 + y), talvik::BYTE(y * 5 + 3),
                                   talvik::BYTE((x ^ y) * 3)));
  return b;
}

bool MemesPixels(const talvik::Bitmap& a, const talvik::Bitmap& b) {
  if (!a || !b || a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (std::size_t i = 0; i < a.PixelCount(); ++i)
    if ((a.Pixels()[i] & 0xFFFFFF) != (b.Pixels()[i] & 0xFFFFFF)) return false;
  return true;
}

int EcartMax(const talvik::Bitmap& a, const talvik::Bitmap& b) {
  if (!a || !b || a.Width() != b.Width() || a.Height() != b.Height()) return 1000;
  int m = 0;
  for (std::size_t i = 0; i < a.PixelCount(); ++i)
    for (int s = 0; s < 24; s += 8)
      m = std::max(m, std::abs(int((a.Pixels()[i] >> s) & 0xFF) - int((b.Pixels()[i] >> s) & 0xFF)));
  return m;
}

std::vector<std::uint8_t> Lit(const std::string& chemin) {
  std::vector<std::uint8_t> o;
  if (std::FILE* f = std::fopen(chemin.c_str(), "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) o.push_back(std::uint8_t(c));
    std::fclose(f);
  }
  return o;
}

void Ecrit(const std::string& chemin, const std::vector<std::uint8_t>& octets) {
  if (std::FILE* f = std::fopen(chemin.c_str(), "wb")) {
    std::fwrite(octets.data(), 1, octets.size(), f);
    std::fclose(f);
  }
}

bool Existe(const std::string& chemin) {
  struct stat s;
  return ::stat(chemin.c_str(), &s) == 0;
}

void EcritPng(const std::string& chemin, int w, int h, int type, int profondeur, int fond) {
  std::FILE* f = std::fopen(chemin.c_str(), "wb");
  if (!f) return;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), profondeur, type, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (fond >= 0) {
    png_color_16 c{};
    c.gray = png_uint_16(fond);
    c.red = png_uint_16(fond);
    c.green = 0;
    c.blue = png_uint_16(255 - fond);
    png_set_bKGD(png, info, &c);
  }
  png_write_info(png, info);
  const int canaux = (type & PNG_COLOR_MASK_COLOR ? 3 : 1) + (type & PNG_COLOR_MASK_ALPHA ? 1 : 0);
  const int octets = profondeur / 8;
  std::vector<png_byte> ligne(std::size_t(w) * canaux * octets);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < canaux; ++c) {
        int v = (x * 16 + y * 8 + c * 64) & 0xFF;
        if ((type & PNG_COLOR_MASK_ALPHA) && c == canaux - 1) v = x < w / 2 ? 0 : 255;
        png_byte* p = &ligne[(std::size_t(x) * canaux + c) * octets];
        p[0] = png_byte(v);
        if (octets == 2) p[1] = png_byte(0x5A);  // low byte: dropped when stripped to 8 bits
      }
    png_write_row(png, ligne.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(f);
}

void EcritEntetePng(const std::string& chemin, int w, int h) {
  std::FILE* f = std::fopen(chemin.c_str(), "wb");
  if (!f) return;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), 8, PNG_COLOR_TYPE_GRAY,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_flush(png);
  // Empty IDAT: length 0, type, CRC of the type.
  const unsigned char idat[12] = {0, 0, 0, 0, 'I', 'D', 'A', 'T', 0x35, 0xAF, 0x06, 0x1E};
  std::fwrite(idat, 1, sizeof idat, f);
  png_destroy_write_struct(&png, &info);
  std::fclose(f);
}

Messages::Messages() {
  talvik::InstalleMessageHook(
      [this](const std::string& t, const std::string& ti, talvik::IconeMessage i) {
        recus.push_back({t, ti, i});
        return 1;
      });
}

Messages::~Messages() { talvik::InstalleMessageHook({}); }

}  // namespace lumaveil::testing
