// Finding the metadata blocks of each file format, on the file mapped
// into memory: only the pages of the blocks and of the structure that
// leads to them are read, never the picture data.
#include "picture/meta_photo.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string_view>
#include <vector>

#include "codec/heif_boites.h"
#include "codec/jpeg_meta.h"
#include "picture/fichier.h"
#include "picture/format.h"
#include "picture/meta_blocs.h"

namespace talvik {

namespace {

// A regular file mapped read-only, unmapped when it goes.
class FichierProjete {
 public:
  explicit FichierProjete(const std::string& chemin) {
    const int fd = fichier::OuvreFichierOrdinaire(chemin);
    if (fd < 0) return;
    struct stat st{};
    if (::fstat(fd, &st) == 0 && st.st_size > 0) {
      void* p = ::mmap(nullptr, std::size_t(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
      if (p != MAP_FAILED) {
        d_ = static_cast<const std::uint8_t*>(p);
        n_ = std::size_t(st.st_size);
        projete_ = true;
      } else {
        // A file system that cannot map (the browser's files, read where
        // the user keeps them): the file is read whole.
        LitTout(fd, std::size_t(st.st_size));
      }
    }
    ::close(fd);
  }
  ~FichierProjete() {
    if (projete_) ::munmap(const_cast<std::uint8_t*>(d_), n_);
  }
  FichierProjete(const FichierProjete&) = delete;
  FichierProjete& operator=(const FichierProjete&) = delete;

  const std::uint8_t* Donnees() const { return d_; }
  std::size_t Taille() const { return n_; }

 private:
  void LitTout(int fd, std::size_t taille) {
    lus_.resize(taille);
    std::size_t fait = 0;
    while (fait < taille) {
      const ssize_t n = ::pread(fd, lus_.data() + fait, taille - fait, off_t(fait));
      if (n <= 0) break;
      fait += std::size_t(n);
    }
    lus_.resize(fait);
    d_ = lus_.empty() ? nullptr : lus_.data();
    n_ = lus_.size();
  }

  const std::uint8_t* d_ = nullptr;
  std::size_t n_ = 0;
  bool projete_ = false;
  std::vector<std::uint8_t> lus_;
};

std::uint32_t Grand32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

std::uint32_t Petit32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

bool Commence(const std::uint8_t* d, std::size_t n, std::string_view tete) {
  return n >= tete.size() && std::memcmp(d, tete.data(), tete.size()) == 0;
}

void LitJpeg(const std::uint8_t* d, std::size_t n, meta::Sources& s) {
  static constexpr std::string_view kXmp("http://ns.adobe.com/xap/1.0/\0", 29);
  jpeg::ParcoursSegments(d, n, [&](int marqueur, const std::uint8_t* c, std::size_t t) {
    if (marqueur == 0xE1 && Commence(c, t, std::string_view("Exif\0\0", 6))) meta::LitExif(c, t, s);
    else if (marqueur == 0xE1 && Commence(c, t, kXmp))
      meta::LitXmp(reinterpret_cast<const char*>(c + kXmp.size()), t - kXmp.size(), s);
    else if (marqueur == 0xED) meta::LitPhotoshop(c, t, s);
    return true;
  });
}

void LitPng(const std::uint8_t* d, std::size_t n, meta::Sources& s) {
  static constexpr std::string_view kCle("XML:com.adobe.xmp\0", 18);
  for (std::size_t p = 8; p + 12 <= n;) {
    const std::size_t longueur = Grand32(d + p);
    if (longueur > n - p - 12) return;
    const std::uint8_t* c = d + p + 8;
    if (std::memcmp(d + p + 4, "eXIf", 4) == 0) {
      meta::LitExif(c, longueur, s);
    } else if (std::memcmp(d + p + 4, "iTXt", 4) == 0 && Commence(c, longueur, kCle) &&
               longueur >= kCle.size() + 2 && c[kCle.size()] == 0) {
      // Uncompressed: keyword, flag 0, method, language tag and translated
      // keyword (each NUL-ended), then the packet.
      std::size_t q = kCle.size() + 2;
      for (int champ = 0; champ < 2 && q < longueur; ++champ) {
        const void* nul = std::memchr(c + q, 0, longueur - q);
        q = nul ? std::size_t(static_cast<const std::uint8_t*>(nul) - c) + 1 : longueur;
      }
      if (q < longueur) meta::LitXmp(reinterpret_cast<const char*>(c + q), longueur - q, s);
    } else if (std::memcmp(d + p + 4, "IEND", 4) == 0) {
      return;
    }
    p += 12 + longueur;
  }
}

void LitWebP(const std::uint8_t* d, std::size_t n, meta::Sources& s) {
  for (std::size_t p = 12; p + 8 <= n;) {
    const std::size_t longueur = Petit32(d + p + 4);
    if (longueur > n - p - 8) return;
    const std::uint8_t* c = d + p + 8;
    if (std::memcmp(d + p, "EXIF", 4) == 0) meta::LitExif(c, longueur, s);
    else if (std::memcmp(d + p, "XMP ", 4) == 0)
      meta::LitXmp(reinterpret_cast<const char*>(c), longueur, s);
    p += 8 + longueur + (longueur & 1);
  }
}

// The bytes of a HEIF item held in one extent (as Exif and XMP items
// are), or empty when it is larger than `limite` or not in the file.
std::string_view Item(const std::uint8_t* d, std::size_t n, std::uint64_t id, std::size_t limite) {
  heif::Boite meta, idat;
  const bool avecIdat = heif::Cherche(d, d + n, "meta", &meta) && meta.taille >= 4 &&
                        heif::Cherche(meta.corps + 4, meta.corps + meta.taille, "idat", &idat);
  std::string_view item;
  int etendues = 0;
  heif::ParcoursIloc(d, n, [&](const heif::Etendue& e) {
    if (e.item != id) return true;
    ++etendues;
    const std::uint8_t* base = e.methode == 0 ? d : e.methode == 1 && avecIdat ? idat.corps : nullptr;
    const std::uint64_t taille = e.methode == 0 ? n : idat.taille;
    if (!base || e.debut > taille) return false;
    const std::uint64_t longueur = e.longueur ? e.longueur : taille - e.debut;
    if (longueur > taille - e.debut || longueur > limite) return false;
    item = std::string_view(reinterpret_cast<const char*>(base + e.debut), std::size_t(longueur));
    return true;
  });
  return etendues == 1 ? item : std::string_view();
}

void LitHeif(const std::uint8_t* d, std::size_t n, meta::Sources& s) {
  for (std::uint64_t id : heif::ItemsDeType(d, n, "Exif")) {
    const std::string_view item = Item(d, n, id, std::size_t(4) << 20);
    // The offset of the TIFF header after its own 4 bytes, then the block.
    if (item.size() < 4) continue;
    const auto* o = reinterpret_cast<const std::uint8_t*>(item.data());
    const std::uint32_t decalage = Grand32(o);
    if (decalage > item.size() - 4) continue;
    meta::LitExif(o + 4 + decalage, item.size() - 4 - decalage, s);
    break;
  }
  for (std::uint64_t id : heif::ItemsDeType(d, n, "mime")) {
    const std::string_view item = Item(d, n, id, kTailleXmpMax);
    if (item.find("x:xmpmeta") == std::string_view::npos &&
        item.find("rdf:RDF") == std::string_view::npos)
      continue;
    meta::LitXmp(item.data(), item.size(), s);
    break;
  }
}

}  // namespace

MetaPhoto LitMetaPhoto(const std::string& chemin) {
  const FichierProjete f(chemin);
  const std::uint8_t* d = f.Donnees();
  const std::size_t n = f.Taille();
  meta::Sources s;
  if (!d) return {};
  FormatImage format = FormatDuContenu(d, n);
  if (format == FormatImage::Inconnu) {
    if (n >= 2 && d[0] == 0xFF && d[1] == 0xD8) format = FormatImage::JPEG;
    else if (Commence(d, n, "\x89PNG\r\n\x1A\n")) format = FormatImage::PNG;
    else if (Commence(d, n, std::string_view("II*\0", 4)) || Commence(d, n, std::string_view("MM\0*", 4)))
      format = FormatImage::TIFF;
  }
  switch (format) {
    case FormatImage::JPEG: LitJpeg(d, n, s); break;
    case FormatImage::PNG: LitPng(d, n, s); break;
    case FormatImage::WebP: LitWebP(d, n, s); break;
    case FormatImage::HEIF:
    case FormatImage::AVIF: LitHeif(d, n, s); break;
    case FormatImage::TIFF: meta::LitExif(d, n, s); break;
    default: break;
  }
  return meta::Choisit(s);
}

}  // namespace talvik
