// The preview without its window: the order of the screens from the
// selected one, timing in whole seconds, a slow next screen delaying the
// switch, stopping while the worker renders, and frames equal to the
// player's on the virtual display.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <sstream>

#include "apercu_scenario/scenario_apercu.h"
#include "effects.h"
#include "jpeg_encoder.h"
#include "paquet_essai.h"
#include "random.h"
#include "dossier_temporaire.h"
#include "virtual_display.h"

namespace lumaveil {
namespace {

using namespace std::chrono_literals;

// Calendar seconds that move only when told; the transition pauses move
// them too, as real pauses would.
class TempsSimule : public lmvengine::Clock, public lmvengine::Sleeper {
 public:
  std::int64_t NowSeconds() override { return ms / 1000; }
  void SleepMilliseconds(int pause) override { ms += pause; }
  std::int64_t ms = 1'700'000'000'000;
};

// Counts the worker's ready reports; the test waits for them.
class Reports {
 public:
  void Pret() {
    std::lock_guard<std::mutex> v(m_);
    ++n_;
    cv_.notify_all();
  }
  // Waits (at most a few seconds) until `n` reports have come.
  bool Attend(int n) {
    std::unique_lock<std::mutex> v(m_);
    return cv_.wait_for(v, 10s, [&] { return n_ >= n; });
  }
  int Nombre() {
    std::lock_guard<std::mutex> v(m_);
    return n_;
  }

 private:
  std::mutex m_;
  std::condition_variable cv_;
  int n_ = 0;
};

// A blue of `n` (1..255): the pixel value is n itself.
talvik::COLORREF Bleu(int n) { return talvik::RGB(0, 0, talvik::BYTE(n)); }

// Screen i: a 16 x 12 picture of blue i + 1, the given durations and effects.
RenduApercu EcransCouleur(std::vector<int> durees, std::vector<int> effets) {
  return [durees, effets](int i) {
    return EcranApercu{talvik::HBITMAP::Create(16, 12, Bleu(i + 1)),
                       durees[std::size_t(i)], effets[std::size_t(i)]};
  };
}

CScenarioApercu::Parametres Taille(int nombre, int depart) {
  CScenarioApercu::Parametres p;
  p.nombre = nombre;
  p.depart = depart;
  p.largeurEcran = 32;
  p.hauteurEcran = 24;
  p.largeurCible = 16;
  p.hauteurCible = 12;
  return p;
}

// Plays until `n` screens were drawn, running the display step on each
// ready report and letting the simulated time jump to each timer.
std::vector<ResultatAffichage> Joue(CScenarioApercu& s, TempsSimule& temps, Reports& reports,
                                    int n) {
  std::vector<ResultatAffichage> dessins;
  int vus = 0;
  while (int(dessins.size()) < n) {
    if (!reports.Attend(vus + 1)) break;
    ++vus;
    for (;;) {
      ResultatAffichage r = s.EtapeAffichage();
      if (r.dessine) {
        dessins.push_back(r);
        break;
      }
      if (r.minuterieMs <= 0) break;
      temps.ms += r.minuterieMs;
    }
  }
  return dessins;
}

TEST(ScenarioApercu, FromTheThirdOfFiveShowsThreeFourFiveOneTwoThreeFirstWithoutEffect) {
  TempsSimule temps;
  Reports reports;
  CScenarioApercu s(Taille(5, 2), EcransCouleur({1, 1, 1, 1, 1}, {4, 5, 6, 1, 2}), temps, temps,
                    {}, [&] { reports.Pret(); });
  ASSERT_TRUE(s.Demarre());
  std::vector<ResultatAffichage> d = Joue(s, temps, reports, 6);
  ASSERT_EQ(d.size(), 6u);
  std::vector<int> ordre, effets;
  for (const auto& r : d) {
    ordre.push_back(r.index);
    effets.push_back(r.effet);
  }
  EXPECT_EQ(ordre, (std::vector<int>{2, 3, 4, 0, 1, 2}));
  EXPECT_EQ(effets, (std::vector<int>{0, 1, 2, 4, 5, 6}));
  // The screen on display is the third one again.
  const lmvengine::Geometry& g = s.Geometrie();
  EXPECT_EQ(s.Ecran().At(g.destX, g.destY), 3u);
}

TEST(ScenarioApercu, NoSelectionStartsAtTheFirstScreen) {
  TempsSimule temps;
  Reports reports;
  CScenarioApercu s(Taille(2, -1), EcransCouleur({1, 1}, {0, 0}), temps, temps, {},
                    [&] { reports.Pret(); });
  ASSERT_TRUE(s.Demarre());
  std::vector<ResultatAffichage> d = Joue(s, temps, reports, 3);
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].index, 0);
  EXPECT_EQ(d[1].index, 1);
  EXPECT_EQ(d[2].index, 0);
}

TEST(ScenarioApercu, RandomEffectsFollowThePlayersGeneratorFromItsStartEachPreview) {
  // The player's choices for the screens after the first: r mod 7 from a
  // generator that starts at 1; the first screen, drawn without effect,
  // takes no value.
  lmvengine::Random joueur;
  std::vector<int> attendus = {0};
  for (int i = 0; i < 7; ++i) attendus.push_back(joueur.Next() % 7);
  for (int fois = 0; fois < 2; ++fois) {
    TempsSimule temps;
    Reports reports;
    CScenarioApercu s(Taille(3, 0), EcransCouleur({0, 0, 0}, {7, 7, 7}), temps, temps, {},
                      [&] { reports.Pret(); });
    ASSERT_TRUE(s.Demarre());
    std::vector<int> effets;
    for (const auto& r : Joue(s, temps, reports, 8)) effets.push_back(r.effet);
    EXPECT_EQ(effets, attendus) << "preview " << fois + 1;
  }
}

// Screen 1 renders only once the test lets it.
class RenduRetenu {
 public:
  EcranApercu Rend(int i) {
    if (i == 1) {
      std::unique_lock<std::mutex> v(m_);
      enCours_ = true;
      cv_.notify_all();
      cv_.wait(v, [&] { return libere_; });
    }
    return EcranApercu{talvik::HBITMAP::Create(16, 12, Bleu(i + 1)), 2, 0};
  }
  void AttendEnCours() {
    std::unique_lock<std::mutex> v(m_);
    cv_.wait_for(v, 10s, [&] { return enCours_; });
  }
  void Libere() {
    std::lock_guard<std::mutex> v(m_);
    libere_ = true;
    cv_.notify_all();
  }

 private:
  std::mutex m_;
  std::condition_variable cv_;
  bool enCours_ = false;
  bool libere_ = false;
};

TEST(ScenarioApercu, ASlowNextScreenKeepsTheCurrentOneUntilItIsReadyThenComesAtOnce) {
  TempsSimule temps;
  Reports reports;
  RenduRetenu rendu;
  CScenarioApercu s(Taille(2, 0), [&](int i) { return rendu.Rend(i); }, temps, temps, {},
                    [&] { reports.Pret(); });
  ASSERT_TRUE(s.Demarre());
  ASSERT_TRUE(reports.Attend(1));
  ResultatAffichage premier = s.EtapeAffichage();
  ASSERT_TRUE(premier.dessine);
  EXPECT_EQ(premier.index, 0);
  rendu.AttendEnCours();

  // Within its 2 seconds: the timer is armed for the rest, in whole seconds.
  temps.ms += 1500;
  ResultatAffichage r = s.EtapeAffichage();
  EXPECT_FALSE(r.dessine);
  EXPECT_EQ(r.minuterieMs, 1000);
  // Its time is up but screen 2 is still being rendered: the timer draws
  // nothing and arms nothing.
  temps.ms += 3500;
  r = s.EtapeAffichage();
  EXPECT_FALSE(r.dessine);
  EXPECT_EQ(r.minuterieMs, 0);
  EXPECT_EQ(s.Ecran().At(s.Geometrie().destX, s.Geometrie().destY), 1u);

  // Ready, three seconds late: drawn on the report, without waiting.
  rendu.Libere();
  ASSERT_TRUE(reports.Attend(2));
  r = s.EtapeAffichage();
  EXPECT_TRUE(r.dessine);
  EXPECT_EQ(r.index, 1);
  EXPECT_EQ(s.Ecran().At(s.Geometrie().destX, s.Geometrie().destY), 2u);
}

// The moving effects on the millisecond clock: a cross-fade starts on the
// old screen, is half way at half its length and the new screen exactly at
// its end, when frames stop; the screen's time counts from its fade; a
// pan-and-zoom screen (the first comes on at once) moves until its path
// ends and never shows anything but its own picture.
TEST(ScenarioApercu, CrossFadeAndPanAreDrawnFrameByFrameOnTheirOwnClock) {
  TempsSimule temps;
  Reports reports;
  auto rendu = [](int i) {
    EcranApercu e;
    e.duree = 1;
    if (i == 0) {
      // 20 x 15: 1.25 times the saver, a gradient of blue.
      talvik::HBITMAP b = talvik::HBITMAP::Create(20, 15, 0);
      for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) b.SetPixel(x, y, Bleu(10 + 10 * x));
      e.image = b;
      e.effet = lmvengine::kEffectPanZoom;
    } else {
      e.image = talvik::HBITMAP::Create(16, 12, talvik::RGB(200, 0, 0));
      e.effet = lmvengine::kEffectCrossFade;
    }
    e.entree.transitionMs = 1000;
    return e;
  };
  CScenarioApercu::Parametres p = Taille(2, 0);
  p.largeurEcran = 16;
  p.hauteurEcran = 12;
  CScenarioApercu s(p, rendu, temps, temps, {}, [&] { reports.Pret(); });
  s.FixeHorlogeMs([&] { return temps.ms; });
  ASSERT_TRUE(s.Demarre());
  ASSERT_TRUE(reports.Attend(1));
  const auto pixel = [&] { return s.Ecran().At(8, 6); };

  ResultatAffichage r = s.EtapeAffichage();
  ASSERT_TRUE(r.dessine);
  EXPECT_EQ(r.effet, lmvengine::kEffectPanZoom);
  EXPECT_GT(r.imageSuivanteMs, 0);
  std::vector<std::uint32_t> vus;
  for (int k = 0; k < 5; ++k) {
    temps.ms += 500;  // the path lasts 1 s + 2 x 1 s
    EXPECT_GT(s.EtapeImage(), 0) << k;
    vus.push_back(pixel());
    EXPECT_EQ(pixel() >> 8, 0u);  // blue only: nothing outside the picture
  }
  EXPECT_NE(vus.front(), vus.back());
  // Its time (1 s, no fade for the first) is up; the next fades in over the
  // pan, which goes on under it.
  ASSERT_TRUE(reports.Attend(2));
  const std::uint32_t avant = pixel();
  r = s.EtapeAffichage();
  ASSERT_TRUE(r.dessine);
  EXPECT_EQ(r.effet, lmvengine::kEffectCrossFade);
  EXPECT_EQ(pixel(), avant);
  temps.ms += 500;
  EXPECT_GT(s.EtapeImage(), 0);
  const int rouge = int(pixel() >> 16);
  EXPECT_GE(rouge, 95);
  EXPECT_LE(rouge, 105);
  EXPECT_NE(pixel() & 0xFF, 0u);
  temps.ms += 500;
  EXPECT_EQ(s.EtapeImage(), 0);
  EXPECT_EQ(pixel(), 0x00C80000u);
  // 1 s of fade and 1 s of its own: 1 s is left.
  ASSERT_TRUE(reports.Attend(3));
  r = s.EtapeAffichage();
  EXPECT_FALSE(r.dessine);
  EXPECT_EQ(r.minuterieMs, 1000);
  s.Arrete();
}

TEST(ScenarioApercu, StopWaitsForTheScreenBeingRenderedAndDrawsNothingMore) {
  TempsSimule temps;
  Reports reports;
  RenduRetenu rendu;
  CScenarioApercu s(Taille(2, 0), [&](int i) { return rendu.Rend(i); }, temps, temps, {},
                    [&] { reports.Pret(); });
  ASSERT_TRUE(s.Demarre());
  ASSERT_TRUE(reports.Attend(1));
  ASSERT_TRUE(s.EtapeAffichage().dessine);
  rendu.AttendEnCours();
  std::thread liberation([&] {
    std::this_thread::sleep_for(100ms);
    rendu.Libere();
  });
  s.Arrete();  // returns once the worker has finished screen 2 and ended
  liberation.join();
  EXPECT_TRUE(s.ArretEnCours());
  temps.ms += 10'000;
  EXPECT_FALSE(s.EtapeAffichage().dessine);
  EXPECT_EQ(reports.Nombre(), 2);
  EXPECT_EQ(s.Ecran().At(s.Geometrie().destX, s.Geometrie().destY), 1u);
}

// ---- the same frames as the player ---------------------------------------

// A picture with detail in both directions, so that a wrong source
// rectangle or sampling shows.
std::vector<unsigned char> Motif(int w, int h) {
  std::vector<unsigned char> rgb(std::size_t(w) * std::size_t(h) * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      unsigned char* p = &rgb[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 3];
      p[0] = static_cast<unsigned char>(x * 255 / w);
      p[1] = static_cast<unsigned char>(y * 255 / h);
      p[2] = static_cast<unsigned char>(((x / 8 + y / 8) % 2) * 200);
    }
  return rgb;
}

lmvengine::Raster LitPpm(const std::filesystem::path& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  std::string magie;
  int w = 0, h = 0, max = 0;
  f >> magie >> w >> h >> max;
  f.get();
  lmvengine::Raster r;
  if (magie != "P6" || w <= 0 || h <= 0) return r;
  r.width = w;
  r.height = h;
  r.pixels.resize(std::size_t(w) * std::size_t(h));
  for (auto& p : r.pixels) {
    unsigned char c[3] = {};
    f.read(reinterpret_cast<char*>(c), 3);
    p = (std::uint32_t(c[0]) << 16) | (std::uint32_t(c[1]) << 8) | c[2];
  }
  return f ? r : lmvengine::Raster{};
}

talvik::HBITMAP BitmapDepuis(const lmvengine::DecodedImage& image) {
  talvik::HBITMAP b = talvik::HBITMAP::Create(image.width, image.height);
  std::uint32_t* p = b.Pixels();
  for (std::size_t i = 0; i < b.PixelCount(); ++i)
    p[i] = (std::uint32_t(image.rgb[i * 3]) << 16) | (std::uint32_t(image.rgb[i * 3 + 1]) << 8) |
           image.rgb[i * 3 + 2];
  return b;
}

struct CasTransition {
  int largeur, hauteur;              // the screens
  int largeurEcran, hauteurEcran;    // the display
  int effet;
};

class MemesImagesQueLeJoueur : public ::testing::TestWithParam<CasTransition> {};

TEST_P(MemesImagesQueLeJoueur, EveryFrameOfTheFirstScreenAndOfOneTransition) {
  const CasTransition c = GetParam();
  lumaveil::testing::TempDir dossier;
  // Two screens: the pattern and its mirror image, as JPEG records.
  std::vector<unsigned char> a = Motif(c.largeur, c.hauteur);
  std::vector<unsigned char> b(a.rbegin(), a.rend());
  std::vector<std::vector<unsigned char>> jpegs = {
      lmvtools::EncodeJpeg(a, c.largeur, c.hauteur, 3, 90),
      lmvtools::EncodeJpeg(b, c.largeur, c.hauteur, 3, 90)};
  std::vector<lumaveil::testing::RecordData> records = {{1, 3, jpegs[0]}, {1, c.effet, jpegs[1]}};
  const std::vector<unsigned char> moteur(100, 0x90);
  const std::filesystem::path paquet = lumaveil::testing::WriteBytes(
      dossier.Path() + "/x.scr",
      lumaveil::testing::PackageBytes(moteur, records,
                            lumaveil::testing::TrailerFor(moteur, c.largeur, c.hauteur, records.size())));

  // The player on the virtual display: 1 frame for the first screen, 10
  // for the transition.
  lmvengine::VirtualOptions options;
  options.width = c.largeurEcran;
  options.height = c.hauteurEcran;
  options.frames = dossier.Path() + "/frames";
  options.draws = 11;
  std::ostringstream journal;
  struct Muet : lmvengine::MessageSink {
    void Show(const std::string&, const std::string&, lmvengine::MessageIcon) override {}
  } muet;
  ASSERT_EQ(lmvengine::RunVirtual(paquet, options, journal, muet), 0);
  ASSERT_NE(journal.str().find("draw record=2"), std::string::npos) << journal.str();

  // The preview of the same pictures (as the player decodes them).
  std::vector<talvik::HBITMAP> images;
  for (const auto& j : jpegs) {
    lmvengine::DecodedImage d;
    ASSERT_EQ(lmvengine::DecodeJpegMemory(j.data(), j.size(), d).status,
              lmvengine::DecodeStatus::kOk);
    images.push_back(BitmapDepuis(d));
  }
  TempsSimule temps;
  Reports reports;
  std::vector<lmvengine::Raster> vues;
  CScenarioApercu::Parametres p;
  p.nombre = 2;
  p.depart = 0;
  p.largeurEcran = c.largeurEcran;
  p.hauteurEcran = c.hauteurEcran;
  p.largeurCible = c.largeur;
  p.hauteurCible = c.hauteur;
  std::unique_ptr<CScenarioApercu> s;
  s = std::make_unique<CScenarioApercu>(
      p,
      [&](int i) {
        return EcranApercu{images[std::size_t(i)], 1, int(records[std::size_t(i)].effect)};
      },
      temps, temps, [&] { vues.push_back(s->Ecran()); }, [&] { reports.Pret(); });
  ASSERT_TRUE(s->Demarre());
  ASSERT_EQ(Joue(*s, temps, reports, 2).size(), 2u);

  ASSERT_EQ(vues.size(), 11u);
  for (std::size_t i = 0; i < vues.size(); ++i) {
    char nom[32];
    std::snprintf(nom, sizeof nom, "frame-%04zu.ppm", i + 1);
    const lmvengine::Raster joueur = LitPpm(options.frames / nom);
    ASSERT_EQ(joueur.width, c.largeurEcran) << nom;
    EXPECT_TRUE(vues[i].pixels == joueur.pixels) << "frame " << i + 1 << " differs";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cas, MemesImagesQueLeJoueur,
    ::testing::Values(CasTransition{320, 240, 400, 300, 6},   // narrower: centred, grows from the centre
                      CasTransition{480, 320, 400, 300, 4},   // wider: scaled, band from the bottom
                      CasTransition{400, 250, 400, 300, 5}),  // as wide: copied, band from the left
    [](const auto& cas) {
      return "Effect" + std::to_string(cas.param.effet) + "Width" +
             std::to_string(cas.param.largeur);
    });

}  // namespace
}  // namespace lumaveil
