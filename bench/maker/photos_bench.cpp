// Photos as people bring them today, each beside a peer in the same run.
// Peak memory of the whole `lumaveil --generate` command on ten very large
// pictures (50-megapixel photos and 100-megapixel panoramas, fitted whole
// to a 1920x1080 screen by the default template), read from the child's
// resource usage. Lines starting with "TABLE" feed scripts/bench.
//
//   bench_photos
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "chaines_maker.h"
#include "dialogue.h"
#include "fichier_projet.h"
#include "graphique.h"
#include "photo_bench.h"
#include "processus_bench.h"

namespace {

namespace fs = std::filesystem;
using lumaveil::CProjet;

std::string g_dir;

class CSilence : public lumaveil::IDialogue {
 public:
  void Message(const lumaveil::MessageUtilisateur& m) override {
    std::fprintf(stderr, "%s\n", m.Ligne().c_str());
  }
  int Question(const lumaveil::MessageUtilisateur&) override { return 0; }
};

void Table(const std::string& travail, const std::string& nous, const std::string& pair,
           const std::string& sien, double ratio, const std::string& cible, bool atteint) {
  char r[32] = "-";
  if (ratio > 0) std::snprintf(r, sizeof r, "%.2fx", ratio);
  std::printf("TABLE\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", travail.c_str(), nous.c_str(), pair.c_str(),
              sien.c_str(), r, cible.c_str(), atteint ? "yes" : "NO");
  std::fflush(stdout);
}

// Runs the program; its wall time in seconds and peak resident memory in
// MiB, or false when it fails.
bool Mesure(const std::vector<std::string>& arguments, double* secondes, double* mio) {
  const auto t0 = std::chrono::steady_clock::now();
  const pid_t pid = lumaveil::bench::Demarre(arguments);
  int statut = 0;
  struct rusage ru {};
  if (pid <= 0 || wait4(pid, &statut, 0, &ru) != pid || !WIFEXITED(statut) ||
      WEXITSTATUS(statut) != 0)
    return false;
  *secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  *mio = double(ru.ru_maxrss) / 1024.0;
  return true;
}

// A project of the default template's screens at `resolution`, one per
// picture, saved at `chemin`.
bool Projet(const std::vector<std::string>& images, talvik::SIZE resolution, const std::string& chemin) {
  CProjet p;
  p.ResolutionCible = resolution;
  for (const std::string& image : images) {
    auto e = p.NouvelEcranDepuisModele();
    e->CheminImage = image;
    p.Ajoute(std::move(e));
  }
  CSilence d;
  return lumaveil::SauveProjet(p, chemin, d) == 1;
}

void MemoireGrandesImages() {
  std::fprintf(stderr, "Making a 50 MP photo and a 100 MP panorama...\n");
  const std::string photo = g_dir + "/50mp.jpg", panorama = g_dir + "/100mp.jpg";
  // Made by a child process: the benchmark's own memory stays small, and
  // with it the peak a started program inherits until it executes.
  const pid_t fabricant = fork();
  if (fabricant == 0)
    _exit(lumaveil::bench::FabriquePhoto(photo, 1, 8660, 5773) &&
                  lumaveil::bench::FabriquePhoto(panorama, 2, 20000, 5000)
              ? 0
              : 1);
  int statut = 0;
  if (fabricant < 0 || waitpid(fabricant, &statut, 0) != fabricant || !WIFEXITED(statut) ||
      WEXITSTATUS(statut) != 0) {
    std::fprintf(stderr, "cannot make the pictures\n");
    return;
  }
  std::vector<std::string> images;
  for (int i = 0; i < 10; ++i) images.push_back(i % 2 ? panorama : photo);
  const std::string projet = g_dir + "/grandes.lmv";
  if (!Projet(images, talvik::SIZE{1920, 1080}, projet)) return;
  double secondes = 0, mio = 0;
  if (!Mesure({std::string(LUMAVEIL_BIN_DIR) + "/lumaveil", "--generate", projet, "--output",
               g_dir + "/grandes", "--platform", "linux"},
              &secondes, &mio)) {
    std::fprintf(stderr, "lumaveil --generate failed on the large pictures\n");
    return;
  }
  char t[64];
  std::snprintf(t, sizeof t, "%.0f MiB (%.1f s)", mio, secondes);
  Table("Peak memory, generate 10 pictures of 50 and 100 MP at 1920x1080", t, "-", "-", -1,
        "<= 400 MiB", mio <= 400.0);
}

}  // namespace

int main() {
  char modele[] = "/tmp/lumaveil-bench-photos-XXXXXX";
  if (!mkdtemp(modele)) return 1;
  g_dir = modele;
  setenv("LUMAVEIL_REGISTRY", (g_dir + "/registry.reg").c_str(), 1);
  lumaveil::InstalleChainesMaker();
  MemoireGrandesImages();
  std::error_code ec;
  fs::remove_all(g_dir, ec);
  return 0;
}
