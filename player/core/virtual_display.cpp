#include "virtual_display.h"

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <system_error>

#include "player.h"
#include "size_text.h"
#include "soft_raster.h"

namespace lmvengine {
namespace {

constexpr int64_t kRefreshHz = 60;

// Simulated time: starts at 0 and moves only when told to.
class SimulatedTime : public Clock, public Sleeper {
 public:
  int64_t NowSeconds() override { return microseconds_ / 1000000; }
  int64_t NowMilliseconds() override { return microseconds_ / 1000; }
  void SleepMilliseconds(int milliseconds) override { Advance(milliseconds); }
  void Advance(int milliseconds) {
    if (milliseconds > 0) microseconds_ += int64_t{milliseconds} * 1000;
  }
  // To the next refresh of the 60 Hz display.
  void NextRefresh() {
    const int64_t k = microseconds_ * kRefreshHz / 1000000 + 1;
    microseconds_ = (k * 1000000 + kRefreshHz - 1) / kRefreshHz;
  }
  int64_t Microseconds() const { return microseconds_; }

 private:
  int64_t microseconds_ = 0;
};

// The display in memory; every blit is written out as the next frame.
class FrameSurface : public Surface {
 public:
  FrameSurface(int width, int height, std::filesystem::path frames, int limit, bool everyBlit,
               std::ostream& out)
      : display_(MakeRaster(width, height, kClassBackground)),
        frames_(std::move(frames)),
        limit_(limit),
        everyBlit_(everyBlit),
        out_(out) {}

  bool SetPicture(const DecodedImage& image) override {
    picture_ = RasterFromImage(image);
    return !picture_.pixels.empty();
  }
  void DropPicture() override { picture_ = Raster{}; }
  void Blit(const BlitStep& step) override {
    if (blits_ >= limit_ || failed_) return;
    BlitRaster(picture_, step, display_);
    Written();
  }
  void PresentFrame(const Raster& frame, int x, int y) override {
    if (blits_ >= limit_ || failed_) return;
    BlitRaster(frame, BlitStep{Rect{x, y, frame.width, frame.height},
                               Rect{0, 0, frame.width, frame.height}, false},
               display_);
    Written();
    out_ << "frame " << blits_ << " ms=" << frameMs_ << '\n';
  }
  void SetFrameTime(int64_t ms) { frameMs_ = ms; }
  // The display as it is now, as FRAMES/at-T.ppm.
  void WriteAt(int64_t ms) {
    if (failed_) return;
    if (!WritePpm(display_, frames_ / ("at-" + std::to_string(ms) + ".ppm"))) failed_ = true;
  }

  bool Done() const { return blits_ >= limit_ || failed_; }
  bool Failed() const { return failed_; }

 private:
  void Written() {
    ++blits_;
    if (!everyBlit_) return;
    char name[32];
    std::snprintf(name, sizeof name, "frame-%04d.ppm", blits_);
    if (!WritePpm(display_, frames_ / name)) failed_ = true;
  }

  Raster display_;
  Raster picture_;
  std::filesystem::path frames_;
  int limit_;
  bool everyBlit_;
  std::ostream& out_;
  int64_t frameMs_ = 0;
  int blits_ = 0;
  bool failed_ = false;
};

// "T1,T2,..." as ascending milliseconds.
bool ParseTimes(const std::string& text, std::vector<int64_t>& times) {
  times.clear();
  size_t at = 0;
  while (at <= text.size()) {
    const size_t comma = std::min(text.find(',', at), text.size());
    const std::string part = text.substr(at, comma - at);
    char* end = nullptr;
    const long long v = part.empty() ? -1 : std::strtoll(part.c_str(), &end, 10);
    if (part.empty() || *end != '\0' || v < 0 || v > 86400000LL ||
        (!times.empty() && v < times.back())) {
      return false;
    }
    times.push_back(v);
    at = comma + 1;
  }
  return !times.empty();
}

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
    } else if (a == "--at-ms") {
      if (!hasValue || !ParseTimes(args[++i], options.atMs)) {
        error = "--at-ms needs ascending milliseconds T1,T2,...";
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
  const bool atTimes = !options.atMs.empty();
  FrameSurface surface(options.width, options.height, options.frames,
                       atTimes ? 1 << 30 : options.draws, !atTimes, out);
  PlayerContext context{time, time, surface, messages};
  size_t nextAt = 0;
  while (!surface.Done()) {
    surface.SetFrameTime(time.NowMilliseconds());
    TickResult r = Tick(player, context);
    if (r.drew) {
      out << "draw record=" << r.record << " effect=" << r.effect << " duration=" << r.duration
          << " at=" << r.drawnAt << '\n';
    }
    if (r.end) break;
    if (r.animating) {
      time.NextRefresh();
    } else {
      time.Advance(r.timerMs);
    }
    // What the display shows from now until the next tick.
    while (atTimes && nextAt < options.atMs.size() &&
           options.atMs[nextAt] * 1000 < time.Microseconds()) {
      surface.WriteAt(options.atMs[nextAt++]);
    }
    if (atTimes && nextAt >= options.atMs.size()) break;
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
