#include "codec/jpegfile.h"

#include <cstring>
#include <new>
#include <utility>

#include "base/bitmap.h"
#include "base/message.h"
#include "codec/jpeg_codage.h"
#include "codec/jpeg_erreur.h"
#include "codec/jpeg_source.h"
#include "picture/fichier.h"

namespace talvik {

namespace {

constexpr const char* kTitre = "Lumaveil";

TamponOctets Alloue(std::size_t n) { return TamponOctets(new (std::nothrow) std::uint8_t[n]()); }

// Decoding state kept outside the frame that libjpeg may jump back to.
struct Decodage {
  jpeg_decompress_struct cinfo;
  jpeg::Erreurs erreurs;
  std::FILE* fichier = nullptr;
  TamponOctets sortie;
  unsigned largeur = 0, hauteur = 0;
};

// Returns false after a fatal libjpeg error or a premature end of data.
bool Decode(Decodage& d) {
  d.cinfo.err = jpeg::Installe(d.erreurs, true);
  if (setjmp(d.erreurs.retour)) {
    jpeg_destroy_decompress(&d.cinfo);
    return false;
  }
  jpeg_create_decompress(&d.cinfo);
  jpeg::Surveille(&d.cinfo);
  jpeg::SourceFichier(&d.cinfo, d.fichier);
  jpeg_read_header(&d.cinfo, TRUE);
  jpeg_start_decompress(&d.cinfo);
  const unsigned w = d.cinfo.output_width, h = d.cinfo.output_height;
  const int composantes = d.cinfo.output_components;
  if (std::int64_t(w) * h > kMaxPixels) Bitmap::Create(int(w), int(h));  // records why
  if ((composantes != 1 && composantes != 3) || std::int64_t(w) * h > kMaxPixels) {
    jpeg_destroy_decompress(&d.cinfo);
    return false;
  }
  // Every row is written before the buffer is given: it is not cleared.
  d.sortie = TamponOctets(new (std::nothrow) std::uint8_t[std::size_t(w) * h * 3]);
  if (!d.sortie) {
    AfficheMessage("JpegFile :\nOut of memory", kTitre, IconeMessage::Erreur);
    jpeg_destroy_decompress(&d.cinfo);
    return false;
  }
  d.largeur = w;
  d.hauteur = h;
  JSAMPARRAY ligne = (*d.cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.cinfo),
                                                  JPOOL_IMAGE, w * unsigned(composantes), 1);
  while (d.cinfo.output_scanline < h && !d.erreurs.finPrematuree) {
    if (jpeg_read_scanlines(&d.cinfo, ligne, 1) != 1) break;
    std::uint8_t* dest = d.sortie.get() + std::size_t(d.cinfo.output_scanline - 1) * w * 3;
    if (composantes == 3) {
      std::memcpy(dest, ligne[0], std::size_t(w) * 3);
    } else {
      for (unsigned x = 0; x < w; ++x) dest[3 * x] = dest[3 * x + 1] = dest[3 * x + 2] = ligne[0][x];
    }
  }
  if (d.erreurs.finPrematuree || d.cinfo.output_scanline < h) {
    jpeg_destroy_decompress(&d.cinfo);
    return false;
  }
  jpeg_finish_decompress(&d.cinfo);
  jpeg_destroy_decompress(&d.cinfo);
  return true;
}

}  // namespace

TamponOctets JpegFile::JpegFileToRGB(const std::string& chemin, unsigned* largeur,
                                     unsigned* hauteur) {
  if (largeur) *largeur = 0;
  if (hauteur) *hauteur = 0;
  fichier::Fichier f = fichier::Ouvre(chemin, "rb");
  if (!f) return nullptr;
  auto d = std::make_unique<Decodage>();
  d->fichier = f.get();
  if (!Decode(*d)) return nullptr;
  if (largeur) *largeur = d->largeur;
  if (hauteur) *hauteur = d->hauteur;
  return std::move(d->sortie);
}

int JpegFile::GetJPGDimensions(const std::string& chemin, unsigned* largeur, unsigned* hauteur) {
  fichier::Fichier f = fichier::Ouvre(chemin, "rb");
  if (!f) {
    AfficheMessage("JPEG :\nCan't open " + chemin + "\n", kTitre, IconeMessage::Erreur);
    return 0;
  }
  auto d = std::make_unique<Decodage>();
  d->cinfo.err = jpeg::Installe(d->erreurs, true);
  if (setjmp(d->erreurs.retour)) {
    jpeg_destroy_decompress(&d->cinfo);
    return 0;
  }
  jpeg_create_decompress(&d->cinfo);
  jpeg::SourceFichier(&d->cinfo, f.get());
  jpeg_read_header(&d->cinfo, TRUE);
  if (largeur) *largeur = d->cinfo.image_width;
  if (hauteur) *hauteur = d->cinfo.image_height;
  jpeg_destroy_decompress(&d->cinfo);
  return 1;
}

int JpegFile::RGBToJpegFile(const std::string& chemin, const std::uint8_t* tampon,
                            unsigned largeur, unsigned hauteur, int bCouleur, int qualite) {
  if (!tampon || largeur == 0 || hauteur == 0) return 0;
  TamponOctets gris;
  if (!bCouleur) {
    gris = Alloue(std::size_t(largeur) * hauteur);
    if (!gris) {
      AfficheMessage("Memory error", kTitre, IconeMessage::Erreur);
      return 0;
    }
    const std::size_t n = std::size_t(largeur) * hauteur;
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint8_t* p = tampon + 3 * i;
      gris[i] = std::uint8_t(0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]);
    }
  }
  fichier::Fichier f = fichier::Ouvre(chemin, "wb");
  if (!f) {
    AfficheMessage("JpegFile :\nCan't open " + chemin + "\n", kTitre, IconeMessage::Erreur);
    return 0;
  }
  jpeg::Lignes lignes;
  lignes.premiere = bCouleur ? tampon : gris.get();
  lignes.pas = std::size_t(largeur) * (bCouleur ? 3 : 1);
  lignes.largeur = largeur;
  lignes.hauteur = hauteur;
  lignes.format = bCouleur ? jpeg::FormatPixels::RGB : jpeg::FormatPixels::Gris;
  const bool ok = jpeg::CodeVersFichier(lignes, qualite, f.get(), true);
  if (std::fclose(f.release()) != 0) return 0;
  return ok ? 1 : 0;
}

TamponOctets JpegFile::MakeDwordAlignedBuf(const std::uint8_t* tampon, unsigned largeur,
                                           unsigned hauteur, unsigned* pas) {
  if (!tampon) return nullptr;
  const std::size_t p = (std::size_t(largeur) * 24 + 31) / 32 * 4;
  TamponOctets sortie = Alloue(p * hauteur);
  if (!sortie) return nullptr;
  for (unsigned y = 0; y < hauteur; ++y)
    std::memcpy(sortie.get() + p * y, tampon + std::size_t(largeur) * 3 * y, std::size_t(largeur) * 3);
  if (pas) *pas = unsigned(p);
  return sortie;
}

TamponOctets JpegFile::RGBFromDWORDAligned(const std::uint8_t* tampon, unsigned largeur,
                                           unsigned pas, unsigned hauteur) {
  if (!tampon || pas < largeur * 3) return nullptr;
  TamponOctets sortie = Alloue(std::size_t(largeur) * 3 * hauteur);
  if (!sortie) return nullptr;
  for (unsigned y = 0; y < hauteur; ++y)
    std::memcpy(sortie.get() + std::size_t(largeur) * 3 * y, tampon + std::size_t(pas) * y,
                std::size_t(largeur) * 3);
  return sortie;
}

int JpegFile::BGRFromRGB(std::uint8_t* tampon, unsigned largeur, unsigned hauteur) {
  if (!tampon) return 0;
  const std::size_t n = std::size_t(largeur) * hauteur;
  for (std::size_t i = 0; i < n; ++i) std::swap(tampon[3 * i], tampon[3 * i + 2]);
  return 1;
}

int JpegFile::VertFlipBuf(std::uint8_t* tampon, unsigned octetsParLigne, unsigned hauteur) {
  if (!tampon) return 0;
  for (unsigned i = 0; i < hauteur / 2; ++i)
    std::swap_ranges(tampon + std::size_t(i) * octetsParLigne,
                     tampon + std::size_t(i + 1) * octetsParLigne,
                     tampon + std::size_t(hauteur - 1 - i) * octetsParLigne);
  return 1;
}

int JpegFile::MakeGrayScale(std::uint8_t* tampon, unsigned largeur, unsigned hauteur) {
  if (!tampon) return 0;
  const std::size_t n = std::size_t(largeur) * hauteur;
  for (std::size_t i = 0; i < n; ++i) {
    std::uint8_t* p = tampon + 3 * i;
    const std::uint8_t g = std::uint8_t(0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]);
    p[0] = p[1] = p[2] = g;
  }
  return 1;
}

}  // namespace talvik
