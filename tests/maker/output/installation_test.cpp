#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "dialogue_essai.h"
#include "installation.h"
#include "lecture_paquet.h"
#include "sortie_commande.h"
#include "dossier_temporaire.h"
#include "xvfb.h"

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

// Starts a command in a process group of its own; xscreensaver refuses to
// run hacks as root, so under root it runs as "nobody".
pid_t LanceGroupe(const std::string& commande) {
  const std::string complete =
      (getuid() == 0 ? "exec setpriv --reuid=65534 --regid=65534 --clear-groups " : "exec ") +
      commande;
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    execl("/bin/sh", "sh", "-c", complete.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

std::vector<std::string> LignesDe(const std::string& chemin) {
  std::vector<std::string> lignes;
  std::istringstream flux(Lit(chemin));
  for (std::string l; std::getline(flux, l);) lignes.push_back(l);
  return lignes;
}

// Saver names made to break out of xscreensaver's entry: a double quote
// ending the name early, a written "\n" and a real newline starting
// entries and settings of their own, a backslash at the end of a line,
// and the shell's own syntax. A real xscreensaver reads the file: each
// entry runs the installed copy of its saver with -root, and nothing else
// runs.
TEST(Xscreensaver, HostileNamesAreReadByXscreensaverAsOneNameAndOneProgram) {
  lumaveil::testing::Xvfb x(320, 240);
  ASSERT_TRUE(x.Ok());
  lumaveil::testing::TempDir maison;
  const std::string m = maison.Path();
  chmod(m.c_str(), 0777);
  const std::string trace = maison.File("trace.txt");
  // File names hold no "/": the injected commands work in xscreensaver's
  // directory, which is the home folder here.
  const std::vector<std::string> noms = {
      "a\"; touch inj1; \".scr",
      "b\\n\t\t\t\t\"x\" touch inj2 \\n.scr",
      "c\nlock: True\n\"y\" touch inj3 \\n.scr",
      "d\\",
      "e $(touch inj4)`touch inj5`'q'.scr",
  };
  std::vector<std::string> copies;
  for (const std::string& nom : noms) {
    const std::string paquet = maison.File(nom);
    std::ofstream(paquet, std::ios::binary)
        << "#!/bin/sh\nprintf '%s\\n' \"$0 $*\" >> '" << trace << "'\nexec sleep 10\n";
    std::string affiche;
    ASSERT_EQ(InstalleHackXscreensaver(paquet, m, &affiche), 1) << nom;
    EXPECT_EQ(affiche.find_first_of("\"\n"), std::string::npos) << affiche;
    std::string copie = nom;
    for (char& c : copie)
      if (static_cast<unsigned char>(c) < 0x20) c = '_';
    copies.push_back(m + "/.local/share/lumaveil/savers/" + copie);
  }
  chmod(maison.File(".xscreensaver").c_str(), 0644);

  const pid_t xscreensaver = LanceGroupe("env -C '" + m + "' HOME='" + m + "' DISPLAY=" + x.Display() +
                                         " xscreensaver -no-splash -verbose > '" + m +
                                         "/log.txt' 2>&1");
  ASSERT_GT(xscreensaver, 0);
  std::this_thread::sleep_for(std::chrono::seconds(2));
  for (std::size_t i = 1; i <= copies.size(); ++i) {
    const pid_t commande = LanceGroupe("env HOME='" + m + "' DISPLAY=" + x.Display() +
                                       " xscreensaver-command -select " + std::to_string(i) +
                                       " >/dev/null 2>&1");
    waitpid(commande, nullptr, 0);
    for (int essai = 0; essai < 200 && LignesDe(trace).size() < i; ++essai)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  kill(-xscreensaver, SIGTERM);
  waitpid(xscreensaver, nullptr, 0);

  const std::vector<std::string> lignes = LignesDe(trace);
  ASSERT_EQ(lignes.size(), copies.size()) << Lit(m + "/log.txt");
  for (std::size_t i = 0; i < copies.size(); ++i) {
    // xscreensaver may give -root as "--root".
    EXPECT_TRUE(lignes[i] == copies[i] + " -root" || lignes[i] == copies[i] + " --root")
        << lignes[i] << "\nexpected " << copies[i];
  }
  for (const char* injecte : {"inj1", "inj2", "inj3", "inj4", "inj5"})
    EXPECT_FALSE(std::filesystem::exists(maison.File(injecte))) << injecte;
}

}  // namespace
}  // namespace lumaveil
