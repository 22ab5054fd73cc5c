#include "paquet_essai.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "jpeg_encoder.h"

namespace lumaveil::testing {

std::vector<unsigned char> SolidRgb(int width, int height, uint32_t colour) {
  std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < rgb.size(); i += 3) {
    rgb[i] = static_cast<unsigned char>(colour >> 16);
    rgb[i + 1] = static_cast<unsigned char>(colour >> 8);
    rgb[i + 2] = static_cast<unsigned char>(colour);
  }
  return rgb;
}

std::vector<unsigned char> SolidJpeg(int width, int height, uint32_t colour, bool grey) {
  if (grey) {
    std::vector<unsigned char> g(static_cast<size_t>(width) * height,
                                 static_cast<unsigned char>(colour >> 16));
    return lmvtools::EncodeJpeg(g, width, height, 1, 95);
  }
  return lmvtools::EncodeJpeg(SolidRgb(width, height, colour), width, height, 3, 95);
}

std::filesystem::path WriteBytes(const std::filesystem::path& path,
                                 const std::vector<unsigned char>& bytes) {
  lmvtools::WriteFileBytes(path, bytes);
  return path;
}

std::vector<unsigned char> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>());
}

namespace {
void Append32(std::vector<unsigned char>& out, int32_t v) {
  unsigned char b[4];
  lmvengine::WriteLe32(b, v);
  out.insert(out.end(), b, b + 4);
}
}  // namespace

std::vector<unsigned char> PackageBytes(const std::vector<unsigned char>& engine,
                                        const std::vector<RecordData>& records,
                                        const lmvengine::PackageTrailer& trailer) {
  std::vector<unsigned char> out = engine;
  for (const RecordData& r : records) {
    Append32(out, r.duration);
    Append32(out, r.effect);
    Append32(out, static_cast<int32_t>(r.image.size()));
    out.insert(out.end(), r.image.begin(), r.image.end());
  }
  Append32(out, trailer.width);
  Append32(out, trailer.height);
  Append32(out, trailer.screenCount);
  Append32(out, trailer.dataOffset);
  return out;
}

lmvengine::PackageTrailer TrailerFor(const std::vector<unsigned char>& engine, int width, int height,
                                     size_t records) {
  return lmvengine::PackageTrailer{width, height, static_cast<int32_t>(records),
                                   static_cast<int32_t>(engine.size())};
}

uint32_t MeanColour(const lmvengine::DecodedImage& image) {
  if (image.Empty()) return 0xFFFFFFFF;
  uint64_t sum[3] = {0, 0, 0};
  for (size_t i = 0; i < image.rgb.size(); i += 3) {
    for (int c = 0; c < 3; ++c) sum[c] += image.rgb[i + c];
  }
  const uint64_t n = image.rgb.size() / 3;
  return static_cast<uint32_t>(((sum[0] / n) << 16) | ((sum[1] / n) << 8) | (sum[2] / n));
}

bool CloseColour(uint32_t a, uint32_t b, int tolerance) {
  for (int shift = 0; shift <= 16; shift += 8) {
    int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(ca - cb) > tolerance) return false;
  }
  return true;
}

}  // namespace lumaveil::testing
