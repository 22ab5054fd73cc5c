#include "archive.h"

#include <cstring>

#include "encodage.h"

namespace lumaveil {

void CArchiveEcriture::EcritEntier(std::int32_t valeur) {
  auto v = static_cast<std::uint32_t>(valeur);
  for (int i = 0; i < 4; ++i) octets_.push_back(std::uint8_t((v >> (8 * i)) & 0xFF));
}

void CArchiveEcriture::EcritOctets(const void* donnees, std::size_t taille) {
  auto p = static_cast<const std::uint8_t*>(donnees);
  octets_.insert(octets_.end(), p, p + taille);
}

void CArchiveEcriture::EcritLongueur(std::uint32_t longueur) {
  if (longueur < 0xFF) {
    octets_.push_back(std::uint8_t(longueur));
  } else if (longueur < 0xFFFE) {
    octets_.push_back(0xFF);
    octets_.push_back(std::uint8_t(longueur & 0xFF));
    octets_.push_back(std::uint8_t(longueur >> 8));
  } else {
    octets_.push_back(0xFF);
    octets_.push_back(0xFF);
    octets_.push_back(0xFF);
    EcritEntier(static_cast<std::int32_t>(longueur));
  }
}

void CArchiveEcriture::EcritChaine(const std::string& utf8) {
  bool perte = false;
  std::string ansi = Utf8VersCp1252(utf8, &perte);
  if (!perte) {
    EcritLongueur(std::uint32_t(ansi.size()));
    EcritOctets(ansi.data(), ansi.size());
    return;
  }
  // Unicode form: the marker 0xFF 0xFFFE, then the length in characters
  // and the UTF-16LE characters.
  std::u16string large = Utf8VersUtf16(utf8);
  octets_.push_back(0xFF);
  octets_.push_back(0xFE);
  octets_.push_back(0xFF);
  EcritLongueur(std::uint32_t(large.size()));
  for (char16_t c : large) {
    octets_.push_back(std::uint8_t(c & 0xFF));
    octets_.push_back(std::uint8_t(c >> 8));
  }
}

int CArchiveLecture::LitOctets(void* cible, std::size_t taille) {
  if (echec_ || taille > taille_ - position_) {
    echec_ = true;
    return 0;
  }
  if (taille) std::memcpy(cible, donnees_ + position_, taille);
  position_ += taille;
  return 1;
}

int CArchiveLecture::LitOctet(std::uint8_t& b) { return LitOctets(&b, 1); }

int CArchiveLecture::LitMot(std::uint16_t& w) {
  std::uint8_t o[2];
  if (!LitOctets(o, 2)) return 0;
  w = std::uint16_t(o[0] | (o[1] << 8));
  return 1;
}

int CArchiveLecture::LitEntier(std::int32_t& valeur) {
  std::uint8_t o[4];
  if (!LitOctets(o, 4)) return 0;
  valeur = static_cast<std::int32_t>(std::uint32_t(o[0]) | (std::uint32_t(o[1]) << 8) |
                                     (std::uint32_t(o[2]) << 16) | (std::uint32_t(o[3]) << 24));
  return 1;
}

int CArchiveLecture::LitChaine(std::string& utf8) {
  bool unicode = false;
  std::uint32_t longueur = 0;
  for (int marqueurs = 0;; ++marqueurs) {
    std::uint8_t b;
    if (!LitOctet(b)) return 0;
    if (b < 0xFF) {
      longueur = b;
      break;
    }
    std::uint16_t w;
    if (!LitMot(w)) return 0;
    if (w == 0xFFFE) {
      // Unicode marker; it may come once only.
      if (marqueurs > 0) {
        echec_ = true;
        return 0;
      }
      unicode = true;
      continue;
    }
    if (w < 0xFFFF) {
      longueur = w;
      break;
    }
    std::int32_t d;
    if (!LitEntier(d)) return 0;
    longueur = static_cast<std::uint32_t>(d);
    break;
  }
  // The length is checked against what is left before anything is
  // allocated from it.
  std::size_t octets = unicode ? std::size_t(longueur) * 2 : std::size_t(longueur);
  if (octets > Reste()) {
    echec_ = true;
    return 0;
  }
  if (!unicode) {
    std::string ansi(reinterpret_cast<const char*>(donnees_ + position_), octets);
    position_ += octets;
    utf8 = Cp1252VersUtf8(ansi);
    return 1;
  }
  std::u16string large(longueur, u'\0');
  for (std::uint32_t i = 0; i < longueur; ++i) {
    large[i] = char16_t(donnees_[position_] | (donnees_[position_ + 1] << 8));
    position_ += 2;
  }
  utf8 = Utf16VersUtf8(large);
  return 1;
}

}  // namespace lumaveil
