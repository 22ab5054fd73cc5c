// HEIF and AVIF files written at test time with libheif's encoder, which
// (unlike heif-enc) can record an orientation as rotation and mirror boxes
// and add a thumbnail item of a chosen size.
#pragma once

#include <libheif/heif.h>

#include <string>

#include "base/bitmap.h"

namespace lumaveil::testing {

struct OptionsHeif {
  int orientation = 1;    // 1 to 8, written as irot/imir boxes
  int vignette = 0;       // thumbnail item fitting this square; 0 for none
  bool avif = false;      // AV1 instead of HEVC
  bool alpha = false;     // alpha from the picture's fourth byte
  int qualite = 90;
  int primairesNclx = 0;  // with a code, an nclx box of these primaries and the sRGB curve
};

// Writes the picture as stored rows of a HEIF (or AVIF) file; false when
// libheif fails.
inline bool EcritHeif(const std::string& chemin, const talvik::Bitmap& image,
                      const OptionsHeif& o = {}) {
  const int w = image.Width(), h = image.Height();
  heif_image* img = nullptr;
  if (heif_image_create(w, h, heif_colorspace_RGB,
                        o.alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
                        &img).code != heif_error_Ok)
    return false;
  bool ok = heif_image_add_plane(img, heif_channel_interleaved, w, h, 8).code == heif_error_Ok;
  int pas = 0;
  std::uint8_t* plan = ok ? heif_image_get_plane(img, heif_channel_interleaved, &pas) : nullptr;
  for (int y = 0; plan && y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = image.Row(y)[x];
      std::uint8_t* d = plan + std::size_t(y) * std::size_t(pas) + std::size_t(x) * (o.alpha ? 4 : 3);
      d[0] = std::uint8_t(p >> 16);
      d[1] = std::uint8_t(p >> 8);
      d[2] = std::uint8_t(p);
      if (o.alpha) d[3] = std::uint8_t(p >> 24);
    }
  if (ok && o.primairesNclx) {
    heif_color_profile_nclx* nclx = heif_nclx_color_profile_alloc();
    heif_nclx_color_profile_set_color_primaries(nclx, std::uint16_t(o.primairesNclx));
    heif_nclx_color_profile_set_transfer_characteristics(nclx, 13);
    heif_nclx_color_profile_set_matrix_coefficients(nclx, 6);
    nclx->full_range_flag = 1;
    ok = heif_image_set_nclx_color_profile(img, nclx).code == heif_error_Ok;
    heif_nclx_color_profile_free(nclx);
  }
  heif_context* ctx = heif_context_alloc();
  heif_encoder* enc = nullptr;
  ok = ok && plan &&
       heif_context_get_encoder_for_format(
           ctx, o.avif ? heif_compression_AV1 : heif_compression_HEVC, &enc).code == heif_error_Ok;
  heif_encoding_options* options = heif_encoding_options_alloc();
  options->image_orientation = heif_orientation(o.orientation);
  options->macOS_compatibility_workaround_no_nclx_profile = 0;
  heif_image_handle* handle = nullptr;
  if (ok) {
    heif_encoder_set_lossy_quality(enc, o.qualite);
    ok = heif_context_encode_image(ctx, img, enc, options, &handle).code == heif_error_Ok;
  }
  if (ok && o.vignette > 0)
    ok = heif_context_encode_thumbnail(ctx, img, handle, enc, options, o.vignette, nullptr).code ==
         heif_error_Ok;
  ok = ok && heif_context_write_to_file(ctx, chemin.c_str()).code == heif_error_Ok;
  if (handle) heif_image_handle_release(handle);
  heif_encoding_options_free(options);
  if (enc) heif_encoder_release(enc);
  heif_context_free(ctx);
  heif_image_release(img);
  return ok;
}

}  // namespace lumaveil::testing
