#include "player.h"

#include <algorithm>
#include <limits>

namespace lmvengine {
namespace {

constexpr int kMaxMs = std::numeric_limits<int>::max();

// Seconds as timer milliseconds, clamped so that a damaged duration can
// neither go negative nor overflow.
int ToTimerMs(int64_t seconds) {
  if (seconds <= 0) return 0;
  if (seconds > kMaxMs / 1000) return kMaxMs;
  return static_cast<int>(seconds * 1000);
}

int ClampMs(int64_t ms) { return static_cast<int>(std::clamp<int64_t>(ms, 0, kMaxMs)); }

void ShowDecodeFailure(Player& player, const PlayerContext& context, const DecodeResult& decode) {
  if (player.decodeFailureShown) return;
  player.decodeFailureShown = true;
  const Language l = player.language;
  if (decode.status == DecodeStatus::kOutOfMemory) {
    context.messages.Show(Words(l, kMessageJpegOutOfMemory), Words(l, kCaptionJpegOutOfMemory),
                          MessageIcon::kError);
  } else {
    context.messages.Show(Words(l, decode.message.c_str()), Words(l, kCaptionJpegFatal),
                          MessageIcon::kError);
  }
}

// The next record of the sequence: with an options block, the next place
// of the cycle (a new cycle after the last); else the reader's next record.
RecordRead ReadSequenced(Player& player, DecodedImage& image) {
  PackageReader& package = player.package;
  if (!package.HasOptionsBlock()) return package.ReadRecord(image);
  const int32_t count = package.Trailer().screenCount;
  if (player.orderPosition >= player.order.size()) {
    if (package.Options().flags & kOptionShuffle) {
      player.order = NextShuffleCycle(player.shuffle, count);
    } else {
      player.order.resize(static_cast<size_t>(count));
      for (int32_t i = 0; i < count; ++i) player.order[static_cast<size_t>(i)] = i;
    }
    player.orderPosition = 0;
  }
  return package.ReadRecordAt(player.order[player.orderPosition++], image);
}

// Reads records until one decodes, at most `ahead.attemptsLeft` of them
// (a full round of the package, screenCount reads, without success means
// that no record decodes). Touches neither the surface nor the messages,
// so it may run beside the frames.
void ReadDecoded(Player& player, ReadAhead& ahead) {
  while (ahead.attemptsLeft > 0) {
    --ahead.attemptsLeft;
    RecordRead read = ReadSequenced(player, ahead.image);
    if (read.status == RecordStatus::kDecoded) {
      ahead.picture = RasterFromImage(ahead.image);
      ahead.read = read;
      ahead.found = true;
      return;
    }
    if (read.status == RecordStatus::kSkipped) {
      ahead.failures.push_back(read.decode);
    } else if (read.number == 1 && !player.package.HasOptionsBlock()) {
      // Even the first record lies outside the file: nothing can be read.
      return;
    }
  }
}

// What ReadDecoded found, on the tick's thread: the failures shown, the
// picture in the surface. A picture the surface cannot take is passed
// over for the next record that decodes.
bool Adopt(Player& player, const PlayerContext& context, ReadAhead& ahead) {
  for (;;) {
    for (const DecodeResult& failure : ahead.failures) ShowDecodeFailure(player, context, failure);
    ahead.failures.clear();
    if (!ahead.found) return false;
    const bool made = context.surface.SetPicture(ahead.image);
    ahead.image = DecodedImage{};
    ahead.found = false;
    if (made) {
      player.nextPicture = std::move(ahead.picture);
      player.next = ahead.read.header;
      player.nextRecord = ahead.read.number;
      player.nextReady = true;
      return true;
    }
    ahead.picture = Raster{};
    ReadDecoded(player, ahead);
  }
}

// Releases the picture just shown and makes ready to read the next record.
void DropNext(Player& player, const PlayerContext& context) {
  player.nextReady = false;
  player.nextPicture = Raster{};
  context.surface.DropPicture();
  player.ahead = ReadAhead{};
  player.ahead.attemptsLeft = player.package.Trailer().screenCount;
}

// Releases the picture just shown and reads records until one decodes and
// its picture is in the surface.
bool ReadNext(Player& player, const PlayerContext& context) {
  DropNext(player, context);
  ReadDecoded(player, player.ahead);
  return Adopt(player, context, player.ahead);
}

// ReadNext beside the frames where the back-end has a thread for it; the
// picture goes to the surface in FinishReadNext.
void StartReadNext(Player& player, const PlayerContext& context) {
  if (!context.work) {
    ReadNext(player, context);
    return;
  }
  DropNext(player, context);
  player.reading = context.work->Start([&player] { ReadDecoded(player, player.ahead); });
  if (!player.reading) ReadNext(player, context);
}

// The read started by StartReadNext taken in once it is over (at once, if
// `wait`).
void FinishReadNext(Player& player, const PlayerContext& context, bool wait) {
  if (!player.reading || (!wait && !player.reading->Finished())) return;
  player.reading.reset();
  Adopt(player, context, player.ahead);
}

// The record read in advance as the screen coming on.
ShownScreen TakeNext(Player& player, bool pans, int64_t startMs) {
  ShownScreen s;
  s.picture = std::move(player.nextPicture);
  player.nextPicture = Raster{};
  s.index = player.nextRecord - 1;
  s.pans = pans;
  const auto& entries = player.package.Options().entries;
  if (s.index >= 0 && static_cast<size_t>(s.index) < entries.size()) {
    s.entry = entries[static_cast<size_t>(s.index)];
  }
  s.duration = std::max(player.next.duration, 0);
  s.startMs = startMs;
  return s;
}

// A screen's layer at `nowMs`: its pan window, or its whole picture.
FrameLayer LayerAt(const Player& player, const ShownScreen& s, int64_t nowMs) {
  FrameLayer layer{&s.picture, WholePicture(s.picture)};
  if (s.pans && !s.picture.pixels.empty()) {
    const PackageTrailer& t = player.package.Trailer();
    const double p = Progress(nowMs - s.startMs, PanPeriodMs(s.duration, s.entry.transitionMs));
    layer.window = PanZoomWindow(s.index, p, s.picture.width, s.picture.height, t.width,
                                 t.height, s.entry);
  }
  return layer;
}

// Composes and shows the frame at `nowMs` on every monitor.
void DrawFrame(Player& player, const PlayerContext& context, int64_t nowMs, TickResult& result) {
  const FrameLayer over = LayerAt(player, player.shown, nowMs);
  FrameLayer under;
  int alpha = 256;
  if (player.fading) {
    under = LayerAt(player, player.leaving, nowMs);
    alpha = CrossFadeAlpha(nowMs - player.shown.startMs, player.shown.entry.transitionMs);
  }
  player.frames.resize(player.monitors.size());
  context.surface.BeginDraw();
  for (size_t m = 0; m < player.monitors.size(); ++m) {
    const Geometry& g = player.monitors[m].geometry;
    Raster& frame = player.frames[m];
    if (frame.width != g.destWidth || frame.height != g.destHeight) {
      frame = MakeRaster(g.destWidth, g.destHeight, 0);
    }
    if (frame.pixels.empty()) continue;
    // Monitors of one size show the same frame: composed once.
    if (m > 0 && player.frames[m - 1].width == frame.width &&
        player.frames[m - 1].height == frame.height) {
      frame.pixels = player.frames[m - 1].pixels;
    } else {
      ComposeFrame(under, over, alpha, frame, context.rows);
    }
    context.surface.SetArea(player.monitors[m].area);
    context.surface.PresentFrame(frame, g.destX, g.destY);
  }
  context.surface.EndDraw();
  result.frame = true;
  result.frameMs = nowMs;
}

// The designed drawing of the screen read in advance with `effect` (0..6).
void DrawDesigned(Player& player, const PlayerContext& context, int effect) {
  const PackageTrailer& t = player.package.Trailer();
  context.surface.BeginDraw();
  for (int step = 1; step <= EffectStepCount(effect); ++step) {
    for (const Monitor& monitor : player.monitors) {
      context.surface.SetArea(monitor.area);
      context.surface.Blit(PlanEffectStep(effect, step, monitor.geometry, t.width, t.height));
    }
    if (EffectPauses(effect)) context.sleeper.SleepMilliseconds(kStepPauseMs);
  }
  context.surface.EndDraw();
}

void NoteDrawn(const Player& player, int effect, TickResult& result) {
  result.drew = true;
  result.record = player.nextRecord;
  result.effect = effect;
  result.duration = player.currentDuration;
}

// The screen read in advance comes on at `startMs`.
TickResult ComeOn(Player& player, const PlayerContext& context, int64_t startMs) {
  TickResult result;
  const bool first = player.first;
  player.currentDuration = player.next.duration;
  // The first screen comes on without effect; if it pans, it pans.
  player.currentEffect =
      ResolveRandomEffect(first ? int32_t{kEffectNone} : player.next.effect, player.random);
  const bool pans = first ? player.next.effect == kEffectPanZoom
                          : player.currentEffect == kEffectPanZoom;
  const bool moving = !first && IsMovingEffect(player.currentEffect);
  const int drawn = moving ? player.currentEffect : DrawnEffect(player.currentEffect);
  const int64_t extra = first ? player.firstExtraMs : 0;
  if (moving || pans) {
    player.leaving = moving ? std::move(player.shown) : ShownScreen{};
    player.shown = TakeNext(player, pans, startMs);
    player.timed = true;
    player.fading = moving;
    const int64_t fadeMs = moving ? player.shown.entry.transitionMs : 0;
    player.dueMs = startMs + fadeMs + int64_t{player.shown.duration} * 1000 + extra;
    const int64_t now = context.clock.NowMilliseconds();
    DrawFrame(player, context, std::max(now, startMs), result);
    NoteDrawn(player, drawn, result);
    player.shownAt = context.clock.NowSeconds();
    result.drawnAt = player.shownAt;
    player.first = false;
    if (player.fading && context.work) {
      // Read beside the fade's frames, ready when it ends.
      StartReadNext(player, context);
      result.animating = true;
    } else if (player.fading) {
      // Decoding the next picture now would hold the fade's first frames.
      player.readPending = true;
      player.nextReady = false;
      result.animating = true;
    } else {
      StartReadNext(player, context);  // a panning screen: beside its frames
      result.animating = pans;
      result.timerMs = ClampMs(player.dueMs - context.clock.NowMilliseconds());
    }
    return result;
  }
  DrawDesigned(player, context, drawn);
  player.shown = TakeNext(player, false, startMs);
  player.timed = extra > 0;
  player.fading = false;
  player.leaving = ShownScreen{};
  player.shownAt = context.clock.NowSeconds();
  NoteDrawn(player, drawn, result);
  result.drawnAt = player.shownAt;
  if (player.timed) {
    // A staggered first screen: its time counted in milliseconds.
    player.dueMs = context.clock.NowMilliseconds() + int64_t{player.shown.duration} * 1000 + extra;
    result.timerMs = ClampMs(player.dueMs - context.clock.NowMilliseconds());
  } else {
    result.timerMs = ToTimerMs(player.currentDuration);
  }
  // Read the following screen in advance. If none decodes any more, the
  // screen on display stays and the next expiry ends the player.
  ReadNext(player, context);
  player.first = false;
  return result;
}

// A tick while the screen on display is timed in milliseconds.
TickResult TimedTick(Player& player, const PlayerContext& context) {
  TickResult result;
  int64_t now = context.clock.NowMilliseconds();
  if (player.fading && now >= player.shown.startMs + player.shown.entry.transitionMs) {
    // The fade's last frame: the new screen alone.
    player.fading = false;
    DrawFrame(player, context, now, result);
    player.leaving = ShownScreen{};
  }
  if (!player.fading && player.readPending) {
    // The fade is over: the next record is read beside the frames (a
    // panning screen keeps moving meanwhile), or now.
    player.readPending = false;
    StartReadNext(player, context);
    now = context.clock.NowMilliseconds();
  }
  FinishReadNext(player, context, !player.fading && now >= player.dueMs);
  if (!player.fading && now >= player.dueMs) {
    if (!player.nextReady) {
      result.end = true;
      return result;
    }
    // On time: the next screen starts when this one's time was up, unless
    // the tick came much later than that (a paint after a long stall).
    const int64_t start = now - player.dueMs < 250 ? player.dueMs : now;
    return ComeOn(player, context, start);
  }
  if (player.fading || player.shown.pans) {
    if (!result.frame) DrawFrame(player, context, now, result);
    result.animating = true;
    return result;
  }
  result.timerMs = ClampMs(player.dueMs - now);
  return result;
}

}  // namespace

bool OpenPlayer(Player& player, const std::filesystem::path& path, int screenWidth,
                int screenHeight, MessageSink& messages) {
  OpenStatus status = player.package.Open(path);
  if (status != OpenStatus::kOk) {
    const Language l = messages.SystemLanguage();
    messages.Show(Words(l, OpenStatusMessage(status)), Words(l, kCaptionError),
                  MessageIcon::kError);
    return false;
  }
  player.language = LanguageFromCode(player.package.Options().language);
  player.screenWidth = screenWidth;
  player.screenHeight = screenHeight;
  const PackageTrailer& t = player.package.Trailer();
  player.geometry = ComputeGeometry(t.width, t.height, screenWidth, screenHeight);
  player.monitors = {Monitor{Rect{0, 0, screenWidth, screenHeight}, player.geometry}};
  player.first = true;
  player.nextReady = false;
  return true;
}

void StartSequence(Player& player, uint32_t seed, int monitor, int monitorCount) {
  const PackageReader& package = player.package;
  if (!package.HasOptionsBlock()) return;
  const int32_t count = package.Trailer().screenCount;
  const int32_t flags = package.Options().flags;
  player.shuffle = Shuffle{seed};
  player.order.clear();
  player.orderPosition = 0;
  player.firstExtraMs = 0;
  if (flags & kOptionShuffle) {
    player.order = NextShuffleCycle(player.shuffle, count);
  } else {
    player.order.resize(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) player.order[static_cast<size_t>(i)] = i;
  }
  if ((flags & kOptionDifferentMonitors) && monitorCount > 1 && monitor > 0) {
    player.orderPosition =
        static_cast<size_t>(MonitorStartPosition(monitor, monitorCount, count));
    player.firstExtraMs = int64_t{monitor} * kMonitorStaggerMs;
  }
}

bool SetMonitors(Player& player, const std::vector<Rect>& areas) {
  if (areas.empty()) return false;
  for (const Rect& area : areas) {
    if (area.w < 1 || area.h < 1) return false;
  }
  const PackageTrailer& t = player.package.Trailer();
  std::vector<Monitor> monitors;
  monitors.reserve(areas.size());
  for (const Rect& area : areas) {
    Geometry g = ComputeGeometry(t.width, t.height, area.w, area.h);
    g.destX += area.x;
    g.destY += area.y;
    monitors.push_back(Monitor{area, g});
  }
  player.monitors = std::move(monitors);
  return true;
}

TickResult Tick(Player& player, const PlayerContext& context) {
  if (player.first) {
    if (!player.nextReady && !ReadNext(player, context)) {
      TickResult result;
      result.end = true;
      return result;
    }
    return ComeOn(player, context, context.clock.NowMilliseconds());
  }
  if (player.timed) return TimedTick(player, context);
  TickResult result;
  const int64_t elapsed = context.clock.NowSeconds() - player.shownAt;
  if (elapsed < player.currentDuration) {
    result.timerMs = ToTimerMs(player.currentDuration - elapsed);
    return result;
  }
  if (!player.nextReady) {
    result.end = true;
    return result;
  }
  return ComeOn(player, context, context.clock.NowMilliseconds());
}

void ClosePlayer(Player& player) {
  player.reading.reset();
  player.package.Close();
}

Language PackageLanguage(const std::filesystem::path& path, Language otherwise) {
  PackageReader package;
  if (package.Open(path) != OpenStatus::kOk) return otherwise;
  return LanguageFromCode(package.Options().language);
}

}  // namespace lmvengine
