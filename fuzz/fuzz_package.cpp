// Fuzz target: the player's screen-package reader on any bytes taken as a
// screen saver file: the trailer, then records around the package twice.
#include "fuzz_file.h"
#include "package_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = lumaveil::fuzz::ScratchPath(".scr");
  if (!lumaveil::fuzz::WriteInput(path, data, size)) return 0;
  lmvengine::PackageReader reader;
  if (reader.Open(path) != lmvengine::OpenStatus::kOk) return 0;
  const int records = reader.Trailer().screenCount;
  const int reads = records > 0 && records < 8 ? 2 * records + 1 : 8;
  lmvengine::DecodedImage image;
  for (int i = 0; i < reads; ++i) {
    reader.ReadRecord(image);
    if (!image.Empty() && image.rgb.size() != std::size_t(image.width) * std::size_t(image.height) * 3)
      __builtin_trap();
  }
  return 0;
}
