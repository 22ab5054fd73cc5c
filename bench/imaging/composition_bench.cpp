// The composition operations beside libvips in the same run:
// - "Blurred photo" background at 1920x1080 (a 1440x1080 fitted picture):
//   how much more it costs than the plain colour background, beside
//   `vips gaussblur` of the same deviation on a 1920x1080 picture;
// - the subject search on a 12 MP photo (a face photo on a busy
//   landscape, 4000x3000), beside `vips smartcrop --interesting attention`
//   on the same picture.
// Figures are processor time (every thread; the machine may be shared, wall
// time then says little): ours the median of 15 runs in this process, the
// peers' the median of 7 runs of the command on a .v file (vips' own
// format, read by mapping it) less the median of `vips copy` of the same
// file to a .v, which costs the start-up, the read and the write.
// Lines starting with "TABLE" feed scripts/bench.
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "composition/flou_fond.h"
#include "composition/sujet.h"
#include "graphique.h"
#include "processus_bench.h"
#include "visage_essai.h"

namespace {

namespace fs = std::filesystem;
using talvik::CSize;
using talvik::HBITMAP;

double Mediane(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Processor time of the process (every thread), in ms.
double ProcesseurMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double MesureMs(int fois, const std::function<void()>& travail) {
  std::vector<double> t;
  for (int i = 0; i < fois; ++i) {
    const double t0 = ProcesseurMs();
    travail();
    t.push_back(ProcesseurMs() - t0);
  }
  return Mediane(t);
}

// The median processor time (user and system, every thread) of the
// command, in ms; negative when it fails.
double CommandeMs(const std::vector<std::string>& arguments) {
  std::vector<double> t;
  for (int i = 0; i < 7; ++i) {
    const pid_t pid = lumaveil::bench::Demarre(arguments);
    int statut = 0;
    struct rusage ru {};
    if (pid <= 0 || wait4(pid, &statut, 0, &ru) != pid || !WIFEXITED(statut) || WEXITSTATUS(statut) != 0)
      return -1;
    t.push_back((ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1e3 +
                (ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e3);
  }
  return Mediane(t);
}

void Table(const std::string& travail, double nous, const std::string& pair, double sien,
           const std::string& cible, bool atteint) {
  char a[32], b[32] = "-";
  std::snprintf(a, sizeof a, "%.1f ms", nous);
  if (sien >= 0) std::snprintf(b, sizeof b, "%.1f ms", sien);
  std::printf("TABLE\t%s\t%s\t%s\t%s\t-\t%s\t%s\n", travail.c_str(), a, pair.c_str(), b, cible.c_str(),
              atteint ? "yes" : "NO");
  std::fflush(stdout);
}

}  // namespace

int main() {
  const fs::path dossier = fs::temp_directory_path() / ("lmv-bench-composition-" + std::to_string(getpid()));
  fs::create_directories(dossier);
  talvik::CGraphique graphique;
  const std::string vips = "/usr/bin/vips";

  // The blurred background of a fitted 4:3 photo on a 1920x1080 screen.
  const HBITMAP photo = lumaveil::testing::PaysageVisageADroite(4000, 3000);
  if (!photo) {
    std::fprintf(stderr, "%s is missing\n", lumaveil::testing::kPhotoVisage);
    return 1;
  }
  const HBITMAP ajustee = talvik::CGraphique::RedimensionneImage(photo, CSize(1440, 1080), 0);
  const CSize ecran(1920, 1080);
  const double couleur = MesureMs(15, [&] {
    HBITMAP f = graphique.FondImage(ecran, 32, ajustee, 0, 0, 0x00FFFFFF, 0, 0);
  });
  const double flou = MesureMs(15, [&] { HBITMAP f = talvik::FondFlouImage(ecran, ajustee, 0, 0); });
  const std::string ecranBmp = (dossier / "ecran.bmp").string(), ecranV = (dossier / "ecran.v").string();
  talvik::CGraphique::SauveImageBMP(ecranBmp, talvik::FlouRemplissage(ajustee, ecran));
  double gauss = -1;
  if (CommandeMs({vips, "copy", ecranBmp, ecranV}) >= 0) {
    const double base = CommandeMs({vips, "copy", ecranV, (dossier / "copie.v").string()});
    const double brut = CommandeMs({vips, "gaussblur", ecranV, (dossier / "flou.v").string(),
                                    std::to_string(talvik::EcartTypeFlou(ecran))});
    if (base >= 0 && brut >= 0) gauss = brut - base;
  }
  std::printf("blurred background %.1f ms, colour background %.1f ms\n", flou, couleur);
  Table("\"Blurred photo\" background at 1920x1080, more than a plain colour", flou - couleur,
        "vips gaussblur 1920x1080 (less vips copy)", gauss, "<= 15 ms", flou - couleur <= 15);

  // The subject of a 12 MP photo.
  const double sujet = MesureMs(15, [&] { volatile talvik::LONG l = talvik::ChercheSujet(photo).rectangle.left; (void)l; });
  const std::string grandeBmp = (dossier / "grande.bmp").string(), grandeV = (dossier / "grande.v").string();
  talvik::CGraphique::SauveImageBMP(grandeBmp, photo);
  double attention = -1;
  if (CommandeMs({vips, "copy", grandeBmp, grandeV}) >= 0) {
    const double base = CommandeMs({vips, "copy", grandeV, (dossier / "copie2.v").string()});
    const double brut = CommandeMs({vips, "smartcrop", grandeV, (dossier / "coupe.v").string(), "2250",
                                    "3000", "--interesting", "attention"});
    if (base >= 0 && brut >= 0) attention = brut - base;
  }
  Table("Subject search on a 12 MP photo", sujet, "vips smartcrop --interesting attention (less vips copy)",
        attention, "<= 60 ms", sujet <= 60);
  std::error_code ec;
  fs::remove_all(dossier, ec);
  return 0;
}
