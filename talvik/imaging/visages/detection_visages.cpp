#include "visages/detection_visages.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <memory>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/objdetect.hpp>

namespace talvik {

namespace {

// The frontal face model, and how finely the scales are stepped: on a
// copy of ~500 pixels, a step of 1.2 still finds every face a twentieth of
// the short side or larger, in about a third of the time of 1.1.
constexpr const char* kModele =
    "/usr/share/opencv4/haarcascades/haarcascade_frontalface_default.xml";
constexpr double kPasEchelle = 1.2;
constexpr int kVoisinsMinimum = 4;

// The thread's detector, read on first use; null when the model is missing.
cv::CascadeClassifier* Detecteur() {
  thread_local std::unique_ptr<cv::CascadeClassifier> detecteur;
  thread_local bool essaye = false;
  if (!essaye) {
    essaye = true;
    try {
      // The callers run on several threads of their own already: OpenCV's
      // thread pool would only spin beside them.
      cv::setNumThreads(1);
      auto c = std::make_unique<cv::CascadeClassifier>();
      if (c->load(kModele) && !c->empty()) detecteur = std::move(c);
    } catch (const std::exception&) {
      detecteur.reset();
    }
  }
  return detecteur.get();
}

}  // namespace

bool DetecteurVisagesDisponible() { return Detecteur() != nullptr; }

std::vector<RECT> DetecteVisages(const Bitmap& image) {
  std::vector<RECT> visages;
  cv::CascadeClassifier* detecteur = image ? Detecteur() : nullptr;
  if (!detecteur) return visages;
  const int w = image.Width(), h = image.Height();
  try {
    // Luminance, then a stretched histogram: the cascade was trained on
    // equalised faces.
    cv::Mat gris(h, w, CV_8UC1);
    for (int y = 0; y < h; ++y) {
      const std::uint32_t* s = image.Row(y);
      std::uint8_t* d = gris.ptr<std::uint8_t>(y);
      for (int x = 0; x < w; ++x) {
        const std::uint32_t p = s[x];
        d[x] = std::uint8_t((((p >> 16) & 0xFF) * 77 + ((p >> 8) & 0xFF) * 150 + (p & 0xFF) * 29) >>
                            8);
      }
    }
    cv::equalizeHist(gris, gris);
    const int cote = std::max(20, std::min(w, h) / 20);
    std::vector<cv::Rect> trouves;
    detecteur->detectMultiScale(gris, trouves, kPasEchelle, kVoisinsMinimum, 0, cv::Size(cote, cote));
    std::sort(trouves.begin(), trouves.end(),
              [](const cv::Rect& a, const cv::Rect& b) { return a.area() > b.area(); });
    for (const cv::Rect& r : trouves) {
      const cv::Rect c = r & cv::Rect(0, 0, w, h);
      if (c.area() > 0) visages.push_back(RECT{c.x, c.y, c.x + c.width, c.y + c.height});
    }
  } catch (const std::exception&) {
    visages.clear();
  }
  return visages;
}

}  // namespace talvik
