#include "colour/profil_couleur.h"

#include <lcms2.h>

#include <cmath>
#include <memory>

#include "raster/parallel.h"

namespace talvik::couleur {

namespace {

struct FermeProfil {
  void operator()(void* p) const {
    if (p) cmsCloseProfile(p);
  }
};
using Profil = std::unique_ptr<void, FermeProfil>;

struct FermeTransformation {
  void operator()(void* t) const {
    if (t) cmsDeleteTransform(t);
  }
};
using Transformation = std::unique_ptr<void, FermeTransformation>;

struct FermeCourbe {
  void operator()(cmsToneCurve* c) const {
    if (c) cmsFreeToneCurve(c);
  }
};
using Courbe = std::unique_ptr<cmsToneCurve, FermeCourbe>;

// Little CMS reports damaged profiles through a global handler; a damaged
// profile is a result here (false), not a message.
void Silence(cmsContext, cmsUInt32Number, const char*) {}

Profil SRGB() {
  static const bool silence = (cmsSetLogErrorHandler(Silence), true);
  (void)silence;
  return Profil(cmsCreate_sRGBProfile());
}

double SRGBLineaire(double v) {
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// True for an RGB matrix-shaper profile with sRGB's colorants and curves.
bool EstSRGB(cmsHPROFILE p) {
  if (cmsGetColorSpace(p) != cmsSigRgbData || !cmsIsMatrixShaper(p)) return false;
  Profil reference = SRGB();
  const cmsTagSignature colorants[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag,
                                        cmsSigBlueColorantTag};
  const cmsTagSignature courbes[3] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};
  for (int i = 0; i < 3; ++i) {
    const auto* a = static_cast<const cmsCIEXYZ*>(cmsReadTag(p, colorants[i]));
    const auto* b = static_cast<const cmsCIEXYZ*>(cmsReadTag(reference.get(), colorants[i]));
    if (!a || !b || std::fabs(a->X - b->X) > 0.002 || std::fabs(a->Y - b->Y) > 0.002 ||
        std::fabs(a->Z - b->Z) > 0.002)
      return false;
    const auto* c = static_cast<const cmsToneCurve*>(cmsReadTag(p, courbes[i]));
    if (!c) return false;
    for (double v : {0.02, 0.1, 0.25, 0.5, 0.75, 0.9, 1.0})
      if (std::fabs(cmsEvalToneCurveFloat(c, cmsFloat32Number(v)) - SRGBLineaire(v)) > 0.004)
        return false;
  }
  return true;
}

// Converts every row in place, on several threads for large pictures.
void Applique(cmsHTRANSFORM t, Bitmap& image) {
  const int w = image.Width();
  std::uint32_t* pixels = image.Pixels();
  if (!pixels) return;
  raster::ParLignes(image.Height(), std::int64_t(w) * image.Height() * 8, [&](int debut, int fin) {
    for (int y = debut; y < fin; ++y) {
      std::uint32_t* ligne = pixels + std::size_t(y) * std::size_t(w);
      cmsDoTransform(t, ligne, ligne, cmsUInt32Number(w));
      for (int x = 0; x < w; ++x) ligne[x] &= 0x00FFFFFFu;
    }
  });
}

// Pixels in memory: blue, green, red, unused; or the grey value in the
// first byte (the picture's grey pixels have three equal bytes).
constexpr cmsUInt32Number kGrisDansBGRX =
    COLORSPACE_SH(PT_GRAY) | CHANNELS_SH(1) | BYTES_SH(1) | EXTRA_SH(3);

bool VersSRGB(Bitmap& image, cmsHPROFILE source) {
  const cmsColorSpaceSignature espace = cmsGetColorSpace(source);
  if (espace != cmsSigRgbData && espace != cmsSigGrayData) return false;
  if (EstSRGB(source)) return true;
  Profil srgb = SRGB();
  Transformation t(cmsCreateTransform(source, espace == cmsSigRgbData ? TYPE_BGRA_8 : kGrisDansBGRX,
                                      srgb.get(), TYPE_BGRA_8, INTENT_PERCEPTUAL,
                                      cmsFLAGS_NOCACHE));
  if (!t) return false;
  Applique(t.get(), image);
  return true;
}

struct Primaires {
  double rx, ry, gx, gy, bx, by, wx, wy;
};

bool PrimairesNclx(int code, Primaires* p) {
  switch (code) {
    case 1: *p = {0.640, 0.330, 0.300, 0.600, 0.150, 0.060, 0.3127, 0.3290}; return true;
    case 4: *p = {0.67, 0.33, 0.21, 0.71, 0.14, 0.08, 0.310, 0.316}; return true;
    case 5: *p = {0.640, 0.330, 0.290, 0.600, 0.150, 0.060, 0.3127, 0.3290}; return true;
    case 6:
    case 7: *p = {0.630, 0.340, 0.310, 0.595, 0.155, 0.070, 0.3127, 0.3290}; return true;
    case 9: *p = {0.708, 0.292, 0.170, 0.797, 0.131, 0.046, 0.3127, 0.3290}; return true;
    case 11: *p = {0.680, 0.320, 0.265, 0.690, 0.150, 0.060, 0.314, 0.351}; return true;
    case 12: *p = {0.680, 0.320, 0.265, 0.690, 0.150, 0.060, 0.3127, 0.3290}; return true;
    default: return false;
  }
}

bool TransfertSRGB(int code) {
  return code == 1 || code == 2 || code == 6 || code == 13 || code == 14 || code == 15;
}

Courbe CourbeNclx(int code) {
  if (TransfertSRGB(code)) {
    // IEC 61966-2-1: type 4, Y = ((aX + b)^g) for X >= d, else cX.
    const cmsFloat64Number p[5] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
    return Courbe(cmsBuildParametricToneCurve(nullptr, 4, p));
  }
  double gamma = 0;
  if (code == 4) gamma = 2.2;
  else if (code == 5) gamma = 2.8;
  else if (code == 8) gamma = 1.0;
  else return nullptr;
  return Courbe(cmsBuildGamma(nullptr, gamma));
}

}  // namespace

bool ProfilVersSRGB(Bitmap& image, const std::uint8_t* icc, std::size_t taille) {
  if (!image || !icc || taille < 132) return false;
  SRGB();  // silences Little CMS before it reads anything
  Profil p(cmsOpenProfileFromMem(icc, cmsUInt32Number(taille)));
  return p && VersSRGB(image, p.get());
}

bool NclxVersSRGB(Bitmap& image, int primaires, int transfert) {
  if (!image) return false;
  if ((primaires == 1 || primaires == 2) && TransfertSRGB(transfert)) return true;
  Primaires pr{};
  if (primaires == 2) primaires = 1;
  if (!PrimairesNclx(primaires, &pr)) return false;
  Courbe c = CourbeNclx(transfert);
  if (!c) return false;
  const cmsCIExyY blanc{pr.wx, pr.wy, 1.0};
  const cmsCIExyYTRIPLE couleurs{{pr.rx, pr.ry, 1.0}, {pr.gx, pr.gy, 1.0}, {pr.bx, pr.by, 1.0}};
  cmsToneCurve* courbes[3] = {c.get(), c.get(), c.get()};
  SRGB();
  Profil p(cmsCreateRGBProfile(&blanc, &couleurs, courbes));
  return p && VersSRGB(image, p.get());
}

void CmjnVersSRGB(Bitmap& image, bool inverse, const std::uint8_t* icc, std::size_t taille) {
  if (!image) return;
  if (icc && taille >= 132) {
    SRGB();
    Profil p(cmsOpenProfileFromMem(icc, cmsUInt32Number(taille)));
    if (p && cmsGetColorSpace(p.get()) == cmsSigCmykData) {
      Profil srgb = SRGB();
      Transformation t(cmsCreateTransform(p.get(), inverse ? TYPE_CMYK_8_REV : TYPE_CMYK_8,
                                          srgb.get(), TYPE_BGRA_8, INTENT_PERCEPTUAL,
                                          cmsFLAGS_NOCACHE));
      if (t) {
        Applique(t.get(), image);
        return;
      }
    }
  }
  const int w = image.Width();
  std::uint8_t* octets = reinterpret_cast<std::uint8_t*>(image.Pixels());
  if (!octets) return;
  raster::ParLignes(image.Height(), std::int64_t(w) * image.Height(), [&](int debut, int fin) {
    for (int y = debut; y < fin; ++y) {
      std::uint8_t* p = octets + std::size_t(y) * std::size_t(w) * 4;
      for (int x = 0; x < w; ++x, p += 4) {
        // Amount of each colour left: 255 - ink, or the inverted sample itself.
        const unsigned c = inverse ? p[0] : 255u - p[0];
        const unsigned m = inverse ? p[1] : 255u - p[1];
        const unsigned j = inverse ? p[2] : 255u - p[2];
        const unsigned k = inverse ? p[3] : 255u - p[3];
        const std::uint8_t r = std::uint8_t((c * k + 127) / 255);
        const std::uint8_t g = std::uint8_t((m * k + 127) / 255);
        const std::uint8_t b = std::uint8_t((j * k + 127) / 255);
        p[0] = b;
        p[1] = g;
        p[2] = r;
        p[3] = 0;
      }
    }
  });
}

}  // namespace talvik::couleur
