// A little-endian binary stream in the layout of the MFC archive: 32-bit
// integers, and strings as a length prefix followed by single-byte
// characters. The length takes 1 byte below 255; else 0xFF and a 16-bit
// length below 0xFFFE; else 0xFF, 0xFFFF and a 32-bit length. Strings are
// UTF-8 in memory and Windows-1252 in the stream; a string that Windows-1252
// cannot hold is written in the archive's Unicode form (0xFF, 0xFFFE, then
// the length and UTF-16LE characters), which the reader also accepts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumaveil {

class CArchiveEcriture {
 public:
  void EcritEntier(std::int32_t valeur);
  void EcritOctets(const void* donnees, std::size_t taille);
  void EcritChaine(const std::string& utf8);
  const std::vector<std::uint8_t>& Octets() const { return octets_; }

 private:
  void EcritLongueur(std::uint32_t longueur);
  std::vector<std::uint8_t> octets_;
};

// Reads from a buffer it does not own. Every read reports failure (0)
// once the buffer runs short; the stream then stays failed.
class CArchiveLecture {
 public:
  CArchiveLecture(const std::uint8_t* donnees, std::size_t taille)
      : donnees_(donnees), taille_(taille) {}

  int LitEntier(std::int32_t& valeur);
  int LitOctets(void* cible, std::size_t taille);
  int LitChaine(std::string& utf8);

  bool Echec() const { return echec_; }
  std::size_t Position() const { return position_; }
  std::size_t Reste() const { return taille_ - position_; }

 private:
  int LitOctet(std::uint8_t& b);
  int LitMot(std::uint16_t& w);
  const std::uint8_t* donnees_;
  std::size_t taille_;
  std::size_t position_ = 0;
  bool echec_ = false;
};

}  // namespace lumaveil
