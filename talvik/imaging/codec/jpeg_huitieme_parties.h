// The parts of the one-eighth JPEG reader (jpeg_huitieme.h): what it
// keeps of the header, its buffers, the reading of the DC differences on
// one or two threads, and the picture made from them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "base/bitmap.h"
#include "codec/jpeg_huffman.h"

namespace talvik::huitieme {

// Readable bytes kept after the data: an MCU read from its last valid
// start reads at most this far (6 blocks of 64 codes of 31 bits).
inline constexpr std::size_t kMarge = 2048;

// A buffer each calling thread keeps from one picture to the next: a list
// of photos is read one after the other, and fresh memory would be mapped,
// faulted in and cleared by the system for every photo. Buffers above
// kGarde bytes are not kept.
template <class T>
class Tampon {
 public:
  // Room for `n` elements, not initialised; null when there is no memory.
  T* Taille(std::size_t n) {
    if (n <= capacite_) return p_.get();
    p_.reset();
    capacite_ = 0;
    p_.reset(new (std::nothrow) T[n]);
    if (p_) capacite_ = n;
    return p_.get();
  }
  // Drops a buffer too large to keep.
  void Rend() {
    if (capacite_ * sizeof(T) > kGarde) {
      p_.reset();
      capacite_ = 0;
    }
  }

 private:
  static constexpr std::size_t kGarde = 16u << 20;
  std::unique_ptr<T[]> p_;
  std::size_t capacite_ = 0;
};

// What the file's header says, as far as this decoder needs it.
struct Entete {
  int largeur = 0, hauteur = 0;
  int composantes = 0;  // 1 or 3
  int h = 1, v = 1;     // sampling of the first component
  int blocs = 1;        // blocks per MCU
  int mcuX = 0, mcuY = 0;
  unsigned intervalle = 0;  // MCUs between restart markers, 0 for none
  int q0[3] = {};           // DC quantiser of each component
  jpeg::TableHuffman tablesDC[4], tablesAC[4];
  int tableDC[3] = {}, tableAC[3] = {};
  std::size_t debutDonnees = 0;  // offset of the entropy-coded data
};

// Reads every MCU's DC differences into `diffs` (e.blocs per MCU) from the
// `octets` bytes of unstuffed data at `d` (followed by kMarge readable
// bytes); `reprises` says where each restart interval after the first
// starts. Large data is shared with a second thread, whose buffers are
// `positions` and `diffsSeconde`. False on damaged or truncated data.
bool LitDiffs(const Entete& e, const std::uint8_t* d, std::size_t octets,
              const std::vector<std::uint32_t>& reprises, std::int16_t* diffs,
              Tampon<std::uint32_t>& positions, Tampon<std::int16_t>& diffsSeconde);

// The picture from the DC differences: each block's DC coefficient as
// libjpeg's 1 x 1 inverse transform gives it, then the colour conversion.
Bitmap Image(const Entete& e, const std::int16_t* diffs);

}  // namespace talvik::huitieme
