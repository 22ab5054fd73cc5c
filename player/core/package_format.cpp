#include "package_format.h"

namespace lmvengine {

TrailerCheck CheckTrailer(const PackageTrailer& trailer) {
  if (trailer.width < kMinWidth || trailer.width > kMaxWidth) return TrailerCheck::kBadWidth;
  if (trailer.height < kMinHeight) return TrailerCheck::kBadHeight;
  if (trailer.screenCount <= 0 || trailer.screenCount > kMaxScreenCount) {
    return TrailerCheck::kBadScreenCount;
  }
  if (trailer.dataOffset == 0) return TrailerCheck::kBadDataOffset;
  return TrailerCheck::kOk;
}

bool PlayableSize(int32_t width, int32_t height) {
  return CheckTrailer(PackageTrailer{width, height, 1, 1}) == TrailerCheck::kOk &&
         width <= kMaxJpegSide && height <= kMaxJpegSide;
}

}  // namespace lmvengine
