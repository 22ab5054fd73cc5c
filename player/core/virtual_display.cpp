#include "virtual_display.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "player.h"
#include "size_text.h"
#include "soft_raster.h"

namespace lmvengine {
namespace {

// Simulated time: starts at 0 and moves only when told to.
class SimulatedTime : public Clock, public Sleeper {
 public:
  int64_t NowSeconds() override { return milliseconds_ / 1000; }
  void SleepMilliseconds(int milliseconds) override { Advance(milliseconds); }
  void Advance(int milliseconds) {
    if (milliseconds > 0) milliseconds_ += milliseconds;
  }

 private:
  int64_t milliseconds_ = 0;
};

// The display in memory; every blit is written out as the next frame.
class FrameSurface : public Surface {
 public:
  FrameSurface(int width, int height, std::filesystem::path frames, int limit)
      : display_(MakeRaster(width, height, kClassBackground)),
        frames_(std::move(frames)),
        limit_(limit) {}

  bool SetPicture(const DecodedImage& image) override {
    picture_ = RasterFromImage(image);
    return !picture_.pixels.empty();
  }
  void DropPicture() override { picture_ = Raster{}; }
  void Blit(const BlitStep& step) override {
    if (blits_ >= limit_ || failed_) return;
    BlitRaster(picture_, step, display_);
    ++blits_;
    char name[32];
    std::snprintf(name, sizeof name, "frame-%04d.ppm", blits_);
    if (!WritePpm(display_, frames_ / name)) failed_ = true;
  }

  bool Done() const { return blits_ >= limit_ || failed_; }
  bool Failed() const { return failed_; }

 private:
  Raster display_;
  Raster picture_;
  std::filesystem::path frames_;
  int limit_;
  int blits_ = 0;
  bool failed_ = false;
};

// A size the virtual display can hold.
bool ParseDisplaySize(const std::string& text, int& width, int& height) {
  int w = 0, h = 0;
  if (!ParseSize(text, w, h) || int64_t{w} * h > kMaxDecodedPixels) return false;
  width = w;
  height = h;
  return true;
}

}  // namespace

bool ParseVirtualOptions(const std::vector<std::string>& args, VirtualOptions& options,
                         std::string& error) {
  bool present = false;
  bool haveFrames = false;
  error.clear();
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--virtual") {
      present = true;
      if (!hasValue || !ParseDisplaySize(args[++i], options.width, options.height)) {
        error = "--virtual needs a size WxH";
      }
    } else if (a == "--frames") {
      if (!hasValue) {
        error = "--frames needs a directory";
      } else {
        options.frames = args[++i];
        haveFrames = true;
      }
    } else if (a == "--draws") {
      char* end = nullptr;
      long n = hasValue ? std::strtol(args[++i].c_str(), &end, 10) : 0;
      if (!hasValue || *end != '\0' || n < 1 || n > 1000000) {
        error = "--draws needs a number from 1 to 1000000";
      } else {
        options.draws = static_cast<int>(n);
      }
    }
  }
  if (present && error.empty() && !haveFrames) error = "--virtual needs --frames DIR";
  return present;
}

int RunVirtual(const std::filesystem::path& package, const VirtualOptions& options,
               std::ostream& out, MessageSink& messages) {
  Player player;
  if (!OpenPlayer(player, package, options.width, options.height, messages)) return 0;
  std::error_code ec;
  std::filesystem::create_directories(options.frames, ec);
  if (!std::filesystem::is_directory(options.frames, ec)) {
    messages.Show("cannot create the frames directory " + options.frames.string(), kCaptionError,
                  MessageIcon::kError);
    return 1;
  }
  SimulatedTime time;
  FrameSurface surface(options.width, options.height, options.frames, options.draws);
  PlayerContext context{time, time, surface, messages};
  while (!surface.Done()) {
    TickResult r = Tick(player, context);
    if (r.drew) {
      out << "draw record=" << r.record << " effect=" << r.effect << " duration=" << r.duration
          << " at=" << r.drawnAt << '\n';
    }
    if (r.end) break;
    time.Advance(r.timerMs);
  }
  out.flush();
  if (surface.Failed()) {
    messages.Show("cannot write a frame in " + options.frames.string(), kCaptionError,
                  MessageIcon::kError);
    return 1;
  }
  return 0;
}

}  // namespace lmvengine
