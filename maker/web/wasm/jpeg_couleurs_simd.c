/* The colour conversions of libjpeg-turbo (RGB to YCbCr when a JPEG is
 * written, YCbCr to RGB when one is read) in WebAssembly's 128-bit SIMD,
 * for the core compiled for the browser, where libjpeg-turbo has no SIMD of
 * its own. They take the place of the library's "no SIMD" answers for
 * these two conversions only (the other jsimd_* entry points stay its
 * own), through the interface the library asks at run time.
 *
 * The sums are the library's C ones, to the bit: the same 16-bit fixed
 * point constants, the same rounding, the same limits; 16 pixels at a time
 * in 32-bit lanes, the last few of a row by the same formulas one by one.
 * The fourth byte of a 4-byte pixel is written 0xFF, as the library's x86
 * SIMD writes it (its C leaves an unused byte as it was). */
#include <stddef.h>
#include <stdio.h>
#include <wasm_simd128.h>

#include "jpeglib.h"

/* The library's own constants (jccolor.c, jdcolor.c). */
#define BITS 16
#define DEMI ((int32_t)1 << (BITS - 1))
#define FIXE(x) ((int32_t)((x) * (1L << BITS) + 0.5))

enum {
  Y_R = FIXE(0.29900), Y_G = FIXE(0.58700), Y_B = FIXE(0.11400),
  CB_R = FIXE(0.16874), CB_G = FIXE(0.33126), CBCR_B = FIXE(0.50000),
  CR_G = FIXE(0.41869), CR_B = FIXE(0.08131),
  R_CR = FIXE(1.40200), B_CB = FIXE(1.77200), G_CB = FIXE(0.34414), G_CR = FIXE(0.71414),
};
#define DECALAGE_CBCR ((int32_t)128 << BITS)

/* Where red, green and blue sit in a pixel of `espace`, its size, and its
 * fourth byte when it has one (written 0xFF: an opacity, or the unused
 * byte, as the library's x86 SIMD writes it), else -1. */
typedef struct {
  int r, g, b, taille, quatrieme;
} Disposition;

static int Disposer(J_COLOR_SPACE espace, Disposition* d) {
  switch (espace) {
    case JCS_RGB: case JCS_EXT_RGB: *d = (Disposition){0, 1, 2, 3, -1}; return 1;
    case JCS_EXT_RGBX: case JCS_EXT_RGBA: *d = (Disposition){0, 1, 2, 4, 3}; return 1;
    case JCS_EXT_BGR: *d = (Disposition){2, 1, 0, 3, -1}; return 1;
    case JCS_EXT_BGRX: case JCS_EXT_BGRA: *d = (Disposition){2, 1, 0, 4, 3}; return 1;
    case JCS_EXT_XBGR: case JCS_EXT_ABGR: *d = (Disposition){3, 2, 1, 4, 0}; return 1;
    case JCS_EXT_XRGB: case JCS_EXT_ARGB: *d = (Disposition){1, 2, 3, 4, 0}; return 1;
    default: return 0;
  }
}

/* The layout of the core's own pixels (B, G, R, X), the one done 16
 * pixels at a time. */
static inline int EstBgrx(const Disposition* d) { return d->taille == 4 && d->r == 2 && d->b == 0; }

static inline JSAMPLE Borne(int32_t v) { return (JSAMPLE)(v < 0 ? 0 : v > 255 ? 255 : v); }

/* ---- RGB to YCbCr ------------------------------------------------------ */

static inline void PixelVersYcc(int r, int g, int b, JSAMPLE* y, JSAMPLE* cb, JSAMPLE* cr) {
  *y = (JSAMPLE)((Y_R * r + Y_G * g + Y_B * b + DEMI) >> BITS);
  *cb = (JSAMPLE)((-CB_R * r - CB_G * g + CBCR_B * b + DECALAGE_CBCR + DEMI - 1) >> BITS);
  *cr = (JSAMPLE)((CBCR_B * r - CR_G * g - CR_B * b + DECALAGE_CBCR + DEMI - 1) >> BITS);
}

/* Four BGRX pixels (one vector) into four of each component, 32-bit. */
static inline void VersYcc4(v128_t p, v128_t* y, v128_t* cb, v128_t* cr) {
  const v128_t octet = wasm_i32x4_splat(0xFF);
  const v128_t b = wasm_v128_and(p, octet);
  const v128_t g = wasm_v128_and(wasm_u32x4_shr(p, 8), octet);
  const v128_t r = wasm_v128_and(wasm_u32x4_shr(p, 16), octet);
  const v128_t demi = wasm_i32x4_splat(DEMI);
  const v128_t decale = wasm_i32x4_splat(DECALAGE_CBCR + DEMI - 1);
  *y = wasm_u32x4_shr(wasm_i32x4_add(wasm_i32x4_add(wasm_i32x4_mul(r, wasm_i32x4_splat(Y_R)),
                                                    wasm_i32x4_mul(g, wasm_i32x4_splat(Y_G))),
                                     wasm_i32x4_add(wasm_i32x4_mul(b, wasm_i32x4_splat(Y_B)), demi)),
                      BITS);
  *cb = wasm_u32x4_shr(wasm_i32x4_add(wasm_i32x4_sub(wasm_i32x4_mul(b, wasm_i32x4_splat(CBCR_B)),
                                                     wasm_i32x4_add(wasm_i32x4_mul(r, wasm_i32x4_splat(CB_R)),
                                                                    wasm_i32x4_mul(g, wasm_i32x4_splat(CB_G)))),
                                      decale),
                       BITS);
  *cr = wasm_u32x4_shr(wasm_i32x4_add(wasm_i32x4_sub(wasm_i32x4_mul(r, wasm_i32x4_splat(CBCR_B)),
                                                     wasm_i32x4_add(wasm_i32x4_mul(g, wasm_i32x4_splat(CR_G)),
                                                                    wasm_i32x4_mul(b, wasm_i32x4_splat(CR_B)))),
                                      decale),
                       BITS);
}

/* Sixteen 32-bit values, each 0..255, as sixteen bytes. */
static inline v128_t Octets(v128_t a, v128_t b, v128_t c, v128_t d) {
  return wasm_u8x16_narrow_i16x8(wasm_i16x8_narrow_i32x4(a, b), wasm_i16x8_narrow_i32x4(c, d));
}

int jsimd_can_rgb_ycc(void) { return 1; }

void jsimd_rgb_ycc_convert(j_compress_ptr cinfo, JSAMPARRAY input_buf, JSAMPIMAGE output_buf,
                           JDIMENSION output_row, int num_rows) {
  Disposition d;
  if (!Disposer(cinfo->in_color_space, &d)) return;
  const JDIMENSION largeur = cinfo->image_width;
  const int bgrx = EstBgrx(&d);
  for (int ligne = 0; ligne < num_rows; ++ligne, ++output_row) {
    const JSAMPLE* in = input_buf[ligne];
    JSAMPLE* y = output_buf[0][output_row];
    JSAMPLE* cb = output_buf[1][output_row];
    JSAMPLE* cr = output_buf[2][output_row];
    JDIMENSION col = 0;
    if (bgrx) {
      for (; col + 16 <= largeur; col += 16) {
        v128_t vy[4], vcb[4], vcr[4];
        for (int k = 0; k < 4; ++k)
          VersYcc4(wasm_v128_load(in + 4 * (col + 4 * k)), &vy[k], &vcb[k], &vcr[k]);
        wasm_v128_store(y + col, Octets(vy[0], vy[1], vy[2], vy[3]));
        wasm_v128_store(cb + col, Octets(vcb[0], vcb[1], vcb[2], vcb[3]));
        wasm_v128_store(cr + col, Octets(vcr[0], vcr[1], vcr[2], vcr[3]));
      }
    }
    for (; col < largeur; ++col) {
      const JSAMPLE* p = in + (size_t)col * (size_t)d.taille;
      PixelVersYcc(p[d.r], p[d.g], p[d.b], y + col, cb + col, cr + col);
    }
  }
}

/* ---- YCbCr to RGB ------------------------------------------------------ */

static inline void PixelVersRgb(int y, int cb, int cr, JSAMPLE* p, const Disposition* d) {
  cb -= 128;
  cr -= 128;
  p[d->r] = Borne(y + ((R_CR * cr + DEMI) >> BITS));
  p[d->g] = Borne(y + ((-G_CB * cb + DEMI - G_CR * cr) >> BITS));
  p[d->b] = Borne(y + ((B_CB * cb + DEMI) >> BITS));
  if (d->quatrieme >= 0) p[d->quatrieme] = 0xFF;
}

/* Red, green and blue of four pixels from their y, cb - 128, cr - 128. */
static inline void VersRgb4(v128_t y, v128_t cb, v128_t cr, v128_t* r, v128_t* g, v128_t* b) {
  const v128_t demi = wasm_i32x4_splat(DEMI);
  *r = wasm_i32x4_add(y, wasm_i32x4_shr(wasm_i32x4_add(wasm_i32x4_mul(cr, wasm_i32x4_splat(R_CR)), demi), BITS));
  *g = wasm_i32x4_add(y, wasm_i32x4_shr(wasm_i32x4_sub(wasm_i32x4_sub(demi, wasm_i32x4_mul(cb, wasm_i32x4_splat(G_CB))),
                                                       wasm_i32x4_mul(cr, wasm_i32x4_splat(G_CR))),
                                        BITS));
  *b = wasm_i32x4_add(y, wasm_i32x4_shr(wasm_i32x4_add(wasm_i32x4_mul(cb, wasm_i32x4_splat(B_CB)), demi), BITS));
}

/* The four 32-bit quarters of sixteen bytes. */
static inline void Quarts(v128_t octets, int centre, v128_t q[4]) {
  const v128_t bas = wasm_u16x8_extend_low_u8x16(octets), haut = wasm_u16x8_extend_high_u8x16(octets);
  const v128_t c = wasm_i32x4_splat(centre);
  q[0] = wasm_i32x4_sub(wasm_u32x4_extend_low_u16x8(bas), c);
  q[1] = wasm_i32x4_sub(wasm_u32x4_extend_high_u16x8(bas), c);
  q[2] = wasm_i32x4_sub(wasm_u32x4_extend_low_u16x8(haut), c);
  q[3] = wasm_i32x4_sub(wasm_u32x4_extend_high_u16x8(haut), c);
}

int jsimd_can_ycc_rgb(void) { return 1; }

void jsimd_ycc_rgb_convert(j_decompress_ptr cinfo, JSAMPIMAGE input_buf, JDIMENSION input_row,
                           JSAMPARRAY output_buf, int num_rows) {
  Disposition d;
  if (!Disposer(cinfo->out_color_space, &d)) return;
  const JDIMENSION largeur = cinfo->output_width;
  const int bgrx = EstBgrx(&d);
  for (int ligne = 0; ligne < num_rows; ++ligne, ++input_row) {
    const JSAMPLE* y = input_buf[0][input_row];
    const JSAMPLE* cb = input_buf[1][input_row];
    const JSAMPLE* cr = input_buf[2][input_row];
    JSAMPLE* out = output_buf[ligne];
    JDIMENSION col = 0;
    if (bgrx) {
      const v128_t opaque = wasm_i8x16_splat((int8_t)0xFF);
      for (; col + 16 <= largeur; col += 16) {
        v128_t vy[4], vcb[4], vcr[4], r[4], g[4], b[4];
        Quarts(wasm_v128_load(y + col), 0, vy);
        Quarts(wasm_v128_load(cb + col), 128, vcb);
        Quarts(wasm_v128_load(cr + col), 128, vcr);
        for (int k = 0; k < 4; ++k) VersRgb4(vy[k], vcb[k], vcr[k], &r[k], &g[k], &b[k]);
        /* Saturating narrowing limits each to 0..255, as the library's
         * range table does. */
        const v128_t R = Octets(r[0], r[1], r[2], r[3]);
        const v128_t G = Octets(g[0], g[1], g[2], g[3]);
        const v128_t B = Octets(b[0], b[1], b[2], b[3]);
        const v128_t bg0 = wasm_i8x16_shuffle(B, G, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
        const v128_t bg1 = wasm_i8x16_shuffle(B, G, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31);
        const v128_t ra0 = wasm_i8x16_shuffle(R, opaque, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
        const v128_t ra1 = wasm_i8x16_shuffle(R, opaque, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31);
        JSAMPLE* o = out + 4 * (size_t)col;
        wasm_v128_store(o, wasm_i16x8_shuffle(bg0, ra0, 0, 8, 1, 9, 2, 10, 3, 11));
        wasm_v128_store(o + 16, wasm_i16x8_shuffle(bg0, ra0, 4, 12, 5, 13, 6, 14, 7, 15));
        wasm_v128_store(o + 32, wasm_i16x8_shuffle(bg1, ra1, 0, 8, 1, 9, 2, 10, 3, 11));
        wasm_v128_store(o + 48, wasm_i16x8_shuffle(bg1, ra1, 4, 12, 5, 13, 6, 14, 7, 15));
      }
    }
    for (; col < largeur; ++col)
      PixelVersRgb(y[col], cb[col], cr[col], out + (size_t)col * (size_t)d.taille, &d);
  }
}
