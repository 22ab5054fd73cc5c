// The built LmvEngine.exe as a file: a self-contained Windows program that
// Windows lists as a screen saver.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "sortie_commande.h"

namespace {

const std::string kEngine = std::string(LUMAVEIL_BIN_DIR) + "/LmvEngine.exe";

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

TEST(LmvEngineExe, ImportsOnlyWindowsOwnDlls) {
  ASSERT_TRUE(std::filesystem::exists(kEngine));
  std::string headers = lumaveil::testing::RunAndCapture(std::string(LMV_MINGW_OBJDUMP) + " -p '" +
                                                         kEngine + "'");
  std::set<std::string> imported;
  static const std::regex dll(R"(DLL Name: (\S+))");
  for (std::sregex_iterator it(headers.begin(), headers.end(), dll), end; it != end; ++it) {
    imported.insert(Lower((*it)[1]));
  }
  const std::set<std::string> system{"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll"};
  for (const auto& name : imported) {
    EXPECT_TRUE(system.count(name)) << "imports " << name << ", which Windows does not ship";
  }
  EXPECT_TRUE(imported.count("user32.dll") && imported.count("gdi32.dll"))
      << "import table not read:\n" << headers.substr(0, 2000);
}

TEST(LmvEngineExe, NamesItselfLumaveilInTheSaverListAndVersion) {
  ASSERT_TRUE(std::filesystem::exists(kEngine));
  std::string rc = lumaveil::testing::RunAndCapture(std::string(LMV_MINGW_WINDRES) + " -i '" +
                                                    kEngine + "' -O rc 2>&1");
  // String 1 is the name the Screen Saver settings list shows.
  EXPECT_NE(rc.find("  1, \"Lumaveil\""), std::string::npos) << rc.substr(0, 400);
  EXPECT_NE(rc.find("109, \"LMVENGINE\""), std::string::npos);
  EXPECT_NE(rc.find("VALUE \"ProductName\", \"Lumaveil\""), std::string::npos);
  EXPECT_NE(rc.find("VALUE \"FileVersion\", \"" LMV_VERSION "\""), std::string::npos);
  EXPECT_NE(rc.find("107 14 /* RT_GROUP_ICON */"), std::string::npos);
  EXPECT_NE(rc.find("108 14 /* RT_GROUP_ICON */"), std::string::npos);
}

}  // namespace
