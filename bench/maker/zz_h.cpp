#include <chrono>
#include <time.h>
static double cpu(){timespec t;clock_gettime(CLOCK_PROCESS_CPUTIME_ID,&t);return t.tv_sec*1e3+t.tv_nsec/1e6;}
#include <cstdio>
#include <cstdlib>
#include "codec/jpeg_huitieme.h"
int main(int argc, char** argv) {
  for (int a = 1; a < argc; ++a) {
    double best1 = 1e9, best2 = 1e9, c1 = 1e9, c2 = 1e9;
    talvik::ImageJPEG x, y;
    for (int i = 0; i < 8; ++i) {
      double k0 = cpu();
      auto t0 = std::chrono::steady_clock::now();
      x = talvik::DecodeJPEGHuitieme(argv[a]);
      auto t1 = std::chrono::steady_clock::now();
      double k1 = cpu();
      y = talvik::DecodeJPEG(argv[a], 8);
      auto t2 = std::chrono::steady_clock::now();
      double k2 = cpu(); c1 = std::min(c1, k1 - k0); c2 = std::min(c2, k2 - k1);
      best1 = std::min(best1, std::chrono::duration<double, std::milli>(t1 - t0).count());
      best2 = std::min(best2, std::chrono::duration<double, std::milli>(t2 - t1).count());
    }
    if (!x.image || !y.image) { std::printf("%s: null %d %d\n", argv[a], bool(x.image), bool(y.image)); continue; }
    double somme = 0; int mx = 0;
    for (int r = 0; r < y.image.Height(); ++r) for (int c = 0; c < y.image.Width(); ++c) for (int k = 0; k < 24; k += 8) {
      int d = std::abs(int((x.image.Row(r)[c] >> k) & 255) - int((y.image.Row(r)[c] >> k) & 255)); somme += d; if (d > mx) mx = d; }
    std::printf("%s: %dx%d vs %dx%d  fast %.2f ms  libjpeg %.2f ms  mean %.3f max %d cpu %.2f / %.2f\n", argv[a], x.image.Width(), x.image.Height(), y.image.Width(), y.image.Height(), best1, best2, somme / (3.0 * y.image.PixelCount()), mx, c1, c2);
  }
}
