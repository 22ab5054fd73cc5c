#include "codec/heif_boites.h"

#include <cstring>

namespace talvik::heif {

namespace {

std::uint32_t Grand32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// Reads an unsigned big-endian field of 0, 4 or 8 bytes (2 for counts).
class Lecteur {
 public:
  Lecteur(const std::uint8_t* p, const std::uint8_t* fin) : p_(p), fin_(fin) {}
  bool Lit(int octets, std::uint64_t* v) {
    if (octets != 0 && octets != 2 && octets != 4 && octets != 8) return false;
    if (fin_ - p_ < octets) return false;
    std::uint64_t r = 0;
    for (int i = 0; i < octets; ++i) r = r << 8 | *p_++;
    *v = r;
    return true;
  }

 private:
  const std::uint8_t* p_;
  const std::uint8_t* fin_;
};

}  // namespace

bool LitBoite(const std::uint8_t* p, const std::uint8_t* fin, Boite* b) {
  if (fin - p < 8) return false;
  std::uint64_t taille = Grand32(p);
  std::size_t entete = 8;
  if (taille == 1) {
    if (fin - p < 16) return false;
    taille = std::uint64_t(Grand32(p + 8)) << 32 | Grand32(p + 12);
    entete = 16;
  } else if (taille == 0) {
    taille = std::uint64_t(fin - p);
  }
  if (taille < entete || taille > std::uint64_t(fin - p)) return false;
  std::memcpy(b->type, p + 4, 4);
  b->corps = p + entete;
  b->taille = std::size_t(taille) - entete;
  return true;
}

bool Cherche(const std::uint8_t* p, const std::uint8_t* fin, const char* type, Boite* b) {
  while (LitBoite(p, fin, b)) {
    if (std::memcmp(b->type, type, 4) == 0) return true;
    p = b->corps + b->taille;
  }
  return false;
}

bool ParcoursIloc(const std::uint8_t* d, std::size_t n,
                  const std::function<bool(const Etendue&)>& visite) {
  if (!d) return false;
  const std::uint8_t* fin = d + n;
  Boite meta, iloc;
  if (!Cherche(d, fin, "meta", &meta) || meta.taille < 4) return true;
  const std::uint8_t* m = meta.corps + 4;
  const std::uint8_t* mfin = meta.corps + meta.taille;
  if (!Cherche(m, mfin, "iloc", &iloc)) return true;
  Lecteur l(iloc.corps, iloc.corps + iloc.taille);
  std::uint64_t version = 0, drapeaux = 0, tailles = 0, items = 0;
  if (!l.Lit(4, &drapeaux) || !l.Lit(2, &tailles)) return false;
  version = drapeaux >> 24;
  if (version > 2) return false;
  const int tailleDecalage = int(tailles >> 12) & 15, tailleLongueur = int(tailles >> 8) & 15;
  const int tailleBase = int(tailles >> 4) & 15;
  const int tailleIndex = version >= 1 ? int(tailles) & 15 : 0;
  if (!l.Lit(version < 2 ? 2 : 4, &items)) return false;
  for (std::uint64_t i = 0; i < items; ++i) {
    std::uint64_t id = 0, methode = 0, reference = 0, base = 0, etendues = 0;
    if (!l.Lit(version < 2 ? 2 : 4, &id)) return false;
    if (version >= 1 && !l.Lit(2, &methode)) return false;
    methode &= 15;
    if (!l.Lit(2, &reference) || !l.Lit(tailleBase, &base) || !l.Lit(2, &etendues)) return false;
    for (std::uint64_t e = 0; e < etendues; ++e) {
      std::uint64_t index = 0, decalage = 0, longueur = 0;
      if ((tailleIndex && !l.Lit(tailleIndex, &index)) || !l.Lit(tailleDecalage, &decalage) ||
          !l.Lit(tailleLongueur, &longueur))
        return false;
      Etendue x;
      x.item = id;
      x.methode = int(methode);
      x.debut = base + decalage;
      if (x.debut < base) return false;  // wrapped round
      x.longueur = longueur;
      x.premiere = e == 0;
      if (!visite(x)) return true;
    }
  }
  return true;
}

std::vector<std::uint64_t> ItemsDeType(const std::uint8_t* d, std::size_t n, const char* type) {
  std::vector<std::uint64_t> ids;
  Boite meta, iinf, infe;
  if (!d || !Cherche(d, d + n, "meta", &meta) || meta.taille < 4 ||
      !Cherche(meta.corps + 4, meta.corps + meta.taille, "iinf", &iinf) || iinf.taille < 6)
    return ids;
  const std::uint8_t* p = iinf.corps + (iinf.corps[0] == 0 ? 6 : 8);
  const std::uint8_t* fin = iinf.corps + iinf.taille;
  while (p <= fin && LitBoite(p, fin, &infe)) {
    // Versions 2 and 3 of "infe" name a type: version, flags, ID, protection, type.
    const int version = infe.taille >= 4 ? infe.corps[0] : 0;
    const std::size_t tailleId = version == 3 ? 4 : 2;
    if (version >= 2 && infe.taille >= 4 + tailleId + 2 + 4) {
      Lecteur l(infe.corps + 4, infe.corps + infe.taille);
      std::uint64_t id = 0;
      if (l.Lit(int(tailleId), &id) &&
          std::memcmp(infe.corps + 4 + tailleId + 2, type, 4) == 0)
        ids.push_back(id);
    }
    p = infe.corps + infe.taille;
  }
  return ids;
}

bool EtenduesDansLeFichier(const std::uint8_t* d, std::size_t n) {
  if (!d) return false;
  const std::uint8_t* fin = d + n;
  Boite meta, idat;
  const std::uint64_t tailleIdat =
      Cherche(d, fin, "meta", &meta) && meta.taille >= 4 &&
              Cherche(meta.corps + 4, meta.corps + meta.taille, "idat", &idat)
          ? idat.taille
          : 0;
  bool dedans = true;
  const bool lu = ParcoursIloc(d, n, [&](const Etendue& e) {
    const std::uint64_t limite =
        e.methode == 0 ? n : e.methode == 1 ? tailleIdat : ~std::uint64_t(0);
    dedans = e.debut <= limite && e.longueur <= limite - e.debut;
    return dedans;
  });
  return lu && dedans;
}

}  // namespace talvik::heif
