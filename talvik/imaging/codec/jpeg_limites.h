// Bounds on what one JPEG may cost to decode, set between reading its
// header and starting the decoding: the picture must fit the library's
// pixel budget, its data must be large enough to fill the blocks it
// declares, libjpeg's own buffers are capped, and a progressive file may
// have only so many scans (each scan is a pass over every block of the
// picture, and an empty one costs a few bytes: a small file of thousands
// of them would keep the decoder busy for minutes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

#include "codec/jpeg_erreur.h"

namespace talvik::jpeg {

// Most scans a file may have: the usual progressive scripts have about
// ten, the most finely split ones a few dozen.
inline constexpr int kScansMax = 100;

// Why a file of more scans is refused.
inline constexpr const char* kTropDeScans = "The JPEG data has too many scans";

// Bytes of the data the whole file holds when it is not known.
inline constexpr std::uint64_t kTailleInconnue = ~std::uint64_t(0);

// For a decompressor whose header is read and whose error manager is `e`
// (installed by Installe). False when the picture is refused, the reason
// recorded in Bitmap::LastCreateError(); else the scan limit and the cap on
// libjpeg's memory are set, and decoding may start. `octets` is the size of
// the whole JPEG data.
bool Borne(jpeg_decompress_struct& c, Erreurs& e, std::uint64_t octets);

}  // namespace talvik::jpeg
