// HEIF and AVIF pictures through libheif. libheif applies the rotation and
// mirror boxes itself and converts the coded samples (YCbCr of any depth)
// to 8-bit RGB; the colour space the file declares is brought to sRGB here.
#include <libheif/heif.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "codec/heif_boites.h"
#include "codec/heif_lecture.h"
#include "codec/heif_taille_codee.h"
#include "colour/profil_couleur.h"
#include "graphique.h"
#include "picture/fichier.h"

namespace talvik {

namespace {

struct LibereContexte {
  void operator()(heif_context* c) const {
    if (c) heif_context_free(c);
  }
};
struct LibereHandle {
  void operator()(heif_image_handle* h) const {
    if (h) heif_image_handle_release(h);
  }
};
struct LibereImage {
  void operator()(heif_image* i) const {
    if (i) heif_image_release(i);
  }
};
struct LibereOptions {
  void operator()(heif_decoding_options* o) const {
    if (o) heif_decoding_options_free(o);
  }
};
using Contexte = std::unique_ptr<heif_context, LibereContexte>;
using Handle = std::unique_ptr<heif_image_handle, LibereHandle>;
using ImageHeif = std::unique_ptr<heif_image, LibereImage>;

// Largest side libheif may take from a file's boxes; the pixel count is
// checked against kMaxPixels before decoding.
constexpr int kCoteMax = 1 << 17;

// The file's bytes, which the context reads in place: they must outlive it.
struct Fichier {
  std::vector<std::uint8_t> octets;
  Contexte contexte;
};

// Reads the file and opens it with libheif, once its item locations are
// known to lie inside it and its coded streams to declare no picture past
// the limits.
bool Ouvre(const std::string& chemin, Fichier& f) {
  if (!fichier::LitTout(chemin, f.octets) ||
      !heif::EtenduesDansLeFichier(f.octets.data(), f.octets.size()) ||
      !heif::TaillesCodeesAdmises(f.octets.data(), f.octets.size(), kMaxPixels, kCoteMax))
    return false;
  f.contexte.reset(heif_context_alloc());
  if (!f.contexte) return false;
  heif_context_set_maximum_image_size_limit(f.contexte.get(), kCoteMax);
  return heif_context_read_from_memory_without_copy(f.contexte.get(), f.octets.data(),
                                                    f.octets.size(), nullptr).code == heif_error_Ok;
}

Handle Principale(heif_context* c) {
  heif_image_handle* h = nullptr;
  if (heif_context_get_primary_image_handle(c, &h).code != heif_error_Ok) return {};
  return Handle(h);
}

// True when a picture of the handle's declared size may be made: the
// stored (ispe) size and the upright one are both checked, so that a file
// whose boxes disagree cannot make libheif allocate past the limit.
bool TailleAdmise(const heif_image_handle* h) {
  const std::int64_t w = heif_image_handle_get_width(h), hh = heif_image_handle_get_height(h);
  const std::int64_t iw = heif_image_handle_get_ispe_width(h),
                     ih = heif_image_handle_get_ispe_height(h);
  const std::int64_t plus = std::max(w * hh, iw * ih);
  if (w <= 0 || hh <= 0) return false;
  if (plus > kMaxPixels) {
    // Records why the picture is refused; nothing is allocated.
    Bitmap::Create(int(std::min<std::int64_t>(std::max(w, iw), 0x7FFFFFFF)),
                   int(std::min<std::int64_t>(std::max(hh, ih), 0x7FFFFFFF)));
    return false;
  }
  return true;
}

// Brings the decoded picture to sRGB from what the handle declares.
void VersSRGB(const heif_image_handle* h, Bitmap& image) {
  const heif_color_profile_type type = heif_image_handle_get_color_profile_type(h);
  if (type == heif_color_profile_type_prof || type == heif_color_profile_type_rICC) {
    const std::size_t n = heif_image_handle_get_raw_color_profile_size(h);
    std::vector<std::uint8_t> icc(n);
    if (n > 0 && heif_image_handle_get_raw_color_profile(h, icc.data()).code == heif_error_Ok &&
        couleur::ProfilVersSRGB(image, icc.data(), icc.size()))
      return;
  }
  // libheif may hand a profile back along with an error: it is freed either way.
  heif_color_profile_nclx* nclx = nullptr;
  const bool lu = heif_image_handle_get_nclx_color_profile(h, &nclx).code == heif_error_Ok;
  if (lu && nclx)
    couleur::NclxVersSRGB(image, int(nclx->color_primaries), int(nclx->transfer_characteristics));
  if (nclx) heif_nclx_color_profile_free(nclx);
}

// Decodes the handle into a picture: upright, 8-bit, alpha over black.
Bitmap Decode(const heif_image_handle* h) {
  if (!TailleAdmise(h)) return {};
  const bool alpha = heif_image_handle_has_alpha_channel(h) != 0;
  std::unique_ptr<heif_decoding_options, LibereOptions> options(heif_decoding_options_alloc());
  if (!options) return {};
  options->convert_hdr_to_8bit = 1;
  heif_image* brute = nullptr;
  if (heif_decode_image(h, &brute, heif_colorspace_RGB,
                        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                        options.get())
          .code != heif_error_Ok)
    return {};
  ImageHeif decodee(brute);
  const int w = heif_image_get_width(brute, heif_channel_interleaved);
  const int hh = heif_image_get_height(brute, heif_channel_interleaved);
  int pas = 0;
  const std::uint8_t* plan = heif_image_get_plane_readonly(brute, heif_channel_interleaved, &pas);
  if (!plan || w <= 0 || hh <= 0 ||
      heif_image_get_bits_per_pixel_range(brute, heif_channel_interleaved) != 8)
    return {};
  Bitmap image = Bitmap::CreateUninitialized(w, hh);
  if (!image) return {};
  const int n = alpha ? 4 : 3;
  for (int y = 0; y < hh; ++y) {
    const std::uint8_t* s = plan + std::size_t(y) * std::size_t(pas);
    std::uint32_t* d = image.Row(y);
    if (alpha) {
      for (int x = 0; x < w; ++x, s += n) {
        const unsigned a = s[3];
        d[x] = (((s[0] * a + 127) / 255) << 16) | (((s[1] * a + 127) / 255) << 8) |
               ((s[2] * a + 127) / 255);
      }
    } else {
      for (int x = 0; x < w; ++x, s += n)
        d[x] = (std::uint32_t(s[0]) << 16) | (std::uint32_t(s[1]) << 8) | s[2];
    }
  }
  decodee.reset();
  VersSRGB(h, image);
  return image;
}

}  // namespace

ImageJPEG DecodeHEIF(const std::string& chemin) {
  Fichier f;
  if (!Ouvre(chemin, f)) return {};
  Handle h = Principale(f.contexte.get());
  if (!h) return {};
  ImageJPEG r;
  r.image = Decode(h.get());
  if (!r.image) return {};
  r.largeurFichier = r.image.Width();
  r.hauteurFichier = r.image.Height();
  return r;
}

ImageJPEG DecodeVignetteHEIF(const std::string& chemin) {
  Fichier f;
  if (!Ouvre(chemin, f)) return {};
  Handle h = Principale(f.contexte.get());
  if (!h || heif_image_handle_get_number_of_thumbnails(h.get()) < 1) return {};
  heif_item_id id = 0;
  if (heif_image_handle_get_list_of_thumbnail_IDs(h.get(), &id, 1) != 1) return {};
  heif_image_handle* brute = nullptr;
  if (heif_image_handle_get_thumbnail(h.get(), id, &brute).code != heif_error_Ok) return {};
  Handle vignette(brute);
  const std::int64_t L = heif_image_handle_get_width(h.get());
  const std::int64_t H = heif_image_handle_get_height(h.get());
  ImageJPEG v;
  v.image = Decode(vignette.get());
  if (!v.image) return {};
  const std::int64_t l = v.image.Width(), hv = v.image.Height();
  // The same proportions as the upright picture, to a pixel of rounding.
  if (l >= L || hv >= H || std::llabs(l * H - hv * L) > std::max(L, H)) return {};
  v.largeurFichier = int(L);
  v.hauteurFichier = int(H);
  v.reduction = std::max(2, int((L + l / 2) / l));
  return v;
}

bool TailleHEIF(const std::string& chemin, int* largeur, int* hauteur) {
  Fichier f;
  if (!Ouvre(chemin, f)) return false;
  Handle h = Principale(f.contexte.get());
  if (!h) return false;
  if (largeur) *largeur = heif_image_handle_get_width(h.get());
  if (hauteur) *hauteur = heif_image_handle_get_height(h.get());
  return true;
}

HBITMAP CGraphique::ChargeImageHEIF(const CString& chemin) { return DecodeHEIF(chemin).image; }

}  // namespace talvik
