// Built-in patterns: wood, paper, fabric, leather, metal, sky and other
// natural surfaces.
#include <algorithm>
#include <cmath>

#include "pattern/peinture.h"

namespace talvik::motif {

namespace {

// Wood grain value in [0, 1] along bands of `bandes` periods across the
// dimension `longueur` at position p, bent by the noise value t.
float Veinage(float p, float longueur, float bandes, float t) {
  float f = Frac(bandes * p / longueur + 4.f * t);
  return std::pow(f, 3.f);
}

const std::vector<Arret>& RampeBois() {
  static const std::vector<Arret> r = {
      {0.f, RGB(196, 140, 84)}, {0.55f, RGB(170, 112, 60)}, {1.f, RGB(110, 66, 30)}};
  return r;
}

}  // namespace

Bitmap Planches(int w, int h) {
  // Three planks of 21 pixels; each plank has its own grain and tint.
  Champ t = Bruit(w, h, 4, 3, 4, 111u);
  Champ fibre = Bruit(w, h, 64, 21, 1, 112u);
  const int planche = std::max(1, h / 3);
  return Peint(w, h, [&](int x, int y) {
    int n = std::min(2, y / planche);
    float grain = Veinage(float(y) + float(n) * 7.f, float(h), 9.f, t(x, y) + float(n) * 0.3f);
    COLORREF c = Rampe(RampeBois(), 0.7f * grain + 0.3f * fibre(x, y));
    c = Eclaire(c, 0.9f + 0.15f * Hasard(std::uint32_t(n), 4u, 113u));
    int dans = y - n * planche;
    if (dans == 0) return Eclaire(c, 0.55f);
    if (dans == 1) return Eclaire(c, 1.12f);
    // Butt joints at different places on each plank.
    int joint = int(Hasard(std::uint32_t(n), 5u, 114u) * float(w));
    if (x == joint) return Eclaire(c, 0.6f);
    return c;
  });
}

Bitmap Bois(int w, int h) {
  Champ t = Bruit(w, h, 2, 4, 5, 121u);
  Champ fibre = Bruit(w, h, 128, 8, 1, 122u);
  return Peint(w, h, [&](int x, int y) {
    float grain = Veinage(float(x), float(w), 5.f, t(x, y));
    return Rampe(RampeBois(), 0.75f * grain + 0.25f * fibre(x, y));
  });
}

Bitmap Parquet(int w, int h) {
  // 4 x 4 blocks, each of five strips, alternately across and along.
  Champ t = Bruit(w, h, 8, 8, 3, 131u);
  const float bloc = float(w) / 4.f, blocY = float(h) / 4.f;
  return Peint(w, h, [&](int x, int y) {
    int bx = int(float(x) / bloc), by = int(float(y) / blocY);
    bool travers = (bx + by) % 2 == 0;
    float u = travers ? float(y) - float(by) * blocY : float(x) - float(bx) * bloc;
    float lame = travers ? blocY / 5.f : bloc / 5.f;
    int n = int(u / lame);
    float dans = u - float(n) * lame;
    // The grain runs along the strip: it changes across it, bent slowly.
    float grain = std::pow(Frac(1.4f * dans / lame + 0.9f * t(x, y) +
                                Hasard(std::uint32_t(bx * 5 + n), std::uint32_t(by), 132u)),
                           3.f);
    COLORREF c = Rampe(RampeBois(), 0.8f * grain + 0.2f * Hasard(std::uint32_t(bx), std::uint32_t(by * 5 + n), 133u));
    if (dans < 1.f) return Eclaire(c, 0.6f);
    return c;
  });
}

Bitmap Vannerie(int w, int h) {
  // Basket weave: 4 x 4 blocks of two strands, alternately across and along.
  Champ t = Bruit(w, h, 20, 20, 2, 141u);
  const float bloc = float(w) / 4.f;
  return Peint(w, h, [&](int x, int y) {
    int bx = int(float(x) / bloc), by = int(float(y) * 4.f / float(h));
    bool travers = (bx + by) % 2 == 0;
    float u = travers ? float(y) * 4.f / float(h) : float(x) / bloc;
    float brin = Frac(u * 2.f);
    float rond = std::sin(kPi * brin);  // the strand is round
    COLORREF c = Melange(RGB(170, 130, 70), RGB(226, 196, 132), t(x, y));
    return Eclaire(c, 0.45f + 0.6f * std::sqrt(std::max(0.f, rond)));
  });
}

Bitmap Papier(int w, int h) {
  Champ taches = Bruit(w, h, 3, 3, 5, 151u, 0.6f);
  Champ fibres = Bruit(w, h, 50, 50, 2, 152u);
  return Peint(w, h, [&](int x, int y) {
    float v = 0.7f * taches(x, y) + 0.3f * fibres(x, y);
    return Rampe({{0.f, RGB(214, 190, 150)}, {0.5f, RGB(238, 224, 192)}, {1.f, RGB(250, 242, 222)}}, v);
  });
}

Bitmap PapierFroisse(int w, int h) {
  Cellules c = Voronoi(w, h, 7, 7, 161u, 1.f);
  Champ grain = Bruit(w, h, 40, 40, 2, 162u);
  return Peint(w, h, [&](int x, int y) {
    std::uint32_t id = c.id[std::size_t(y) * std::size_t(w) + std::size_t(x)];
    // Each facet catches the light at its own angle; creases are sharp.
    float face = 0.82f + 0.16f * Hasard(id, 6u, 163u);
    float pli = Lisse(0.f, 0.05f, c.f2(x, y) - c.f1(x, y));
    float v = face * (0.85f + 0.15f * pli) + 0.04f * (grain(x, y) - 0.5f);
    return Rgbf(v * 0.93f, v * 0.93f, v * 0.95f);
  });
}

Bitmap Lin(int w, int h) {
  Champ chaine = Bruit(w, 1, w / 2, 1, 1, 171u);
  Champ trame = Bruit(h, 1, h / 2, 1, 1, 172u);
  Champ taches = Bruit(w, h, 4, 4, 3, 173u);
  return Peint(w, h, [&](int x, int y) {
    float v = 0.4f * chaine(x, 0) + 0.4f * trame(y, 0) + 0.2f * taches(x, y);
    bool dessus = ((x / 2) + (y / 2)) % 2 == 0;
    v += dessus ? 0.05f : -0.05f;
    return Rampe({{0.f, RGB(170, 160, 138)}, {0.5f, RGB(208, 198, 176)}, {1.f, RGB(236, 228, 210)}}, v);
  });
}

Bitmap Denim(int w, int h) {
  Champ usure = Bruit(w, h, 4, 4, 4, 181u);
  Champ fil = Bruit(w, h, 128, 16, 1, 182u);
  return Peint(w, h, [&](int x, int y) {
    // 3/1 twill: three indigo threads over one white, shifted each row.
    bool indigo = ((x + y) % 4) != 0;
    float v = usure(x, y);
    COLORREF c = indigo ? Melange(RGB(22, 40, 88), RGB(70, 100, 150), 0.6f * v + 0.4f * fil(x, y))
                        : Melange(RGB(150, 165, 190), RGB(205, 212, 225), fil(x, y));
    return c;
  });
}

Bitmap Cuir(int w, int h) {
  Cellules c = Voronoi(w, h, 25, 25, 191u, 1.f);
  Champ ton = Bruit(w, h, 4, 4, 4, 192u);
  return Peint(w, h, [&](int x, int y) {
    float pli = Lisse(0.f, 0.25f, c.f2(x, y) - c.f1(x, y));
    COLORREF base = Melange(RGB(90, 48, 22), RGB(140, 80, 40), ton(x, y));
    return Eclaire(base, 0.65f + 0.4f * pli);
  });
}

Bitmap MetalBrosse(int w, int h) {
  Champ traits = Bruit(w, h, 1, 128, 2, 201u);
  Champ ondes = Bruit(w, h, 3, 3, 2, 202u);
  return Peint(w, h, [&](int x, int y) {
    float v = 0.55f + 0.3f * (traits(x, y) - 0.5f) + 0.25f * (ondes(x, y) - 0.5f);
    return Rgbf(v * 0.95f, v * 0.97f, v);
  });
}

Bitmap Nuages(int w, int h) {
  Champ n = Bruit(w, h, 4, 4, 6, 211u, 0.55f);
  return Peint(w, h, [&](int x, int y) {
    float v = Lisse(0.42f, 0.8f, n(x, y));
    return Melange(RGB(80, 140, 215), RGB(250, 250, 252), v);
  });
}

Bitmap Aquarelle(int w, int h) {
  Champ teinte = Bruit(w, h, 2, 2, 4, 221u);
  Champ lavis = Bruit(w, h, 6, 6, 4, 222u);
  return Peint(w, h, [&](int x, int y) {
    return Teinte(teinte(x, y) * 1.6f, 0.22f + 0.2f * lavis(x, y), 0.97f - 0.08f * lavis(x, y));
  });
}

Bitmap Camouflage(int w, int h) {
  Champ n = Bruit(w, h, 4, 4, 4, 231u);
  Champ m = Bruit(w, h, 5, 5, 4, 232u);
  return Peint(w, h, [&](int x, int y) {
    if (m(x, y) > 0.62f) return RGB(40, 36, 28);
    float v = n(x, y);
    if (v < 0.42f) return RGB(92, 104, 60);
    if (v < 0.56f) return RGB(140, 130, 90);
    return RGB(60, 78, 44);
  });
}

Bitmap CielEtoile(int w, int h) {
  Champ nebuleuse = Bruit(w, h, 3, 3, 5, 241u);
  return Peint(w, h, [&](int x, int y) {
    float v = nebuleuse(x, y);
    COLORREF c = Rampe({{0.f, RGB(4, 6, 20)}, {0.55f, RGB(14, 20, 52)}, {1.f, RGB(60, 40, 100)}}, v);
    float s = Hasard(std::uint32_t(x), std::uint32_t(y), 242u);
    if (s > 0.9975f) return RGB(255, 255, 240);
    if (s > 0.992f) return Melange(c, RGB(200, 210, 255), 0.6f);
    return c;
  });
}

Bitmap Givre(int w, int h) {
  Cellules c = Voronoi(w, h, 10, 10, 251u, 1.f);
  Champ voile = Bruit(w, h, 4, 4, 4, 252u);
  return Peint(w, h, [&](int x, int y) {
    float arete = 1.f - Lisse(0.f, 0.06f, c.f2(x, y) - c.f1(x, y));
    COLORREF base = Melange(RGB(176, 204, 228), RGB(232, 242, 250), voile(x, y));
    COLORREF col = Melange(base, RGB(255, 255, 255), 0.8f * arete);
    if (Hasard(std::uint32_t(x), std::uint32_t(y), 253u) > 0.996f) return RGB(255, 255, 255);
    return col;
  });
}

Bitmap Herbe(int w, int h) {
  Champ brins = Bruit(w, h, w / 3, 3, 2, 261u);
  Champ touffes = Bruit(w, h, 4, 4, 3, 262u);
  return Peint(w, h, [&](int x, int y) {
    float v = 0.65f * brins(x, y) + 0.35f * touffes(x, y);
    return Rampe({{0.f, RGB(24, 70, 20)}, {0.45f, RGB(60, 130, 40)}, {1.f, RGB(150, 200, 80)}}, v);
  });
}

}  // namespace talvik::motif
