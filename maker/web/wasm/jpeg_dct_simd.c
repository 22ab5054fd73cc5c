/* libjpeg-turbo's DCTs in WebAssembly's 128-bit SIMD, for the core
 * compiled for the browser, where the library has no SIMD of its own: for
 * a JPEG being written, the samples' move into the workspace, the accurate
 * integer DCT ("islow") and the quantization of its coefficients; for one
 * being read, the accurate inverse DCT, at full size and at half size (4 x
 * 4 samples a block). They take the place of the library's "no SIMD"
 * answers for these steps, through the interface it asks at run time
 * (jsimd_can_convsamp, jsimd_can_fdct_islow, jsimd_can_quantize,
 * jsimd_can_idct_islow, jsimd_can_idct_4x4).
 *
 * The sums are the library's C ones (jfdctint.c, jcdctmgr.c, jidctint.c,
 * jidctred.c) to the bit: the same 13-bit constants, the same two passes
 * and roundings, the same reciprocals and range limits, on 32-bit elements
 * as the library's workspace and tables hold them without SIMD; four rows,
 * columns or coefficients at a time. A block read with its DC term alone
 * (most blocks of a photo's smooth parts) is filled at once, as the C's
 * shortcuts make it. */
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <wasm_simd128.h>

#define JPEG_INTERNALS
#include "jpeglib.h"
#include "jdct.h"

/* This build of the library keeps its DCT workspace and its inverse
 * DCT's multipliers in ints. */
_Static_assert(sizeof(DCTELEM) == 4 && sizeof(ISLOW_MULT_TYPE) == 4, "32-bit DCT elements");

typedef v128_t V;

enum { BITS_CONSTANTES = 13, BITS_PASSE1 = 2 };

static inline V Plus(V a, V b) { return wasm_i32x4_add(a, b); }
static inline V Moins(V a, V b) { return wasm_i32x4_sub(a, b); }
static inline V Fois(V a, int32_t c) { return wasm_i32x4_mul(a, wasm_i32x4_splat(c)); }
/* (x + 2^(n-1)) >> n, the library's DESCALE. */
static inline V Reduit(V x, int n) { return wasm_i32x4_shr(Plus(x, wasm_i32x4_splat(1 << (n - 1))), n); }

/* One pass of the 8-point DCT over four lines at once: element k of each
 * lane's line in d[k], in place. The first pass (the rows) keeps
 * BITS_PASSE1 more bits, the second (the columns) takes them away. */
static inline void Passe(V d[8], int premiere) {
  const V t0 = Plus(d[0], d[7]), t7 = Moins(d[0], d[7]);
  const V t1 = Plus(d[1], d[6]), t6 = Moins(d[1], d[6]);
  const V t2 = Plus(d[2], d[5]), t5 = Moins(d[2], d[5]);
  const V t3 = Plus(d[3], d[4]), t4 = Moins(d[3], d[4]);
  const V t10 = Plus(t0, t3), t13 = Moins(t0, t3);
  const V t11 = Plus(t1, t2), t12 = Moins(t1, t2);
  const int n = premiere ? BITS_CONSTANTES - BITS_PASSE1 : BITS_CONSTANTES + BITS_PASSE1;

  if (premiere) {
    d[0] = wasm_i32x4_shl(Plus(t10, t11), BITS_PASSE1);
    d[4] = wasm_i32x4_shl(Moins(t10, t11), BITS_PASSE1);
  } else {
    d[0] = Reduit(Plus(t10, t11), BITS_PASSE1);
    d[4] = Reduit(Moins(t10, t11), BITS_PASSE1);
  }
  const V pair = Fois(Plus(t12, t13), 4433);           /* FIX(0.541196100) */
  d[2] = Reduit(Plus(pair, Fois(t13, 6270)), n);         /* FIX(0.765366865) */
  d[6] = Reduit(Plus(pair, Fois(t12, -15137)), n);       /* -FIX(1.847759065) */

  const V z5 = Fois(Plus(Plus(t4, t6), Plus(t5, t7)), 9633);  /* FIX(1.175875602) */
  const V z1 = Fois(Plus(t4, t7), -7373);                     /* -FIX(0.899976223) */
  const V z2 = Fois(Plus(t5, t6), -20995);                    /* -FIX(2.562915447) */
  const V z3 = Plus(Fois(Plus(t4, t6), -16069), z5);          /* -FIX(1.961570560) */
  const V z4 = Plus(Fois(Plus(t5, t7), -3196), z5);           /* -FIX(0.390180644) */
  d[7] = Reduit(Plus(Plus(Fois(t4, 2446), z1), z3), n);       /* FIX(0.298631336) */
  d[5] = Reduit(Plus(Plus(Fois(t5, 16819), z2), z4), n);      /* FIX(2.053119869) */
  d[3] = Reduit(Plus(Plus(Fois(t6, 25172), z2), z3), n);      /* FIX(3.072711026) */
  d[1] = Reduit(Plus(Plus(Fois(t7, 12299), z1), z4), n);      /* FIX(1.501321110) */
}

/* a, b, c, d become the columns of the 4 x 4 block whose rows they were. */
static inline void Transpose(V* a, V* b, V* c, V* d) {
  const V ab0 = wasm_i32x4_shuffle(*a, *b, 0, 4, 1, 5), ab1 = wasm_i32x4_shuffle(*a, *b, 2, 6, 3, 7);
  const V cd0 = wasm_i32x4_shuffle(*c, *d, 0, 4, 1, 5), cd1 = wasm_i32x4_shuffle(*c, *d, 2, 6, 3, 7);
  *a = wasm_i32x4_shuffle(ab0, cd0, 0, 1, 4, 5);
  *b = wasm_i32x4_shuffle(ab0, cd0, 2, 3, 6, 7);
  *c = wasm_i32x4_shuffle(ab1, cd1, 0, 1, 4, 5);
  *d = wasm_i32x4_shuffle(ab1, cd1, 2, 3, 6, 7);
}

int jsimd_can_fdct_islow(void) { return 1; }

/* `donnees`: the 8 x 8 block, rows one after the other (DCTELEM is a
 * 32-bit int in this build of the library). */
void jsimd_fdct_islow(DCTELEM* donnees) {
  /* gauche[r], droite[r]: columns 0-3 and 4-7 of row r. */
  V gauche[8], droite[8];
  for (int r = 0; r < 8; ++r) {
    gauche[r] = wasm_v128_load(donnees + 8 * r);
    droite[r] = wasm_v128_load(donnees + 8 * r + 4);
  }
  /* The rows, four at a time: each element of a row in its own vector. */
  for (int h = 0; h < 8; h += 4) {
    V d[8] = {gauche[h], gauche[h + 1], gauche[h + 2], gauche[h + 3],
              droite[h], droite[h + 1], droite[h + 2], droite[h + 3]};
    Transpose(&d[0], &d[1], &d[2], &d[3]);
    Transpose(&d[4], &d[5], &d[6], &d[7]);
    Passe(d, 1);
    Transpose(&d[0], &d[1], &d[2], &d[3]);
    Transpose(&d[4], &d[5], &d[6], &d[7]);
    for (int k = 0; k < 4; ++k) {
      gauche[h + k] = d[k];
      droite[h + k] = d[4 + k];
    }
  }
  /* The columns, four at a time, as they lie. */
  Passe(gauche, 0);
  Passe(droite, 0);
  for (int r = 0; r < 8; ++r) {
    wasm_v128_store(donnees + 8 * r, gauche[r]);
    wasm_v128_store(donnees + 8 * r + 4, droite[r]);
  }
}

int jsimd_can_convsamp(void) { return 1; }

/* The 8 x 8 samples from column `colonne` of `lignes`, centred on 0. */
void jsimd_convsamp(JSAMPARRAY lignes, JDIMENSION colonne, DCTELEM* espace) {
  const V centre = wasm_i32x4_splat(128);
  for (int r = 0; r < 8; ++r) {
    const V octets = wasm_u16x8_extend_low_u8x16(wasm_v128_load64_zero(lignes[r] + colonne));
    wasm_v128_store(espace + 8 * r, Moins(wasm_u32x4_extend_low_u16x8(octets), centre));
    wasm_v128_store(espace + 8 * r + 4, Moins(wasm_u32x4_extend_high_u16x8(octets), centre));
  }
}


int jsimd_can_quantize(void) { return 1; }

/* The coefficients divided by the quantization table, rounded, as the
 * library's C does it with the table of reciprocals it made (jcdctmgr.c,
 * compute_reciprocal): for each coefficient t, with its reciprocal,
 * correction and shift, |t| + correction times the reciprocal, in 64 bits,
 * shifted right by 32 + shift, with the sign of t. A shift of -32 marks a
 * divisor of 1, where the result is t. The shift differs from one
 * coefficient to the next and WebAssembly shifts every lane alike: the
 * high 32 bits of the product are shifted right by `shift` as a multiply
 * by 2^(31 - shift) and a shift of all lanes by 31. */
void jsimd_quantize(JCOEFPTR coefs, DCTELEM* diviseurs, DCTELEM* espace) {
  for (int i = 0; i < DCTSIZE2; i += 8) {
    V q[2];
    for (int h = 0; h < 2; ++h) {
      const int j = i + 4 * h;
      const V t = wasm_v128_load(espace + j);
      const V reciproque = wasm_v128_load(diviseurs + j);
      const V correction = wasm_v128_load(diviseurs + DCTSIZE2 + j);
      const V decalage = wasm_v128_load(diviseurs + 3 * DCTSIZE2 + j);
      const V a = Plus(wasm_i32x4_abs(t), correction);
      const V haut = wasm_i32x4_shuffle(wasm_u64x2_extmul_low_u32x4(a, reciproque),
                                        wasm_u64x2_extmul_high_u32x4(a, reciproque), 1, 3, 5, 7);
      /* 2^(31 - shift), made as a float's exponent. */
      const V puissance = wasm_u32x4_trunc_sat_f32x4(
          wasm_i32x4_shl(Moins(wasm_i32x4_splat(127 + 31), decalage), 23));
      const V bas = wasm_u64x2_shr(wasm_u64x2_extmul_low_u32x4(haut, puissance), 31);
      const V hautDecale = wasm_u64x2_shr(wasm_u64x2_extmul_high_u32x4(haut, puissance), 31);
      const V quotient = wasm_i32x4_shuffle(bas, hautDecale, 0, 2, 4, 6);
      const V unite = wasm_i32x4_eq(decalage, wasm_i32x4_splat(-32));
      const V signe = wasm_i32x4_shr(t, 31);
      const V absolu = wasm_v128_bitselect(a, quotient, unite);
      q[h] = Moins(wasm_v128_xor(absolu, signe), signe);
    }
    wasm_v128_store(coefs + i, wasm_i16x8_narrow_i32x4(q[0], q[1]));
  }
}

/* ---- the inverse DCT at half size --------------------------------------- */

/* The library's post-IDCT range table (jdmaster.c) for x & 1023: 0 to 127
 * are x + 128, to 511 the top, to 895 the bottom, then x - 896. */
static inline V Limite(V x) {
  const V v = wasm_v128_and(x, wasm_i32x4_splat(1023));
  const V haut = wasm_v128_bitselect(Plus(v, wasm_i32x4_splat(128)), wasm_i32x4_splat(255),
                                     wasm_i32x4_lt(v, wasm_i32x4_splat(128)));
  const V bas = wasm_v128_bitselect(wasm_i32x4_splat(0), Moins(v, wasm_i32x4_splat(896)),
                                    wasm_i32x4_lt(v, wasm_i32x4_splat(896)));
  return wasm_v128_bitselect(haut, bas, wasm_i32x4_lt(v, wasm_i32x4_splat(512)));
}

/* One pass of the 4-point inverse DCT (jidctred.c) over four lines: terms
 * 0, 1, 2, 3, 5, 6, 7 of each lane's line in e[] (term 4 is not used), its
 * four results in s[], reduced by `n` bits. */
static inline void PasseInverse(const V e[8], V s[4], int n) {
  const V t0 = wasm_i32x4_shl(e[0], BITS_CONSTANTES + 1);
  const V t2 = Plus(Fois(e[2], 15137), Fois(e[6], -6270));   /* FIX(1.847759065), -FIX(0.765366865) */
  const V t10 = Plus(t0, t2), t12 = Moins(t0, t2);
  /* e[7], e[5], e[3], e[1] are the library's z1 to z4. */
  const V impair0 = Plus(Plus(Fois(e[7], -1730), Fois(e[5], 11893)),   /* FIX(0.211164243), FIX(1.451774981) */
                         Plus(Fois(e[3], -17799), Fois(e[1], 8697)));  /* FIX(2.172734803), FIX(1.061594337) */
  const V impair2 = Plus(Plus(Fois(e[7], -4176), Fois(e[5], -4926)),   /* FIX(0.509795579), FIX(0.601344887) */
                         Plus(Fois(e[3], 7373), Fois(e[1], 20995)));   /* FIX(0.899976223), FIX(2.562915447) */
  s[0] = Reduit(Plus(t10, impair2), n);
  s[3] = Reduit(Moins(t10, impair2), n);
  s[1] = Reduit(Plus(t12, impair0), n);
  s[2] = Reduit(Moins(t12, impair0), n);
}

/* Sixteen 32-bit values, each 0..255, as sixteen bytes. */
static inline V Octets(V a, V b, V c, V d) {
  return wasm_u8x16_narrow_i16x8(wasm_i16x8_narrow_i32x4(a, b), wasm_i16x8_narrow_i32x4(c, d));
}

/* Row `rangee` of coefficients dequantized by row `quant` of the table:
 * its columns 0-3 in *gauche, 4-7 in *droite. */
static inline void Dequantifie(V rangee, const ISLOW_MULT_TYPE* quant, V* gauche, V* droite) {
  *gauche = wasm_i32x4_mul(wasm_i32x4_extend_low_i16x8(rangee), wasm_v128_load(quant));
  *droite = wasm_i32x4_mul(wasm_i32x4_extend_high_i16x8(rangee), wasm_v128_load(quant + 4));
}

/* The sample of a block with its DC term alone, in each of 16 bytes: what
 * the C's shortcuts for a column and then a row without AC terms give. */
static inline V SeulDc(JCOEFPTR bloc, const ISLOW_MULT_TYPE* quant) {
  const int32_t dc = (int32_t)((uint32_t)(bloc[0] * quant[0]) << BITS_PASSE1);
  const V seul = Limite(wasm_i32x4_splat((dc + (1 << 4)) >> 5));
  return Octets(seul, seul, seul, seul);
}

int jsimd_can_idct_4x4(void) { return 1; }

/* Four rows of four samples, from the 16 bytes of `octets`, into place. */
static inline void Pose(V octets, JSAMPARRAY sortie, JDIMENSION colonne) {
  uint32_t lignes[4];
  wasm_v128_store(lignes, octets);
  for (int r = 0; r < 4; ++r) memcpy(sortie[r] + colonne, &lignes[r], 4);
}

void jsimd_idct_4x4(j_decompress_ptr cinfo, jpeg_component_info* composante, JCOEFPTR bloc,
                    JSAMPARRAY sortie, JDIMENSION colonne) {
  (void)cinfo;
  const ISLOW_MULT_TYPE* quant = (const ISLOW_MULT_TYPE*)composante->dct_table;
  /* The rows of coefficients this size reads: all but row 4, and of
   * each, all but column 4. */
  V rangees[8];
  V autres = wasm_i32x4_splat(0);
  for (int r = 0; r < 8; ++r) {
    if (r == 4) continue;
    rangees[r] = wasm_v128_load(bloc + 8 * r);
    if (r) autres = wasm_v128_or(autres, rangees[r]);
  }
  /* A block with its DC term alone (most blocks of a photo's smooth
   * parts) gives 16 equal samples. */
  const V ac = wasm_v128_or(wasm_v128_and(rangees[0], wasm_i16x8_make(0, -1, -1, -1, 0, -1, -1, -1)),
                            wasm_v128_and(autres, wasm_i16x8_make(-1, -1, -1, -1, 0, -1, -1, -1)));
  if (!wasm_v128_any_true(ac)) {
    Pose(SeulDc(bloc, quant), sortie, colonne);
    return;
  }
  V gauche[8], droite[8];
  for (int r = 0; r < 8; ++r)
    if (r != 4) Dequantifie(rangees[r], quant + 8 * r, &gauche[r], &droite[r]);
  V espaceG[4], espaceD[4];
  PasseInverse(gauche, espaceG, BITS_CONSTANTES - BITS_PASSE1 + 1);
  PasseInverse(droite, espaceD, BITS_CONSTANTES - BITS_PASSE1 + 1);
  Transpose(&espaceG[0], &espaceG[1], &espaceG[2], &espaceG[3]);
  Transpose(&espaceD[0], &espaceD[1], &espaceD[2], &espaceD[3]);
  const V termes[8] = {espaceG[0], espaceG[1], espaceG[2], espaceG[3],
                       espaceD[0], espaceD[1], espaceD[2], espaceD[3]};
  V s[4];
  PasseInverse(termes, s, BITS_CONSTANTES + BITS_PASSE1 + 3 + 1);
  for (int k = 0; k < 4; ++k) s[k] = Limite(s[k]);
  Transpose(&s[0], &s[1], &s[2], &s[3]);
  Pose(Octets(s[0], s[1], s[2], s[3]), sortie, colonne);
}

/* ---- the inverse DCT at full size --------------------------------------- */

/* One pass of the 8-point inverse DCT (jidctint.c) over four lines: term k
 * of each lane's line in e[k], its eight results in s[], reduced by `n`
 * bits. */
static inline void PasseInverse8(const V e[8], V s[8], int n) {
  const V pair = Fois(Plus(e[2], e[6]), 4433);                 /* FIX(0.541196100) */
  const V t2 = Plus(pair, Fois(e[6], -15137));                 /* -FIX(1.847759065) */
  const V t3 = Plus(pair, Fois(e[2], 6270));                   /* FIX(0.765366865) */
  const V t0 = wasm_i32x4_shl(Plus(e[0], e[4]), BITS_CONSTANTES);
  const V t1 = wasm_i32x4_shl(Moins(e[0], e[4]), BITS_CONSTANTES);
  const V t10 = Plus(t0, t3), t13 = Moins(t0, t3), t11 = Plus(t1, t2), t12 = Moins(t1, t2);
  /* e[7], e[5], e[3], e[1] are the library's odd tmp0 to tmp3. */
  const V z5 = Fois(Plus(Plus(e[7], e[3]), Plus(e[5], e[1])), 9633);  /* FIX(1.175875602) */
  const V z1 = Fois(Plus(e[7], e[1]), -7373);                         /* -FIX(0.899976223) */
  const V z2 = Fois(Plus(e[5], e[3]), -20995);                        /* -FIX(2.562915447) */
  const V z3 = Plus(Fois(Plus(e[7], e[3]), -16069), z5);              /* -FIX(1.961570560) */
  const V z4 = Plus(Fois(Plus(e[5], e[1]), -3196), z5);               /* -FIX(0.390180644) */
  const V o0 = Plus(Fois(e[7], 2446), Plus(z1, z3));                  /* FIX(0.298631336) */
  const V o1 = Plus(Fois(e[5], 16819), Plus(z2, z4));                 /* FIX(2.053119869) */
  const V o2 = Plus(Fois(e[3], 25172), Plus(z2, z3));                 /* FIX(3.072711026) */
  const V o3 = Plus(Fois(e[1], 12299), Plus(z1, z4));                 /* FIX(1.501321110) */
  s[0] = Reduit(Plus(t10, o3), n);
  s[7] = Reduit(Moins(t10, o3), n);
  s[1] = Reduit(Plus(t11, o2), n);
  s[6] = Reduit(Moins(t11, o2), n);
  s[2] = Reduit(Plus(t12, o1), n);
  s[5] = Reduit(Moins(t12, o1), n);
  s[3] = Reduit(Plus(t13, o0), n);
  s[4] = Reduit(Moins(t13, o0), n);
}

int jsimd_can_idct_islow(void) { return 1; }

void jsimd_idct_islow(j_decompress_ptr cinfo, jpeg_component_info* composante, JCOEFPTR bloc,
                      JSAMPARRAY sortie, JDIMENSION colonne) {
  (void)cinfo;
  const ISLOW_MULT_TYPE* quant = (const ISLOW_MULT_TYPE*)composante->dct_table;
  V rangees[8];
  V ac = wasm_v128_and(wasm_v128_load(bloc), wasm_i16x8_make(0, -1, -1, -1, -1, -1, -1, -1));
  for (int r = 0; r < 8; ++r) {
    rangees[r] = wasm_v128_load(bloc + 8 * r);
    if (r) ac = wasm_v128_or(ac, rangees[r]);
  }
  uint64_t lignes[8];
  if (!wasm_v128_any_true(ac)) {
    /* The DC term alone: 64 equal samples. */
    const V seul = SeulDc(bloc, quant);
    for (int r = 0; r < 8; ++r) wasm_v128_store64_lane(sortie[r] + colonne, seul, 0);
    return;
  }
  /* The columns, four at a time, as they lie. */
  V gauche[8], droite[8], espaceG[8], espaceD[8];
  for (int r = 0; r < 8; ++r) Dequantifie(rangees[r], quant + 8 * r, &gauche[r], &droite[r]);
  PasseInverse8(gauche, espaceG, BITS_CONSTANTES - BITS_PASSE1);
  PasseInverse8(droite, espaceD, BITS_CONSTANTES - BITS_PASSE1);
  /* The workspace's rows, four at a time: each term of a row in its own
   * vector, then back to rows of samples. */
  for (int h = 0; h < 8; h += 4) {
    V e[8] = {espaceG[h], espaceG[h + 1], espaceG[h + 2], espaceG[h + 3],
              espaceD[h], espaceD[h + 1], espaceD[h + 2], espaceD[h + 3]};
    Transpose(&e[0], &e[1], &e[2], &e[3]);
    Transpose(&e[4], &e[5], &e[6], &e[7]);
    V s[8];
    PasseInverse8(e, s, BITS_CONSTANTES + BITS_PASSE1 + 3);
    for (int k = 0; k < 8; ++k) s[k] = Limite(s[k]);
    Transpose(&s[0], &s[1], &s[2], &s[3]);
    Transpose(&s[4], &s[5], &s[6], &s[7]);
    for (int r = 0; r < 4; r += 2) {
      wasm_v128_store(&lignes[h + r], Octets(s[r], s[4 + r], s[r + 1], s[5 + r]));
    }
  }
  for (int r = 0; r < 8; ++r) memcpy(sortie[r] + colonne, &lignes[r], 8);
}
