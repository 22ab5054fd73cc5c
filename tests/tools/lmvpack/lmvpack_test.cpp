// lmvpack and the player run as a package on the virtual display.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "paquet_essai.h"
#include "package_format.h"
#include "package_reader.h"
#include "execution_commande.h"
#include "soft_raster.h"
#include "dossier_temporaire.h"

namespace {

namespace fs = std::filesystem;
using lumaveil::testing::BinPath;
using lumaveil::testing::Quote;
using lumaveil::testing::RunCommand;

class Lmvpack : public ::testing::Test {
 protected:
  void SetUp() override {
    scratch_ = dir_.File("scratch");
    fs::create_directories(scratch_);
    red_ = lumaveil::testing::WriteBytes(dir_.File("red.jpg"), lumaveil::testing::SolidJpeg(640, 480, 0xFF0000)).string();
    blue_ = lumaveil::testing::WriteBytes(dir_.File("blue.jpg"), lumaveil::testing::SolidJpeg(640, 480, 0x0000FF)).string();
    out_ = dir_.File("saver");
  }
  lumaveil::testing::CommandResult Pack(const std::string& args) {
    return RunCommand(Quote(BinPath("lmvpack")) + " " + Quote(out_) + " " +
                          Quote(BinPath("LmvEngine")) + " " + args,
                      scratch_);
  }
  lumaveil::testing::CommandResult Play(const std::string& package, const std::string& size,
                              const std::string& frames, int draws) {
    return RunCommand(Quote(package) + " --virtual " + size + " --frames " + Quote(frames) +
                          " --draws " + std::to_string(draws),
                      scratch_);
  }

  lumaveil::testing::TempDir dir_;
  std::string scratch_, red_, blue_, out_;
};

// One PPM frame back as a raster.
lmvengine::Raster ReadPpm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int w = 0, h = 0, max = 0;
  in >> magic >> w >> h >> max;
  in.get();
  lmvengine::Raster r = lmvengine::MakeRaster(w, h, 0);
  for (uint32_t& p : r.pixels) {
    unsigned char c[3];
    in.read(reinterpret_cast<char*>(c), 3);
    p = uint32_t(c[0]) << 16 | uint32_t(c[1]) << 8 | c[2];
  }
  return r;
}

TEST_F(Lmvpack, WritesEngineRecordsAndTrailerWithPerPictureSettings) {
  auto r = Pack("640x480 --duration 4 --effect 1 " + Quote(red_) + " 9:7:" + blue_);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const auto engine = lumaveil::testing::ReadBytes(BinPath("LmvEngine"));
  const auto redBytes = lumaveil::testing::ReadBytes(red_), blueBytes = lumaveil::testing::ReadBytes(blue_);
  EXPECT_EQ(lumaveil::testing::ReadBytes(out_),
            lumaveil::testing::PackageBytes(engine, {{4, 1, redBytes}, {9, 7, blueBytes}},
                                  lumaveil::testing::TrailerFor(engine, 640, 480, 2)));
  EXPECT_TRUE((fs::status(out_).permissions() & fs::perms::owner_exec) != fs::perms::none);
}

TEST_F(Lmvpack, BadInputIsAnErrorAndLeavesNoFile) {
  const std::string text = dir_.File("text.jpg");
  std::ofstream(text) << "not a picture";
  const std::string small =
      lumaveil::testing::WriteBytes(dir_.File("small.jpg"), lumaveil::testing::SolidJpeg(320, 240, 0)).string();
  for (const std::string& args :
       {"640x480 " + Quote(dir_.File("missing.jpg")), "640x480 " + Quote(text),
        "239x480 " + Quote(red_), "640x239 " + Quote(red_), "16385x480 " + Quote(red_),
        "640x480 " + Quote(small), "640x480 --duration 0 " + Quote(red_),
        "640x480 --effect 11 " + Quote(red_), "640x480 181:1:" + red_, "640by480 " + Quote(red_),
        "640x480 --transition 99 " + Quote(red_), "640x480 3:8:10001:" + red_,
        std::string("640x480")}) {
    auto r = Pack(args);
    EXPECT_EQ(r.exitCode, 1) << args;
    EXPECT_FALSE(r.err.empty()) << args;
    EXPECT_FALSE(fs::exists(out_)) << args;
  }
}

// The moving effects: the records keep their effects 8 to 10 and the
// options block (as the maker writes it) each one's cross-fade length and
// the size of a pan-and-zoom picture 1.25 times the saver's; the player
// plays the saver. A larger picture for any other effect is refused.
TEST_F(Lmvpack, MovingEffectsWriteTheOptionsBlockThePlayerReads) {
  const std::string pan =
      lumaveil::testing::WriteBytes(dir_.File("pan.jpg"), lumaveil::testing::SolidJpeg(800, 600, 0x00C000)).string();
  auto r = Pack("640x480 --transition 2500 --effect 8 " + Quote(red_) + " 3:9:" + pan +
                " 2:10:700:" + blue_);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  lmvengine::PackageReader reader;
  ASSERT_EQ(reader.Open(out_), lmvengine::OpenStatus::kOk);
  ASSERT_TRUE(reader.HasOptionsBlock());
  const auto& entries = reader.Options().entries;
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].transitionMs, 2500);
  EXPECT_EQ(entries[1].transitionMs, 2500);
  EXPECT_EQ(entries[2].transitionMs, 700);
  EXPECT_EQ(entries[0].pictureWidth, 640);
  EXPECT_EQ(entries[1].pictureWidth, 800);
  EXPECT_EQ(entries[1].pictureHeight, 600);
  EXPECT_FALSE(entries[1].HasSubject());
  std::vector<int> effects;
  for (int i = 0; i < 3; ++i) {
    lmvengine::DecodedImage image;
    const lmvengine::RecordRead read = reader.ReadRecord(image);
    EXPECT_EQ(read.status, lmvengine::RecordStatus::kDecoded) << i;
    effects.push_back(read.header.effect);
  }
  EXPECT_EQ(effects, (std::vector<int>{8, 9, 10}));
  reader.Close();
  auto play = Play(out_, "640x480", dir_.File("frames"), 400);
  ASSERT_EQ(play.exitCode, 0) << play.err;
  EXPECT_NE(play.out.find("record=2 effect=9"), std::string::npos) << play.out;

  fs::remove(out_);
  EXPECT_EQ(Pack("640x480 3:8:" + pan).exitCode, 1);
  EXPECT_FALSE(fs::exists(out_));
}

TEST_F(Lmvpack, OutputThatIsAnInputIsRefusedAndKept) {
  const auto before = lumaveil::testing::ReadBytes(red_);
  auto r = RunCommand(Quote(BinPath("lmvpack")) + " " + Quote(red_) + " " +
                          Quote(BinPath("LmvEngine")) + " 640x480 " + Quote(red_),
                      scratch_);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(lumaveil::testing::ReadBytes(red_), before);
  const std::string engineCopy = dir_.File("engine-copy");
  fs::copy_file(BinPath("LmvEngine"), engineCopy);
  auto s = RunCommand(Quote(BinPath("lmvpack")) + " " + Quote(engineCopy) + " " +
                          Quote(engineCopy) + " 640x480 " + Quote(red_),
                      scratch_);
  EXPECT_EQ(s.exitCode, 1);
  EXPECT_EQ(lumaveil::testing::ReadBytes(engineCopy), lumaveil::testing::ReadBytes(BinPath("LmvEngine")));
}

TEST_F(Lmvpack, AKilledRunLeavesTheOldSaverWhole) {
  // The earlier saver, then a run killed while it writes: the file-size
  // limit stops the process (SIGXFSZ) after 64 KiB, inside the engine copy.
  ASSERT_EQ(Pack("640x480 " + Quote(red_)).exitCode, 0);
  const auto before = lumaveil::testing::ReadBytes(out_);
  ASSERT_GT(lumaveil::testing::ReadBytes(BinPath("LmvEngine")).size(), 64u * 1024u);
  auto r = RunCommand("ulimit -f 128; exec " + Quote(BinPath("lmvpack")) + " " + Quote(out_) +
                          " " + Quote(BinPath("LmvEngine")) + " 640x480 " + Quote(blue_),
                      scratch_);
  EXPECT_NE(r.exitCode, 0);
  EXPECT_EQ(lumaveil::testing::ReadBytes(out_), before);
  // A run that ends well replaces it.
  ASSERT_EQ(Pack("640x480 " + Quote(blue_)).exitCode, 0);
  EXPECT_NE(lumaveil::testing::ReadBytes(out_), before);
}

TEST_F(Lmvpack, PackageRunsItselfOnTheVirtualDisplay) {
  ASSERT_EQ(Pack("640x480 3:1:" + red_ + " 3:4:" + blue_).exitCode, 0);
  const std::string frames = dir_.File("frames");
  auto r = Play(out_, "1024x480", frames, 21);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out,
            "draw record=1 effect=0 duration=3 at=0\n"
            "draw record=2 effect=4 duration=3 at=3\n"
            "draw record=1 effect=1 duration=3 at=7\n");
  // 1 + 10 + 10 blits.
  EXPECT_TRUE(fs::exists(frames + "/frame-0021.ppm"));
  EXPECT_FALSE(fs::exists(frames + "/frame-0022.ppm"));
  // First screen: a display of the saver's height shows it unscaled at
  // (192, 0), on black.
  lmvengine::Raster first = ReadPpm(frames + "/frame-0001.ppm");
  ASSERT_EQ(first.width, 1024);
  ASSERT_EQ(first.height, 480);
  EXPECT_EQ(first.At(191, 400), lmvengine::kClassBackground);
  EXPECT_EQ(first.At(100, 100), lmvengine::kClassBackground);
  EXPECT_TRUE(lumaveil::testing::CloseColour(first.At(192, 0), 0xFF0000, 8));
  EXPECT_TRUE(lumaveil::testing::CloseColour(first.At(831, 479), 0xFF0000, 8));
  EXPECT_EQ(first.At(832, 479), lmvengine::kClassBackground);
  // Step 3 of Down/Up: the bottom 144 rows of the place are blue already.
  lmvengine::Raster step3 = ReadPpm(frames + "/frame-0004.ppm");
  EXPECT_TRUE(lumaveil::testing::CloseColour(step3.At(500, 479), 0x0000FF, 8));
  EXPECT_TRUE(lumaveil::testing::CloseColour(step3.At(500, 480 - 144), 0x0000FF, 8));
  EXPECT_TRUE(lumaveil::testing::CloseColour(step3.At(500, 479 - 144), 0xFF0000, 8));
}

TEST_F(Lmvpack, WidePackageIsScaledDownOnTheVirtualDisplay) {
  const std::string wide =
      lumaveil::testing::WriteBytes(dir_.File("wide.jpg"), lumaveil::testing::SolidJpeg(1920, 1080, 0x00C000)).string();
  ASSERT_EQ(Pack("1920x1080 " + Quote(wide)).exitCode, 0);
  auto r = Play(out_, "1024x768", dir_.File("frames"), 1);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "draw record=1 effect=0 duration=3 at=0\n");
  lmvengine::Raster frame = ReadPpm(dir_.File("frames") + "/frame-0001.ppm");
  // As wide as the display, proportions kept: 1024x576 at (0, 96) on black.
  for (auto [x, y] : {std::pair{0, 96}, std::pair{1023, 671}, std::pair{512, 384}}) {
    EXPECT_TRUE(lumaveil::testing::CloseColour(frame.At(x, y), 0x00C000, 8)) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{0, 95}, std::pair{1023, 672}}) {
    EXPECT_EQ(frame.At(x, y), lmvengine::kClassBackground) << x << "," << y;
  }
}

TEST_F(Lmvpack, BareEngineSaysBadDataAndExitsZero) {
  auto r = Play(BinPath("LmvEngine"), "640x480", dir_.File("frames"), 5);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.err.find("LmvEngine bad data"), std::string::npos) << r.err;
  EXPECT_TRUE(r.out.empty());
  EXPECT_FALSE(fs::exists(dir_.File("frames") + "/frame-0001.ppm"));
}

TEST_F(Lmvpack, PackageWhoseFirstRecordLiesOutsideTheDataSaysBadData) {
  ASSERT_EQ(Pack("640x480 " + Quote(red_)).exitCode, 0);
  const auto good = lumaveil::testing::ReadBytes(out_);
  const size_t trailer = good.size() - 16;
  const int32_t dataOffset = lmvengine::ReadLe32(&good[trailer + 12]);
  // The first record starting past the file, inside the trailer, with a
  // negative image length, and with an image running past the trailer.
  std::vector<std::vector<unsigned char>> damaged(4, good);
  lmvengine::WriteLe32(&damaged[0][trailer + 12], static_cast<int32_t>(good.size()) + 100);
  lmvengine::WriteLe32(&damaged[1][trailer + 12], static_cast<int32_t>(trailer) + 4);
  lmvengine::WriteLe32(&damaged[2][static_cast<size_t>(dataOffset) + 8], -5);
  lmvengine::WriteLe32(&damaged[3][static_cast<size_t>(dataOffset) + 8],
                       static_cast<int32_t>(trailer));
  for (size_t i = 0; i < damaged.size(); ++i) {
    SCOPED_TRACE(i);
    const std::string path = dir_.File("damaged" + std::to_string(i));
    lumaveil::testing::WriteBytes(path, damaged[i]);
    fs::permissions(path, fs::perms::owner_all);
    auto r = Play(path, "640x480", dir_.File("frames"), 3);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.err.find("LmvEngine bad data"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
}

TEST_F(Lmvpack, RandomEffectsRepeatFromRunToRun) {
  ASSERT_EQ(Pack("640x480 --duration 1 --effect 7 " + Quote(red_) + " " + Quote(blue_)).exitCode, 0);
  auto a = Play(out_, "640x480", dir_.File("a"), 200);
  auto b = Play(out_, "640x480", dir_.File("b"), 200);
  ASSERT_EQ(a.exitCode, 0);
  EXPECT_EQ(a.out, b.out);
  std::regex line("draw record=[12] effect=([0-6]) duration=1 at=[0-9]+");
  std::istringstream lines(a.out);
  std::string l;
  int count = 0;
  while (std::getline(lines, l)) {
    EXPECT_TRUE(std::regex_match(l, line)) << l;
    ++count;
  }
  EXPECT_GE(count, 18);
}

TEST_F(Lmvpack, VirtualOptionsMustBeComplete) {
  ASSERT_EQ(Pack("640x480 " + Quote(red_)).exitCode, 0);
  auto r = RunCommand(Quote(out_) + " --virtual 640x480", scratch_);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("--frames"), std::string::npos);
  auto s = RunCommand(Quote(out_) + " --virtual 640 --frames " + Quote(dir_.File("f")), scratch_);
  EXPECT_EQ(s.exitCode, 1);
}

// The manual page's draw count on the virtual display is the player's own
// when --draws is not given.
TEST_F(Lmvpack, TheManualsDefaultDrawCountIsThePlayers) {
  std::ifstream page(std::string(LUMAVEIL_SOURCE_DIR) + "/doc/man/LmvEngine.1");
  const std::string text((std::istreambuf_iterator<char>(page)), std::istreambuf_iterator<char>());
  std::smatch found;
  ASSERT_TRUE(std::regex_search(text, found, std::regex(R"(\((\d+) draws, or)")));
  const int documented = std::stoi(found[1]);
  ASSERT_EQ(Pack("640x480 --duration 1 " + Quote(red_)).exitCode, 0);
  const std::string frames = dir_.File("frames");
  auto r = RunCommand(Quote(out_) + " --virtual 320x240 --frames " + Quote(frames), scratch_);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(std::distance(fs::directory_iterator(frames), fs::directory_iterator()), documented);
}

}  // namespace

namespace {

// A saver asked for its usage prints it and ends, display or not.
TEST_F(Lmvpack, TheSaverAskedForHelpPrintsItsUsageAndEnds) {
  ASSERT_EQ(Pack("640x480 " + Quote(red_)).exitCode, 0);
  for (const std::string& option : {std::string("--help"), std::string("-h"), std::string("'/?'")}) {
    auto r = RunCommand("env -u DISPLAY -u XSCREENSAVER_WINDOW " + Quote(out_) + " " + option,
                        scratch_);
    EXPECT_EQ(r.exitCode, 0) << option << r.err;
    EXPECT_EQ(r.out.rfind("usage: LmvEngine", 0), 0u) << option << r.out;
  }
}

// What runs killed in mid-write left beside the package goes with the next
// run; the user's files of similar names stay.
TEST_F(Lmvpack, TheLeftoversOfKilledRunsGoWithTheNext) {
  const auto engine = lumaveil::testing::ReadBytes(BinPath("LmvEngine"));
  const std::string start(engine.begin(), engine.begin() + 4096);
  const std::string reste = dir_.File(".lumaveil-tmp-Ab12Cd"), copie = dir_.File("saver.mailed");
  for (const std::string& f : {reste, copie}) {
    std::ofstream(f, std::ios::binary) << start;
    fs::permissions(f, fs::perms::owner_all);
  }
  ASSERT_EQ(Pack("640x480 " + Quote(red_)).exitCode, 0);
  EXPECT_FALSE(fs::exists(reste));
  EXPECT_TRUE(fs::exists(copie));
}

}  // namespace
