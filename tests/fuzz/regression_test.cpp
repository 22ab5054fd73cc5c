// Every input kept in tests/fuzz/data/<reader>/ once crashed or overran that
// reader under the fuzzers. Each must now be refused cleanly (a null picture,
// a failed load), which the normal build checks without sanitizers.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "codec/gif.h"
#include "depth/bitmaplib.h"
#include "fichier_projet.h"
#include "graphique.h"
#include "package_reader.h"
#include "projet.h"

namespace fs = std::filesystem;

namespace {

// The kept inputs of one reader, sorted by name.
std::vector<fs::path> Inputs(const std::string& reader) {
  std::vector<fs::path> v;
  const fs::path dir = fs::path(LUMAVEIL_SOURCE_DIR) / "tests/fuzz/data" / reader;
  if (fs::is_directory(dir))
    for (const auto& e : fs::directory_iterator(dir)) v.push_back(e.path());
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<std::uint8_t> Bytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(FuzzRegression, BmpInputsGiveNull) {
  const auto inputs = Inputs("bmp");
  EXPECT_FALSE(inputs.empty());
  for (const auto& p : inputs) EXPECT_FALSE(talvik::CGraphique::ChargeImageBMP(p.string())) << p;
}

TEST(FuzzRegression, GifInputsWalkQuicklyToPicturesOfTheirSize) {
  // Kept for a walk that once took too long: several images in a row,
  // each returned picture within the size limit.
  const auto start = std::chrono::steady_clock::now();
  for (const auto& p : Inputs("gif")) {
    talvik::CGif gif;
    const auto b = Bytes(p);
    if (!gif.LoadMemory(b.data(), b.size())) continue;
    talvik::HBITMAP image = gif.FirstImage();
    for (int i = 0; i < 4; ++i, image = gif.NextImage())
      if (image) {
        EXPECT_GT(image.Width(), 0) << p;
        EXPECT_LE(std::int64_t(image.Width()) * image.Height(), talvik::kMaxPixels) << p;
      }
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(FuzzRegression, JpegPngTiffInputsGiveNull) {
  for (const auto& p : Inputs("jpeg")) EXPECT_FALSE(talvik::CGraphique::ChargeImageJPEG(p.string())) << p;
  for (const auto& p : Inputs("png")) EXPECT_FALSE(talvik::CGraphique::ChargeImagePNG(p.string())) << p;
  for (const auto& p : Inputs("tiff")) EXPECT_FALSE(talvik::CGraphique::ChargeImageTIFF(p.string())) << p;
}

TEST(FuzzRegression, DepthInputsAreRefused) {
  for (const auto& p : Inputs("depth")) {
    std::vector<talvik::RGBQUAD> colours(4096);
    EXPECT_LE(talvik::CBitmapLib::GetUsedColors(p.string(), colours.data(), 4096, nullptr), 0) << p;
  }
}

TEST(FuzzRegression, PackageAndProjectInputsAreRefused) {
  for (const auto& p : Inputs("package")) {
    lmvengine::PackageReader reader;
    EXPECT_NE(reader.Open(p), lmvengine::OpenStatus::kOk) << p;
  }
  for (const auto& p : Inputs("projet")) {
    const auto b = Bytes(p);
    lumaveil::CProjet projet;
    std::string erreur;
    EXPECT_EQ(lumaveil::LitProjet(b.data(), b.size(), projet, &erreur), 0) << p;
  }
}
