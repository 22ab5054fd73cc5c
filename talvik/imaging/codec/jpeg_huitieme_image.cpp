// The one-eighth picture from the DC differences.
#include <algorithm>
#include <vector>

#include "codec/jpeg_huitieme_parties.h"

namespace talvik::huitieme {

namespace {

// libjpeg's colour conversion tables (YCbCr to RGB, 16-bit fixed point).
struct TablesCouleur {
  int crR[256], cbB[256], crG[256], cbG[256];
  TablesCouleur() {
    constexpr int kBits = 16;
    constexpr std::int32_t kDemi = std::int32_t(1) << (kBits - 1);
    auto fix = [](double x) { return std::int32_t(x * (1L << kBits) + 0.5); };
    for (int i = 0; i < 256; ++i) {
      const std::int32_t x = i - 128;
      crR[i] = int((fix(1.40200) * x + kDemi) >> kBits);
      cbB[i] = int((fix(1.77200) * x + kDemi) >> kBits);
      crG[i] = -fix(0.71414) * x;
      cbG[i] = -fix(0.34414) * x + kDemi;
    }
  }
};

inline std::uint8_t Borne(int v) { return std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); }

}  // namespace

Bitmap Image(const Entete& e, const std::int16_t* diffs) {
  const int largeur = (e.largeur + 7) / 8, hauteur = (e.hauteur + 7) / 8;
  Bitmap image = Bitmap::CreateUninitialized(largeur, hauteur);
  if (!image) return {};
  const std::size_t lY = std::size_t(e.mcuX) * std::size_t(e.h);
  std::vector<std::uint8_t> plans(lY * std::size_t(e.mcuY) * std::size_t(e.v) +
                                  2 * std::size_t(e.mcuX) * std::size_t(e.mcuY));
  std::uint8_t* y = plans.data();
  std::uint8_t* cb = y + lY * std::size_t(e.mcuY) * std::size_t(e.v);
  std::uint8_t* cr = cb + std::size_t(e.mcuX) * std::size_t(e.mcuY);
  // The DC coefficients from their differences, as libjpeg's 1 x 1
  // inverse transform gives each block's value.
  int p0 = 0, p1 = 0, p2 = 0;
  const int q0 = e.q0[0], q1 = e.q0[1], q2 = e.q0[2];
  const int bY = e.h * e.v;
  unsigned avantReprise = e.intervalle;
  const std::int16_t* d = diffs;
  for (int my = 0; my < e.mcuY; ++my) {
    std::uint8_t* ligneY = y + std::size_t(my) * std::size_t(e.v) * lY;
    std::uint8_t* ligneCb = cb + std::size_t(my) * std::size_t(e.mcuX);
    std::uint8_t* ligneCr = cr + std::size_t(my) * std::size_t(e.mcuX);
    for (int mx = 0; mx < e.mcuX; ++mx, d += e.blocs) {
      if (e.intervalle && avantReprise-- == 0) {
        p0 = p1 = p2 = 0;
        avantReprise = e.intervalle - 1;
      }
      for (int by = 0; by < e.v; ++by)
        for (int bx = 0; bx < e.h; ++bx) {
          p0 += d[by * e.h + bx];
          ligneY[std::size_t(by) * lY + std::size_t(mx * e.h + bx)] =
              Borne(((p0 * q0 + 4) >> 3) + 128);
        }
      if (e.composantes == 3) {
        p1 += d[bY];
        p2 += d[bY + 1];
        ligneCb[mx] = Borne(((p1 * q1 + 4) >> 3) + 128);
        ligneCr[mx] = Borne(((p2 * q2 + 4) >> 3) + 128);
      }
    }
  }
  static const TablesCouleur t;
  std::vector<int> cbV(std::size_t(e.mcuX)), crV(std::size_t(e.mcuX));
  for (int py = 0; py < hauteur; ++py) {
    std::uint32_t* ligne = image.Row(py);
    const std::uint8_t* ly = y + std::size_t(py) * lY;
    if (e.composantes == 1) {
      for (int px = 0; px < largeur; ++px) ligne[px] = std::uint32_t(ly[px]) * 0x010101u;
      continue;
    }
    // Half-resolution colour brought up by weighing each sample 3 to 1
    // with its neighbour on the pixel's side, as libjpeg's smooth
    // upsampling does: closer to libjpeg's own reduction than repeating.
    // First down the column (values times 4), then along the row.
    const int cy = py / e.v;
    const int cy2 = e.v == 2 ? std::clamp(py % 2 ? cy + 1 : cy - 1, 0, e.mcuY - 1) : cy;
    const int pv = e.v == 2 ? 3 : 4;
    const std::uint8_t* b1 = cb + std::size_t(cy) * std::size_t(e.mcuX);
    const std::uint8_t* b2 = cb + std::size_t(cy2) * std::size_t(e.mcuX);
    const std::uint8_t* r1 = cr + std::size_t(cy) * std::size_t(e.mcuX);
    const std::uint8_t* r2 = cr + std::size_t(cy2) * std::size_t(e.mcuX);
    for (int cx = 0; cx < e.mcuX; ++cx) {
      cbV[std::size_t(cx)] = pv * b1[cx] + (4 - pv) * b2[cx];
      crV[std::size_t(cx)] = pv * r1[cx] + (4 - pv) * r2[cx];
    }
    auto pixel = [&](int px, int b, int r) {
      const int l = ly[px];
      ligne[px] = std::uint32_t(Borne(l + t.crR[r])) << 16 |
                  std::uint32_t(Borne(l + ((t.cbG[b] + t.crG[r]) >> 16))) << 8 |
                  Borne(l + t.cbB[b]);
    };
    const int dernier = e.mcuX - 1;
    for (int cx = 0, px = 0; px < largeur; ++cx) {
      const std::size_t c = std::size_t(cx);
      if (e.h == 1) {
        pixel(px++, (cbV[c] + 2) >> 2, (crV[c] + 2) >> 2);
        continue;
      }
      const std::size_t g = std::size_t(cx > 0 ? cx - 1 : 0), dr = std::size_t(cx < dernier ? cx + 1 : dernier);
      pixel(px++, (3 * cbV[c] + cbV[g] + 8) >> 4, (3 * crV[c] + crV[g] + 8) >> 4);
      if (px < largeur) pixel(px++, (3 * cbV[c] + cbV[dr] + 8) >> 4, (3 * crV[c] + crV[dr] + 8) >> 4);
    }
  }
  return image;
}

}  // namespace talvik::huitieme
