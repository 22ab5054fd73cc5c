// Faces in a picture, found by OpenCV's cascade detector with the frontal
// face model Debian installs (opencv-data). This header is the whole
// interface: nothing of OpenCV shows through it, and only this folder's
// target (talvik_visages) links OpenCV.
#pragma once

#include <vector>

#include "base/bitmap.h"
#include "base/wintypes.h"

namespace talvik {

// The faces of `image`, each as the rectangle the detector frames (picture
// pixels of `image`, inside it), the largest first. Meant for a picture
// already brought down to about 500 pixels on its long side: faces smaller
// than about a twentieth of the short side are not looked for. Empty for a
// null picture, when the model file is missing or cannot be read (the
// search then finds nothing, silently), or when there is no face.
//
// Thread safety: each thread reads the model once and keeps its own
// detector; calls on different threads do not wait on one another.
std::vector<RECT> DetecteVisages(const Bitmap& image);

// Whether the detector's model could be read on this thread.
bool DetecteurVisagesDisponible();

}  // namespace talvik
