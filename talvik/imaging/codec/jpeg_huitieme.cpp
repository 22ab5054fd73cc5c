#include "codec/jpeg_huitieme.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "codec/jpeg_erreur.h"
#include "codec/jpeg_huitieme_parties.h"
#include "codec/jpeg_meta.h"
#include "picture/fichier.h"

namespace talvik {

namespace {

using huitieme::Entete;
using huitieme::kMarge;
using huitieme::Tampon;

constexpr std::size_t kTailleMax = std::size_t(1) << 30;

// The buffers of the calling thread, kept from one photo to the next.
struct Tampons {
  Tampon<std::uint8_t> octets;
  Tampon<std::int16_t> diffs, diffsSeconde;
  Tampon<std::uint32_t> positions;
  void Rend() {
    octets.Rend();
    diffs.Rend();
    diffsSeconde.Rend();
    positions.Rend();
  }
};

thread_local Tampons t_tampons;

// libjpeg's reading of the header, kept outside the frame it may jump
// back to.
struct LectureEntete {
  jpeg_decompress_struct cinfo;
  jpeg::Erreurs erreurs;
};

bool LitEntete(LectureEntete& l, const std::uint8_t* d, std::size_t n, Entete& e) {
  jpeg_decompress_struct& c = l.cinfo;
  c.err = jpeg::Installe(l.erreurs, false);
  if (setjmp(l.erreurs.retour)) {
    jpeg_destroy_decompress(&c);
    return false;
  }
  jpeg_create_decompress(&c);
  jpeg_mem_src(&c, d, static_cast<unsigned long>(n));
  bool ok = jpeg_read_header(&c, TRUE) == JPEG_HEADER_OK && !c.progressive_mode &&
            !c.arith_code && c.data_precision == 8 && c.comps_in_scan == c.num_components &&
            ((c.num_components == 1 && c.jpeg_color_space == JCS_GRAYSCALE) ||
             (c.num_components == 3 && c.jpeg_color_space == JCS_YCbCr));
  if (ok) {
    e.largeur = int(c.image_width);
    e.hauteur = int(c.image_height);
    e.composantes = c.num_components;
    e.intervalle = c.restart_interval;
    // When the bytes end within the header, libjpeg's memory source goes
    // on with a made-up end marker of its own: the data must start within
    // the bytes given, the rest of them still unread.
    const JOCTET* suivant = c.src->next_input_byte;
    ok = suivant >= d && suivant <= d + n && c.src->bytes_in_buffer == std::size_t(d + n - suivant);
    e.debutDonnees = ok ? std::size_t(suivant - d) : 0;
    if (e.composantes == 3) {
      e.h = c.comp_info[0].h_samp_factor;
      e.v = c.comp_info[0].v_samp_factor;
      ok = ok && e.h >= 1 && e.h <= 2 && e.v >= 1 && e.v <= 2;
      for (int i = 1; i < 3; ++i)
        ok = ok && c.comp_info[i].h_samp_factor == 1 && c.comp_info[i].v_samp_factor == 1;
    }
    e.blocs = e.h * e.v + e.composantes - 1;
    e.mcuX = (e.largeur + 8 * e.h - 1) / (8 * e.h);
    e.mcuY = (e.hauteur + 8 * e.v - 1) / (8 * e.v);
    for (int i = 0; ok && i < e.composantes; ++i) {
      const jpeg_component_info& ci = c.comp_info[i];
      ok = c.cur_comp_info[i] == &c.comp_info[i] && ci.quant_tbl_no >= 0 && ci.quant_tbl_no < 4 &&
           c.quant_tbl_ptrs[ci.quant_tbl_no] && ci.dc_tbl_no >= 0 && ci.dc_tbl_no < 4 &&
           ci.ac_tbl_no >= 0 && ci.ac_tbl_no < 4 && c.dc_huff_tbl_ptrs[ci.dc_tbl_no] &&
           c.ac_huff_tbl_ptrs[ci.ac_tbl_no];
      if (!ok) break;
      e.q0[i] = c.quant_tbl_ptrs[ci.quant_tbl_no]->quantval[0];
      e.tableDC[i] = ci.dc_tbl_no;
      e.tableAC[i] = ci.ac_tbl_no;
      const JHUFF_TBL* dc = c.dc_huff_tbl_ptrs[ci.dc_tbl_no];
      const JHUFF_TBL* ac = c.ac_huff_tbl_ptrs[ci.ac_tbl_no];
      ok = e.tablesDC[ci.dc_tbl_no].Construit(dc->bits, dc->huffval) &&
           e.tablesAC[ci.ac_tbl_no].Construit(ac->bits, ac->huffval);
    }
  }
  jpeg_destroy_decompress(&c);
  return ok && e.largeur > 0 && e.hauteur > 0;
}

// Removes the stuffed zero after each 0xFF of the data at `d` (in place)
// up to the marker that ends the scan. Returns the length of the clean
// data; `reprises` receives where each restart interval after the first
// starts in it, false when there are more than `maxReprises`. Fill bytes
// before markers are dropped.
bool Nettoie(std::uint8_t* d, std::size_t n, std::size_t maxReprises,
             std::vector<std::uint32_t>& reprises, std::size_t* propres) {
  std::size_t r = 0, w = 0;
  while (r < n) {
    const void* ff = std::memchr(d + r, 0xFF, n - r);
    const std::size_t jusque = ff ? std::size_t(static_cast<const std::uint8_t*>(ff) - d) : n;
    if (w != r) std::memmove(d + w, d + r, jusque - r);
    w += jusque - r;
    r = jusque;
    if (r + 1 >= n) break;
    const std::uint8_t m = d[r + 1];
    if (m == 0x00) {
      d[w++] = 0xFF;
      r += 2;
    } else if (m == 0xFF) {
      r += 1;
    } else if (m >= 0xD0 && m <= 0xD7) {
      if (reprises.size() >= maxReprises) return false;
      reprises.push_back(std::uint32_t(w));
      r += 2;
    } else {
      break;
    }
  }
  *propres = w;
  return true;
}

ImageJPEG Decode(const std::string& chemin) {
  fichier::Fichier f = fichier::Ouvre(chemin, "rb");
  if (!f || std::fseek(f.get(), 0, SEEK_END) != 0) return {};
  const long taille = std::ftell(f.get());
  if (taille <= 0 || std::size_t(taille) > kTailleMax || std::fseek(f.get(), 0, SEEK_SET) != 0)
    return {};
  const std::size_t n = std::size_t(taille);
  std::uint8_t* octets = t_tampons.octets.Taille(n + kMarge);
  if (!octets || std::fread(octets, 1, n, f.get()) != n) return {};
  auto entete = std::make_unique<Entete>();
  {
    auto lecture = std::make_unique<LectureEntete>();
    if (!LitEntete(*lecture, octets, n, *entete)) return {};
  }
  const Entete& e = *entete;
  if (e.debutDonnees > n) return {};
  // The segments before the data, read before the data is cleaned in place.
  jpeg::Meta meta = jpeg::LitMeta(octets, e.debutDonnees);
  const std::size_t total = std::size_t(e.mcuX) * std::size_t(e.mcuY);
  std::uint8_t* donnees = octets + e.debutDonnees;
  std::vector<std::uint32_t> reprises;
  std::size_t propres = 0;
  if (!Nettoie(donnees, n - e.debutDonnees, total, reprises, &propres)) return {};
  std::memset(donnees + propres, 0, kMarge);
  // Restart markers where the header announces none: damaged, for libjpeg
  // to judge. Bit positions are held in 32 bits.
  if ((!e.intervalle && !reprises.empty()) || propres >= (std::size_t(1) << 29)) return {};
  // Every block takes at least two bits: a header promising more blocks
  // than the data can hold belongs to a truncated file.
  if (total * std::size_t(e.blocs) > propres * 4) return {};
  std::int16_t* diffs = t_tampons.diffs.Taille(total * std::size_t(e.blocs));
  if (!diffs || !huitieme::LitDiffs(e, donnees, propres, reprises, diffs, t_tampons.positions,
                                      t_tampons.diffsSeconde)) return {};
  ImageJPEG r;
  r.image = huitieme::Image(e, diffs);
  if (!r.image) return {};
  r.largeurFichier = e.largeur;
  r.hauteurFichier = e.hauteur;
  r.reduction = 8;
  r.image = jpeg::Applique(meta, std::move(r.image), &r.largeurFichier, &r.hauteurFichier);
  if (!r.image) return {};
  return r;
}

}  // namespace

ImageJPEG DecodeJPEGHuitieme(const std::string& chemin) {
  // Out of memory in a vector is no reason to fail otherwise than with a
  // null picture.
  ImageJPEG r;
  try {
    r = Decode(chemin);
  } catch (...) {
    r = {};
  }
  t_tampons.Rend();
  return r;
}

}  // namespace talvik
