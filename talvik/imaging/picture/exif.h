// Reading the TIFF structure of an Exif block (the bytes after "Exif\0\0"
// in a JPEG's APP1 segment, a PNG's eXIf chunk, a WebP's EXIF chunk, a
// HEIF's Exif item): its byte order, its directories and their entries.
// Every read is checked against the block's end, so a damaged block gives
// false, never a read outside it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace talvik::exif {

class LecteurTiff {
 public:
  LecteurTiff(const std::uint8_t* p, std::size_t n) : p_(p), n_(n) {}

  // The header: byte order and the offset of the first directory.
  bool Entete(std::uint32_t* ifd0) {
    if (n_ < 8) return false;
    if (p_[0] == 'I' && p_[1] == 'I') intel_ = true;
    else if (p_[0] == 'M' && p_[1] == 'M') intel_ = false;
    else return false;
    std::uint16_t quarante2 = 0;
    return Lit16(2, &quarante2) && quarante2 == 42 && Lit32(4, ifd0);
  }

  // The directory at `ifd`: its number of entries and the offset of the
  // next directory (0 when none).
  bool Repertoire(std::uint32_t ifd, std::uint16_t* entrees, std::uint32_t* suivant) const {
    if (!Lit16(ifd, entrees)) return false;
    return Lit32(std::uint64_t(ifd) + 2 + 12 * std::uint64_t(*entrees), suivant);
  }

  // Entry `i` of the directory at `ifd`: its tag and, for one SHORT or
  // LONG value, that value (other types and counts give false).
  bool Entree(std::uint32_t ifd, std::uint16_t i, std::uint16_t* tag, std::uint32_t* valeur) const {
    const std::uint64_t e = std::uint64_t(ifd) + 2 + 12 * std::uint64_t(i);
    std::uint16_t type = 0;
    std::uint32_t nombre = 0;
    if (!Lit16(e, tag) || !Lit16(e + 2, &type) || !Lit32(e + 4, &nombre) || nombre != 1)
      return false;
    if (type == 3) {
      std::uint16_t court = 0;
      if (!Lit16(e + 8, &court)) return false;
      *valeur = court;
      return true;
    }
    return type == 4 && Lit32(e + 8, valeur);
  }

  // Entry `i` of the directory at `ifd` whatever its type and count: its
  // values lie at [debut, debut + longueur) of the block (inside the entry
  // when they take 4 bytes or fewer). False when they do not lie wholly
  // inside the block or the type is not one of TIFF's twelve.
  struct Valeurs {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint32_t nombre = 0;
    std::uint64_t debut = 0;
    std::uint64_t longueur = 0;
  };
  bool EntreeComplete(std::uint32_t ifd, std::uint16_t i, Valeurs* v) const {
    static constexpr std::uint8_t kTailles[13] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
    const std::uint64_t e = std::uint64_t(ifd) + 2 + 12 * std::uint64_t(i);
    if (!Lit16(e, &v->tag) || !Lit16(e + 2, &v->type) || !Lit32(e + 4, &v->nombre)) return false;
    if (v->type == 0 || v->type > 12) return false;
    v->longueur = std::uint64_t(v->nombre) * kTailles[v->type];
    if (v->longueur <= 4) {
      v->debut = e + 8;
    } else {
      std::uint32_t o = 0;
      if (!Lit32(e + 8, &o)) return false;
      v->debut = o;
    }
    return v->debut <= n_ && v->longueur <= n_ - v->debut;
  }

  // The bytes of the block, its length and its byte order.
  const std::uint8_t* Octets() const { return p_; }
  std::size_t Taille() const { return n_; }
  bool Intel() const { return intel_; }

  // A value at offset `o` of the block in its byte order; false past its end.
  bool Lit16(std::uint64_t o, std::uint16_t* v) const {
    if (o + 2 > n_) return false;
    const std::uint8_t* q = p_ + o;
    *v = intel_ ? std::uint16_t(q[0] | q[1] << 8) : std::uint16_t(q[0] << 8 | q[1]);
    return true;
  }
  bool Lit32(std::uint64_t o, std::uint32_t* v) const {
    if (o + 4 > n_) return false;
    const std::uint8_t* q = p_ + o;
    *v = intel_ ? std::uint32_t(q[0]) | std::uint32_t(q[1]) << 8 | std::uint32_t(q[2]) << 16 |
                      std::uint32_t(q[3]) << 24
                : std::uint32_t(q[0]) << 24 | std::uint32_t(q[1]) << 16 |
                      std::uint32_t(q[2]) << 8 | std::uint32_t(q[3]);
    return true;
  }

 private:
  const std::uint8_t* p_;
  std::size_t n_;
  bool intel_ = true;
};

// The orientation (tag 0x0112 of the first directory) of an Exif block,
// given with or without its "Exif\0\0" prefix: 1 to 8, or 0 when the block
// has none, is damaged, or holds a value outside 1..8.
int OrientationExif(const std::uint8_t* bloc, std::size_t taille);

}  // namespace talvik::exif
