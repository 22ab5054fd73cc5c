// Creates the Wine prefix that every Wine test of LmvEngine.exe shares. It
// runs first (a CTest fixture) and only once per build tree: a complete
// prefix, marked by a file written last, is kept for later runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "programmes_wine.h"

namespace lumaveil::testing {
namespace {

TEST(WinePrefix, IsCreatedOnceForTheSuite) {
  ASSERT_FALSE(WineLoader().empty()) << "Wine is not installed: run scripts/setup";
  ASSERT_FALSE(WineServer().empty()) << "wineserver is not installed: run scripts/setup";
  if (std::filesystem::exists(SuitePrefixReadyMarker())) {
    EXPECT_TRUE(std::filesystem::exists(SuitePrefix() + "/system.reg"));
    return;
  }

  std::error_code ec;
  std::filesystem::remove_all(SuitePrefix(), ec);
  std::filesystem::create_directories(std::filesystem::path(SuitePrefix()).parent_path());
  {
    // No display: wineboot needs none, and shows no window then.
    WineProcess boot("wineboot", {"-i"}, "", "-all", SuitePrefix() + ".log");
    ASSERT_TRUE(boot.Started());
    std::optional<int> code = boot.WaitExit(150000);
    ASSERT_TRUE(code.has_value()) << "wineboot did not finish:\n" << boot.Log();
    EXPECT_EQ(*code, 0) << boot.Log();
  }
  StopWineSession();  // the registry is written when the server stops
  ASSERT_TRUE(std::filesystem::exists(SuitePrefix() + "/system.reg"));
  ASSERT_TRUE(std::filesystem::exists(SuitePrefix() + "/drive_c/windows"));
  std::ofstream(SuitePrefixReadyMarker()) << "ready\n";
}

}  // namespace
}  // namespace lumaveil::testing
