#include "motion.h"

#include <algorithm>
#include <cmath>

// Every double below is computed in the order a JavaScript port writes it;
// a fused multiply-add would round differently, so this file is compiled
// with floating-point contraction off.

namespace lmvengine {

uint32_t Mix32(uint32_t x) {
  x ^= x >> 16;
  x *= 0x85EBCA6Bu;
  x ^= x >> 13;
  x *= 0xC2B2AE35u;
  x ^= x >> 16;
  return x;
}

uint32_t PanHash(int32_t index) {
  return Mix32(static_cast<uint32_t>(index) * 0x9E3779B9u + 0x7F4A7C15u);
}

PanWindow FullPanWindow(int pictureWidth, int pictureHeight, int saverWidth, int saverHeight) {
  PanWindow full;
  const double pw = pictureWidth;
  const double ph = pictureHeight;
  if (int64_t{pictureWidth} * saverHeight >= int64_t{pictureHeight} * saverWidth) {
    full.h = ph;
    full.w = ph * saverWidth / saverHeight;
  } else {
    full.w = pw;
    full.h = pw * saverHeight / saverWidth;
  }
  return full;
}

namespace {

double Clamp(double v, double low, double high) { return std::min(std::max(v, low), high); }

// A window of `zoom` times the full one, its left and top at `ax`, `ay`
// (0..1) of the room the picture leaves it.
PanWindow Placed(const PanWindow& full, double zoom, double ax, double ay, double pw, double ph) {
  PanWindow w;
  w.w = full.w * zoom;
  w.h = full.h * zoom;
  w.x = (pw - w.w) * ax;
  w.y = (ph - w.h) * ay;
  return w;
}

}  // namespace

PanPath PlanPanPath(int32_t index, int pictureWidth, int pictureHeight, int saverWidth,
                    int saverHeight, const RecordOptions& entry) {
  const PanWindow full = FullPanWindow(pictureWidth, pictureHeight, saverWidth, saverHeight);
  const double pw = pictureWidth;
  const double ph = pictureHeight;
  const uint32_t hash = PanHash(index);
  const double ax = static_cast<double>((hash >> 8) & 255u) / 255;
  const double ay = static_cast<double>((hash >> 16) & 255u) / 255;
  PanPath path;
  if (!entry.HasSubject()) {
    const bool zoomIn = (hash & 1u) == 0;
    const double z0 = zoomIn ? 1.0 : kPanZoomMinZoom;
    const double z1 = zoomIn ? kPanZoomMinZoom : 1.0;
    path.start = Placed(full, z0, ax, ay, pw, ph);
    path.end = Placed(full, z1, 1 - ax, 1 - ay, pw, ph);
    return path;
  }
  const double left = pw * entry.subjectLeft / kSubjectScale;
  const double top = ph * entry.subjectTop / kSubjectScale;
  const double right = pw * entry.subjectRight / kSubjectScale;
  const double bottom = ph * entry.subjectBottom / kSubjectScale;
  const double z1 =
      Clamp(std::max((right - left) / full.w, (bottom - top) / full.h), kPanZoomMinZoom, 1.0);
  const double z0 = z1 < kPanZoomSubjectPivot ? 1.0 : kPanZoomMinZoom;
  path.start = Placed(full, z0, ax, ay, pw, ph);
  path.end.w = full.w * z1;
  path.end.h = full.h * z1;
  path.end.x = Clamp((left + right) / 2 - path.end.w / 2, 0.0, pw - path.end.w);
  path.end.y = Clamp((top + bottom) / 2 - path.end.h / 2, 0.0, ph - path.end.h);
  return path;
}

PanWindow PanZoomWindow(int32_t index, double progress, int pictureWidth, int pictureHeight,
                        int saverWidth, int saverHeight, const RecordOptions& entry) {
  const PanPath path =
      PlanPanPath(index, pictureWidth, pictureHeight, saverWidth, saverHeight, entry);
  const double p = Clamp(progress, 0.0, 1.0);
  PanWindow w;
  w.w = path.start.w + (path.end.w - path.start.w) * p;
  w.h = path.start.h + (path.end.h - path.start.h) * p;
  w.x = Clamp(path.start.x + (path.end.x - path.start.x) * p, 0.0, pictureWidth - w.w);
  w.y = Clamp(path.start.y + (path.end.y - path.start.y) * p, 0.0, pictureHeight - w.h);
  return w;
}

int64_t PanPeriodMs(int32_t durationSeconds, int32_t transitionMs) {
  const int64_t period = int64_t{std::max(durationSeconds, 0)} * 1000 +
                         2 * int64_t{std::max(transitionMs, 0)};
  return std::max<int64_t>(period, 1);
}

double Progress(int64_t elapsedMs, int64_t lengthMs) {
  if (lengthMs <= 0) return 1.0;
  return Clamp(static_cast<double>(elapsedMs) / static_cast<double>(lengthMs), 0.0, 1.0);
}

int CrossFadeAlpha(int64_t elapsedMs, int32_t transitionMs) {
  return static_cast<int>(std::floor(Progress(elapsedMs, transitionMs) * 256 + 0.5));
}

uint32_t NextShuffleValue(Shuffle& shuffle) {
  shuffle.state += 0x9E3779B9u;
  return Mix32(shuffle.state);
}

std::vector<int32_t> NextShuffleCycle(Shuffle& shuffle, int32_t count) {
  std::vector<int32_t> order;
  if (count <= 0) return order;
  order.resize(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) order[static_cast<size_t>(i)] = i;
  for (int32_t i = count - 1; i >= 1; --i) {
    const uint32_t j = NextShuffleValue(shuffle) % static_cast<uint32_t>(i + 1);
    std::swap(order[static_cast<size_t>(i)], order[j]);
  }
  if (count >= 2 && order[0] == shuffle.last) {
    const uint32_t k = 1 + NextShuffleValue(shuffle) % static_cast<uint32_t>(count - 1);
    std::swap(order[0], order[k]);
  }
  shuffle.last = order.back();
  return order;
}

int32_t MonitorStartPosition(int monitor, int monitorCount, int32_t count) {
  if (monitorCount <= 0 || count <= 0 || monitor <= 0) return 0;
  return static_cast<int32_t>((int64_t{monitor} * count / monitorCount) % count);
}

}  // namespace lmvengine
