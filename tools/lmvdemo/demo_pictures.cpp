#include "demo_pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lmvtools {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Colour {
  double r, g, b;  // 0..1
};

Colour Mix(Colour a, Colour b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

class Canvas {
 public:
  Canvas(int width, int height) : w_(width), h_(height), rgb_(size_t(width) * height * 3) {}
  void Set(int x, int y, Colour c) {
    unsigned char* p = &rgb_[(size_t(y) * w_ + x) * 3];
    p[0] = Byte(c.r);
    p[1] = Byte(c.g);
    p[2] = Byte(c.b);
  }
  int W() const { return w_; }
  int H() const { return h_; }
  std::vector<unsigned char> Take() { return std::move(rgb_); }

 private:
  static unsigned char Byte(double v) {
    return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
  }
  int w_, h_;
  std::vector<unsigned char> rgb_;
};

// Evening sky over rolling hills, with a low sun.
void Sunset(Canvas& c) {
  const double sunX = c.W() * 0.62, sunY = c.H() * 0.58, sunR = c.H() * 0.11;
  for (int y = 0; y < c.H(); ++y) {
    const double v = double(y) / c.H();
    Colour sky = v < 0.55 ? Mix({0.16, 0.10, 0.36}, {0.95, 0.45, 0.30}, v / 0.55)
                          : Mix({0.95, 0.45, 0.30}, {1.00, 0.80, 0.45}, (v - 0.55) / 0.25);
    for (int x = 0; x < c.W(); ++x) {
      const double u = double(x) / c.W();
      const double hill1 = 0.72 + 0.06 * std::sin(u * 2 * kPi * 1.3 + 0.4);
      const double hill2 = 0.82 + 0.04 * std::sin(u * 2 * kPi * 2.1 + 1.9);
      Colour px = sky;
      const double d = std::hypot(x - sunX, y - sunY);
      if (d < sunR) px = Mix({1.0, 0.95, 0.70}, {1.0, 0.75, 0.35}, d / sunR);
      else if (d < sunR * 2.2) px = Mix(px, {1.0, 0.85, 0.5}, 0.35 * (1 - (d - sunR) / (sunR * 1.2)));
      if (v > hill1) px = Mix({0.30, 0.15, 0.30}, {0.18, 0.08, 0.20}, (v - hill1) * 4);
      if (v > hill2) px = Mix({0.10, 0.05, 0.12}, {0.03, 0.02, 0.05}, (v - hill2) * 5);
      c.Set(x, y, px);
    }
  }
}

// Sea waves in bands of blue under a pale sky.
void Waves(Canvas& c) {
  for (int y = 0; y < c.H(); ++y) {
    const double v = double(y) / c.H();
    for (int x = 0; x < c.W(); ++x) {
      const double u = double(x) / c.W();
      Colour px;
      if (v < 0.35) {
        px = Mix({0.55, 0.78, 0.95}, {0.85, 0.92, 0.98}, v / 0.35);
      } else {
        const double depth = (v - 0.35) / 0.65;
        const double wave = std::sin(u * 2 * kPi * (3 + depth * 5) + depth * 40 +
                                     std::sin(u * 9 + depth * 7) * 1.5);
        px = Mix({0.10, 0.45, 0.70}, {0.02, 0.15, 0.35}, depth);
        if (wave > 0.85) px = Mix(px, {0.95, 0.98, 1.0}, (wave - 0.85) * 5);
      }
      c.Set(x, y, px);
    }
  }
}

// Concentric rings of the rainbow.
void Rings(Canvas& c) {
  const double cx = c.W() / 2.0, cy = c.H() / 2.0, scale = std::min(c.W(), c.H());
  for (int y = 0; y < c.H(); ++y) {
    for (int x = 0; x < c.W(); ++x) {
      const double d = std::hypot(x - cx, y - cy) / scale;
      const double hue = std::fmod(d * 6.0, 1.0);
      Colour px{0.5 + 0.5 * std::cos(2 * kPi * hue), 0.5 + 0.5 * std::cos(2 * kPi * (hue - 1 / 3.0)),
                0.5 + 0.5 * std::cos(2 * kPi * (hue - 2 / 3.0))};
      const double edge = std::fabs(std::fmod(d * 12.0, 1.0) - 0.5);
      if (edge > 0.46) px = Mix(px, {1, 1, 1}, 0.6);
      c.Set(x, y, px);
    }
  }
}

// Plasma: a sum of sines in warm and cold colours.
void Plasma(Canvas& c) {
  for (int y = 0; y < c.H(); ++y) {
    for (int x = 0; x < c.W(); ++x) {
      const double u = double(x) / c.W() * 8, v = double(y) / c.H() * 6;
      const double p = std::sin(u) + std::sin(v * 1.3 + u * 0.5) +
                       std::sin(std::hypot(u - 4, v - 3) * 1.7) + std::sin(u * 0.7 - v);
      const double t = (p + 4) / 8;
      c.Set(x, y, {0.5 + 0.5 * std::sin(t * 2 * kPi * 1.5), 0.5 + 0.5 * std::sin(t * 2 * kPi + 2.0),
                   0.5 + 0.5 * std::sin(t * 2 * kPi * 2 + 4.0)});
    }
  }
}

// The Mandelbrot set, smoothly coloured.
void Mandelbrot(Canvas& c) {
  const int kIterations = 96;
  const double scale = 3.0 / c.W();
  for (int y = 0; y < c.H(); ++y) {
    for (int x = 0; x < c.W(); ++x) {
      const double cr = -2.2 + x * scale * 1.05, ci = (y - c.H() / 2.0) * scale * 1.05;
      double zr = 0, zi = 0;
      int n = 0;
      while (n < kIterations && zr * zr + zi * zi < 16) {
        const double t = zr * zr - zi * zi + cr;
        zi = 2 * zr * zi + ci;
        zr = t;
        ++n;
      }
      if (n == kIterations) {
        c.Set(x, y, {0.02, 0.02, 0.08});
      } else {
        const double s = (n + 1 - std::log2(std::log2(std::max(zr * zr + zi * zi, 1.0001)) + 1e-9)) / kIterations;
        c.Set(x, y, {0.5 + 0.5 * std::sin(s * 12 + 0.5), 0.5 + 0.5 * std::sin(s * 12 + 2.1),
                     0.5 + 0.5 * std::sin(s * 12 + 3.7)});
      }
    }
  }
}

// A night sky with a moon and fixed stars.
void Night(Canvas& c) {
  uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) & 0xFFFF;
  };
  for (int y = 0; y < c.H(); ++y) {
    const Colour sky = Mix({0.01, 0.02, 0.08}, {0.08, 0.12, 0.30}, double(y) / c.H());
    for (int x = 0; x < c.W(); ++x) c.Set(x, y, sky);
  }
  const int stars = c.W() * c.H() / 1500;
  for (int i = 0; i < stars; ++i) {
    const int x = int(next() % c.W()), y = int(next() % c.H());
    const double b = 0.5 + (next() % 50) / 100.0;
    c.Set(x, y, {b, b, b * 0.95 + 0.05});
  }
  const double mx = c.W() * 0.25, my = c.H() * 0.3, mr = c.H() * 0.09;
  for (int y = 0; y < c.H(); ++y) {
    for (int x = 0; x < c.W(); ++x) {
      const double d = std::hypot(x - mx, y - my);
      const double shadow = std::hypot(x - mx - mr * 0.45, y - my + mr * 0.2);
      if (d < mr && shadow > mr * 0.9) c.Set(x, y, {0.97, 0.95, 0.85});
    }
  }
}

struct Entry {
  const char* name;
  int duration;
  int effect;
  void (*draw)(Canvas&);
};

constexpr Entry kPictures[] = {
    {"sunset", 3, 0, Sunset},  {"waves", 3, 1, Waves},       {"rings", 3, 6, Rings},
    {"plasma", 3, 4, Plasma},  {"mandelbrot", 4, 7, Mandelbrot}, {"night", 3, 5, Night},
};

}  // namespace

int DemoPictureCount() { return static_cast<int>(std::size(kPictures)); }

DemoPicture DrawDemoPicture(int index, int width, int height) {
  const Entry& e = kPictures[std::clamp(index, 0, DemoPictureCount() - 1)];
  Canvas canvas(width, height);
  e.draw(canvas);
  return DemoPicture{e.name, e.duration, e.effect, canvas.Take()};
}

}  // namespace lmvtools
