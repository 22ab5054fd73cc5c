#include "codec/jpeg_huitieme.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "codec/jpeg_erreur.h"
#include "codec/jpeg_huffman.h"
#include "picture/fichier.h"

namespace talvik {

namespace {

// Readable bytes kept after the data: an MCU read from its last valid
// start reads at most this far (6 blocks of 64 codes of 31 bits).
constexpr std::size_t kMarge = 2048;
// Below this much entropy-coded data one thread does it all (fuzzing
// sends its small inputs to both threads as well).
#ifdef LUMAVEIL_FUZZ
constexpr std::size_t kSeuilDeuxFils = 64;
#else
constexpr std::size_t kSeuilDeuxFils = 256 * 1024;
#endif
constexpr std::size_t kTailleMax = std::size_t(1) << 30;
// Starts again the second thread may make before it gives up.
constexpr std::size_t kReprisesMax = 4096;

// A buffer each calling thread keeps from one picture to the next: a list
// of photos is read one after the other, and fresh memory would be mapped,
// faulted in and cleared by the system for every photo. Buffers above
// kGarde bytes are not kept.
template <class T>
class Tampon {
 public:
  // Room for `n` elements, not initialised; null when there is no memory.
  T* Taille(std::size_t n) {
    if (n <= capacite_) return p_.get();
    p_.reset();
    capacite_ = 0;
    p_.reset(new (std::nothrow) T[n]);
    if (p_) capacite_ = n;
    return p_.get();
  }
  // Drops a buffer too large to keep.
  void Rend() {
    if (capacite_ * sizeof(T) > kGarde) {
      p_.reset();
      capacite_ = 0;
    }
  }

 private:
  static constexpr std::size_t kGarde = 16u << 20;
  std::unique_ptr<T[]> p_;
  std::size_t capacite_ = 0;
};

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

// What the file's header says, as far as this decoder needs it.
struct Entete {
  int largeur = 0, hauteur = 0;
  int composantes = 0;  // 1 or 3
  int h = 1, v = 1;     // sampling of the first component
  int blocs = 1;        // blocks per MCU
  int mcuX = 0, mcuY = 0;
  unsigned intervalle = 0;  // MCUs between restart markers, 0 for none
  int q0[3] = {};           // DC quantiser of each component
  jpeg::TableHuffman tablesDC[4], tablesAC[4];
  int tableDC[3] = {}, tableAC[3] = {};
  std::size_t debutDonnees = 0;  // offset of the entropy-coded data
};

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

class Decodeur {
 public:
  Decodeur(const Entete& e, const std::uint8_t* donnees, std::size_t octets)
      : e_(e), d_(donnees), finBits_(std::uint64_t(octets) * 8) {
    for (int b = 0; b < e.blocs; ++b) {
      const int c = b < e.h * e.v ? 0 : b - e.h * e.v + 1;
      dc_[b] = &e.tablesDC[e.tableDC[c]];
      ac_[b] = &e.tablesAC[e.tableAC[c]];
    }
  }

  // Reads one MCU: the DC differences of its blocks into `diffs`.
  bool MCU(jpeg::LecteurBits& l, std::int16_t* diffs) const {
    for (int b = 0; b < e_.blocs; ++b) {
      std::int32_t d = 0;
      if (!jpeg::LitBloc(l, *dc_[b], *ac_[b], &d)) return false;
      diffs[b] = std::int16_t(d);
    }
    return true;
  }

  // MCUs [premier, fin) from the bit reader, within the data.
  bool Suite(jpeg::LecteurBits& l, std::size_t premier, std::size_t fin, std::int16_t* diffs,
             std::uint64_t limite) const {
    for (std::size_t m = premier; m < fin; ++m) {
      if (l.Position() > limite || !MCU(l, diffs + m * std::size_t(e_.blocs))) return false;
    }
    return l.Position() <= limite;
  }

  const std::uint8_t* Donnees() const { return d_; }
  std::uint64_t FinBits() const { return finBits_; }

 private:
  const Entete& e_;
  const std::uint8_t* d_;
  std::uint64_t finBits_;
  const jpeg::TableHuffman* dc_[6] = {};
  const jpeg::TableHuffman* ac_[6] = {};
};

// Without restart markers no one knows where the MCUs of the second half
// start. The second thread starts reading at a byte in the middle as if an
// MCU started there; Huffman codes soon fall into step with the true
// ones, after which its MCUs are the true MCUs. It notes where each of its
// MCUs starts; the first thread reads from the start until it reaches an
// MCU start the second thread also noted, and stops there: from that MCU
// on, the second thread's reading is the true one (the DC differences do
// not depend on where reading started).
// The fields the second thread writes as it reads sit on a cache line of
// their own, away from the first thread's variables: sharing a line
// would make every publication stall the first thread.
struct alignas(64) Seconde {
  std::uint32_t* positions = nullptr;
  std::int16_t* diffs = nullptr;
  std::size_t capacite = 0;
  alignas(64) std::atomic<std::size_t> publies{0};
  std::atomic<bool> arret{false};
  std::vector<std::size_t> reprises;  // MCU counts at which it started again
  alignas(64) char fin = 0;

  void Lit(const Decodeur& dec, int blocs, std::size_t octet) {
    jpeg::LecteurBits l(dec.Donnees(), octet);
    std::size_t n = 0;
    while (n < capacite && !arret.load(std::memory_order_relaxed)) {
      const std::uint64_t pos = l.Position();
      if (pos >= dec.FinBits()) break;
      positions[n] = std::uint32_t(pos);
      if (!dec.MCU(l, diffs + n * std::size_t(blocs))) {
        // Not in step yet (or past the end): start again at the next byte.
        if (reprises.size() >= kReprisesMax) break;
        reprises.push_back(n);
        l = jpeg::LecteurBits(dec.Donnees(), std::size_t(pos / 8) + 1);
        continue;
      }
      // Published by groups: the first thread need not see each one.
      if ((++n & 31) == 0) publies.store(n, std::memory_order_release);
    }
    publies.store(n, std::memory_order_release);
  }
};

// Reads every MCU's DC differences into `diffs` (entete.blocs per MCU).
bool LitDiffs(const Entete& e, const std::uint8_t* d, std::size_t octets,
              const std::vector<std::uint32_t>& reprises, std::int16_t* diffs) {
  const Decodeur dec(e, d, octets);
  const std::size_t total = std::size_t(e.mcuX) * std::size_t(e.mcuY);
  const bool deux = octets >= kSeuilDeuxFils;

  if (e.intervalle) {
    const std::size_t intervalles = (total + e.intervalle - 1) / e.intervalle;
    if (reprises.size() + 1 < intervalles) return false;
    auto lit = [&](std::size_t de, std::size_t a) {
      for (std::size_t i = de; i < a; ++i) {
        const std::size_t debut = i ? reprises[i - 1] : 0;
        const std::uint64_t limite = (i + 1 < intervalles ? reprises[i] : octets) * std::uint64_t(8);
        jpeg::LecteurBits l(d, debut);
        if (!dec.Suite(l, i * e.intervalle, std::min(total, (i + 1) * e.intervalle), diffs, limite))
          return false;
      }
      return true;
    };
    if (!deux || intervalles < 2) return lit(0, intervalles);
    std::atomic<bool> okSecond{false};
    const std::size_t milieu = intervalles / 2;
    try {
      std::thread second([&] { okSecond = lit(milieu, intervalles); });
      const bool ok = lit(0, milieu);
      second.join();
      return ok && okSecond;
    } catch (...) {
      return lit(0, intervalles);
    }
  }

  auto seconde = std::make_unique<Seconde>();
  Seconde& s = *seconde;
  const std::size_t milieu = octets / 2;
  std::thread second;
  if (deux) {
    s.capacite = total + 16;
    s.reprises.reserve(kReprisesMax);
    s.positions = t_tampons.positions.Taille(s.capacite);
    s.diffs = t_tampons.diffsSeconde.Taille(s.capacite * std::size_t(e.blocs));
    if (s.positions && s.diffs) {
      try {
        second = std::thread([&] { s.Lit(dec, e.blocs, milieu); });
      } catch (...) {
      }
    }
  }
  jpeg::LecteurBits l(d, 0);
  const std::uint64_t debutSecond = std::uint64_t(milieu) * 8;
  std::size_t curseur = 0, m = 0;
  bool ok = true, accord = false;
  for (; m < total; ++m) {
    const std::uint64_t pos = l.Position();
    if (pos > dec.FinBits()) {
      ok = false;
      break;
    }
    if (second.joinable() && pos >= debutSecond) {
      const std::size_t publies = s.publies.load(std::memory_order_acquire);
      while (curseur < publies && s.positions[curseur] < pos) ++curseur;
      if (curseur < publies && s.positions[curseur] == pos) {
        accord = true;
        break;
      }
    }
    if (!dec.MCU(l, diffs + m * std::size_t(e.blocs))) {
      ok = false;
      break;
    }
  }
  if (!accord) s.arret = true;
  if (second.joinable()) second.join();
  if (!ok) return false;
  if (!accord) return l.Position() <= dec.FinBits();
  // The second thread's MCUs from the meeting point are MCUs m, m+1, ...
  // It must have read every remaining MCU without starting again among
  // them (the data is damaged there); after the last one it reads the
  // padding, which may fail.
  const std::size_t reste = total - m;
  if (s.publies.load() < curseur + reste) return false;
  for (std::size_t r : s.reprises)
    if (r > curseur && r < curseur + reste) return false;
  std::memcpy(diffs + m * std::size_t(e.blocs), s.diffs + curseur * std::size_t(e.blocs),
              reste * std::size_t(e.blocs) * sizeof(std::int16_t));
  return true;
}

// libjpeg's colour conversion tables (YCbCr to RGB, 16-bit fixed point).
struct TablesCouleur {
  int crR[256], cbB[256], crG[256], cbG[256];
  TablesCouleur() {
    constexpr int kBits = 16;
    constexpr std::int32_t kDemi = std::int32_t(1) << (kBits - 1);
    auto fix = [](double x) { return std::int32_t(x * (1L << kBits) + 0.5); };
    for (int i = 0; i < 256; ++i) {
      const std::int32_t x = i - 128;
      crR[i] = int((fix(1.40200) * x + kDemi) >> kBits);
      cbB[i] = int((fix(1.77200) * x + kDemi) >> kBits);
      crG[i] = -fix(0.71414) * x;
      cbG[i] = -fix(0.34414) * x + kDemi;
    }
  }
};

inline std::uint8_t Borne(int v) { return std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); }

// The picture from the DC differences: each block's DC coefficient as
// libjpeg's 1 x 1 inverse transform gives it, then the colour conversion.
Bitmap Image(const Entete& e, const std::int16_t* diffs) {
  const int largeur = (e.largeur + 7) / 8, hauteur = (e.hauteur + 7) / 8;
  Bitmap image = Bitmap::CreateUninitialized(largeur, hauteur);
  if (!image) return {};
  const std::size_t lY = std::size_t(e.mcuX) * std::size_t(e.h);
  std::vector<std::uint8_t> plans(lY * std::size_t(e.mcuY) * std::size_t(e.v) +
                                  2 * std::size_t(e.mcuX) * std::size_t(e.mcuY));
  std::uint8_t* y = plans.data();
  std::uint8_t* cb = y + lY * std::size_t(e.mcuY) * std::size_t(e.v);
  std::uint8_t* cr = cb + std::size_t(e.mcuX) * std::size_t(e.mcuY);
  // The DC coefficients from their differences, as libjpeg's 1 x 1
  // inverse transform gives each block's value.
  int p0 = 0, p1 = 0, p2 = 0;
  const int q0 = e.q0[0], q1 = e.q0[1], q2 = e.q0[2];
  const int bY = e.h * e.v;
  unsigned avantReprise = e.intervalle;
  const std::int16_t* d = diffs;
  for (int my = 0; my < e.mcuY; ++my) {
    std::uint8_t* ligneY = y + std::size_t(my) * std::size_t(e.v) * lY;
    std::uint8_t* ligneCb = cb + std::size_t(my) * std::size_t(e.mcuX);
    std::uint8_t* ligneCr = cr + std::size_t(my) * std::size_t(e.mcuX);
    for (int mx = 0; mx < e.mcuX; ++mx, d += e.blocs) {
      if (e.intervalle && avantReprise-- == 0) {
        p0 = p1 = p2 = 0;
        avantReprise = e.intervalle - 1;
      }
      for (int by = 0; by < e.v; ++by)
        for (int bx = 0; bx < e.h; ++bx) {
          p0 += d[by * e.h + bx];
          ligneY[std::size_t(by) * lY + std::size_t(mx * e.h + bx)] =
              Borne(((p0 * q0 + 4) >> 3) + 128);
        }
      if (e.composantes == 3) {
        p1 += d[bY];
        p2 += d[bY + 1];
        ligneCb[mx] = Borne(((p1 * q1 + 4) >> 3) + 128);
        ligneCr[mx] = Borne(((p2 * q2 + 4) >> 3) + 128);
      }
    }
  }
  static const TablesCouleur t;
  std::vector<int> cbV(std::size_t(e.mcuX)), crV(std::size_t(e.mcuX));
  for (int py = 0; py < hauteur; ++py) {
    std::uint32_t* ligne = image.Row(py);
    const std::uint8_t* ly = y + std::size_t(py) * lY;
    if (e.composantes == 1) {
      for (int px = 0; px < largeur; ++px) ligne[px] = std::uint32_t(ly[px]) * 0x010101u;
      continue;
    }
    // Half-resolution colour brought up by weighing each sample 3 to 1
    // with its neighbour on the pixel's side, as libjpeg's smooth
    // upsampling does: closer to libjpeg's own reduction than repeating.
    // First down the column (values times 4), then along the row.
    const int cy = py / e.v;
    const int cy2 = e.v == 2 ? std::clamp(py % 2 ? cy + 1 : cy - 1, 0, e.mcuY - 1) : cy;
    const int pv = e.v == 2 ? 3 : 4;
    const std::uint8_t* b1 = cb + std::size_t(cy) * std::size_t(e.mcuX);
    const std::uint8_t* b2 = cb + std::size_t(cy2) * std::size_t(e.mcuX);
    const std::uint8_t* r1 = cr + std::size_t(cy) * std::size_t(e.mcuX);
    const std::uint8_t* r2 = cr + std::size_t(cy2) * std::size_t(e.mcuX);
    for (int cx = 0; cx < e.mcuX; ++cx) {
      cbV[std::size_t(cx)] = pv * b1[cx] + (4 - pv) * b2[cx];
      crV[std::size_t(cx)] = pv * r1[cx] + (4 - pv) * r2[cx];
    }
    auto pixel = [&](int px, int b, int r) {
      const int l = ly[px];
      ligne[px] = std::uint32_t(Borne(l + t.crR[r])) << 16 |
                  std::uint32_t(Borne(l + ((t.cbG[b] + t.crG[r]) >> 16))) << 8 |
                  Borne(l + t.cbB[b]);
    };
    const int dernier = e.mcuX - 1;
    for (int cx = 0, px = 0; px < largeur; ++cx) {
      const std::size_t c = std::size_t(cx);
      if (e.h == 1) {
        pixel(px++, (cbV[c] + 2) >> 2, (crV[c] + 2) >> 2);
        continue;
      }
      const std::size_t g = std::size_t(cx > 0 ? cx - 1 : 0), dr = std::size_t(cx < dernier ? cx + 1 : dernier);
      pixel(px++, (3 * cbV[c] + cbV[g] + 8) >> 4, (3 * crV[c] + crV[g] + 8) >> 4);
      if (px < largeur) pixel(px++, (3 * cbV[c] + cbV[dr] + 8) >> 4, (3 * crV[c] + crV[dr] + 8) >> 4);
    }
  }
  return image;
}

}  // namespace

namespace {

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
  if (!diffs || !LitDiffs(e, donnees, propres, reprises, diffs)) return {};
  ImageJPEG r;
  r.image = Image(e, diffs);
  if (!r.image) return {};
  r.largeurFichier = e.largeur;
  r.hauteurFichier = e.hauteur;
  r.reduction = 8;
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
