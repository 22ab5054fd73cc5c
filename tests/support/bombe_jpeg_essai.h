// A small JPEG file that costs a decoder a long time: a progressive grey
// picture whose one DC scan is followed by `balayages` AC scans that
// repeat the same band, each of them nothing but end-of-block runs. libjpeg
// takes every one of them without a warning and walks every block of the
// picture for each, so that a few tens of kilobytes keep a decoder busy
// for many seconds. Header-only.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace lumaveil::testing {

namespace detail_bombe {

// Entropy-coded bits, with the 0xFF bytes stuffed.
class BitsJPEG {
 public:
  void Ajoute(std::uint32_t valeur, int n) {
    for (int i = n - 1; i >= 0; --i) {
      octet_ = std::uint8_t((octet_ << 1) | ((valeur >> i) & 1u));
      if (++remplis_ == 8) Pousse();
    }
  }
  // Pads the last byte with 1 bits.
  std::vector<std::uint8_t> Fin() {
    while (remplis_ != 0) Ajoute(1, 1);
    return std::move(octets_);
  }

 private:
  void Pousse() {
    octets_.push_back(octet_);
    if (octet_ == 0xFF) octets_.push_back(0x00);
    octet_ = 0;
    remplis_ = 0;
  }
  std::vector<std::uint8_t> octets_;
  std::uint8_t octet_ = 0;
  int remplis_ = 0;
};

inline void Segment(std::vector<std::uint8_t>& f, std::uint8_t marqueur,
                    const std::vector<std::uint8_t>& corps) {
  const std::size_t n = corps.size() + 2;
  f.insert(f.end(), {0xFF, marqueur, std::uint8_t(n >> 8), std::uint8_t(n & 0xFF)});
  f.insert(f.end(), corps.begin(), corps.end());
}

}  // namespace detail_bombe

inline bool EcritBombeJPEG(const std::string& chemin, int largeur, int hauteur, int balayages) {
  using namespace detail_bombe;
  std::vector<std::uint8_t> f = {0xFF, 0xD8};
  std::vector<std::uint8_t> dqt = {0x00};
  dqt.insert(dqt.end(), 64, 1);
  Segment(f, 0xDB, dqt);
  Segment(f, 0xC2,
          {8, std::uint8_t(hauteur >> 8), std::uint8_t(hauteur), std::uint8_t(largeur >> 8),
           std::uint8_t(largeur), 1, 1, 0x11, 0});
  // One code of one bit in each table: DC difference 0, and an
  // end-of-block run of 2^14 + 14 more bits.
  std::vector<std::uint8_t> dht = {0x00, 1};
  dht.insert(dht.end(), 15, 0);
  dht.push_back(0x00);
  Segment(f, 0xC4, dht);
  dht[0] = 0x10;
  dht.back() = 0xE0;
  Segment(f, 0xC4, dht);
  const long blocs = long((largeur + 7) / 8) * long((hauteur + 7) / 8);
  {
    Segment(f, 0xDA, {1, 1, 0x00, 0, 0, 0x00});
    BitsJPEG bits;
    for (long i = 0; i < blocs; ++i) bits.Ajoute(0, 1);
    const std::vector<std::uint8_t> d = bits.Fin();
    f.insert(f.end(), d.begin(), d.end());
  }
  BitsJPEG runs;
  for (long reste = blocs; reste > 0;) {
    const long run = reste >= 32767 ? 32767 : (reste > 16384 ? reste : 16384);
    runs.Ajoute(0, 1);
    runs.Ajoute(std::uint32_t(run - 16384), 14);
    reste -= run;
  }
  const std::vector<std::uint8_t> ac = runs.Fin();
  for (int s = 0; s < balayages; ++s) {
    Segment(f, 0xDA, {1, 1, 0x00, 1, 63, 0x00});
    f.insert(f.end(), ac.begin(), ac.end());
  }
  f.insert(f.end(), {0xFF, 0xD9});
  std::ofstream sortie(chemin, std::ios::binary | std::ios::trunc);
  sortie.write(reinterpret_cast<const char*>(f.data()), std::streamsize(f.size()));
  return bool(sortie);
}

}  // namespace lumaveil::testing
