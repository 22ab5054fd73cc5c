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

}  // namespace lmvengine
