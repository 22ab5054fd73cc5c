// Keeping a planned blit inside the picture it reads from. GDI leaves the
// result of reading outside a bitmap to the driver; the player draws only
// destination pixels whose source pixels exist.
#pragma once

#include "effects.h"

namespace lmvengine::win32 {

// Clips `step` to a picture of pictureWidth x pictureHeight pixels. The
// source rectangle is intersected with the picture and the destination
// shrunk in proportion (source offset * dest size / source size, truncating
// toward zero); a copy keeps dest size = source size. Returns false, with
// `out` unspecified, when nothing of the source lies in the picture or a
// rectangle is empty. A step that lies wholly inside is returned unchanged.
bool ClipToPicture(const BlitStep& step, int pictureWidth, int pictureHeight, BlitStep& out);

}  // namespace lmvengine::win32
