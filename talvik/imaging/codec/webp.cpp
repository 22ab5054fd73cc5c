// WebP pictures through libwebp: still pictures straight into the
// picture's rows, animated ones as their first frame composed on the
// canvas. The container's EXIF chunk gives the orientation, its ICCP chunk
// the colour profile.
#include <webp/decode.h>
#include <webp/demux.h>

#include <cstring>
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
struct LibereAnimation {
  void operator()(WebPAnimDecoder* d) const {
    if (d) WebPAnimDecoderDelete(d);
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
  if (traits.has_animation) {
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options)) return {};
    options.color_mode = MODE_BGRA;
    options.use_threads = 0;
    std::unique_ptr<WebPAnimDecoder, LibereAnimation> anim(WebPAnimDecoderNew(&donnees, &options));
    WebPAnimInfo info;
    if (!anim || !WebPAnimDecoderGetInfo(anim.get(), &info) ||
        std::int64_t(info.canvas_width) * info.canvas_height > kMaxPixels)
      return {};
    std::uint8_t* toile = nullptr;
    int temps = 0;
    if (!WebPAnimDecoderGetNext(anim.get(), &toile, &temps) || !toile) return {};
    image = Bitmap::CreateUninitialized(int(info.canvas_width), int(info.canvas_height));
    if (!image) return {};
    std::memcpy(image.Pixels(), toile, image.PixelCount() * 4);
  } else {
    image = Bitmap::CreateUninitialized(traits.width, traits.height);
    if (!image) return {};
    const int pas = traits.width * 4;
    if (!WebPDecodeBGRAInto(octets.data(), octets.size(),
                            reinterpret_cast<std::uint8_t*>(image.Pixels()),
                            image.PixelCount() * 4, pas))
      return {};
  }
  SurNoir(image, traits.has_alpha != 0);

  const WebPData icc = Morceau(demux.get(), "ICCP");
  if (icc.bytes) couleur::ProfilVersSRGB(image, icc.bytes, icc.size);
  const WebPData exif = Morceau(demux.get(), "EXIF");
  if (exif.bytes) return Redresse(image, exif::OrientationExif(exif.bytes, exif.size));
  return image;
}

}  // namespace talvik
