// Building blocks of the procedural patterns: a deterministic hash, noise
// fields and cell fields that tile seamlessly over the whole picture
// (their period is the picture's width and height), colour ramps and a
// small canvas that turns values into pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "base/bitmap.h"
#include "base/wintypes.h"

namespace talvik::motif {

// A 32-bit hash of three integers; the same inputs always give the same value.
std::uint32_t Hache(std::uint32_t a, std::uint32_t b, std::uint32_t c);
// The hash as a float in [0, 1).
float Hasard(std::uint32_t a, std::uint32_t b, std::uint32_t c);

// A w x h field of floats.
struct Champ {
  int w = 0;
  int h = 0;
  std::vector<float> v;
  Champ(int largeur, int hauteur) : w(largeur), h(hauteur), v(std::size_t(largeur) * std::size_t(hauteur)) {}
  float& operator()(int x, int y) { return v[std::size_t(y) * std::size_t(w) + std::size_t(x)]; }
  float operator()(int x, int y) const { return v[std::size_t(y) * std::size_t(w) + std::size_t(x)]; }
};

// Fractal value noise in [0, 1] that tiles over w x h: the first octave has
// cx x cy lattice cells across the picture, each next octave twice as many
// with half the weight (times persistance).
Champ Bruit(int w, int h, int cx, int cy, int octaves, std::uint32_t graine,
            float persistance = 0.5f);

// Cells around cx x cy jittered seeds that tile over w x h: distance to the
// nearest seed (f1) and to the second nearest (f2), in units of a cell, and
// the nearest seed's id.
struct Cellules {
  Champ f1;
  Champ f2;
  std::vector<std::uint32_t> id;
  Cellules(int w, int h) : f1(w, h), f2(w, h), id(std::size_t(w) * std::size_t(h)) {}
};
Cellules Voronoi(int w, int h, int cx, int cy, std::uint32_t graine, float jitter = 0.9f);

// A colour ramp: stops at positions 0..1, linear in between.
struct Arret {
  float t;
  COLORREF c;
};
COLORREF Rampe(const std::vector<Arret>& arrets, float t);

// Mixes two colours (t = 0: a, t = 1: b).
COLORREF Melange(COLORREF a, COLORREF b, float t);
// Multiplies a colour's channels by f (clamped to 0-255).
COLORREF Eclaire(COLORREF c, float f);

// Clamps to [0, 1] and the smoothstep of t between e0 and e1.
float Borne(float t);
float Lisse(float e0, float e1, float t);
// Fractional part in [0, 1).
float Frac(float t);

inline constexpr float kPi = 3.14159265358979f;

}  // namespace talvik::motif
