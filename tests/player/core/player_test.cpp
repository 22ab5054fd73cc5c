// The tick: first screen, timing in whole seconds, order of effects,
// Random, skipping damaged records, and ending when nothing decodes.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "paquet_essai.h"
#include "motion.h"
#include "options_block.h"
#include "player.h"
#include "random.h"
#include "thread_work.h"
#include "dossier_temporaire.h"

namespace {

using lmvengine::BlitStep;
using lmvengine::TickResult;
using lumaveil::testing::RecordData;

// Time in milliseconds that moves only when told; the pauses move it.
class FakeTime : public lmvengine::Clock, public lmvengine::Sleeper {
 public:
  int64_t NowSeconds() override { return ms / 1000; }
  int64_t NowMilliseconds() override { return ms; }
  void SleepMilliseconds(int pause) override {
    ms += pause;
    ++sleeps;
  }
  int64_t ms = 1'700'000'000'000;  // a calendar time
  int sleeps = 0;
};

class FakeSurface : public lmvengine::Surface {
 public:
  bool SetPicture(const lmvengine::DecodedImage& image) override {
    holding = !image.Empty();
    lastPictureColour = lumaveil::testing::MeanColour(image);
    return holding && !refuse;
  }
  void DropPicture() override { holding = false; }
  void BeginDraw() override { ++draws; }
  void SetArea(const lmvengine::Rect& next) override { area = next; }
  void Blit(const BlitStep& step) override {
    EXPECT_TRUE(holding) << "blit without a picture";
    blits.push_back(step);
    areas.push_back(area);
  }
  void PresentFrame(const lmvengine::Raster& frame, int x, int y) override {
    frames.push_back(frame.At(frame.width / 2, frame.height / 2));
    frameAt = {x, y, frame.width, frame.height};
  }
  std::vector<uint32_t> frames;           // centre pixel of each frame shown
  lmvengine::Rect frameAt;                // where the last one went
  bool holding = false;
  lmvengine::Rect area;                   // the last SetArea()
  std::vector<lmvengine::Rect> areas;     // the area of each blit
  bool refuse = false;
  uint32_t lastPictureColour = 0;
  int draws = 0;
  std::vector<BlitStep> blits;
};

class RecordingSink : public lmvengine::MessageSink {
 public:
  void Show(const std::string& text, const std::string& caption, lmvengine::MessageIcon) override {
    shown.emplace_back(caption, text);
  }
  lmvengine::Language SystemLanguage() const override { return system; }
  std::vector<std::pair<std::string, std::string>> shown;
  lmvengine::Language system = lmvengine::Language::kEnglish;
};

class TickTest : public ::testing::Test {
 protected:
  bool Open(const std::vector<RecordData>& records, int w = 640, int h = 480, int sw = 1024,
            int sh = 768, int screenCount = -1, const lmvengine::OptionsBlock* options = nullptr) {
    const std::vector<unsigned char> engine(777, 0x11);
    auto trailer = lumaveil::testing::TrailerFor(engine, w, h, records.size());
    if (screenCount >= 0) trailer.screenCount = screenCount;
    auto bytes = lumaveil::testing::PackageBytes(engine, records, trailer);
    if (options) {
      const auto block = lmvengine::WriteOptionsBlock(*options, trailer);
      bytes.insert(bytes.end() - 16, block.begin(), block.end());
    }
    auto path = lumaveil::testing::WriteBytes(dir_.File("p.scr"), bytes);
    return lmvengine::OpenPlayer(player_, path, sw, sh, sink_);
  }
  TickResult Tick() { return lmvengine::Tick(player_, context_); }
  // Ticks as a timer would: waits the returned delay, then ticks again,
  // until a screen is drawn.
  TickResult NextDraw() {
    for (int i = 0; i < 1000; ++i) {
      TickResult r = Tick();
      if (r.drew || r.end) return r;
      time_.ms += r.timerMs;
    }
    ADD_FAILURE() << "no screen drawn";
    return {};
  }

  lumaveil::testing::TempDir dir_;
  FakeTime time_;
  FakeSurface surface_;
  RecordingSink sink_;
  lmvengine::Player player_;
  lmvengine::PlayerContext context_{time_, time_, surface_, sink_};
};

std::vector<unsigned char> Jpeg(uint32_t colour) { return lumaveil::testing::SolidJpeg(640, 480, colour); }

TEST_F(TickTest, FirstScreenIsDrawnWithoutEffectAndTheNextIsReadAhead) {
  ASSERT_TRUE(Open({{5, 6, Jpeg(0xFF0000)}, {5, 1, Jpeg(0x00FF00)}}));
  TickResult r = Tick();
  EXPECT_TRUE(r.drew);
  EXPECT_EQ(r.record, 1);
  EXPECT_EQ(r.effect, 0);
  EXPECT_EQ(r.timerMs, 5000);
  ASSERT_EQ(surface_.blits.size(), 1u);
  EXPECT_EQ(time_.sleeps, 0);
  EXPECT_EQ(surface_.blits[0].dest, (lmvengine::Rect{0, 0, 1024, 768}));
  // Record 2 is already decoded and waiting.
  EXPECT_TRUE(surface_.holding);
  EXPECT_TRUE(lumaveil::testing::CloseColour(surface_.lastPictureColour, 0x00FF00));
}

TEST_F(TickTest, EarlyTimerReArmsForTheMissingWholeSeconds) {
  ASSERT_TRUE(Open({{5, 0, Jpeg(0xFF0000)}, {5, 0, Jpeg(0x00FF00)}}));
  time_.ms = 1'700'000'000'900;  // 0.9 s into a second
  ASSERT_TRUE(Tick().drew);
  time_.ms += 4000;  // 4 whole seconds have passed
  TickResult early = Tick();
  EXPECT_FALSE(early.drew);
  EXPECT_EQ(early.timerMs, 1000);
  time_.ms += 1000;
  EXPECT_TRUE(Tick().drew);
}

TEST_F(TickTest, ScreenStaysBetweenItsDurationAndOneSecondMore) {
  ASSERT_TRUE(Open({{5, 0, Jpeg(0xFF0000)}, {5, 0, Jpeg(0x00FF00)}}));
  for (int64_t start : {int64_t{0}, int64_t{1}, int64_t{500}, int64_t{999}}) {
    lmvengine::Player fresh;
    std::swap(player_, fresh);
    ASSERT_TRUE(Open({{5, 0, Jpeg(0xFF0000)}, {5, 0, Jpeg(0x00FF00)}}));
    time_.ms = 1'700'000'000'000 + start;
    const int64_t drawnAt = time_.ms;
    ASSERT_TRUE(Tick().drew);
    TickResult next = NextDraw();
    ASSERT_TRUE(next.drew);
    const int64_t shown = time_.ms - drawnAt;
    EXPECT_GE(shown, 5000) << start;
    EXPECT_LE(shown, 6000) << start;
  }
}

TEST_F(TickTest, EffectsOneAndFourAlternateAfterAPlainFirstScreen) {
  ASSERT_TRUE(Open({{3, 1, Jpeg(0xFF0000)}, {3, 4, Jpeg(0x0000FF)}}));
  std::vector<std::pair<int, int>> seen;
  for (int i = 0; i < 5; ++i) {
    TickResult r = NextDraw();
    seen.emplace_back(r.record, r.effect);
  }
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{1, 0}, {2, 4}, {1, 1}, {2, 4}, {1, 1}}));
  // 1 blit, then 10 per stepped transition, each followed by a 50 ms pause.
  EXPECT_EQ(surface_.blits.size(), 41u);
  EXPECT_EQ(time_.sleeps, 40);
}

TEST_F(TickTest, RandomNeverDrawsSevenAndRepeatsAcrossRuns) {
  std::vector<RecordData> records = {{1, 7, Jpeg(0x101010)}, {1, 7, Jpeg(0x202020)}};
  auto run = [&] {
    lmvengine::Player fresh;
    std::swap(player_, fresh);
    EXPECT_TRUE(Open(records));
    std::vector<int> effects;
    NextDraw();
    for (int i = 0; i < 60; ++i) effects.push_back(NextDraw().effect);
    return effects;
  };
  std::vector<int> first = run();
  std::vector<int> second = run();
  EXPECT_EQ(first, second);
  std::map<int, int> counts;
  for (int e : first) {
    EXPECT_GE(e, 0);
    EXPECT_LE(e, 6);
    ++counts[e];
  }
  EXPECT_GE(counts.size(), 5u);  // spread over the codes, 0 among them over time
}

TEST(Random, FollowsTheUnseededLinearCongruentialSequence) {
  lmvengine::Random r;
  // The first values of this generator from state 1.
  EXPECT_EQ(r.Next(), 41);
  EXPECT_EQ(r.Next(), 18467);
  EXPECT_EQ(r.Next(), 6334);
  EXPECT_EQ(r.Next(), 26500);
  for (int i = 0; i < 10000; ++i) {
    int v = r.Next();
    ASSERT_GE(v, 0);
    ASSERT_LE(v, 32767);
  }
  lmvengine::Random q;
  EXPECT_EQ(lmvengine::ResolveRandomEffect(7, q), 41 % 7);
  EXPECT_EQ(lmvengine::ResolveRandomEffect(3, q), 3);
  EXPECT_EQ(q.state, 214013u + 2531011u);  // only 7 draws a value
}

TEST_F(TickTest, ScaledPictureUsesTheTrailerSizeAsSource) {
  ASSERT_TRUE(Open({{3, 0, lumaveil::testing::SolidJpeg(1280, 960, 0x00AA00)},
                    {3, 1, lumaveil::testing::SolidJpeg(1280, 960, 0xAA0000)}},
                   1280, 960));
  Tick();
  EXPECT_EQ(surface_.blits[0].dest, (lmvengine::Rect{0, 0, 1024, 768}));
  EXPECT_EQ(surface_.blits[0].source, (lmvengine::Rect{0, 0, 1280, 960}));
  EXPECT_TRUE(surface_.blits[0].stretch);
  NextDraw();
  EXPECT_EQ(surface_.blits[3].dest, (lmvengine::Rect{0, 0, 1024, 228}));
  EXPECT_EQ(surface_.blits[3].source, (lmvengine::Rect{0, 0, 1280, 288}));
}

TEST_F(TickTest, UndecodableRecordIsSkippedAndShownOnce) {
  ASSERT_TRUE(Open({{3, 0, Jpeg(0xFF0000)}, {3, 0, std::vector<unsigned char>(99, 7)},
                    {4, 0, Jpeg(0x0000FF)}}));
  std::vector<int> records;
  for (int i = 0; i < 5; ++i) records.push_back(NextDraw().record);
  EXPECT_EQ(records, (std::vector<int>{1, 3, 1, 3, 1}));
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0].first, "JPEG Fatal Error");
}

TEST_F(TickTest, PackageWhereNothingDecodesEndsWithoutDrawing) {
  ASSERT_TRUE(Open({{3, 0, std::vector<unsigned char>(50, 1)}, {3, 0, {}}}));
  TickResult r = Tick();
  EXPECT_TRUE(r.end);
  EXPECT_FALSE(r.drew);
  EXPECT_TRUE(surface_.blits.empty());
}

TEST_F(TickTest, DataOffsetOutsideTheFileIsBadDataAtStart) {
  // Nothing of such a package could ever be shown: the player says so
  // rather than ending without a word.
  const std::vector<unsigned char> engine(100, 0);
  auto bytes = lumaveil::testing::PackageBytes(engine, {{3, 0, Jpeg(0xFF0000)}},
                                     lmvengine::PackageTrailer{640, 480, 31999, 50'000'000});
  auto path = lumaveil::testing::WriteBytes(dir_.File("far.scr"), bytes);
  EXPECT_FALSE(lmvengine::OpenPlayer(player_, path, 1024, 768, sink_));
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0], (std::pair<std::string, std::string>{"Error", "LmvEngine bad data"}));
  EXPECT_TRUE(surface_.blits.empty());
}

TEST_F(TickTest, BadTrailerShowsBadDataAndDoesNotOpen) {
  EXPECT_FALSE(Open({{3, 0, Jpeg(0xFF0000)}}, 239, 480));
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0], (std::pair<std::string, std::string>{"Error", "LmvEngine bad data"}));
}

TEST_F(TickTest, SurfaceThatCannotMakeABitmapIsNeverDrawnFrom) {
  ASSERT_TRUE(Open({{3, 0, Jpeg(0xFF0000)}}));
  surface_.refuse = true;
  EXPECT_TRUE(Tick().end);
  EXPECT_TRUE(surface_.blits.empty());
}

TEST_F(TickTest, DamagedDurationsNeitherGoNegativeNorOverflow) {
  ASSERT_TRUE(Open({{-5, 0, Jpeg(0xFF0000)}, {2147483647, 0, Jpeg(0x00FF00)}}));
  TickResult first = Tick();
  EXPECT_EQ(first.timerMs, 0);
  TickResult second = Tick();
  EXPECT_TRUE(second.drew);
  EXPECT_GT(second.timerMs, 0);
  EXPECT_EQ(second.timerMs, 2147483647);
}

// Two monitors side by side, 1280x1024 and 1024x768: each step of the
// transition is drawn on both, each with the geometry of its own size, and
// the pause comes once per step, not once per monitor.
TEST_F(TickTest, EveryMonitorDrawsEachStepWithItsOwnGeometry) {
  ASSERT_TRUE(Open({{3, 0, Jpeg(0xFF0000)}, {3, 6, Jpeg(0x00FF00)}}, 640, 480, 2304, 1024));
  const lmvengine::Rect left{0, 0, 1280, 1024}, right{1280, 0, 1024, 768};
  ASSERT_TRUE(lmvengine::SetMonitors(player_, {left, right}));
  ASSERT_TRUE(Tick().drew);
  ASSERT_EQ(surface_.blits.size(), 2u);
  EXPECT_EQ(surface_.blits[0].dest, (lmvengine::Rect{0, 32, 1280, 960}));
  EXPECT_EQ(surface_.blits[1].dest, (lmvengine::Rect{1280, 0, 1024, 768}));
  EXPECT_EQ(surface_.areas, (std::vector<lmvengine::Rect>{left, right}));

  ASSERT_TRUE(NextDraw().drew);
  ASSERT_EQ(surface_.blits.size(), 22u);
  EXPECT_EQ(time_.sleeps, 10);
  // Stretching, step 1: a tenth of each fitted picture, at its centre.
  EXPECT_EQ(surface_.blits[2].dest, (lmvengine::Rect{576, 32 + 432, 128, 96}));
  EXPECT_EQ(surface_.blits[3].dest, (lmvengine::Rect{1280 + 461, 346, 102, 76}));
  for (size_t i = 2; i < surface_.blits.size(); ++i) {
    EXPECT_EQ(surface_.areas[i], i % 2 == 0 ? left : right) << i;
  }
  EXPECT_EQ(surface_.blits[20].dest, surface_.blits[0].dest);
  EXPECT_EQ(surface_.blits[21].dest, surface_.blits[1].dest);
}

// A picture as wide as the larger monitor is copied 1:1 there and scaled
// into the smaller one; an empty monitor list changes nothing.
TEST_F(TickTest, PictureIsCopiedOnOneMonitorAndScaledOnTheNarrowerOne) {
  ASSERT_TRUE(Open({{3, 0, lumaveil::testing::SolidJpeg(1280, 960, 0x00AA00)}}, 1280, 960, 2304, 1024));
  EXPECT_FALSE(lmvengine::SetMonitors(player_, {}));
  EXPECT_FALSE(lmvengine::SetMonitors(player_, {{0, 0, 1280, 1024}, {1280, 0, 0, 768}}));
  ASSERT_EQ(player_.monitors.size(), 1u);
  ASSERT_TRUE(lmvengine::SetMonitors(player_, {{0, 0, 1280, 1024}, {1280, 0, 1024, 768}}));
  ASSERT_TRUE(Tick().drew);
  ASSERT_EQ(surface_.blits.size(), 2u);
  EXPECT_EQ(surface_.blits[0], (BlitStep{{0, 32, 1280, 960}, {0, 0, 1280, 960}, false}));
  EXPECT_EQ(surface_.blits[1], (BlitStep{{1280, 0, 1024, 768}, {0, 0, 1280, 960}, true, true}));
}

}  // namespace

namespace {

// A cross-fade of 1 s drawn by frames: each frame is blended for the time
// it is drawn at (a late one is not slowed), the fade ends on time, and the
// screen then stays its duration with no frame drawn.
TEST_F(TickTest, CrossFadeIsDrawnFrameByFrameForTheTimeOfEachFrame) {
  lmvengine::OptionsBlock options;
  options.entries = {lmvengine::RecordOptions{}, lmvengine::RecordOptions{1000}};
  ASSERT_TRUE(Open({{2, 0, Jpeg(0xFF0000)}, {3, lmvengine::kEffectCrossFade, Jpeg(0x0000FF)}}, 640,
                   480, 640, 480, -1, &options));
  ASSERT_TRUE(Tick().drew);
  time_.ms += 2000;
  const int64_t start = time_.ms;
  TickResult r = Tick();
  ASSERT_TRUE(r.drew);
  EXPECT_EQ(r.effect, lmvengine::kEffectCrossFade);
  EXPECT_TRUE(r.animating);
  for (int64_t at : {16, 33, 250, 500, 990}) {  // 50 to 250: a stall, skipped
    time_.ms = start + at;
    r = Tick();
    ASSERT_TRUE(r.frame) << at;
    const uint32_t pixel = surface_.frames.back();
    const int alpha = lmvengine::CrossFadeAlpha(at, 1000);
    EXPECT_NEAR(int(pixel >> 16), 254 * (256 - alpha) / 256, 6) << at;
    EXPECT_NEAR(int(pixel & 255), 254 * alpha / 256, 6) << at;
    EXPECT_TRUE(r.animating);
  }
  time_.ms = start + 1004;
  r = Tick();
  EXPECT_TRUE(r.frame);
  EXPECT_TRUE(lumaveil::testing::CloseColour(surface_.frames.back(), 0x0000FF, 6));
  EXPECT_FALSE(r.animating);
  EXPECT_EQ(r.timerMs, 1000 + 3000 - 1004);
  EXPECT_EQ(surface_.frameAt, (lmvengine::Rect{0, 0, 640, 480}));
  const size_t frames = surface_.frames.size();
  time_.ms += r.timerMs - 1;
  EXPECT_FALSE(Tick().drew);
  EXPECT_EQ(surface_.frames.size(), frames) << "a still screen draws nothing";
}

// A pan-and-zoom screen keeps drawing frames while shown, its window
// moving; the record order follows the shuffle, whether the next screen
// is read between two frames or on a thread beside them.
class PanTickTest : public TickTest, public ::testing::WithParamInterface<bool> {
 protected:
  lmvengine::ThreadWorkStarter work_;
};

TEST_P(PanTickTest, PanAndZoomAnimatesWhileShownAndShuffleOrdersTheRecords) {
  if (GetParam()) context_.work = &work_;
  lmvengine::OptionsBlock options;
  options.flags = lmvengine::kOptionShuffle;
  options.entries.assign(3, lmvengine::RecordOptions{});
  std::vector<RecordData> records;
  for (uint32_t c : {0xFF0000u, 0x00FF00u, 0x0000FFu}) {
    records.push_back({1, lmvengine::kEffectPanZoom, Jpeg(c)});
  }
  ASSERT_TRUE(Open(records, 640, 480, 640, 480, -1, &options));
  lmvengine::StartSequence(player_, 1234, 0, 1);
  lmvengine::Shuffle expected{1234};
  const std::vector<int32_t> order = lmvengine::NextShuffleCycle(expected, 3);
  TickResult r = Tick();
  ASSERT_TRUE(r.drew);
  EXPECT_EQ(r.record, order[0] + 1);
  EXPECT_TRUE(r.animating) << "the first screen pans too";
  std::vector<int> drawn{r.record};
  for (int i = 0; i < 400 && drawn.size() < 3; ++i) {
    time_.ms += 16;
    r = Tick();
    EXPECT_TRUE(r.animating || r.drew);
    if (r.drew) drawn.push_back(r.record);
  }
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn, (std::vector<int>{order[0] + 1, order[1] + 1, order[2] + 1}));
}
INSTANTIATE_TEST_SUITE_P(ReadAhead, PanTickTest, ::testing::Values(false, true),
                         [](const auto& threaded) { return threaded.param ? "OnAThread" : "BetweenFrames"; });

TEST_F(TickTest, DamagedOptionsBlockIsBadData) {
  lmvengine::OptionsBlock options;
  options.entries = {lmvengine::RecordOptions{}, lmvengine::RecordOptions{}};
  ASSERT_TRUE(Open({{2, 0, Jpeg(0xFF0000)}, {3, 8, Jpeg(0x0000FF)}}, 640, 480, 640, 480, -1,
                   &options));
  auto bytes = lumaveil::testing::ReadBytes(dir_.File("p.scr"));
  lmvengine::ClosePlayer(player_);
  // A record longer than it is: the records no longer end at the block.
  auto longer = bytes;
  lmvengine::WriteLe32(&longer[777 + 8], lmvengine::ReadLe32(&longer[777 + 8]) + 1);
  lumaveil::testing::WriteBytes(dir_.File("p.scr"), longer);
  lmvengine::Player other;
  EXPECT_FALSE(lmvengine::OpenPlayer(other, dir_.File("p.scr"), 640, 480, sink_));
  ASSERT_FALSE(sink_.shown.empty());
  EXPECT_EQ(sink_.shown.back().second, "LmvEngine bad data");
}

// The saver's messages are in the language its block names, whatever the
// system's; a package that cannot be read says so in the system's, and a
// damaged language field is such a package.
struct Spoken {
  const char* made;            // the language field written; "" for no block at all
  lmvengine::Language system;  // the system's language
  std::pair<std::string, std::string> tooLarge;  // caption and text of a picture too large
  std::pair<std::string, std::string> badData;   // of the package with its field damaged
  // Done to a "de" field (tag, valueLength, "de", two bytes of padding).
  std::function<void(unsigned char* field)> damage;
};

class Languages : public TickTest, public ::testing::WithParamInterface<Spoken> {};

TEST_P(Languages, MessagesFollowTheSaversLanguageAndADamagedFieldIsBadData) {
  const Spoken& s = GetParam();
  sink_.system = s.system;
  const lmvengine::PackageTrailer t{640, 480, 2, 777};
  lmvengine::OptionsBlock options = lmvengine::DefaultOptions(t);
  options.language = s.made;
  // The first picture is larger than the saver: it does not decode.
  ASSERT_TRUE(Open({{3, 0, lumaveil::testing::SolidJpeg(800, 600, 0xFF0000)}, {3, 0, Jpeg(0x00FF00)}},
                   640, 480, 1024, 768, -1, *s.made ? &options : nullptr));
  EXPECT_TRUE(NextDraw().drew);
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0], s.tooLarge);

  options.language = "de";
  const std::vector<unsigned char> engine(777, 0x11);
  auto bytes = lumaveil::testing::PackageBytes(engine, {{3, 0, Jpeg(0xFF0000)}, {3, 0, Jpeg(0x00FF00)}}, t);
  const auto block = lmvengine::WriteOptionsBlock(options, t);
  bytes.insert(bytes.end() - 16, block.begin(), block.end());
  s.damage(&bytes[bytes.size() - 16 - 8 - 12]);
  lmvengine::Player damaged;
  sink_.shown.clear();
  EXPECT_FALSE(lmvengine::OpenPlayer(damaged, lumaveil::testing::WriteBytes(dir_.File("d.scr"), bytes),
                                     1024, 768, sink_));
  ASSERT_EQ(sink_.shown.size(), 1u);
  EXPECT_EQ(sink_.shown[0], s.badData);
}

using lmvengine::Language;
INSTANTIATE_TEST_SUITE_P(
    Player, Languages,
    ::testing::Values(
        Spoken{"", Language::kGerman, {"JPEG Fatal Error", "Picture larger than the screens of the package"},
               {"Fehler", "LmvEngine: fehlerhafte Daten"},
               [](unsigned char* f) { lmvengine::WriteLe32(f + 4, 1 << 30); }},  // past the file
        Spoken{"fr", Language::kEnglish,
               {"Erreur JPEG fatale", "Image plus grande que les écrans de l'économiseur"},
               {"Error", "LmvEngine bad data"}, [](unsigned char* f) { f[8] = 'D'; }},
        Spoken{"de", Language::kSpanish,
               {"Schwerer JPEG-Fehler", "Bild größer als die Bildschirme des Bildschirmschoners"},
               {"Error", "LmvEngine: datos incorrectos"}, [](unsigned char* f) { f[11] = 1; }},
        Spoken{"es", Language::kFrench,
               {"Error JPEG grave", "Imagen más grande que las pantallas del salvapantallas"},
               {"Erreur", "LmvEngine : données incorrectes"},
               [](unsigned char* f) { lmvengine::WriteLe32(f + 4, 6); }},  // into the footer
        Spoken{"pt", Language::kGerman, {"JPEG Fatal Error", "Picture larger than the screens of the package"},
               {"Fehler", "LmvEngine: fehlerhafte Daten"},
               [](unsigned char* f) { lmvengine::WriteLe32(f + 4, -1); }}),
    [](const ::testing::TestParamInfo<Spoken>& i) {
      return std::string(*i.param.made ? i.param.made : "none");
    });

}  // namespace
