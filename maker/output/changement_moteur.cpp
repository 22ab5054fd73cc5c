#include "changement_moteur.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include "fichier_atomique.h"
#include "package_format.h"

namespace lumaveil {

namespace {

// Copies `longueur` bytes of `entree` from its position to `sortie`.
bool Copie(std::ifstream& entree, std::int64_t longueur, std::FILE* sortie) {
  std::vector<char> tampon(1 << 16);
  while (longueur > 0) {
    const std::streamsize n = std::streamsize(std::min<std::int64_t>(longueur, std::int64_t(tampon.size())));
    entree.read(tampon.data(), n);
    if (entree.gcount() != n || std::fwrite(tampon.data(), 1, std::size_t(n), sortie) != std::size_t(n))
      return false;
    longueur -= n;
  }
  return true;
}

}  // namespace

int ChangeMoteur(const std::string& paquet, const std::string& moteur, const std::string& sortie) {
  talvik::CFichierAtomique fichier;
  return fichier.Ouvre(sortie) && ChangeMoteurDans(paquet, moteur, fichier) && fichier.Remplace()
             ? 1
             : 0;
}

int ChangeMoteurDans(const std::string& paquet, const std::string& moteur,
                     talvik::CFichierAtomique& fichier) {
  if (!fichier.Flux()) return 0;
  std::ifstream source(paquet, std::ios::binary);
  std::ifstream engin(moteur, std::ios::binary);
  if (!source || !engin) return 0;
  source.seekg(0, std::ios::end);
  engin.seekg(0, std::ios::end);
  const std::int64_t taille = source.tellg();
  const std::int64_t longueurMoteur = engin.tellg();
  if (taille < lmvengine::kTrailerSize || longueurMoteur <= 0 ||
      longueurMoteur > INT32_MAX - (taille - lmvengine::kTrailerSize))
    return 0;
  unsigned char fin[lmvengine::kTrailerSize];
  source.seekg(taille - lmvengine::kTrailerSize);
  source.read(reinterpret_cast<char*>(fin), lmvengine::kTrailerSize);
  if (source.gcount() != lmvengine::kTrailerSize) return 0;
  lmvengine::PackageTrailer trailer{lmvengine::ReadLe32(fin), lmvengine::ReadLe32(fin + 4),
                                    lmvengine::ReadLe32(fin + 8), lmvengine::ReadLe32(fin + 12)};
  const std::int64_t enregistrements = taille - lmvengine::kTrailerSize - trailer.dataOffset;
  if (lmvengine::CheckTrailer(trailer) != lmvengine::TrailerCheck::kOk || trailer.dataOffset < 0 ||
      enregistrements < std::int64_t{trailer.screenCount} * lmvengine::kRecordHeaderSize)
    return 0;

  source.seekg(trailer.dataOffset);
  engin.seekg(0);
  lmvengine::WriteLe32(fin + 12, static_cast<std::int32_t>(longueurMoteur));
  if (!Copie(engin, longueurMoteur, fichier.Flux()) ||
      !Copie(source, enregistrements, fichier.Flux()) ||
      std::fwrite(fin, 1, sizeof fin, fichier.Flux()) != sizeof fin) {
    fichier.Abandonne();
    return 0;
  }
  return fichier.Prepare(talvik::kModeProgramme);
}

}  // namespace lumaveil
