#include "composition/flou_fond.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "raster/parallel.h"
#include "raster/raster.h"

namespace talvik {

namespace {

// Radius of each of the three box passes on the small copy: three passes
// of radius r give a standard deviation of sqrt(r (r + 1)). A blur too
// small for it runs on the picture's own size with a smaller radius.
constexpr int kRayon = 4;

// One channel plane of the small copy.
using Plan = std::vector<std::int32_t>;

// One box pass of radius kRayon along rows (pas 1) or columns (pas w) of a
// w x h plane, edges extended; `tmp` receives the result, then swapped in.
void PasseBoite(Plan& p, Plan& tmp, int w, int h, bool lignes, int rayon) {
  const int n = lignes ? w : h, m = lignes ? h : w;
  const int pas = lignes ? 1 : w, saut = lignes ? w : 1;
  const int largeur = 2 * rayon + 1;
  for (int j = 0; j < m; ++j) {
    const std::int32_t* s = p.data() + std::size_t(j) * std::size_t(saut);
    std::int32_t* d = tmp.data() + std::size_t(j) * std::size_t(saut);
    auto at = [&](int i) { return s[std::size_t(std::clamp(i, 0, n - 1)) * std::size_t(pas)]; };
    std::int32_t somme = 0;
    for (int i = -rayon; i <= rayon; ++i) somme += at(i);
    for (int i = 0; i < n; ++i) {
      d[std::size_t(i) * std::size_t(pas)] = (somme + largeur / 2) / largeur;
      somme += at(i + rayon + 1) - at(i - rayon);
    }
  }
  p.swap(tmp);
}

}  // namespace

double EcartTypeFlou(CSize taille) { return std::max(taille.cx, taille.cy) / 40.0; }

HBITMAP FlouRemplissage(const HBITMAP& image, CSize taille) {
  if (!image || taille.cx <= 0 || taille.cy <= 0) return {};
  const int iw = image.Width(), ih = image.Height();
  // The part of the picture that covers the background, in its pixels.
  const double echelle = std::max(double(taille.cx) / iw, double(taille.cy) / ih);
  const double rw = std::min<double>(iw, taille.cx / echelle);
  const double rh = std::min<double>(ih, taille.cy / echelle);
  const double rx = (iw - rw) / 2, ry = (ih - rh) / 2;

  // The small copy, `facteur` times smaller than the background.
  const double sigma = EcartTypeFlou(taille);
  const double facteur = std::max(1.0, sigma / std::sqrt(double(kRayon * (kRayon + 1))));
  const int rayon = facteur > 1.0 ? kRayon
                                  : int(std::lround((std::sqrt(1.0 + 4.0 * sigma * sigma) - 1.0) / 2.0));
  const int sw = std::max(1, int(std::ceil(taille.cx / facteur)));
  const int sh = std::max(1, int(std::ceil(taille.cy / facteur)));
  Plan plans[3];
  for (Plan& p : plans) p.assign(std::size_t(sw) * std::size_t(sh), 0);
  raster::ParLignes(sh, std::int64_t(rw) * std::int64_t(rh), [&](int debut, int fin) {
    for (int y = debut; y < fin; ++y) {
      const int y0 = std::min(ih - 1, int(ry + rh * y / sh));
      const int y1 = std::max(y0 + 1, std::min(ih, int(ry + rh * (y + 1) / sh)));
      for (int x = 0; x < sw; ++x) {
        const int x0 = std::min(iw - 1, int(rx + rw * x / sw));
        const int x1 = std::max(x0 + 1, std::min(iw, int(rx + rw * (x + 1) / sw)));
        std::uint32_t r = 0, g = 0, b = 0;
        for (int yy = y0; yy < y1; ++yy) {
          const std::uint32_t* s = image.Row(yy);
          for (int xx = x0; xx < x1; ++xx) {
            r += (s[xx] >> 16) & 0xFF;
            g += (s[xx] >> 8) & 0xFF;
            b += s[xx] & 0xFF;
          }
        }
        const std::uint32_t n = std::uint32_t((y1 - y0) * (x1 - x0));
        const std::size_t i = std::size_t(y) * std::size_t(sw) + std::size_t(x);
        // Kept with 4 more bits, so that three rounded passes lose nothing.
        plans[0][i] = std::int32_t(((r << 4) + n / 2) / n);
        plans[1][i] = std::int32_t(((g << 4) + n / 2) / n);
        plans[2][i] = std::int32_t(((b << 4) + n / 2) / n);
      }
    }
  });

  Plan tmp(plans[0].size());
  for (Plan& p : plans)
    for (int passe = 0; passe < 3; ++passe) {
      PasseBoite(p, tmp, sw, sh, true, rayon);
      PasseBoite(p, tmp, sw, sh, false, rayon);
    }

  // Darkened on the small copy, where it costs nothing.
  for (Plan& p : plans)
    for (std::int32_t& v : p) v = (v * kLumiereFlou) >> 8;

  // Back up to the background's size, bilinearly.
  HBITMAP fond = Bitmap::CreateUninitialized(taille.cx, taille.cy);
  if (!fond) return {};
  std::uint32_t* pixels = fond.Pixels();
  const int W = taille.cx, H = taille.cy;
  // Sources of each column: the two small columns and the weight (of 256)
  // of the second.
  const std::size_t nw = static_cast<std::size_t>(W);
  std::vector<std::uint32_t> cx0(nw), cx1(nw), px(nw);
  for (int x = 0; x < W; ++x) {
    const double s = std::clamp((x + 0.5) * sw / W - 0.5, 0.0, double(sw - 1));
    cx0[std::size_t(x)] = std::uint32_t(s) * 3;
    cx1[std::size_t(x)] = std::uint32_t(std::min(sw - 1, int(s) + 1)) * 3;
    px[std::size_t(x)] = std::uint32_t((s - int(s)) * 256);
  }
  raster::ParLignes(H, std::int64_t(W) * H * 4, [&](int debut, int fin) {
    // One row of the small copy interpolated vertically: 8 fractional bits.
    std::vector<std::uint32_t> ligne(std::size_t(sw) * 3);
    for (int y = debut; y < fin; ++y) {
      const double s = std::clamp((y + 0.5) * sh / H - 0.5, 0.0, double(sh - 1));
      const int y0 = int(s), y1 = std::min(sh - 1, y0 + 1);
      const std::int32_t py = std::int32_t((s - y0) * 256);
      for (int c = 0; c < 3; ++c)
        for (int x = 0; x < sw; ++x) {
          const std::size_t a = std::size_t(y0) * std::size_t(sw) + std::size_t(x);
          const std::size_t b = std::size_t(y1) * std::size_t(sw) + std::size_t(x);
          ligne[std::size_t(x) * 3 + std::size_t(c)] =
              std::uint32_t(plans[c][a] * (256 - py) + plans[c][b] * py) >> 4;
        }
      std::uint32_t* d = pixels + std::size_t(y) * nw;
      const std::uint32_t* l = ligne.data();
      for (std::size_t x = 0; x < nw; ++x) {
        const std::uint32_t* a = l + cx0[x];
        const std::uint32_t* b = l + cx1[x];
        const std::uint32_t q = px[x], p = 256 - q;
        const std::uint32_t r = (a[0] * p + b[0] * q) >> 16;
        const std::uint32_t g = (a[1] * p + b[1] * q) >> 16;
        const std::uint32_t bl = (a[2] * p + b[2] * q) >> 16;
        d[x] = (std::min(r, 255u) << 16) | (std::min(g, 255u) << 8) | std::min(bl, 255u);
      }
    }
  });
  return fond;
}

HBITMAP FondFlouImage(CSize taille, const HBITMAP& image, int transparent, COLORREF cle) {
  HBITMAP fond = FlouRemplissage(image, taille);
  if (!fond) return {};
  const int pw = image.Width(), ph = image.Height();
  const int x = (fond.Width() - pw) / 2, y = (fond.Height() - ph) / 2;
  if (transparent) raster::TransparentBlt(fond, x, y, pw, ph, image, 0, 0, pw, ph, cle);
  else raster::BitBlt(fond, x, y, pw, ph, image, 0, 0);
  return fond;
}

}  // namespace talvik
