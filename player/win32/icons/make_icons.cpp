// make_icons OUT.ico SIZE...
//
// Draws the player's icon — a violet disc (the veil) holding a pale crescent
// moon — at each SIZE (square, pixels) and writes them as one Windows icon
// file: 32-bit images with an alpha channel and the matching 1-bit mask.
// The picture is drawn by code so that the build needs no image files.
// Exit code 0 on success, 1 on bad arguments or a failed write.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Rgba {
  double r, g, b, a;
};

bool Inside(double x, double y, double cx, double cy, double radius) {
  double dx = x - cx;
  double dy = y - cy;
  return dx * dx + dy * dy <= radius * radius;
}

// Colour of the icon at (x, y) in the unit square, alpha 0 outside the disc.
Rgba Sample(double x, double y) {
  if (!Inside(x, y, 0.5, 0.5, 0.48)) return {0, 0, 0, 0};
  if (Inside(x, y, 0.46, 0.48, 0.30) && !Inside(x, y, 0.60, 0.38, 0.26)) {
    return {250, 232, 160, 255};
  }
  // The veil darkens from a dusk violet at the top to night blue at the bottom.
  double t = y;
  return {110 - 80 * t, 70 - 40 * t, 170 - 40 * t, 255};
}

void Put16(std::vector<uint8_t>& out, unsigned v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, unsigned v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// One icon image: BITMAPINFOHEADER (height doubled for the mask), the BGRA
// rows bottom-up, then the AND mask rows (1 = transparent), each padded to
// 32 bits.
std::vector<uint8_t> DrawImage(int size) {
  const int kSamples = 4;  // 4 x 4 samples per pixel smooth the edges
  std::vector<uint8_t> out;
  Put32(out, 40);
  Put32(out, static_cast<unsigned>(size));
  Put32(out, static_cast<unsigned>(size * 2));
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  int mask_stride = ((size + 31) / 32) * 4;
  Put32(out, static_cast<unsigned>(size * size * 4 + mask_stride * size));
  for (int i = 0; i < 4; ++i) Put32(out, 0);

  std::vector<uint8_t> mask(static_cast<size_t>(mask_stride) * size, 0);
  for (int row = size - 1; row >= 0; --row) {
    int stored_row = size - 1 - row;
    for (int col = 0; col < size; ++col) {
      Rgba sum{0, 0, 0, 0};
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          double x = (col + (sx + 0.5) / kSamples) / size;
          double y = (row + (sy + 0.5) / kSamples) / size;
          Rgba s = Sample(x, y);
          sum.r += s.r * s.a / 255;
          sum.g += s.g * s.a / 255;
          sum.b += s.b * s.a / 255;
          sum.a += s.a;
        }
      }
      double n = kSamples * kSamples;
      double a = sum.a / n;
      // Straight (not premultiplied) colour, as icons store it.
      double scale = a > 0 ? 255 / a : 0;
      out.push_back(static_cast<uint8_t>(std::lround(sum.b / n * scale)));
      out.push_back(static_cast<uint8_t>(std::lround(sum.g / n * scale)));
      out.push_back(static_cast<uint8_t>(std::lround(sum.r / n * scale)));
      out.push_back(static_cast<uint8_t>(std::lround(a)));
      if (a < 128) {
        mask[static_cast<size_t>(stored_row) * mask_stride + col / 8] |=
            static_cast<uint8_t>(0x80 >> (col % 8));
      }
    }
  }
  out.insert(out.end(), mask.begin(), mask.end());
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_icons OUT.ico SIZE...\n");
    return 1;
  }
  std::vector<int> sizes;
  for (int i = 2; i < argc; ++i) {
    int size = std::atoi(argv[i]);
    if (size < 1 || size > 256) {
      std::fprintf(stderr, "make_icons: bad size %s\n", argv[i]);
      return 1;
    }
    sizes.push_back(size);
  }

  std::vector<std::vector<uint8_t>> images;
  for (int size : sizes) images.push_back(DrawImage(size));

  std::vector<uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);  // icon
  Put16(file, static_cast<unsigned>(images.size()));
  unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    file.push_back(static_cast<uint8_t>(sizes[i] == 256 ? 0 : sizes[i]));
    file.push_back(static_cast<uint8_t>(sizes[i] == 256 ? 0 : sizes[i]));
    file.push_back(0);  // no palette
    file.push_back(0);
    Put16(file, 1);   // planes
    Put16(file, 32);  // bits per pixel
    Put32(file, static_cast<unsigned>(images[i].size()));
    Put32(file, offset);
    offset += static_cast<unsigned>(images[i].size());
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());

  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_icons: cannot write %s\n", argv[1]);
    std::remove(argv[1]);
    return 1;
  }
  return 0;
}
