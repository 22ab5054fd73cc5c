// Splits row-wise work over the machine's cores.
#pragma once

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

#include "base/fils.h"

namespace talvik::raster {

// Calls travail(debut, fin) on disjoint row ranges covering [0, lignes).
// Jobs below about 256k pixel operations stay on the calling thread; larger
// ones use one thread per core (at most 8). travail must only write what
// belongs to its rows.
template <class Travail>
void ParLignes(int lignes, std::int64_t operations, Travail&& travail) {
  if (lignes <= 0) return;
  unsigned coeurs = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
  if (!kFilsPossibles || operations < (std::int64_t(1) << 18) || coeurs == 1 || lignes < 2) {
    travail(0, lignes);
    return;
  }
  int parts = int(std::min<unsigned>(coeurs, unsigned(lignes)));
  std::vector<std::thread> fils;
  fils.reserve(std::size_t(parts - 1));
  for (int p = 1; p < parts; ++p) {
    int debut = int(std::int64_t(lignes) * p / parts);
    int fin = int(std::int64_t(lignes) * (p + 1) / parts);
    fils.emplace_back([&travail, debut, fin] { travail(debut, fin); });
  }
  travail(0, int(std::int64_t(lignes) / parts));
  for (auto& f : fils) f.join();
}

}  // namespace talvik::raster
