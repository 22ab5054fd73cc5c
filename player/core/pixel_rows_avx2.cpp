// The row loops with AVX2: the portable pixels, eight at a time, for the
// processors that have it (checked once at run time; the rest of the
// build keeps to the instructions every x86-64 has). Each function is
// compiled for AVX2 on its own, so nothing here runs on a processor that
// lacks it. The ends of rows that fill no register go to the portable
// kernels, which compute the same pixels.
#include "pixel_rows.h"

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>
#define LMV_ROWS_AVX2 1
#define LMV_AVX2 __attribute__((target("avx2")))
#endif

namespace lmvengine {

#ifdef LMV_ROWS_AVX2

namespace {

LMV_AVX2 inline __m128i Load4(const void* p) {
  return _mm_loadu_si128(static_cast<const __m128i*>(p));
}
LMV_AVX2 inline __m256i Load8(const void* p) {
  return _mm256_loadu_si256(static_cast<const __m256i*>(p));
}
LMV_AVX2 inline void Store8(void* p, __m256i v) {
  _mm256_storeu_si256(static_cast<__m256i*>(p), v);
}

LMV_AVX2 inline __m256i Blend(__m256i a, __m256i b, __m256i keep, __m256i take) {
  const __m256i sum = _mm256_add_epi16(_mm256_mullo_epi16(a, keep), _mm256_mullo_epi16(b, take));
  return _mm256_srli_epi16(_mm256_add_epi16(sum, _mm256_set1_epi16(128)), 8);
}

// The two wide pixels column x samples in the low half, column x + 1's in
// the high half.
LMV_AVX2 inline __m256i Neighbours(const WidePixel* wide, const int32_t* left, int x) {
  return _mm256_inserti128_si256(_mm256_castsi128_si256(Load4(wide + left[x])),
                                 Load4(wide + left[x + 1]), 1);
}

// Columns x .. x + 3 sampled across, as wide pixels in the order
// x, x + 2 | x + 1, x + 3 (the halves of a register work apart).
LMV_AVX2 inline __m256i Across4(const WidePixel* wide, AcrossTaps taps, int x) {
  const __m256i p =
      _mm256_mullo_epi16(Neighbours(wide, taps.left, x), Load8(taps.weights + 8 * x));
  const __m256i q =
      _mm256_mullo_epi16(Neighbours(wide, taps.left, x + 2), Load8(taps.weights + 8 * x + 16));
  return _mm256_srli_epi16(
      _mm256_add_epi16(_mm256_unpacklo_epi64(p, q), _mm256_unpackhi_epi64(p, q)), 8);
}

// Eight wide pixels of two Across4 back to bytes in column order, top
// bytes cleared.
LMV_AVX2 inline __m256i Pack8(__m256i low, __m256i high) {
  const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
  const __m256i packed = _mm256_permutevar8x32_epi32(_mm256_packus_epi16(low, high), order);
  return _mm256_and_si256(packed, _mm256_set1_epi32(0x00FFFFFF));
}

AcrossTaps From(AcrossTaps taps, int x) {
  return AcrossTaps{taps.left + x, taps.weights + 8 * static_cast<long>(x)};
}

LMV_AVX2 void DownAvx2(const uint32_t* top, const uint32_t* bottom, uint32_t f, int count,
                       WidePixel* wide) {
  const __m256i keep = _mm256_set1_epi16(static_cast<short>(256 - f));
  const __m256i take = _mm256_set1_epi16(static_cast<short>(f));
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    const __m256i a = _mm256_cvtepu8_epi16(Load4(top + i));
    const __m256i b = _mm256_cvtepu8_epi16(Load4(bottom + i));
    Store8(wide + i, _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(a, keep),
                                                        _mm256_mullo_epi16(b, take)),
                                       8));
  }
  PortableRowKernels().down(top + i, bottom + i, f, count - i, wide + i);
}

LMV_AVX2 void AcrossAvx2(const WidePixel* wide, AcrossTaps taps, int count, uint32_t* out) {
  int x = 0;
  for (; x + 8 <= count; x += 8) {
    Store8(out + x, Pack8(Across4(wide, taps, x), Across4(wide, taps, x + 4)));
  }
  PortableRowKernels().across(wide, From(taps, x), count - x, out + x);
}

LMV_AVX2 void AcrossBlendAvx2(const WidePixel* under, AcrossTaps underTaps,
                              const WidePixel* over, AcrossTaps overTaps, uint32_t t, int count,
                              uint32_t* out) {
  const __m256i keep = _mm256_set1_epi16(static_cast<short>(256 - t));
  const __m256i take = _mm256_set1_epi16(static_cast<short>(t));
  int x = 0;
  for (; x + 8 <= count; x += 8) {
    const __m256i low =
        Blend(Across4(under, underTaps, x), Across4(over, overTaps, x), keep, take);
    const __m256i high =
        Blend(Across4(under, underTaps, x + 4), Across4(over, overTaps, x + 4), keep, take);
    Store8(out + x, Pack8(low, high));
  }
  PortableRowKernels().acrossBlend(under, From(underTaps, x), over, From(overTaps, x), t,
                                   count - x, out + x);
}

LMV_AVX2 void BlendAvx2(const uint32_t* under, const uint32_t* over, uint32_t t, int count,
                        uint32_t* out) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i keep = _mm256_set1_epi16(static_cast<short>(256 - t));
  const __m256i take = _mm256_set1_epi16(static_cast<short>(t));
  const __m256i colours = _mm256_set1_epi32(0x00FFFFFF);
  int x = 0;
  for (; x + 8 <= count; x += 8) {
    const __m256i a = Load8(under + x);
    const __m256i b = Load8(over + x);
    // Unpacking and packing within the halves keeps the pixels' order.
    const __m256i low =
        Blend(_mm256_unpacklo_epi8(a, zero), _mm256_unpacklo_epi8(b, zero), keep, take);
    const __m256i high =
        Blend(_mm256_unpackhi_epi8(a, zero), _mm256_unpackhi_epi8(b, zero), keep, take);
    Store8(out + x, _mm256_and_si256(_mm256_packus_epi16(low, high), colours));
  }
  PortableRowKernels().blend(under + x, over + x, t, count - x, out + x);
}

constexpr RowKernels kAvx2{DownAvx2, AcrossAvx2, AcrossBlendAvx2, BlendAvx2};

}  // namespace

const RowKernels* Avx2RowKernels() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return has ? &kAvx2 : nullptr;
}

#else

const RowKernels* Avx2RowKernels() { return nullptr; }

#endif

}  // namespace lmvengine
