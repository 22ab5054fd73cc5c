// The browser's side of the face detector: OpenCV is not there, so no face
// is found and the subject search falls back on its attention measure.
#include "visages/detection_visages.h"

namespace talvik {

bool DetecteurVisagesDisponible() { return false; }

std::vector<RECT> DetecteVisages(const Bitmap&) { return {}; }

}  // namespace talvik
