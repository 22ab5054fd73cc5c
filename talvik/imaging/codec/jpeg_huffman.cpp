#include "codec/jpeg_huffman.h"

namespace talvik::jpeg {

bool TableHuffman::Construit(const std::uint8_t compte[17], const std::uint8_t symboles[256]) {
  // Code lengths in symbol order, then the canonical codes.
  std::uint8_t longueurs[257];
  std::uint16_t codes[256];
  int p = 0;
  for (int l = 1; l <= 16; ++l)
    for (int i = 0; i < compte[l]; ++i) {
      if (p >= 256) return false;
      longueurs[p++] = std::uint8_t(l);
    }
  longueurs[p] = 0;
  nombre_ = p;
  std::uint32_t code = 0;
  int l = p ? longueurs[0] : 0;
  for (int i = 0; longueurs[i];) {
    while (longueurs[i] == l) codes[i++] = std::uint16_t(code++);
    if (code >= (1u << l)) return false;  // no code may be all ones
    code <<= 1;
    ++l;
  }
  p = 0;
  for (l = 1; l <= 16; ++l) {
    if (compte[l]) {
      valPtr_[l] = p;
      minCode_[l] = codes[p];
      p += compte[l];
      maxCode_[l] = codes[p - 1];
    } else {
      maxCode_[l] = -1;
    }
  }
  maxCode_[17] = 0x7FFFFFFF;
  std::memcpy(symboles_, symboles, 256);

  for (auto& e : dc_) e = EntreeDC{};
  for (auto& e : ac_) e = EntreeAC{};
  for (int i = 0; i < nombre_; ++i) {
    const int longueur = longueurs[i];
    if (longueur > kBitsRapides) break;
    const int s = symboles_[i];
    const int r = s >> 4, taille = s & 15;
    EntreeAC a;
    a.avance = std::uint8_t(longueur + taille);
    a.pas = std::uint8_t(taille ? r + 1 : r == 15 ? 16 : 64);
    const int premier = codes[i] << (kBitsRapides - longueur);
    for (int j = 0; j < 1 << (kBitsRapides - longueur); ++j) {
      dc_[premier + j] = EntreeDC{std::uint8_t(longueur), std::uint8_t(s)};
      ac_[premier + j] = a;
    }
  }
  return true;
}

}  // namespace talvik::jpeg
