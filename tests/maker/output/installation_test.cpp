#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "dialogue_enregistreur.h"
#include "installation.h"
#include "lecture_paquet.h"
#include "temp_dir.h"

namespace lumaveil {
namespace {

std::string Lit(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

const char* kConfigTypique =
    "# XScreenSaver Preferences File\n"
    "mode:\t\tone\n"
    "selected:\t1\n"
    "\n"
    "programs:\t\t\t\t\t\t\t      \\\n"
    "\t\t\t\tmaze -root\t\t\t\t    \\n\\\n"
    "- GL:\t\t\t\tsuperquadrics -root\t\t    \\n\\\n"
    "\t\t\t\txmatrix -root\t\t\t\t    \\n\\\n"
    "\n"
    "\n"
    "pointerPollTime:    0:00:05\n";

TEST(Xscreensaver, NewEntryGoesAtTheEndOfTheProgramsList) {
  std::string s = AjouteProgrammeXscreensaver(kConfigTypique, "\"Lumaveil: x\" /s/x -root",
                                              "/s/x -root");
  EXPECT_EQ(s,
            "# XScreenSaver Preferences File\n"
            "mode:\t\tone\n"
            "selected:\t1\n"
            "\n"
            "programs:\t\t\t\t\t\t\t      \\\n"
            "\t\t\t\tmaze -root\t\t\t\t    \\n\\\n"
            "- GL:\t\t\t\tsuperquadrics -root\t\t    \\n\\\n"
            "\t\t\t\txmatrix -root\t\t\t\t    \\n\\\n"
            "\t\t\t\t\"Lumaveil: x\" /s/x -root \\n\\\n"
            "\n"
            "\n"
            "pointerPollTime:    0:00:05\n");
  // Listed already: unchanged.
  EXPECT_EQ(AjouteProgrammeXscreensaver(s, "\"Lumaveil: x\" /s/x -root", "/s/x -root"), s);
}

TEST(Xscreensaver, ListWhoseLastEntryEndsTheResourceIsContinued) {
  std::string s = AjouteProgrammeXscreensaver("programs: maze -root\nlock: False\n",
                                              "\"L: y\" /s/y -root", "/s/y -root");
  EXPECT_EQ(s,
            "programs: maze -root \\n\\\n"
            "\t\t\t\t\"L: y\" /s/y -root \\n\n"
            "lock: False\n");
  s = AjouteProgrammeXscreensaver("programs: \\\n  maze -root \\n\n", "\"L: y\" /s/y -root",
                                  "/s/y -root");
  EXPECT_EQ(s, "programs: \\\n  maze -root \\n\\\n\t\t\t\t\"L: y\" /s/y -root \\n\n");
}

TEST(Xscreensaver, FileWithoutProgramsGetsAList) {
  EXPECT_EQ(AjouteProgrammeXscreensaver("mode: random", "\"L: z\" /z -root", "/z -root"),
            "mode: random\nprograms:\t\t\t\t\t\t\t\t      \\\n\t\t\t\t\"L: z\" /z -root \\n\\\n\n");
}

TEST(Xscreensaver, InstallCopiesTheSaverAndListsItOnce) {
  lumaveil::testing::TempDir maison;
  std::string paquet = maison.File("Summer.scr");
  std::ofstream(paquet, std::ios::binary) << "ELF and records";
  std::ofstream(maison.File(".xscreensaver"), std::ios::binary) << kConfigTypique;
  std::string nom;
  ASSERT_EQ(InstalleHackXscreensaver(paquet, maison.Path(), &nom), 1);
  ASSERT_EQ(InstalleHackXscreensaver(paquet, maison.Path(), &nom), 1);
  EXPECT_EQ(nom, "Lumaveil: Summer");
  std::string copie = maison.Path() + "/.local/share/lumaveil/savers/Summer.scr";
  EXPECT_EQ(Lit(copie), "ELF and records");
  struct stat st;
  ASSERT_EQ(stat(copie.c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IXUSR);
  std::string config = Lit(maison.File(".xscreensaver"));
  std::size_t premier = config.find(copie + " -root");
  ASSERT_NE(premier, std::string::npos);
  EXPECT_EQ(config.find(copie + " -root", premier + 1), std::string::npos);
  EXPECT_EQ(config.find("\"Lumaveil: Summer\""), config.rfind("\"Lumaveil: Summer\""));
  // The rest of the user's file is as it was.
  EXPECT_EQ(config.substr(0, 60), std::string(kConfigTypique).substr(0, 60));
  EXPECT_NE(config.find("pointerPollTime:    0:00:05\n"), std::string::npos);
}

TEST(Xscreensaver, InstallCreatesTheFileWhenThereIsNone) {
  lumaveil::testing::TempDir maison;
  std::string paquet = maison.File("b c.scr");
  std::ofstream(paquet) << "x";
  ASSERT_EQ(InstalleHackXscreensaver(paquet, maison.Path(), nullptr), 1);
  std::string config = Lit(maison.File(".xscreensaver"));
  // A path with a space is quoted for the shell.
  EXPECT_NE(config.find("'" + maison.Path() + "/.local/share/lumaveil/savers/b c.scr' -root"),
            std::string::npos);
}

TEST(Installation, WindowsSaverIsNotOfferedAndLinuxSaverAsks) {
  lumaveil::testing::TempDir maison;
  std::string paquet = maison.File("w.scr");
  std::ofstream(paquet) << "x";
  lumaveil::testing::CDialogueTest d;
  EXPECT_EQ(ProposeInstallation(paquet, Plateforme::Windows, d, maison.Path()), 0);
  EXPECT_TRUE(d.questions.empty());
  EXPECT_EQ(ProposeInstallation(paquet, Plateforme::Linux, d, maison.Path()), 0);  // No
  ASSERT_EQ(d.questions.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(maison.File(".xscreensaver")));
  d.reponses = {1};
  EXPECT_EQ(ProposeInstallation(paquet, Plateforme::Linux, d, maison.Path()), 1);
  ASSERT_EQ(d.messages.size(), 1u);
  EXPECT_EQ(d.messages[0].icone, IconeMessage::Information);
  EXPECT_TRUE(std::filesystem::exists(maison.File(".xscreensaver")));
}

}  // namespace
}  // namespace lumaveil
