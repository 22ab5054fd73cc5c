#include "player.h"

#include <limits>

namespace lmvengine {
namespace {

// Seconds as timer milliseconds, clamped so that a damaged duration can
// neither go negative nor overflow.
int ToTimerMs(int64_t seconds) {
  constexpr int64_t kMaxMs = std::numeric_limits<int>::max();
  if (seconds <= 0) return 0;
  if (seconds > kMaxMs / 1000) return static_cast<int>(kMaxMs);
  return static_cast<int>(seconds * 1000);
}

void ShowDecodeFailure(Player& player, const PlayerContext& context, const DecodeResult& decode) {
  if (player.decodeFailureShown) return;
  player.decodeFailureShown = true;
  if (decode.status == DecodeStatus::kOutOfMemory) {
    context.messages.Show(kMessageJpegOutOfMemory, kCaptionJpegOutOfMemory, MessageIcon::kError);
  } else {
    context.messages.Show(decode.message, kCaptionJpegFatal, MessageIcon::kError);
  }
}

// Releases the picture just shown and reads records until one decodes and
// its picture is in the surface. A full round of the package (screenCount
// reads) without success means that no record decodes.
bool ReadNext(Player& player, const PlayerContext& context) {
  player.nextReady = false;
  context.surface.DropPicture();
  DecodedImage image;
  const int rounds = player.package.Trailer().screenCount;
  for (int attempt = 0; attempt < rounds; ++attempt) {
    RecordRead read = player.package.ReadRecord(image);
    if (read.status == RecordStatus::kDecoded) {
      bool made = context.surface.SetPicture(image);
      image = DecodedImage{};
      if (!made) continue;
      player.next = read.header;
      player.nextRecord = read.number;
      player.nextReady = true;
      return true;
    }
    if (read.status == RecordStatus::kSkipped) {
      ShowDecodeFailure(player, context, read.decode);
    } else if (read.number == 1) {
      // Even the first record lies outside the file: nothing can be read.
      return false;
    }
  }
  return false;
}

}  // namespace

bool OpenPlayer(Player& player, const std::filesystem::path& path, int screenWidth,
                int screenHeight, MessageSink& messages) {
  OpenStatus status = player.package.Open(path);
  if (status != OpenStatus::kOk) {
    messages.Show(OpenStatusMessage(status), kCaptionError, MessageIcon::kError);
    return false;
  }
  player.screenWidth = screenWidth;
  player.screenHeight = screenHeight;
  const PackageTrailer& t = player.package.Trailer();
  player.geometry = ComputeGeometry(t.width, t.height, screenWidth, screenHeight);
  player.monitors = {Monitor{Rect{0, 0, screenWidth, screenHeight}, player.geometry}};
  player.first = true;
  player.nextReady = false;
  return true;
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
  TickResult result;
  if (player.first) {
    if (!player.nextReady && !ReadNext(player, context)) {
      result.end = true;
      return result;
    }
  } else {
    const int64_t elapsed = context.clock.NowSeconds() - player.shownAt;
    if (elapsed < player.currentDuration) {
      result.timerMs = ToTimerMs(player.currentDuration - elapsed);
      return result;
    }
    if (!player.nextReady) {
      result.end = true;
      return result;
    }
  }

  const PackageTrailer& t = player.package.Trailer();
  player.currentDuration = player.next.duration;
  player.currentEffect =
      ResolveRandomEffect(player.first ? int32_t{kEffectNone} : player.next.effect, player.random);
  const int effect = DrawnEffect(player.currentEffect);
  context.surface.BeginDraw();
  for (int step = 1; step <= EffectStepCount(effect); ++step) {
    for (const Monitor& monitor : player.monitors) {
      context.surface.SetArea(monitor.area);
      context.surface.Blit(PlanEffectStep(effect, step, monitor.geometry, t.width, t.height));
    }
    if (EffectPauses(effect)) context.sleeper.SleepMilliseconds(kStepPauseMs);
  }
  context.surface.EndDraw();
  player.shownAt = context.clock.NowSeconds();

  result.timerMs = ToTimerMs(player.currentDuration);
  result.drew = true;
  result.record = player.nextRecord;
  result.effect = effect;
  result.duration = player.currentDuration;
  result.drawnAt = player.shownAt;

  // Read the following screen in advance. If none decodes any more, the
  // screen on display stays and the next expiry ends the player.
  ReadNext(player, context);
  player.first = false;
  return result;
}

void ClosePlayer(Player& player) { player.package.Close(); }

}  // namespace lmvengine
