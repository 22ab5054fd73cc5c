// lmvdemo DIR [WxH]
//
// Draws the demo pictures at WxH (default 1024x768) and writes them as
// JPEG files in DIR, with a list "pictures.txt" of lmvpack arguments
// ("D:E:file.jpg", one per line) in the order they are shown.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

#include "demo_pictures.h"
#include "jpeg_encoder.h"
#include "size_text.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: lmvdemo DIR [WxH]\n";
    return 1;
  }
  int width = 1024, height = 768;
  if (argc == 3) {
    if (!lmvengine::ParseSize(argv[2], width, height) || width < 16 || height < 16 ||
        width > 16384 || height > 16384) {
      std::cerr << "lmvdemo: size \"" << argv[2] << "\" is not WxH (16..16384)\n";
      return 1;
    }
  }
  const fs::path dir = argv[1];
  std::error_code ec;
  fs::create_directories(dir, ec);
  std::ofstream list(dir / "pictures.txt", std::ios::trunc);
  if (!list) {
    std::cerr << "lmvdemo: cannot write in " << dir.string() << "\n";
    return 1;
  }
  for (int i = 0; i < lmvtools::DemoPictureCount(); ++i) {
    lmvtools::DemoPicture p = lmvtools::DrawDemoPicture(i, width, height);
    const fs::path file = dir / (std::to_string(i + 1) + "-" + p.name + ".jpg");
    if (!lmvtools::WriteFileBytes(file, lmvtools::EncodeJpeg(p.rgb, width, height, 3, 90))) {
      std::cerr << "lmvdemo: cannot write " << file.string() << "\n";
      return 1;
    }
    list << p.duration << ':' << p.effect << ':' << file.string() << '\n';
  }
  return list.good() ? 0 : 1;
}
