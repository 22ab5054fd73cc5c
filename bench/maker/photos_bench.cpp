// Photos as people bring them today, each beside a peer in the same run.
// - Peak memory of the whole `lumaveil --generate` command on ten very
//   large pictures (50-megapixel photos and 100-megapixel panoramas,
//   fitted whole to a 1920x1080 screen by the default template), read
//   from the child's resource usage.
// - The list thumbnail of a 12-megapixel HEIC (made with heif-enc from a
//   photo-like JPEG): with the thumbnail item phones add, and without one,
//   beside heif-convert decoding the same file to a JPEG file.
// - Generating 20 screens at 1920x1080 from such HEICs (the whole
//   command), beside libvips doing the same screens: `vips thumbnail`
//   (fit into 1920x1080) and `vips embed` (centred on white), JPEG Q 75.
// Lines starting with "TABLE" feed scripts/bench.
//
//   bench_photos [--screens N]
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

#include <algorithm>

#include "chaines_maker.h"
#include "dialogue.h"
#include "fichier_projet.h"
#include "graphique.h"
#include "photo_bench.h"
#include "processus_bench.h"
#include "vignette.h"

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

// Wall time of a shell command line, seconds; negative when it fails.
double Chronometre(const std::string& commande) {
  const auto t0 = std::chrono::steady_clock::now();
  if (std::system(("bash -c \"" + commande + "\" >/dev/null 2>&1").c_str()) != 0) return -1;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

std::string Ms(double ms) {
  char t[32];
  std::snprintf(t, sizeof t, "%.1f ms", ms);
  return t;
}

// Fastest of `fois` list thumbnails of `heic` as a new screen of the
// default template at 1920x1080 makes it, ms.
double Vignette(const std::string& heic, talvik::CGraphique& graphique, int fois) {
  CProjet p;
  double meilleur = -1;
  for (int i = 0; i < fois; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    const lumaveil::HBITMAP v =
        lumaveil::VignetteImage(heic, p.ModeleEcran, talvik::SIZE{1920, 1080}, graphique);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    if (!v) return -1;
    if (meilleur < 0 || ms < meilleur) meilleur = ms;
  }
  return meilleur;
}

void Heic(int ecrans) {
  std::fprintf(stderr, "Making 12 MP HEIC photos with heif-enc...\n");
  std::vector<std::string> avecVignette;
  std::string sansVignette;
  for (int n = 0; n < 4; ++n) {
    const std::string jpeg = g_dir + "/photo" + std::to_string(n) + ".jpg";
    const std::string heic = g_dir + "/photo" + std::to_string(n) + ".heic";
    if (!lumaveil::bench::FabriquePhoto(jpeg, n, 4000, 3000) ||
        Chronometre("heif-enc -q 80 -t 320 '" + jpeg + "' -o '" + heic + "'") < 0) {
      std::fprintf(stderr, "heif-enc failed (is libheif-examples installed?)\n");
      return;
    }
    avecVignette.push_back(heic);
  }
  sansVignette = g_dir + "/sans.heic";
  if (Chronometre("heif-enc -q 80 '" + g_dir + "/photo0.jpg' -o '" + sansVignette + "'") < 0) return;

  talvik::CGraphique graphique;
  const double avec = Vignette(avecVignette[0], graphique, 10);
  if (avec > 0)
    Table("150x110 thumbnail of a 12 MP HEIC (thumbnail item)", Ms(avec), "-", "-", -1,
          "<= 20 ms", avec <= 20.0);
  const double sans = Vignette(sansVignette, graphique, 3);
  double pair = -1;
  for (int i = 0; i < 3; ++i) {
    const double s = Chronometre("heif-convert '" + sansVignette + "' '" + g_dir + "/dec.jpg'");
    if (s > 0 && (pair < 0 || s * 1000.0 < pair)) pair = s * 1000.0;
  }
  if (sans > 0 && pair > 0)
    Table("150x110 thumbnail of a 12 MP HEIC without thumbnail item", Ms(sans),
          "heif-convert to a file (process)", Ms(pair), pair / sans, "<= 2x the peer",
          sans <= 2.0 * pair);

  // Generation: the whole command beside libvips, fastest of two runs each.
  std::vector<std::string> images;
  for (int i = 0; i < ecrans; ++i) images.push_back(avecVignette[std::size_t(i) % 4]);
  const std::string projet = g_dir + "/heic.lmv";
  if (!Projet(images, talvik::SIZE{1920, 1080}, projet)) return;
  double nous = -1, vips = -1;
  std::string script;
  for (int i = 0; i < ecrans; ++i)
    script += "vips thumbnail '" + images[std::size_t(i)] + "' '" + g_dir +
              "/t.v' 1920 --height 1080 && vips embed '" + g_dir + "/t.v' '" + g_dir +
              "/v.jpg[Q=75]' 240 0 1920 1080 --extend background --background 255 && cat '" +
              g_dir + "/v.jpg' >> '" + g_dir + "/v.scr' && ";
  script += "true";
  for (int r = 0; r < 2; ++r) {
    const double a = Chronometre("'" + std::string(LUMAVEIL_BIN_DIR) + "/lumaveil' --generate '" +
                                 projet + "' --output '" + g_dir + "/heic' --platform linux");
    if (a > 0 && (nous < 0 || a < nous)) nous = a;
    const double b = Chronometre("rm -f '" + g_dir + "/v.scr'; " + script);
    if (b > 0 && (vips < 0 || b < vips)) vips = b;
  }
  if (nous > 0 && vips > 0) {
    char t[32], u[32];
    std::snprintf(t, sizeof t, "%.2f s", nous);
    std::snprintf(u, sizeof u, "%.2f s", vips);
    Table("Generate " + std::to_string(ecrans) + " screens at 1920x1080 from 12 MP HEIC", t,
          "libvips thumbnail+embed", u, vips / nous, ">= 2x", vips / nous >= 2.0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int ecrans = 20;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--screens") ecrans = std::max(2, std::atoi(argv[i + 1]));
  char modele[] = "/tmp/lumaveil-bench-photos-XXXXXX";
  if (!mkdtemp(modele)) return 1;
  g_dir = modele;
  setenv("LUMAVEIL_REGISTRY", (g_dir + "/registry.reg").c_str(), 1);
  lumaveil::InstalleChainesMaker();
  MemoireGrandesImages();
  Heic(ecrans);
  std::error_code ec;
  fs::remove_all(g_dir, ec);
  return 0;
}
