#include "pixel_rows.h"

#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define LMV_ROWS_SSE2 1
#endif

namespace lmvengine {

namespace {

constexpr uint64_t kLanes = 0x00FF00FF00FF00FFull;  // the low byte of every 16-bit lane
constexpr uint64_t kLaneHalf = 0x0080008000800080ull;
constexpr uint64_t kTwoColours = 0x00FFFFFF00FFFFFFull;

// ---- Portable: a pixel's channels as 16-bit lanes of one word. A lane
// holds at most 255 x 256, so products never carry into the next one.

inline WidePixel Widen(uint32_t p) {
  uint64_t w = p;
  w = (w | (w << 16)) & 0x0000FFFF0000FFFFull;
  return (w | (w << 8)) & kLanes;
}

inline uint32_t Narrow(WidePixel w) {
  w = (w | (w >> 8)) & 0x0000FFFF0000FFFFull;
  return static_cast<uint32_t>(w | (w >> 16)) & 0x00FFFFFFu;
}

inline WidePixel Mix(WidePixel a, WidePixel b, uint32_t f) {
  return ((a * (256 - f) + b * f) >> 8) & kLanes;
}

inline WidePixel Across(const WidePixel* wide, AcrossTaps taps, int x) {
  const WidePixel* p = wide + taps.left[x];
  return Mix(p[0], p[1], taps.weights[8 * x + 4]);
}

inline WidePixel BlendWide(WidePixel a, WidePixel b, uint32_t t) {
  return ((a * (256 - t) + b * t + kLaneHalf) >> 8) & kLanes;
}

void DownPortable(const uint32_t* top, const uint32_t* bottom, uint32_t f, int count,
                  WidePixel* wide) {
  for (int i = 0; i < count; ++i) wide[i] = Mix(Widen(top[i]), Widen(bottom[i]), f);
}

void AcrossPortable(const WidePixel* wide, AcrossTaps taps, int count, uint32_t* out) {
  for (int x = 0; x < count; ++x) out[x] = Narrow(Across(wide, taps, x));
}

void AcrossBlendPortable(const WidePixel* under, AcrossTaps underTaps, const WidePixel* over,
                         AcrossTaps overTaps, uint32_t t, int count, uint32_t* out) {
  for (int x = 0; x < count; ++x) {
    out[x] = Narrow(BlendWide(Across(under, underTaps, x), Across(over, overTaps, x), t));
  }
}

// Two pixels per word: blue and red of both in one word's lanes, green
// and the top byte in another's.
void BlendPortable(const uint32_t* under, const uint32_t* over, uint32_t t, int count,
                   uint32_t* out) {
  int x = 0;
  for (; x + 2 <= count; x += 2) {
    uint64_t a, b;
    std::memcpy(&a, under + x, sizeof a);
    std::memcpy(&b, over + x, sizeof b);
    const uint64_t rb = BlendWide(a & kLanes, b & kLanes, t);
    const uint64_t ga = BlendWide((a >> 8) & kLanes, (b >> 8) & kLanes, t);
    const uint64_t r = (rb | (ga << 8)) & kTwoColours;
    std::memcpy(out + x, &r, sizeof r);
  }
  for (; x < count; ++x) out[x] = Narrow(BlendWide(Widen(under[x]), Widen(over[x]), t));
}

constexpr RowKernels kPortable{DownPortable, AcrossPortable, AcrossBlendPortable, BlendPortable};

#ifdef LMV_ROWS_SSE2

// ---- SSE2: eight 16-bit lanes, two pixels per register.

inline __m128i Load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
inline void Store(void* p, __m128i v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }

// The wide pixels of output columns x and x + 1.
inline __m128i Across2(const WidePixel* wide, AcrossTaps taps, int x) {
  const __m128i a = _mm_mullo_epi16(Load(wide + taps.left[x]), Load(taps.weights + 8 * x));
  const __m128i b =
      _mm_mullo_epi16(Load(wide + taps.left[x + 1]), Load(taps.weights + 8 * x + 8));
  return _mm_srli_epi16(_mm_add_epi16(_mm_unpacklo_epi64(a, b), _mm_unpackhi_epi64(a, b)), 8);
}

inline __m128i Blend2(__m128i a, __m128i b, __m128i keep, __m128i take) {
  const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(a, keep), _mm_mullo_epi16(b, take));
  return _mm_srli_epi16(_mm_add_epi16(sum, _mm_set1_epi16(128)), 8);
}

// Four wide pixels back to bytes, top bytes cleared.
inline __m128i Pack4(__m128i low, __m128i high) {
  return _mm_and_si128(_mm_packus_epi16(low, high), _mm_set1_epi32(0x00FFFFFF));
}

void DownSse2(const uint32_t* top, const uint32_t* bottom, uint32_t f, int count,
              WidePixel* wide) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i keep = _mm_set1_epi16(static_cast<short>(256 - f));
  const __m128i take = _mm_set1_epi16(static_cast<short>(f));
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    const __m128i a = Load(top + i);
    const __m128i b = Load(bottom + i);
    const __m128i low = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(a, zero), keep),
                                      _mm_mullo_epi16(_mm_unpacklo_epi8(b, zero), take));
    const __m128i high = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(a, zero), keep),
                                       _mm_mullo_epi16(_mm_unpackhi_epi8(b, zero), take));
    Store(wide + i, _mm_srli_epi16(low, 8));
    Store(wide + i + 2, _mm_srli_epi16(high, 8));
  }
  DownPortable(top + i, bottom + i, f, count - i, wide + i);
}

void AcrossSse2(const WidePixel* wide, AcrossTaps taps, int count, uint32_t* out) {
  int x = 0;
  for (; x + 4 <= count; x += 4) {
    Store(out + x, Pack4(Across2(wide, taps, x), Across2(wide, taps, x + 2)));
  }
  for (; x < count; ++x) out[x] = Narrow(Across(wide, taps, x));
}

void AcrossBlendSse2(const WidePixel* under, AcrossTaps underTaps, const WidePixel* over,
                     AcrossTaps overTaps, uint32_t t, int count, uint32_t* out) {
  const __m128i keep = _mm_set1_epi16(static_cast<short>(256 - t));
  const __m128i take = _mm_set1_epi16(static_cast<short>(t));
  int x = 0;
  for (; x + 4 <= count; x += 4) {
    const __m128i low =
        Blend2(Across2(under, underTaps, x), Across2(over, overTaps, x), keep, take);
    const __m128i high =
        Blend2(Across2(under, underTaps, x + 2), Across2(over, overTaps, x + 2), keep, take);
    Store(out + x, Pack4(low, high));
  }
  for (; x < count; ++x) {
    out[x] = Narrow(BlendWide(Across(under, underTaps, x), Across(over, overTaps, x), t));
  }
}

void BlendSse2(const uint32_t* under, const uint32_t* over, uint32_t t, int count,
               uint32_t* out) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i keep = _mm_set1_epi16(static_cast<short>(256 - t));
  const __m128i take = _mm_set1_epi16(static_cast<short>(t));
  int x = 0;
  for (; x + 4 <= count; x += 4) {
    const __m128i a = Load(under + x);
    const __m128i b = Load(over + x);
    const __m128i low =
        Blend2(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), keep, take);
    const __m128i high =
        Blend2(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), keep, take);
    Store(out + x, Pack4(low, high));
  }
  BlendPortable(under + x, over + x, t, count - x, out + x);
}

constexpr RowKernels kSse2{DownSse2, AcrossSse2, AcrossBlendSse2, BlendSse2};

#endif

}  // namespace

const RowKernels& PortableRowKernels() { return kPortable; }

const RowKernels* Sse2RowKernels() {
#ifdef LMV_ROWS_SSE2
  return &kSse2;
#else
  return nullptr;
#endif
}

const RowKernels& FastRowKernels() {
  static const RowKernels& fastest = Avx2RowKernels()   ? *Avx2RowKernels()
                                     : Sse2RowKernels() ? *Sse2RowKernels()
                                                        : kPortable;
  return fastest;
}

}  // namespace lmvengine
