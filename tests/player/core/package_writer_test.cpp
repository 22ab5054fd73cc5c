// The package writer: engine copy, whole records only, trailer.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "paquet_essai.h"
#include "package_reader.h"
#include "package_writer.h"
#include "dossier_temporaire.h"

namespace {

namespace fs = std::filesystem;
using lmvengine::PackageWriter;

class PackageWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_ = std::vector<unsigned char>(4321);
    for (size_t i = 0; i < engine_.size(); ++i) engine_[i] = static_cast<unsigned char>(i * 7);
    enginePath_ = lumaveil::testing::WriteBytes(dir_.File("engine"), engine_);
    jpeg_ = lumaveil::testing::SolidJpeg(320, 240, 0x2040A0);
    jpegPath_ = lumaveil::testing::WriteBytes(dir_.File("a.jpg"), jpeg_);
  }
  lumaveil::testing::TempDir dir_;
  std::vector<unsigned char> engine_, jpeg_;
  fs::path enginePath_, jpegPath_;
};

TEST_F(PackageWriterTest, PackageIsEngineThenRecordsThenTrailer) {
  PackageWriter w;
  ASSERT_TRUE(w.Begin(dir_.File("out.scr"), enginePath_));
  ASSERT_TRUE(w.AppendRecordFile(5, 1, jpegPath_));
  ASSERT_TRUE(w.AppendRecordFile(180, 7, jpegPath_));
  ASSERT_TRUE(w.Finish(320, 240));
  auto bytes = lumaveil::testing::ReadBytes(dir_.File("out.scr"));
  ASSERT_EQ(bytes.size(), engine_.size() + 2 * (12 + jpeg_.size()) + 16);
  EXPECT_TRUE(std::equal(engine_.begin(), engine_.end(), bytes.begin()));
  EXPECT_EQ(bytes, lumaveil::testing::PackageBytes(engine_, {{5, 1, jpeg_}, {180, 7, jpeg_}},
                                         lumaveil::testing::TrailerFor(engine_, 320, 240, 2)));
  lmvengine::PackageReader reader;
  EXPECT_EQ(reader.Open(dir_.File("out.scr")), lmvengine::OpenStatus::kOk);
  EXPECT_EQ(reader.Trailer().dataOffset, 4321);
}

TEST_F(PackageWriterTest, AbandonedRecordLeavesNoBytes) {
  PackageWriter w;
  ASSERT_TRUE(w.Begin(dir_.File("out.scr"), enginePath_));
  ASSERT_TRUE(w.AppendRecordFile(3, 0, jpegPath_));
  ASSERT_TRUE(w.BeginRecord(9, 9));
  ASSERT_TRUE(w.WriteImage(jpeg_.data(), 1000));
  ASSERT_TRUE(w.AbandonRecord());
  EXPECT_FALSE(w.AppendRecordFile(3, 0, dir_.File("missing.jpg")));
  ASSERT_TRUE(w.BeginRecord(4, 2));
  ASSERT_TRUE(w.WriteImage(jpeg_.data(), jpeg_.size()));
  ASSERT_TRUE(w.EndRecord());
  ASSERT_TRUE(w.Finish(320, 240));
  EXPECT_EQ(w.RecordCount(), 2);
  EXPECT_EQ(lumaveil::testing::ReadBytes(dir_.File("out.scr")),
            lumaveil::testing::PackageBytes(engine_, {{3, 0, jpeg_}, {4, 2, jpeg_}},
                                  lumaveil::testing::TrailerFor(engine_, 320, 240, 2)));
}

TEST_F(PackageWriterTest, UnfinishedOrEmptyPackageIsRemoved) {
  {
    PackageWriter w;
    ASSERT_TRUE(w.Begin(dir_.File("gone.scr"), enginePath_));
    ASSERT_TRUE(w.AppendRecordFile(3, 0, jpegPath_));
  }
  EXPECT_FALSE(fs::exists(dir_.File("gone.scr")));
  PackageWriter w;
  ASSERT_TRUE(w.Begin(dir_.File("empty.scr"), enginePath_));
  EXPECT_FALSE(w.Finish(320, 240));
  EXPECT_FALSE(fs::exists(dir_.File("empty.scr")));
}

TEST_F(PackageWriterTest, MissingOrEmptyEngineIsRefused) {
  PackageWriter w;
  EXPECT_FALSE(w.Begin(dir_.File("x.scr"), dir_.File("no-engine")));
  EXPECT_FALSE(fs::exists(dir_.File("x.scr")));
  lumaveil::testing::WriteBytes(dir_.File("empty-engine"), {});
  EXPECT_FALSE(w.Begin(dir_.File("x.scr"), dir_.File("empty-engine")));
  EXPECT_FALSE(fs::exists(dir_.File("x.scr")));
  EXPECT_FALSE(w.Error().empty());
}

TEST_F(PackageWriterTest, PackageNeverOverwritesItsOwnEngine) {
  PackageWriter w;
  EXPECT_FALSE(w.Begin(enginePath_, enginePath_));
  EXPECT_EQ(lumaveil::testing::ReadBytes(enginePath_), engine_);
}

TEST_F(PackageWriterTest, APipeOrADeviceIsRefusedAndNeverRemoved) {
  // A failed package must not take with it what it was asked to write to.
  const std::string pipe = dir_.File("pipe.scr");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // A link to a device (writing /dev/full fails at once, removing it would
  // take the device away from the whole system).
  const std::string device = dir_.File("full.scr");
  ASSERT_EQ(::symlink("/dev/full", device.c_str()), 0);
  for (const std::string& out : {pipe, device}) {
    SCOPED_TRACE(out);
    {
      PackageWriter w;
      EXPECT_FALSE(w.Begin(out, enginePath_));
      EXPECT_NE(w.Error().find("not a regular file"), std::string::npos) << w.Error();
      w.Discard();
    }
    std::error_code ec;
    EXPECT_TRUE(fs::exists(fs::symlink_status(out, ec)));
  }
  struct stat st {};
  ASSERT_EQ(::stat(pipe.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  ASSERT_EQ(::stat("/dev/full", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
}

}  // namespace
