// The maker's command line run from a test: `lumaveil` in a temporary
// directory with its own settings store, screens rendered to files, the
// Linux saver generated and its first frame played on the player's
// virtual display;
// and where a picture lands on a screen when it is fitted whole.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "graphique.h"
#include "images_comparees.h"
#include "sortie_commande.h"
#include "dossier_temporaire.h"

namespace lumaveil::testing {

// The programs, as the test target names them.
inline const std::string kBinLumaveil = LUMAVEIL_BIN_DIR;
inline constexpr talvik::COLORREF kBlanc = talvik::RGB(255, 255, 255);

class CommandeLumaveil : public ::testing::Test {
 protected:
  void SetUp() override { setenv("LUMAVEIL_REGISTRY", dir_.File("registry.reg").c_str(), 1); }

  // Runs lumaveil in the test's directory; its exit code, standard error
  // in *erreur.
  int Lance(const std::string& arguments, std::string* erreur = nullptr) {
    const std::string fichier = dir_.File("stderr.txt");
    const std::string code = RunAndCapture("cd '" + dir_.Path() + "' && " + kBinLumaveil +
                                           "/lumaveil " + arguments + " 2>'" + fichier +
                                           "'; echo $?");
    std::ifstream f(fichier);
    if (erreur) erreur->assign(std::istreambuf_iterator<char>(f), {});
    return std::atoi(code.c_str());
  }
  talvik::Bitmap Rend(const std::string& projet, int ecran) {
    const std::string sortie = dir_.File("r" + std::to_string(ecran) + ".bmp");
    std::string erreur;
    EXPECT_EQ(Lance("--render " + projet + " --screen " + std::to_string(ecran) + " --output " +
                        sortie,
                    &erreur),
              0)
        << erreur;
    return talvik::CGraphique::ChargeImage(sortie, 0);
  }
  // The first frame the Linux saver made from `projet` shows.
  talvik::Bitmap PremiereImage(const std::string& projet, const std::string& resolution) {
    std::string erreur;
    EXPECT_EQ(Lance("--generate " + projet + " --output saver --platform linux", &erreur), 0)
        << erreur;
    const std::string images = dir_.File("frames");
    std::filesystem::create_directories(images);
    RunAndCapture("'" + dir_.File("saver") + "' --virtual " + resolution + " --frames '" +
                  images + "' --draws 1 2>&1");
    return LitPpm(images + "/frame-0001.ppm");
  }
  // A PNG of one colour in the test's directory; its name.
  std::string Png(const std::string& nom, int w, int h, talvik::COLORREF c) {
    EXPECT_EQ(talvik::CGraphique::SauveImage(dir_.File(nom), talvik::Bitmap::Create(w, h, c), 90,
                                             0, 0),
              1);
    return nom;
  }

  TempDir dir_;
};

// The rectangle a picture of w x h takes when fitted whole to a W x H
// screen, centred, its proportions kept.
inline talvik::RECT Ajuste(int w, int h, int W, int H) {
  int lw = W, lh = int((std::int64_t(h) * W + w / 2) / w);
  if (std::int64_t(w) * H < std::int64_t(h) * W) {
    lh = H;
    lw = int((std::int64_t(w) * H + h / 2) / h);
  }
  return talvik::RECT{(W - lw) / 2, (H - lh) / 2, (W - lw) / 2 + lw, (H - lh) / 2 + lh};
}

// The picture's rectangle is the one expected, within `ecart` pixels (the
// JPEG of a saver's record rings a pixel past a sharp edge).
inline void AttendPlace(const talvik::RECT& vue, const talvik::RECT& attendue,
                        const std::string& quoi, int ecart = 0) {
  EXPECT_NEAR(vue.left, attendue.left, ecart) << quoi;
  EXPECT_NEAR(vue.top, attendue.top, ecart) << quoi;
  EXPECT_NEAR(vue.right, attendue.right, ecart) << quoi;
  EXPECT_NEAR(vue.bottom, attendue.bottom, ecart) << quoi;
}

}  // namespace lumaveil::testing
