// The screen list under a real X pointer: a thumbnail dragged down the list
// in small steps, with a window manager and without; right and middle
// clicks. The saved project tells the order of the screens.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ostream>
#include <thread>

#include "maker_sous_x.h"
#include "graphique.h"

namespace lumaveil::testing {
namespace {

using namespace std::chrono_literals;

// The list's items in one column in the main window: the middle of the
// thumbnail of item i.
constexpr int kXItem = 82;
int YItem(int i) { return 112 + 138 * i; }

struct Cas {
  int largeur, hauteur;
  bool gestionnaire;
};

void PrintTo(const Cas& cas, std::ostream* sortie) {
  *sortie << cas.largeur << "x" << cas.hauteur << (cas.gestionnaire ? " openbox" : "");
}

std::string NomCas(const ::testing::TestParamInfo<Cas>& info) {
  return std::to_string(info.param.largeur) + "x" + std::to_string(info.param.hauteur) +
         (info.param.gestionnaire ? "_openbox" : "_sans_gestionnaire");
}

class ListeSouris : public ::testing::TestWithParam<Cas> {
 protected:
  ListeSouris() : x_(GetParam().largeur, GetParam().hauteur, GetParam().gestionnaire) {}
  void SetUp() override {
    ASSERT_TRUE(x_.Ok());
    images_ = x_.Images({talvik::RGB(200, 40, 40), talvik::RGB(40, 160, 40),
                         talvik::RGB(40, 40, 200), talvik::RGB(220, 200, 40)});
    ASSERT_EQ(images_.size(), 4u);
    projet_ = x_.Projet(images_);
    ASSERT_FALSE(projet_.empty());
    fenetre_ = x_.LanceEtAttend(projet_);
    ASSERT_FALSE(fenetre_.empty()) << "the main window did not show";
    // The last screen is current after the project opens and the list shows
    // it; Home in the list chooses the first and scrolls to the top.
    x_.Touches(fenetre_, "Home");
  }
  std::string Suffixe() const { return NomCas({GetParam(), 0}); }

  MakerSousX x_;
  std::vector<std::string> images_;
  std::string projet_, fenetre_;
};

// The drag picture follows the pointer and goes on release; the dragged
// screen lands at the target's place (A B C D, A onto B: B A C D); the list
// then answers a click (C chosen and deleted: B A D).
TEST_P(ListeSouris, DragMovesTheScreenAndTheListAnswersTheNextClick) {
  Geometrie pendant;
  Geometrie pointeur;
  x_.Glisse(fenetre_, kXItem, YItem(0), kXItem, YItem(1), 6, [&] {
    const std::string image =
        x_.AttendFenetre(TitreTraduit("lumaveil::CListeView", "Moving screen"), 2);
    ASSERT_FALSE(image.empty()) << "no drag picture";
    pendant = x_.GeometrieFenetre(image);
    pointeur = x_.Pointeur();
    x_.Capture("liste_glissement_pendant_" + Suffixe());
  });
  EXPECT_LE(std::abs(pendant.x + pendant.largeur / 2 - pointeur.x), 8);
  EXPECT_LE(std::abs(pendant.y + pendant.hauteur / 2 - pointeur.y), 8);
  EXPECT_TRUE(x_.AttendFermeture(TitreTraduit("lumaveil::CListeView", "Moving screen"), 3))
      << "the drag picture stayed";
  x_.Capture("liste_glissement_apres_" + Suffixe());

  // The list may have scrolled the next item into view by a few pixels.
  x_.Clique(fenetre_, kXItem, YItem(2) - 20);
  x_.Touches(fenetre_, "Delete");
  EXPECT_EQ(x_.SauveEtRelit(fenetre_, projet_),
            (std::vector<std::string>{images_[1], images_[0], images_[3]}));
}

// A right or a middle click leaves the highlight on the current screen
// (the thumbnails look as they did), and Delete then removes that screen.
TEST_P(ListeSouris, RightAndMiddleClicksLeaveTheCurrentScreenHighlighted) {
  x_.Clique(fenetre_, kXItem, YItem(1));
  const Geometrie f = x_.GeometrieFenetre(fenetre_);
  auto item = [&](int i) {
    return Geometrie{f.x + kXItem - 75, f.y + YItem(i) - 55, 150, 130};
  };
  auto capture = [&](const std::string& nom) {
    x_.Deplace(fenetre_, f.largeur - 40, f.hauteur / 2);  // no hover on the list
    std::this_thread::sleep_for(300ms);
    return x_.Capture(nom + Suffixe());
  };
  const std::string avant = capture("liste_choisi_");
  x_.Clique(fenetre_, kXItem, YItem(0), 3);
  x_.Touches(fenetre_, "Escape");  // a context menu, if one came
  const std::string droit = capture("liste_clic_droit_");
  x_.Clique(fenetre_, kXItem, YItem(0), 2);
  const std::string milieu = capture("liste_clic_milieu_");
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(MemesPixels(avant, droit, item(i))) << "item " << i << " after a right click";
    EXPECT_TRUE(MemesPixels(avant, milieu, item(i))) << "item " << i << " after a middle click";
  }
  x_.Touches(fenetre_, "Delete");
  EXPECT_EQ(x_.SauveEtRelit(fenetre_, projet_),
            (std::vector<std::string>{images_[0], images_[2], images_[3]}));
}

INSTANTIATE_TEST_SUITE_P(Ecrans, ListeSouris,
                         ::testing::Values(Cas{1280, 1024, true}, Cas{1024, 768, false},
                                           Cas{1024, 768, true}),
                         NomCas);

}  // namespace
}  // namespace lumaveil::testing
