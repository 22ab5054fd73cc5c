// The entropy-coded data of a baseline JPEG, read only for what a picture
// at one eighth of its size needs: the DC coefficient of every block. The
// AC coefficients are skipped without being decoded: a table indexed by
// the next bits gives, for every code, how many bits the code and the
// value after it take and how far it moves in the block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace talvik::jpeg {

// Bits of lookahead of the fast tables; longer codes take the slow path.
inline constexpr int kBitsRapides = 12;

// One Huffman table as the file defines it (counts of codes of each
// length 1..16, then the symbols), made ready for decoding.
class TableHuffman {
 public:
  // False when the counts and symbols do not make a valid code.
  bool Construit(const std::uint8_t compte[17], const std::uint8_t symboles[256]);

  // Fast entry of a DC table: code length (0: longer code) and symbol.
  struct EntreeDC {
    std::uint8_t longueur = 0;
    std::uint8_t symbole = 0;
  };
  // Fast entry of an AC table: bits the code and its value take (0:
  // longer code) and how far it moves in the block (64 ends it).
  struct EntreeAC {
    std::uint8_t avance = 0;
    std::uint8_t pas = 0;
  };
  const EntreeDC* DC() const { return dc_; }
  const EntreeAC* AC() const { return ac_; }

  // A code longer than the fast tables at the top of `bits`: its length
  // and symbol; false for a code the table does not have.
  bool Lent(std::uint64_t bits, int* longueur, int* symbole) const {
    for (int l = kBitsRapides + 1; l <= 16; ++l) {
      const std::int32_t code = std::int32_t(bits >> (64 - l));
      if (code <= maxCode_[l]) {
        const std::int32_t i = valPtr_[l] + code - minCode_[l];
        if (i < 0 || i >= nombre_) return false;
        *longueur = l;
        *symbole = symboles_[i];
        return true;
      }
    }
    return false;
  }

 private:
  EntreeDC dc_[1 << kBitsRapides];
  EntreeAC ac_[1 << kBitsRapides];
  std::int32_t maxCode_[18] = {};
  std::int32_t minCode_[17] = {};
  std::int32_t valPtr_[17] = {};
  std::uint8_t symboles_[256] = {};
  int nombre_ = 0;
};

// Where reading is in unstuffed data followed by at least 8 readable
// bytes: a bit position from the start of the data.
class LecteurBits {
 public:
  LecteurBits(const std::uint8_t* debut, std::size_t octet)
      : debut_(debut), position_(std::uint64_t(octet) * 8) {}

  // The 64 bits from `position` on, the first at the top (at least 57 of
  // them from the data; the others are zero).
  std::uint64_t Bits(std::uint64_t position) const {
    std::uint64_t m;
    std::memcpy(&m, debut_ + (position >> 3), 8);
    return __builtin_bswap64(m) << (position & 7);
  }
  std::uint64_t Position() const { return position_; }
  void Place(std::uint64_t position) { position_ = position; }

 private:
  const std::uint8_t* debut_;
  std::uint64_t position_;
};

// Reads one block of the component whose tables are `dc` and `ac`: the
// difference of its DC coefficient in *diff. False on a code the tables
// do not have. Bits are taken 57 or more at a time, enough for the DC
// code and value, then for two AC codes: the values of AC codes are only
// skipped, so they need not lie within the bits taken.
inline bool LitBloc(LecteurBits& lecteur, const TableHuffman& dc, const TableHuffman& ac,
                    std::int32_t* diff) {
  std::uint64_t position = lecteur.Position();
  std::uint64_t bits = lecteur.Bits(position);
  int longueur = 0, taille = 0;
  const TableHuffman::EntreeDC e = dc.DC()[bits >> (64 - kBitsRapides)];
  if (e.longueur) {
    longueur = e.longueur;
    taille = e.symbole;
  } else if (!dc.Lent(bits, &longueur, &taille)) {
    return false;
  }
  if (taille > 16) return false;
  bits <<= longueur;
  std::int32_t d = 0;
  if (taille) {
    const std::int32_t v = std::int32_t(bits >> (64 - taille));
    d = v < (1 << (taille - 1)) ? v - (1 << taille) + 1 : v;
  }
  *diff = d;
  position += std::uint64_t(longueur + taille);
  const TableHuffman::EntreeAC* rapide = ac.AC();
  int k = 1;
  // One AC code at the top of `bits`; false when it is not in the table.
  auto code = [&]() {
    const TableHuffman::EntreeAC a = rapide[bits >> (64 - kBitsRapides)];
    if (a.avance) {
      bits <<= a.avance;
      position += a.avance;
      k += a.pas;
      return true;
    }
    int l = 0, s = 0;
    if (!ac.Lent(bits, &l, &s)) return false;
    const int r = s >> 4;
    s &= 15;
    bits <<= l + s;
    position += std::uint64_t(l + s);
    k += s ? r + 1 : r == 15 ? 16 : 64;
    return true;
  };
  while (k < 64) {
    bits = lecteur.Bits(position);
    if (!code()) return false;
    if (k >= 64) break;
    if (!code()) return false;
  }
  lecteur.Place(position);
  return true;
}

}  // namespace talvik::jpeg
