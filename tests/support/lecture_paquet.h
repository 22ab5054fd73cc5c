// Reads a generated package back for the tests: the trailer and each
// record's header and JPEG bytes.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace lumaveil::testing {

struct Enregistrement {
  std::int32_t duree = 0;
  std::int32_t effet = 0;
  std::vector<std::uint8_t> jpeg;
};

struct Paquet {
  bool lu = false;
  std::vector<std::uint8_t> octets;
  std::int32_t largeur = 0, hauteur = 0, nombre = 0, debut = 0;
  std::vector<Enregistrement> enregistrements;
};

inline std::int32_t Le32(const std::uint8_t* p) {
  return std::int32_t(std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) |
                      (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24));
}

inline std::vector<std::uint8_t> Contenu(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Walks the records from the trailer's offset; `lu` is false when the
// records do not end exactly at the trailer.
inline Paquet LitPaquet(const std::string& chemin) {
  Paquet p;
  p.octets = Contenu(chemin);
  const auto& o = p.octets;
  if (o.size() < 16) return p;
  const std::uint8_t* t = o.data() + o.size() - 16;
  p.largeur = Le32(t);
  p.hauteur = Le32(t + 4);
  p.nombre = Le32(t + 8);
  p.debut = Le32(t + 12);
  std::size_t pos = std::size_t(p.debut);
  std::size_t fin = o.size() - 16;
  for (int i = 0; i < p.nombre; ++i) {
    if (pos + 12 > fin) return p;
    Enregistrement e;
    e.duree = Le32(o.data() + pos);
    e.effet = Le32(o.data() + pos + 4);
    std::size_t n = std::size_t(Le32(o.data() + pos + 8));
    pos += 12;
    if (pos + n > fin) return p;
    e.jpeg.assign(o.begin() + long(pos), o.begin() + long(pos + n));
    pos += n;
    p.enregistrements.push_back(std::move(e));
  }
  p.lu = pos == fin;
  return p;
}

}  // namespace lumaveil::testing
