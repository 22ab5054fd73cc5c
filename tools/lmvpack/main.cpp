// lmvpack OUT ENGINE WxH [--duration D] [--effect E] [--transition MS] PICTURE...
//
// Makes a screen package from finished JPEG pictures: ENGINE copied byte for
// byte, one record per PICTURE, then the trailer. A PICTURE is a JPEG file,
// or D:E:file.jpg with its own duration and effect, or D:E:MS:file.jpg with
// its own cross-fade length too. A saver with a moving effect (8 cross-fade,
// 9 pan and zoom, 10 random among all) gets the options block before its
// trailer, as the maker writes it: each record's cross-fade length, and for
// a pan-and-zoom picture larger than the saver its size. Every input is
// checked before anything is written; on any error (or a kill) an existing
// OUT is left as it was, no partial package takes its place, and the exit
// code is 1.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "effects.h"
#include "jpeg_decoder.h"
#include "options_block.h"
#include "package_format.h"
#include "fichier_atomique.h"
#include "temporaires_abandonnes.h"
#include "package_writer.h"
#include "size_text.h"

namespace {

namespace fs = std::filesystem;
using lmvengine::PackageWriter;

constexpr int kDefaultDuration = 3;
constexpr int kMinDuration = 1;
constexpr int kMaxDuration = 180;

struct Picture {
  int duration;
  int effect;
  int transitionMs;  // cross-fade of the moving effects
  fs::path file;
  int width = 0, height = 0;  // of the JPEG, once checked
};

void Usage() {
  std::cerr << "usage: lmvpack OUT ENGINE WxH [--duration D] [--effect E] [--transition MS]\n"
               "               PICTURE...\n"
               "  PICTURE: a JPEG file, or D:E:file.jpg with its own duration and effect,\n"
               "  or D:E:MS:file.jpg with its own cross-fade length too\n"
               "  D: seconds 1..180 (default 3); E: effect 0..10 (default 0; 8 cross-fade,\n"
               "  9 pan and zoom, 10 random among all); MS: cross-fade of effects 8 to 10,\n"
               "  milliseconds 100..10000 (default 1500)\n"
               "  A pan-and-zoom picture is WxH or 1.25 times it on each side.\n";
}

// A whole decimal integer, optionally signed.
bool ParseInt(const std::string& text, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || errno != 0 || v < -2147483647L || v > 2147483647L) return false;
  value = static_cast<int>(v);
  return true;
}

bool DurationOk(int d) { return d >= kMinDuration && d <= kMaxDuration; }
bool EffectOk(int e) { return e >= 0 && e <= lmvengine::kEffectRandomAll; }
bool TransitionOk(int ms) {
  return ms >= lmvengine::kMinTransitionMs && ms <= lmvengine::kMaxTransitionMs;
}

// "D:E:MS:file" when the first three fields are numbers, "D:E:file" when
// the first two are; otherwise a plain file.
Picture ParsePicture(const std::string& arg, int duration, int effect, int transitionMs) {
  size_t a = arg.find(':');
  if (a != std::string::npos) {
    size_t b = arg.find(':', a + 1);
    int d = 0, e = 0, t = 0;
    if (b != std::string::npos && b + 1 < arg.size() && ParseInt(arg.substr(0, a), d) &&
        ParseInt(arg.substr(a + 1, b - a - 1), e)) {
      size_t c = arg.find(':', b + 1);
      if (c != std::string::npos && c + 1 < arg.size() &&
          ParseInt(arg.substr(b + 1, c - b - 1), t))
        return Picture{d, e, t, arg.substr(c + 1)};
      return Picture{d, e, transitionMs, arg.substr(b + 1)};
    }
  }
  return Picture{duration, effect, transitionMs, arg};
}

bool ReadFile(const fs::path& path, std::vector<unsigned char>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// The picture must be a JPEG that the player decodes, at the package's
// size (a pan-and-zoom picture may be PanZoomPictureSide of it instead).
bool CheckPicture(Picture& p, int width, int height) {
  if (!DurationOk(p.duration)) {
    std::cerr << "lmvpack: " << p.file.string() << ": duration " << p.duration
              << " is not 1..180\n";
    return false;
  }
  if (!EffectOk(p.effect)) {
    std::cerr << "lmvpack: " << p.file.string() << ": effect " << p.effect << " is not 0..10\n";
    return false;
  }
  if (!TransitionOk(p.transitionMs)) {
    std::cerr << "lmvpack: " << p.file.string() << ": cross-fade " << p.transitionMs
              << " ms is not 100..10000\n";
    return false;
  }
  std::vector<unsigned char> bytes;
  if (!fs::is_regular_file(p.file) || !ReadFile(p.file, bytes)) {
    std::cerr << "lmvpack: cannot read " << p.file.string() << "\n";
    return false;
  }
  if (bytes.size() < 2 || bytes[0] != 0xFF || bytes[1] != 0xD8) {
    std::cerr << "lmvpack: " << p.file.string() << " is not a JPEG file\n";
    return false;
  }
  if (bytes.size() > 0x7FFFFFFF) {
    std::cerr << "lmvpack: " << p.file.string() << " is too large\n";
    return false;
  }
  lmvengine::DecodedImage image;
  lmvengine::DecodeResult r = lmvengine::DecodeJpegMemory(bytes.data(), bytes.size(), image);
  if (r.status != lmvengine::DecodeStatus::kOk) {
    std::cerr << "lmvpack: " << p.file.string() << " does not decode: " << r.message << "\n";
    return false;
  }
  const int panWidth = lmvengine::PanZoomPictureSide(width);
  const int panHeight = lmvengine::PanZoomPictureSide(height);
  const bool pan = p.effect == lmvengine::kEffectPanZoom && image.width == panWidth &&
                   image.height == panHeight && panWidth <= lmvengine::kMaxJpegSide &&
                   panHeight <= lmvengine::kMaxJpegSide;
  if ((image.width != width || image.height != height) && !pan) {
    std::cerr << "lmvpack: " << p.file.string() << " is " << image.width << "x" << image.height
              << ", not " << width << "x" << height;
    if (p.effect == lmvengine::kEffectPanZoom) std::cerr << " nor " << panWidth << "x" << panHeight;
    std::cerr << "\n";
    return false;
  }
  p.width = image.width;
  p.height = image.height;
  return true;
}

int Run(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() < 4) {
    Usage();
    return 1;
  }
  const fs::path out = args[0];
  const fs::path engine = args[1];
  int width = 0, height = 0;
  if (!lmvengine::ParseSize(args[2], width, height)) {
    std::cerr << "lmvpack: size \"" << args[2] << "\" is not WxH\n";
    return 1;
  }
  if (!lmvengine::PlayableSize(width, height) || height > lmvengine::kMaxWidth) {
    std::cerr << "lmvpack: size " << width << "x" << height << " is out of range (width "
              << lmvengine::kMinWidth << ".." << lmvengine::kMaxWidth << ", height "
              << lmvengine::kMinHeight << ".." << lmvengine::kMaxWidth << ")\n";
    return 1;
  }
  int duration = kDefaultDuration, effect = 0, transitionMs = lmvengine::kDefaultTransitionMs;
  std::vector<Picture> pictures;
  for (size_t i = 3; i < args.size(); ++i) {
    if (args[i] == "--duration" || args[i] == "--effect" || args[i] == "--transition") {
      int v = 0;
      if (i + 1 >= args.size() || !ParseInt(args[i + 1], v)) {
        std::cerr << "lmvpack: " << args[i] << " needs a number\n";
        return 1;
      }
      const bool ok = args[i] == "--duration" ? DurationOk(v)
                      : args[i] == "--effect" ? EffectOk(v)
                                              : TransitionOk(v);
      if (!ok) {
        std::cerr << "lmvpack: " << args[i] << " " << v << " is out of range\n";
        return 1;
      }
      (args[i] == "--duration" ? duration : args[i] == "--effect" ? effect : transitionMs) = v;
      ++i;
    } else {
      pictures.push_back(ParsePicture(args[i], duration, effect, transitionMs));
    }
  }
  if (pictures.empty()) {
    std::cerr << "lmvpack: no picture\n";
    return 1;
  }
  if (pictures.size() > static_cast<size_t>(lmvengine::kMaxScreenCount)) {
    std::cerr << "lmvpack: more than " << lmvengine::kMaxScreenCount << " pictures\n";
    return 1;
  }
  if (!fs::is_regular_file(engine)) {
    std::cerr << "lmvpack: cannot read the engine " << engine.string() << "\n";
    return 1;
  }
  std::error_code sameEngine;
  if (fs::equivalent(out, engine, sameEngine)) {
    std::cerr << "lmvpack: the package would overwrite its own engine " << engine.string() << "\n";
    return 1;
  }
  for (Picture& p : pictures) {
    if (!CheckPicture(p, width, height)) return 1;
    std::error_code same;
    if (fs::equivalent(out, p.file, same)) {
      std::cerr << "lmvpack: the package would overwrite its picture " << p.file.string() << "\n";
      return 1;
    }
  }

  // The package is written under a temporary name beside `out` and renamed
  // over it once whole: a run that fails or is killed never leaves a
  // truncated saver, and an old one stays until the new one is complete.
  // What runs killed earlier left beside `out` (their packages start with
  // the engine) goes first.
  {
    std::string start(64, '\0');
    std::ifstream e(engine, std::ios::binary);
    e.read(start.data(), std::streamsize(start.size()));
    start.resize(std::size_t(e.gcount()));
    std::error_code where;
    const fs::path folder = fs::absolute(out, where).parent_path();
    talvik::EffaceTemporairesAbandonnes(folder.string(), {start});
  }
  talvik::CFichierAtomique file;
  if (!file.Ouvre(out.string()) || !file.LibereFlux()) {
    std::cerr << "lmvpack: cannot create " << out.string() << "\n";
    return 1;
  }
  PackageWriter writer;
  if (!writer.Begin(file.CheminTemporaire(), engine)) {
    std::cerr << "lmvpack: " << writer.Error() << "\n";
    return 1;
  }
  for (const Picture& p : pictures) {
    // The record's entry of the options block, which the writer adds only
    // when the saver needs it (a moving effect, a larger picture).
    lmvengine::RecordOptions entry;
    entry.transitionMs = p.transitionMs;
    if (p.width != width || p.height != height) {
      entry.pictureWidth = p.width;
      entry.pictureHeight = p.height;
    }
    if (!writer.AppendRecordFile(p.duration, p.effect, p.file, entry)) {
      std::cerr << "lmvpack: " << writer.Error() << "\n";
      writer.Discard();
      return 1;
    }
  }
  if (!writer.Finish(width, height)) {
    std::cerr << "lmvpack: " << writer.Error() << "\n";
    return 1;
  }
  // The package runs as a program when the engine does.
  std::error_code ec;
  const auto mode = static_cast<int>(fs::status(engine, ec).permissions() & fs::perms::mask);
  if (!file.Valide(ec ? talvik::kModeProgramme : mode)) {
    std::cerr << "lmvpack: cannot write " << out.string() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return Run(argc, argv); }
