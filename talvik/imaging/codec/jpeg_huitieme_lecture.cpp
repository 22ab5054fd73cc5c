// Reading the DC differences of every MCU, on one thread or two.
#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>

#include "base/fils.h"
#include "codec/jpeg_huitieme_parties.h"

namespace talvik::huitieme {

namespace {

// Below this much entropy-coded data one thread does it all (fuzzing
// sends its small inputs to both threads as well).
#ifdef LUMAVEIL_FUZZ
constexpr std::size_t kSeuilDeuxFils = 64;
#else
constexpr std::size_t kSeuilDeuxFils = 256 * 1024;
#endif
// Starts again the second thread may make before it gives up.
constexpr std::size_t kReprisesMax = 4096;

// Reads MCUs from the unstuffed data with the Huffman tables of each of
// their blocks.
class Decodeur {
 public:
  Decodeur(const Entete& e, const std::uint8_t* donnees, std::size_t octets)
      : e_(e), d_(donnees), finBits_(std::uint64_t(octets) * 8) {
    for (int b = 0; b < e.blocs; ++b) {
      const int c = b < e.h * e.v ? 0 : b - e.h * e.v + 1;
      dc_[b] = &e.tablesDC[e.tableDC[c]];
      ac_[b] = &e.tablesAC[e.tableAC[c]];
    }
  }

  // Reads one MCU: the DC differences of its blocks into `diffs`.
  bool MCU(jpeg::LecteurBits& l, std::int16_t* diffs) const {
    for (int b = 0; b < e_.blocs; ++b) {
      std::int32_t d = 0;
      if (!jpeg::LitBloc(l, *dc_[b], *ac_[b], &d)) return false;
      diffs[b] = std::int16_t(d);
    }
    return true;
  }

  // MCUs [premier, fin) from the bit reader, within the data.
  bool Suite(jpeg::LecteurBits& l, std::size_t premier, std::size_t fin, std::int16_t* diffs,
             std::uint64_t limite) const {
    for (std::size_t m = premier; m < fin; ++m) {
      if (l.Position() > limite || !MCU(l, diffs + m * std::size_t(e_.blocs))) return false;
    }
    return l.Position() <= limite;
  }

  const std::uint8_t* Donnees() const { return d_; }
  std::uint64_t FinBits() const { return finBits_; }

 private:
  const Entete& e_;
  const std::uint8_t* d_;
  std::uint64_t finBits_;
  const jpeg::TableHuffman* dc_[6] = {};
  const jpeg::TableHuffman* ac_[6] = {};
};

// Without restart markers no one knows where the MCUs of the second half
// start. The second thread starts reading at a byte in the middle as if an
// MCU started there; Huffman codes soon fall into step with the true
// ones, after which its MCUs are the true MCUs. It notes where each of its
// MCUs starts; the first thread reads from the start until it reaches an
// MCU start the second thread also noted, and stops there: from that MCU
// on, the second thread's reading is the true one (the DC differences do
// not depend on where reading started). Past the middle the first thread
// never gets ahead of the second: it waits for it, for a second thread
// behind it could never meet it again.
// The fields the second thread writes as it reads sit on a cache line of
// their own, away from the first thread's variables: sharing a line
// would make every publication stall the first thread.
struct alignas(64) Seconde {
  std::uint32_t* positions = nullptr;
  std::int16_t* diffs = nullptr;
  std::size_t capacite = 0;
  alignas(64) std::atomic<std::size_t> publies{0};
  std::atomic<bool> arret{false};
  std::atomic<bool> fini{false};  // publies is final
  std::vector<std::size_t> reprises;  // MCU counts at which it started again
  alignas(64) char fin = 0;

  void Lit(const Decodeur& dec, int blocs, std::size_t octet) {
    jpeg::LecteurBits l(dec.Donnees(), octet);
    std::size_t n = 0;
    while (n < capacite && !arret.load(std::memory_order_relaxed)) {
      const std::uint64_t pos = l.Position();
      if (pos >= dec.FinBits()) break;
      positions[n] = std::uint32_t(pos);
      if (!dec.MCU(l, diffs + n * std::size_t(blocs))) {
        // Not in step yet (or past the end): start again at the next byte.
        if (reprises.size() >= kReprisesMax) break;
        reprises.push_back(n);
        l = jpeg::LecteurBits(dec.Donnees(), std::size_t(pos / 8) + 1);
        continue;
      }
      // Published by groups: the first thread need not see each one.
      if ((++n & 31) == 0) publies.store(n, std::memory_order_release);
    }
    publies.store(n, std::memory_order_release);
    fini.store(true, std::memory_order_release);
  }
};

}  // namespace

bool LitDiffs(const Entete& e, const std::uint8_t* d, std::size_t octets,
              const std::vector<std::uint32_t>& reprises, std::int16_t* diffs,
              Tampon<std::uint32_t>& positions, Tampon<std::int16_t>& diffsSeconde) {
  const Decodeur dec(e, d, octets);
  const std::size_t total = std::size_t(e.mcuX) * std::size_t(e.mcuY);
  const bool deux = kFilsPossibles && octets >= kSeuilDeuxFils;

  if (e.intervalle) {
    const std::size_t intervalles = (total + e.intervalle - 1) / e.intervalle;
    if (reprises.size() + 1 < intervalles) return false;
    auto lit = [&](std::size_t de, std::size_t a) {
      for (std::size_t i = de; i < a; ++i) {
        const std::size_t debut = i ? reprises[i - 1] : 0;
        const std::uint64_t limite = (i + 1 < intervalles ? reprises[i] : octets) * std::uint64_t(8);
        jpeg::LecteurBits l(d, debut);
        if (!dec.Suite(l, i * e.intervalle, std::min(total, (i + 1) * e.intervalle), diffs, limite))
          return false;
      }
      return true;
    };
    if (!deux || intervalles < 2) return lit(0, intervalles);
    std::atomic<bool> okSecond{false};
    const std::size_t milieu = intervalles / 2;
    try {
      std::thread second([&] { okSecond = lit(milieu, intervalles); });
      const bool ok = lit(0, milieu);
      second.join();
      return ok && okSecond;
    } catch (...) {
      return lit(0, intervalles);
    }
  }

  auto seconde = std::make_unique<Seconde>();
  Seconde& s = *seconde;
  const std::size_t milieu = octets / 2;
  std::thread second;
  if (deux) {
    s.capacite = total + 16;
    s.reprises.reserve(kReprisesMax);
    s.positions = positions.Taille(s.capacite);
    s.diffs = diffsSeconde.Taille(s.capacite * std::size_t(e.blocs));
    if (s.positions && s.diffs) {
      try {
        second = std::thread([&] { s.Lit(dec, e.blocs, milieu); });
      } catch (...) {
      }
    }
  }
  jpeg::LecteurBits l(d, 0);
  const std::uint64_t debutSecond = std::uint64_t(milieu) * 8;
  std::size_t curseur = 0, m = 0;
  bool ok = true, accord = false;
  for (; m < total; ++m) {
    const std::uint64_t pos = l.Position();
    if (pos > dec.FinBits()) {
      ok = false;
      break;
    }
    if (second.joinable() && pos >= debutSecond) {
      bool decide = false;
      while (!decide) {
        const bool fini = s.fini.load(std::memory_order_acquire);
        const std::size_t publies = s.publies.load(std::memory_order_acquire);
        while (curseur < publies && s.positions[curseur] < pos) ++curseur;
        if (curseur < publies) {
          accord = s.positions[curseur] == pos;
          decide = true;
        } else if (fini) {
          decide = true;  // it stopped before this point: read on alone
        } else {
          std::this_thread::yield();
        }
      }
      if (accord) break;
    }
    if (!dec.MCU(l, diffs + m * std::size_t(e.blocs))) {
      ok = false;
      break;
    }
  }
  if (!accord) s.arret = true;
  if (second.joinable()) second.join();
  if (!ok) return false;
  if (!accord) return l.Position() <= dec.FinBits();
  // The second thread's MCUs from the meeting point are MCUs m, m+1, ...
  // It must have read every remaining MCU without starting again among
  // them (the data is damaged there); after the last one it reads the
  // padding, which may fail.
  const std::size_t reste = total - m;
  if (s.publies.load() < curseur + reste) return false;
  for (std::size_t r : s.reprises)
    if (r > curseur && r < curseur + reste) return false;
  std::memcpy(diffs + m * std::size_t(e.blocs), s.diffs + curseur * std::size_t(e.blocs),
              reste * std::size_t(e.blocs) * sizeof(std::int16_t));
  return true;
}

}  // namespace talvik::huitieme
