// main() of the window tests under a real X pointer: a private X server of
// the size in LUMAVEIL_ECRAN ("WxH", 1024x768 by default) with openbox on
// it (none when LUMAVEIL_SANS_GESTIONNAIRE is set), then a QApplication on
// that server in the language of the environment (LANGUAGE=de: German), as
// the maker starts, and every GoogleTest case.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "commun/langue.h"
#include "openbox.h"
#include "pointeur_x.h"
#include "xvfb.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Listing the cases needs no display.
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--gtest_list_tests") == 0) return RUN_ALL_TESTS();
  int largeur = 1024, hauteur = 768;
  if (const char* ecran = std::getenv("LUMAVEIL_ECRAN"))
    std::sscanf(ecran, "%dx%d", &largeur, &hauteur);
  lumaveil::testing::Xvfb xvfb(largeur, hauteur);
  if (!xvfb.Ok()) {
    std::fprintf(stderr, "no X server\n");
    return 1;
  }
  std::unique_ptr<lumaveil::testing::Openbox> gestionnaire;
  if (!std::getenv("LUMAVEIL_SANS_GESTIONNAIRE")) {
    gestionnaire = std::make_unique<lumaveil::testing::Openbox>(xvfb.Display());
    if (!gestionnaire->Ok()) {
      std::fprintf(stderr, "no window manager\n");
      return 1;
    }
  }
  setenv("DISPLAY", xvfb.Display().c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  QApplication app(argc, argv);
  const QString langue = lumaveil::LangueChoisie();
  if (langue != QLatin1String("en") && lumaveil::InstalleTraductions(app, langue) != 1) {
    std::fprintf(stderr, "no translation for %s\n", qPrintable(langue));
    return 1;
  }
  if (langue != QLatin1String("en")) lumaveil::testing::FixeSuffixeCaptures("_" + langue);
  return RUN_ALL_TESTS();
}
