#include "codec/heif_taille_codee.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "codec/heif_boites.h"

namespace talvik::heif {

namespace {

// Reads bits most significant first; reading past the end fails.
class Bits {
 public:
  Bits(const std::uint8_t* p, std::size_t n) : p_(p), n_(n) {}
  bool Lit(int nombre, std::uint64_t* v) {
    std::uint64_t r = 0;
    for (int i = 0; i < nombre; ++i) {
      if (pos_ >= n_ * 8) return false;
      r = r << 1 | ((p_[pos_ >> 3] >> (7 - (pos_ & 7))) & 1);
      ++pos_;
    }
    *v = r;
    return true;
  }
  bool Saute(int nombre) {
    std::uint64_t v;
    while (nombre > 32) {
      if (!Lit(32, &v)) return false;
      nombre -= 32;
    }
    return Lit(nombre, &v);
  }
  // Exp-Golomb code (HEVC ue(v)); at most 32 leading zeros.
  bool Golomb(std::uint64_t* v) {
    int zeros = 0;
    std::uint64_t b = 0;
    for (;;) {
      if (!Lit(1, &b)) return false;
      if (b) break;
      if (++zeros > 32) return false;
    }
    std::uint64_t suite = 0;
    if (!Lit(zeros, &suite)) return false;
    *v = (std::uint64_t(1) << zeros) - 1 + suite;
    return true;
  }
  // AV1's uvlc(): the same code, saturated past 32 leading zeros.
  bool Uvlc() {
    int zeros = 0;
    std::uint64_t b = 0;
    for (;;) {
      if (!Lit(1, &b)) return false;
      if (b) break;
      ++zeros;
    }
    return zeros >= 32 || Saute(zeros);
  }

 private:
  const std::uint8_t* p_;
  std::size_t n_;
  std::size_t pos_ = 0;
};

// The payload of a NAL unit without its emulation prevention bytes.
std::vector<std::uint8_t> SansEmulation(const std::uint8_t* p, std::size_t n) {
  std::vector<std::uint8_t> r;
  r.reserve(n);
  int zeros = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (zeros >= 2 && p[i] == 3) {
      zeros = 0;
      continue;
    }
    zeros = p[i] == 0 ? zeros + 1 : 0;
    r.push_back(p[i]);
  }
  return r;
}

bool TailleSPS(const std::uint8_t* nal, std::size_t n, std::int64_t* l, std::int64_t* h) {
  if (n < 2) return false;
  const std::vector<std::uint8_t> rbsp = SansEmulation(nal + 2, n - 2);
  Bits b(rbsp.data(), rbsp.size());
  std::uint64_t sousCouches = 0, profil = 0, niveau = 0, v = 0;
  if (!b.Saute(4) || !b.Lit(3, &sousCouches) || !b.Saute(1) || !b.Saute(88 + 8)) return false;
  std::uint64_t presents[8][2] = {};
  for (std::uint64_t i = 0; i < sousCouches; ++i)
    if (!b.Lit(1, &presents[i][0]) || !b.Lit(1, &presents[i][1])) return false;
  if (sousCouches > 0 && !b.Saute(int(2 * (8 - sousCouches)))) return false;
  for (std::uint64_t i = 0; i < sousCouches; ++i) {
    profil = presents[i][0];
    niveau = presents[i][1];
    if ((profil && !b.Saute(88)) || (niveau && !b.Saute(8))) return false;
  }
  std::uint64_t chroma = 0, largeur = 0, hauteur = 0;
  if (!b.Golomb(&v) || !b.Golomb(&chroma) || (chroma == 3 && !b.Saute(1)) ||
      !b.Golomb(&largeur) || !b.Golomb(&hauteur))
    return false;
  *l = std::int64_t(largeur);
  *h = std::int64_t(hauteur);
  return true;
}

bool TailleSequenceAV1(const std::uint8_t* p, std::size_t n, std::int64_t* l, std::int64_t* h) {
  Bits b(p, n);
  std::uint64_t reduit = 0, temps = 0, modele = 0, delaiInitial = 0, points = 0, v = 0;
  std::uint64_t longueurDelai = 0;
  if (!b.Saute(4) || !b.Lit(1, &reduit)) return false;
  if (reduit) {
    if (!b.Saute(5)) return false;
  } else {
    if (!b.Lit(1, &temps)) return false;
    if (temps) {
      std::uint64_t egal = 0;
      if (!b.Saute(64) || !b.Lit(1, &egal) || (egal && !b.Uvlc()) || !b.Lit(1, &modele))
        return false;
      if (modele && (!b.Lit(5, &longueurDelai) || !b.Saute(32 + 5 + 5))) return false;
    }
    if (!b.Lit(1, &delaiInitial) || !b.Lit(5, &points)) return false;
    for (std::uint64_t i = 0; i <= points; ++i) {
      std::uint64_t niveau = 0;
      if (!b.Saute(12) || !b.Lit(5, &niveau) || (niveau > 7 && !b.Saute(1))) return false;
      if (modele) {
        if (!b.Lit(1, &v)) return false;
        if (v && !b.Saute(int(2 * (longueurDelai + 1) + 1))) return false;
      }
      if (delaiInitial) {
        if (!b.Lit(1, &v)) return false;
        if (v && !b.Saute(4)) return false;
      }
    }
  }
  std::uint64_t bitsL = 0, bitsH = 0, largeur = 0, hauteur = 0;
  if (!b.Lit(4, &bitsL) || !b.Lit(4, &bitsH) || !b.Lit(int(bitsL) + 1, &largeur) ||
      !b.Lit(int(bitsH) + 1, &hauteur))
    return false;
  *l = std::int64_t(largeur) + 1;
  *h = std::int64_t(hauteur) + 1;
  return true;
}

// Little-endian base-128 length of an OBU.
bool Leb128(const std::uint8_t*& p, const std::uint8_t* fin, std::uint64_t* v) {
  std::uint64_t r = 0;
  for (int i = 0; i < 8; ++i) {
    if (p >= fin) return false;
    const std::uint8_t o = *p++;
    r |= std::uint64_t(o & 0x7F) << (7 * i);
    if (!(o & 0x80)) {
      *v = r;
      return true;
    }
  }
  return false;
}

}  // namespace

bool TailleHvcC(const std::uint8_t* corps, std::size_t taille, std::int64_t* l,
                std::int64_t* h) {
  if (taille < 23) return false;
  const std::uint8_t* p = corps + 23;
  const std::uint8_t* fin = corps + taille;
  for (int a = 0, tableaux = corps[22]; a < tableaux; ++a) {
    if (fin - p < 3) return false;
    const int type = p[0] & 0x3F, unites = p[1] << 8 | p[2];
    p += 3;
    for (int u = 0; u < unites; ++u) {
      if (fin - p < 2) return false;
      const std::size_t n = std::size_t(p[0] << 8 | p[1]);
      p += 2;
      if (std::size_t(fin - p) < n) return false;
      if (type == 33) return TailleSPS(p, n, l, h);
      p += n;
    }
  }
  return false;
}

bool TailleAv1C(const std::uint8_t* corps, std::size_t taille, std::int64_t* l,
                std::int64_t* h) {
  return taille >= 4 && TailleObus(corps + 4, taille - 4, l, h);
}

bool TailleObus(const std::uint8_t* p, std::size_t taille, std::int64_t* l, std::int64_t* h) {
  const std::uint8_t* fin = p + taille;
  while (p < fin) {
    const std::uint8_t entete = *p++;
    const int type = (entete >> 3) & 15;
    if ((entete & 4) && p++ >= fin) return false;
    std::uint64_t n = std::uint64_t(fin - p);
    if ((entete & 2) && !Leb128(p, fin, &n)) return false;
    if (n > std::uint64_t(fin - p)) return false;
    if (type == 1) return TailleSequenceAV1(p, std::size_t(n), l, h);
    p += n;
  }
  return false;
}

bool TaillesCodeesAdmises(const std::uint8_t* d, std::size_t n, std::int64_t maxPixels,
                          std::int64_t coteMax) {
  if (!d) return false;
  const auto admise = [&](std::int64_t l, std::int64_t h) {
    return l <= coteMax && h <= coteMax && l * h <= maxPixels;
  };
  // AV1 items usually carry their sequence header in their own data, not
  // in av1C: the OBUs at the start of each one's first extent.
  const std::vector<std::uint64_t> av1 = ItemsDeType(d, n, "av01");
  Boite meta, idat;
  const bool avecMeta = Cherche(d, d + n, "meta", &meta) && meta.taille >= 4;
  const bool avecIdat =
      avecMeta && Cherche(meta.corps + 4, meta.corps + meta.taille, "idat", &idat);
  bool ok = true;
  if (!av1.empty())
    ParcoursIloc(d, n, [&](const Etendue& e) {
      if (!e.premiere || std::find(av1.begin(), av1.end(), e.item) == av1.end()) return true;
      const std::uint8_t* debut =
          e.methode == 0 ? d : e.methode == 1 && avecIdat ? idat.corps : nullptr;
      const std::uint64_t limite = e.methode == 0 ? n : avecIdat ? idat.taille : 0;
      if (!debut || e.debut >= limite) return true;
      const std::uint64_t longueur =
          e.longueur == 0 || e.longueur > limite - e.debut ? limite - e.debut : e.longueur;
      std::int64_t l = 0, h = 0;
      if (TailleObus(debut + e.debut, std::size_t(longueur), &l, &h)) ok = admise(l, h);
      return ok;
    });
  if (!ok) return false;
  Boite iprp, ipco, propriete;
  if (!avecMeta ||
      !Cherche(meta.corps + 4, meta.corps + meta.taille, "iprp", &iprp) ||
      !Cherche(iprp.corps, iprp.corps + iprp.taille, "ipco", &ipco))
    return true;
  const std::uint8_t* p = ipco.corps;
  const std::uint8_t* fin = ipco.corps + ipco.taille;
  while (LitBoite(p, fin, &propriete)) {
    std::int64_t l = 0, h = 0;
    const bool hevc = std::memcmp(propriete.type, "hvcC", 4) == 0;
    const bool estAv1 = std::memcmp(propriete.type, "av1C", 4) == 0;
    if ((hevc && TailleHvcC(propriete.corps, propriete.taille, &l, &h)) ||
        (estAv1 && TailleAv1C(propriete.corps, propriete.taille, &l, &h))) {
      if (!admise(l, h)) return false;
    }
    p = propriete.corps + propriete.taille;
  }
  return true;
}

}  // namespace talvik::heif
