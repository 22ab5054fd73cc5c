// WebP pictures through libwebp: still pictures straight into the
// picture's rows, animated ones as their first frame decoded straight onto
// the canvas. The container's EXIF chunk gives the orientation, its ICCP chunk
// the colour profile.
#include <webp/decode.h>
#include <webp/demux.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>

#include "colour/profil_couleur.h"
#include "graphique.h"
#include "picture/exif.h"
#include "picture/fichier.h"
#include "picture/orientation.h"

namespace talvik {

namespace {

struct LibereDemux {
  void operator()(WebPDemuxer* d) const {
    if (d) WebPDemuxDelete(d);
  }
};

// The chunk's bytes, or none.
WebPData Morceau(WebPDemuxer* d, const char* nom) {
  WebPChunkIterator it;
  WebPData r{nullptr, 0};
  if (WebPDemuxGetChunk(d, nom, 1, &it)) r = it.chunk;
  WebPDemuxReleaseChunkIterator(&it);
  return r;
}

// Pixels blue, green, red, alpha: alpha drawn over black, the fourth byte
// cleared.
void SurNoir(Bitmap& image, bool alpha) {
  std::uint32_t* p = image.Pixels();
  for (std::size_t i = 0, n = image.PixelCount(); i < n; ++i) {
    const std::uint32_t v = p[i];
    if (!alpha) {
      p[i] = v & 0x00FFFFFFu;
      continue;
    }
    const std::uint32_t a = v >> 24;
    const std::uint32_t r = (((v >> 16) & 0xFF) * a + 127) / 255;
    const std::uint32_t g = (((v >> 8) & 0xFF) * a + 127) / 255;
    const std::uint32_t b = ((v & 0xFF) * a + 127) / 255;
    p[i] = (r << 16) | (g << 8) | b;
  }
}

}  // namespace

HBITMAP CGraphique::ChargeImageWebP(const CString& chemin) {
  std::vector<std::uint8_t> octets;
  if (!fichier::LitTout(chemin, octets)) return {};
  WebPBitstreamFeatures traits;
  if (WebPGetFeatures(octets.data(), octets.size(), &traits) != VP8_STATUS_OK) return {};
  if (traits.width <= 0 || traits.height <= 0) return {};
  if (std::int64_t(traits.width) * traits.height > kMaxPixels) {
    Bitmap::Create(traits.width, traits.height);  // records why the picture is refused
    return {};
  }
  const WebPData donnees{octets.data(), octets.size()};
  std::unique_ptr<WebPDemuxer, LibereDemux> demux(WebPDemux(&donnees));
  if (!demux) return {};

  Bitmap image;
  bool alpha = traits.has_alpha != 0;
  if (traits.has_animation) {
    // The first frame alone, decoded straight into the canvas (transparent
    // where the frame does not reach): one canvas-sized buffer, allocated
    // only once the canvas has passed the pixel budget.
    const std::int64_t largeur = WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_WIDTH);
    const std::int64_t hauteur = WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_HEIGHT);
    if (largeur <= 0 || hauteur <= 0) return {};
    if (largeur * hauteur > kMaxPixels) {
      Bitmap::Create(int(std::min<std::int64_t>(largeur, INT32_MAX)),
                     int(std::min<std::int64_t>(hauteur, INT32_MAX)));  // records why
      return {};
    }
    WebPIterator trame;
    if (!WebPDemuxGetFrame(demux.get(), 1, &trame)) return {};
    const bool dedans = trame.x_offset >= 0 && trame.y_offset >= 0 && trame.width > 0 &&
                        trame.height > 0 && trame.x_offset + trame.width <= largeur &&
                        trame.y_offset + trame.height <= hauteur;
    if (dedans) image = Bitmap::Create(int(largeur), int(hauteur));
    bool decodee = false;
    if (image) {
      const std::size_t pas = std::size_t(largeur) * 4;
      const std::size_t debut = std::size_t(trame.y_offset) * pas + std::size_t(trame.x_offset) * 4;
      decodee = WebPDecodeBGRAInto(trame.fragment.bytes, trame.fragment.size,
                                   reinterpret_cast<std::uint8_t*>(image.Pixels()) + debut,
                                   image.PixelCount() * 4 - debut, int(pas)) != nullptr;
    }
    alpha = true;  // what the frame leaves of the canvas is transparent
    WebPDemuxReleaseIterator(&trame);
    if (!decodee) return {};
  } else {
    image = Bitmap::CreateUninitialized(traits.width, traits.height);
    if (!image) return {};
    const int pas = traits.width * 4;
    if (!WebPDecodeBGRAInto(octets.data(), octets.size(),
                            reinterpret_cast<std::uint8_t*>(image.Pixels()),
                            image.PixelCount() * 4, pas))
      return {};
  }
  SurNoir(image, alpha);

  const WebPData icc = Morceau(demux.get(), "ICCP");
  if (icc.bytes) couleur::ProfilVersSRGB(image, icc.bytes, icc.size);
  const WebPData exif = Morceau(demux.get(), "EXIF");
  if (exif.bytes) return Redresse(image, exif::OrientationExif(exif.bytes, exif.size));
  return image;
}

}  // namespace talvik
