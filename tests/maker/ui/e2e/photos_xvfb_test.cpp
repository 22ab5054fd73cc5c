// The real maker on a private X server with a portrait phone photo (a JPEG
// stored sideways with an Exif orientation) and a portrait HEIC (turned by
// its rotation box) in its list: the window is photographed with
// ImageMagick's `import` into the screenshots directory (photos_xvfb.png), and in that
// picture every photo, in the list and on the working screen, stands
// upright: red over blue, red left of green.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "dossier_temporaire.h"
#include "graphique.h"
#include "heif_essai.h"
#include "images_comparees.h"
#include "maker_sous_x.h"
#include "photo_telephone_essai.h"
#include "sortie_commande.h"
#include "xvfb.h"

namespace lumaveil::testing {
namespace {

using namespace std::chrono_literals;

const std::string kBin = LUMAVEIL_BIN_DIR;

// Mean position of the pixels near one colour.
struct Centre {
  double x = 0, y = 0;
  long n = 0;
};
Centre CentreCouleur(const talvik::Bitmap& image, talvik::COLORREF c) {
  Centre r;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const talvik::COLORREF p = image.GetPixel(x, y);
      if (std::abs(talvik::GetRValue(p) - talvik::GetRValue(c)) > 40 ||
          std::abs(talvik::GetGValue(p) - talvik::GetGValue(c)) > 40 ||
          std::abs(talvik::GetBValue(p) - talvik::GetBValue(c)) > 40)
        continue;
      r.x += x;
      r.y += y;
      ++r.n;
    }
  if (r.n) {
    r.x /= double(r.n);
    r.y /= double(r.n);
  }
  return r;
}

TEST(PhotosXvfb, PortraitPhotosAreUprightInTheListAndOnTheWorkingScreen) {
  Xvfb xvfb(1280, 800);
  ASSERT_TRUE(xvfb.Ok());
  TempDir dir;
  const std::string registre = dir.File("registry.reg");
  const talvik::Bitmap droite = Quadrants(300, 400, kQuadrantsDroits);
  ASSERT_TRUE(EcritJpegOriente(dir.File("telephone.jpg"), droite, 6));
  ASSERT_TRUE(EcritHeif(dir.File("iphone.heic"), StockeeSelonOrientation(droite, 6), {6}));
  const std::string projet = dir.File("photos.lmv");
  ASSERT_EQ(std::system(("LUMAVEIL_REGISTRY='" + registre + "' " + kBin + "/lumaveil --new '" +
                         projet + "' --resolution 640x480 '" + dir.File("telephone.jpg") +
                         "' '" + dir.File("iphone.heic") + "'")
                            .c_str()),
            0);
  // Opened with a project, the maker runs no wizard.
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    setenv("DISPLAY", xvfb.Display().c_str(), 1);
    setenv("LUMAVEIL_REGISTRY", registre.c_str(), 1);
    unsetenv("QT_QPA_PLATFORM");
    std::freopen(dir.File("lumaveil.log").c_str(), "w", stderr);
    execl((kBin + "/lumaveil").c_str(), "lumaveil", projet.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  auto xdotool = [&](const std::string& a) {
    return RunAndCapture("DISPLAY=" + xvfb.Display() + " xdotool " + a + " 2>/dev/null");
  };
  std::string fenetre;
  for (int i = 0; i < 300 && fenetre.empty(); ++i) {
    const std::string id = xdotool("search --onlyvisible --name 'photos.lmv.*Lumaveil'");
    if (!id.empty()) fenetre = id.substr(0, id.find('\n'));
    else std::this_thread::sleep_for(100ms);
  }
  ASSERT_FALSE(fenetre.empty()) << "the main window did not show";
  // Past the start-up picture, the project read and its thumbnails made.
  for (int i = 0;
       i < 100 && !xdotool("search --onlyvisible --name '" +
                           testing::TitreTraduit("lumaveil::CMainFrame", "About Lumaveil") + "'")
                       .empty();
       ++i)
    std::this_thread::sleep_for(100ms);
  std::this_thread::sleep_for(4000ms);
  std::filesystem::create_directories(LUMAVEIL_SCREENSHOT_DIR);
  const std::string capture = std::string(LUMAVEIL_SCREENSHOT_DIR) + "/photos_xvfb.png";
  ASSERT_EQ(std::system(("DISPLAY=" + xvfb.Display() + " import -window " + fenetre + " '" +
                         capture + "'")
                            .c_str()),
            0);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);

  const talvik::Bitmap image = talvik::CGraphique::ChargeImagePNG(capture);
  ASSERT_TRUE(image);
  const Centre rouge = CentreCouleur(image, kQuadrantsDroits[0]);
  const Centre vert = CentreCouleur(image, kQuadrantsDroits[1]);
  const Centre bleu = CentreCouleur(image, kQuadrantsDroits[2]);
  ASSERT_GT(rouge.n, 1000);  // the working screen and two thumbnails
  // Each photo upright: red over blue and left of green. A photo lying on
  // its side would put red under green.
  EXPECT_LT(rouge.y, bleu.y);
  EXPECT_LT(rouge.x, vert.x);
  EXPECT_NEAR(rouge.y, vert.y, 8.0);
}

}  // namespace
}  // namespace lumaveil::testing
