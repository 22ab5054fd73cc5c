// Generating a screen saver from 12-megapixel photos, beside an ImageMagick
// pipeline doing the same per-screen chain (resize to fit, border, centre
// on a background, one caption, JPEG quality 75) and a libvips pipeline
// (vips thumbnail + vips gravity: resize and centre, no border or
// caption), at 1280x960 and 1920x1080. Lumaveil is measured as the whole
// `lumaveil --generate` command (as the peers are whole commands) and as
// the library call, which gives the CPU time per screen. Then the fixed
// cost of the command (a project of two tiny screens) and the peak memory
// of a whole generation of 20 and of 200 screens, each in a child process
// of its own. Then the composed screens at 1920x1080: 20 photos of 12 MP,
// half of them portraits (two in a row, so that they pair), every screen on
// a "Blurred photo" background with "Pair portrait photos" on, beside a
// libvips pipeline doing the resize, embed and blur alone for each photo
// (vips thumbnail to fit; a cover thumbnail at an eighth of the screen,
// vips gaussblur of a sixth of that, vips resize back up; vips insert).
// Lines starting with "TABLE" feed scripts/bench.
//
//   bench_generation [--screens N] [--repetitions R] [--memory-screens A,B]
//                    [--fixed-cost-only] [benchmark flags]
// The summary compares the fastest of the R runs of each side.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "chaines_maker.h"
#include "champs_legende.h"
#include "dialogue.h"
#include "fichier_projet.h"
#include "generation.h"
#include "graphique.h"
#include "photo_bench.h"
#include "textes_ecran.h"
#include "processus_bench.h"

namespace {

namespace fs = std::filesystem;
using lumaveil::CProjet;
using talvik::RGB;

constexpr int kLargeurPhoto = 4000;
constexpr int kHauteurPhoto = 3000;
constexpr int kCadre = 8;
constexpr const char* kLegende = "Lumaveil";

int g_ecrans = 20;
std::vector<int> g_memoire = {20, 200};
std::string g_dir;
std::vector<std::string> g_photos;
std::map<std::string, double> g_secondes;  // name -> fastest run, seconds
std::map<std::string, double> g_cpu;      // name -> least CPU time of a run, seconds
int g_repetitions = 2;

// CPU seconds (user + system) used so far by this process or by its
// finished children.
double Cpu(int qui) {
  struct rusage ru {};
  getrusage(qui, &ru);
  return double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
         double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
}

void NoteCpu(const std::string& cle, double secondes) {
  auto it = g_cpu.find(cle);
  if (it == g_cpu.end() || secondes < it->second) g_cpu[cle] = secondes;
}

// Keeps the fastest of the repetitions: the machine may be busy with
// other work during some of them.
void Note(const std::string& cle, double secondes) {
  auto it = g_secondes.find(cle);
  if (it == g_secondes.end() || secondes < it->second) g_secondes[cle] = secondes;
}

class CSilence : public lumaveil::IDialogue {
 public:
  void Message(const lumaveil::MessageUtilisateur& m) override {
    std::fprintf(stderr, "%s\n", m.Ligne().c_str());
  }
  int Question(const lumaveil::MessageUtilisateur&) override { return 0; }
};
class CSansProgression : public lumaveil::IProgression {
 public:
  int AfficheEtTeste(unsigned, unsigned, const std::string&, const std::string&) override {
    return 0;
  }
};

// Photo n of the benchmark, 12 megapixels, in the temporary directory.
std::string FabriquePhoto(int n) {
  std::string chemin = g_dir + "/photo" + std::to_string(n) + ".jpg";
  return lumaveil::bench::FabriquePhoto(chemin, n, kLargeurPhoto, kHauteurPhoto) ? chemin
                                                                                 : std::string();
}

// The project: one screen per photo, resized to fit inside the border,
// framed, centred on a white background, one caption.
void Projet(CProjet& p, int ecrans, int largeur, int hauteur) {
  p.ResolutionCible = {largeur, hauteur};
  for (int i = 0; i < ecrans; ++i) {
    auto e = p.NouvelEcranDepuisModele();
    e->CheminImage = g_photos[std::size_t(i) % g_photos.size()];
    e->RedimensionUtilisation = 1;
    e->RedimensionPourcentageUtilisation = 0;
    e->RedimensionConservationProportion = 1;
    e->RedimensionTailleX = largeur - 2 * kCadre;
    e->RedimensionTailleY = hauteur - 2 * kCadre;
    e->CadreUtilisation = 1;
    e->CadreTaille = kCadre;
    e->CadreCouleur = RGB(40, 40, 40);
    e->FondCouleur = RGB(255, 255, 255);
    e->Textes[0].Utilisation = 1;
    e->Textes[0].Libelle = kLegende;
    e->Textes[0].CouleurEncre = RGB(255, 255, 255);
    p.Ajoute(std::move(e));
  }
}

// The composed project at 1920x1080: photo i is a portrait when i % 4 < 2;
// blurred backgrounds, portraits in pairs, fitted whole, each with a
// "{date} · {place}" caption its photo's metadata write out.
std::vector<std::string> g_composees;
std::string FichierComposition() {
  CProjet p;
  p.ResolutionCible = {1920, 1080};
  p.PairePortraits = 1;
  for (const std::string& photo : g_composees) {
    auto e = p.NouvelEcranDepuisModele();
    e->CheminImage = photo;
    e->FondUtilisation = 1;
    e->FondFlou = 1;
    e->Textes[0] = lumaveil::NouvelleLegende(lumaveil::ChampsDepuisAccolades("{date} · {place}"),
                                             e->TailleCible);
    p.Ajoute(std::move(e));
  }
  CSilence d;
  const std::string chemin = g_dir + "/composition.lmv";
  return lumaveil::SauveProjet(p, chemin, d) ? chemin : std::string();
}

// The pattern bank, made once in main() and gone before the temporary
// directory (where its settings file lives) is removed.
talvik::CGraphique* g_graphique = nullptr;

bool Genere(int ecrans, int largeur, int hauteur, int fils, const std::string& sortie) {
  talvik::CGraphique& graphique = *g_graphique;
  CProjet p;
  Projet(p, ecrans, largeur, hauteur);
  lumaveil::OptionsGeneration o;
  o.sortie = sortie;
  o.moteur = std::string(LUMAVEIL_BIN_DIR) + "/LmvEngine";
  o.fils = fils;
  o.repertoireTemporaire = g_dir;
  CSilence d;
  CSansProgression pr;
  return lumaveil::GenereEcranDeVeille(p, graphique, o, d, pr).enregistrements == ecrans;
}

// Runs `travail` once per iteration, timing its wall time and the CPU time
// of this process (RUSAGE_SELF) or of its children (RUSAGE_CHILDREN), noted
// under `cle` and shown per screen; a failed run stops with `erreur`.
template <class Travail>
void Chronometre(benchmark::State& state, const std::string& cle, int qui, Travail travail,
                 const char* erreur) {
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    const double c0 = Cpu(qui);
    if (!travail()) {
      state.SkipWithError(erreur);
      return;
    }
    const double secondes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    const double cpu = Cpu(qui) - c0;
    Note(cle, secondes);
    NoteCpu(cle, cpu);
    state.counters["ms_per_screen"] = secondes * 1000.0 / g_ecrans;
    state.counters["cpu_ms_per_screen"] = cpu * 1000.0 / g_ecrans;
  }
}

void Lumaveil(benchmark::State& state, std::string cle, int largeur, int hauteur, int fils) {
  Chronometre(state, cle, RUSAGE_SELF,
              [&] { return Genere(g_ecrans, largeur, hauteur, fils, g_dir + "/bench.scr"); },
              "generation failed");
}

// The same chain with ImageMagick, one convert per screen, then the JPEGs
// appended to the engine as the package does.
void ImageMagick(benchmark::State& state, std::string cle, int largeur, int hauteur) {
  char taille[32], interieur[32];
  std::snprintf(taille, sizeof taille, "%dx%d", largeur, hauteur);
  std::snprintf(interieur, sizeof interieur, "%dx%d", largeur - 2 * kCadre, hauteur - 2 * kCadre);
  std::string script = "set -e; cp '" + std::string(LUMAVEIL_BIN_DIR) + "/LmvEngine' '" +
                       g_dir + "/im.scr'; ";
  for (int i = 0; i < g_ecrans; ++i) {
    script += "convert '" + g_photos[std::size_t(i) % g_photos.size()] + "' -resize " +
              interieur + " -bordercolor '#282828' -border " + std::to_string(kCadre) +
              " -background white -gravity center -extent " + taille +
              " -gravity northwest -font /usr/share/fonts/opentype/comic-neue/"
              "ComicNeue-Regular.otf -pointsize 27 -fill white -annotate +50+50 '" +
              kLegende + "' -quality 75 '" + g_dir + "/im.jpg'; cat '" + g_dir +
              "/im.jpg' >> '" + g_dir + "/im.scr'; ";
  }
  Chronometre(state, cle, RUSAGE_CHILDREN,
              [&] { return std::system(("bash -c \"" + script + "\"").c_str()) == 0; },
              "convert failed");
}

// Runs a shell script; false when it fails.
bool Shell(const std::string& script) {
  return std::system(("bash -c \"" + script + "\" >/dev/null 2>&1").c_str()) == 0;
}

// Runs the program with its arguments as a user's shell does; true when
// it exits 0.
bool Lance(const std::vector<std::string>& arguments) {
  const pid_t pid = lumaveil::bench::Demarre(arguments);
  int statut = 0;
  return pid > 0 && waitpid(pid, &statut, 0) == pid && WIFEXITED(statut) &&
         WEXITSTATUS(statut) == 0;
}

// The project written as a .lmv file for the command.
std::string FichierProjet(int ecrans, int largeur, int hauteur, const std::string& nom) {
  CProjet p;
  Projet(p, ecrans, largeur, hauteur);
  CSilence d;
  const std::string chemin = g_dir + "/" + nom;
  return lumaveil::SauveProjet(p, chemin, d) ? chemin : std::string();
}

std::string Commande(const std::string& projet, const std::string& sortie) {
  return "'" + std::string(LUMAVEIL_BIN_DIR) + "/lumaveil' --generate '" + projet +
         "' --output '" + sortie + "' --platform linux";
}

// The whole `lumaveil --generate` command, as a user runs it.
void LumaveilCommande(benchmark::State& state, std::string cle, int largeur, int hauteur) {
  const std::string projet = FichierProjet(g_ecrans, largeur, hauteur, "bench.lmv");
  Chronometre(state, cle, RUSAGE_CHILDREN,
              [&] { return !projet.empty() && Shell(Commande(projet, g_dir + "/cmd.scr")); },
              "lumaveil --generate failed");
}

// libvips: shrink-on-load thumbnail to the inner size, centred on a white
// canvas of the screen size, saved at quality 75, appended to the engine.
void Vips(benchmark::State& state, std::string cle, int largeur, int hauteur) {
  std::string script = "set -e; cp '" + std::string(LUMAVEIL_BIN_DIR) + "/LmvEngine' '" + g_dir +
                       "/vips.scr'; ";
  for (int i = 0; i < g_ecrans; ++i) {
    script += "vips thumbnail '" + g_photos[std::size_t(i) % g_photos.size()] + "' '" + g_dir +
              "/t.v' " + std::to_string(largeur - 2 * kCadre) + " --height " +
              std::to_string(hauteur - 2 * kCadre) + "; vips gravity '" + g_dir + "/t.v' '" +
              g_dir + "/vips.jpg[Q=75]' centre " + std::to_string(largeur) + " " +
              std::to_string(hauteur) + " --extend background --background 255; cat '" + g_dir +
              "/vips.jpg' >> '" + g_dir + "/vips.scr'; ";
  }
  Chronometre(state, cle, RUSAGE_CHILDREN, [&] { return Shell(script); },
              "vips failed (is libvips-tools installed?)");
}

void LumaveilComposition(benchmark::State& state, std::string cle) {
  const std::string projet = FichierComposition();
  Chronometre(state, cle, RUSAGE_CHILDREN,
              [&] { return !projet.empty() && Shell(Commande(projet, g_dir + "/comp.scr")); },
              "lumaveil --generate failed");
}

void VipsComposition(benchmark::State& state, std::string cle) {
  const std::string d = g_dir;
  std::string script = "set -e; cp '" + std::string(LUMAVEIL_BIN_DIR) + "/LmvEngine' '" + d +
                       "/vipsc.scr'; ";
  for (const std::string& photo : g_composees) {
    // The fitted picture and where it goes: vips prints no size, so the
    // sizes are worked out here as the fit gives them.
    const bool portrait = photo.find("portrait") != std::string::npos;
    const int w = portrait ? 810 : 1440, h = 1080;
    script += "vips thumbnail '" + photo + "' '" + d + "/t.v' 1920 --height 1080; " +
              "vips thumbnail '" + photo + "' '" + d + "/s.v' 240 --height 135 --size both --crop centre; " +
              "vips gaussblur '" + d + "/s.v' '" + d + "/g.v' 5.4; " +
              "vips resize '" + d + "/g.v' '" + d + "/b.v' 8; " +
              "vips insert '" + d + "/b.v' '" + d + "/t.v' '" + d + "/c.jpg[Q=75]' " +
              std::to_string((1920 - w) / 2) + " " + std::to_string((1080 - h) / 2) + "; " +
              "cat '" + d + "/c.jpg' >> '" + d + "/vipsc.scr'; ";
  }
  Chronometre(state, cle, RUSAGE_CHILDREN, [&] { return Shell(script); },
              "vips failed (is libvips-tools installed?)");
}

// Fixed cost of the command: a project of two 16x16 screens at 64x48 is
// all process start, fonts and pattern bank. The command is started
// directly, as from a running shell (starting a shell first would add its
// own few milliseconds). Fastest of `fois` runs, ms; the least CPU time of
// a run in *cpu.
double CoutFixe(int fois, double* cpu) {
  CProjet p;
  p.ResolutionCible = {64, 48};
  talvik::Bitmap petite = talvik::Bitmap::Create(16, 16, RGB(10, 200, 30));
  const std::string image = g_dir + "/petite.jpg";
  if (!talvik::CGraphique::SauveImageJPEG(image, petite, 75)) return -1;
  for (int i = 0; i < 2; ++i) {
    auto e = p.NouvelEcranDepuisModele();
    e->CheminImage = image;
    e->CadreUtilisation = 1;
    e->Textes[0].Utilisation = 1;
    e->Textes[0].Libelle = kLegende;
    p.Ajoute(std::move(e));
  }
  CSilence d;
  const std::string projet = g_dir + "/petit.lmv";
  if (!lumaveil::SauveProjet(p, projet, d)) return -1;
  double meilleur = -1;
  *cpu = -1;
  for (int i = 0; i < fois; ++i) {
    auto t0 = std::chrono::steady_clock::now();
    const double c0 = Cpu(RUSAGE_CHILDREN);
    if (!Lance({std::string(LUMAVEIL_BIN_DIR) + "/lumaveil", "--generate", projet, "--output",
                g_dir + "/petit.scr", "--platform", "linux"}))
      return -1;
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    const double c = (Cpu(RUSAGE_CHILDREN) - c0) * 1000.0;
    if (meilleur < 0 || ms < meilleur) meilleur = ms;
    if (*cpu < 0 || c < *cpu) *cpu = c;
  }
  return meilleur;
}

// One line of the summary table: work, Lumaveil's figure, the peer and its
// figure, the ratio, the target and whether it is met.
void Table(const std::string& travail, const std::string& nous, const std::string& pair,
           const std::string& sien, double ratio, const std::string& cible, bool atteint) {
  std::printf("TABLE\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", travail.c_str(), nous.c_str(),
              pair.c_str(), sien.c_str(), ratio > 0 ? (std::to_string(ratio).substr(0, 4) + "x").c_str() : "-",
              cible.c_str(), atteint ? "yes" : "NO");
}

std::string Secondes(double s) {
  char t[32];
  std::snprintf(t, sizeof t, "%.2f s", s);
  return t;
}

// Peak resident memory (MiB) of a child process that generates `ecrans`
// screens at 1920x1080.
double MemoireCrete(int ecrans) {
  pid_t pid = fork();
  if (pid == 0) {
    bool ok = Genere(ecrans, 1920, 1080, 2, g_dir + "/mem.scr");
    _exit(ok ? 0 : 1);
  }
  int statut = 0;
  struct rusage ru {};
  if (pid < 0 || wait4(pid, &statut, 0, &ru) != pid || !WIFEXITED(statut) ||
      WEXITSTATUS(statut) != 0)
    return -1;
  return double(ru.ru_maxrss) / 1024.0;
}


// The fixed cost's line of the table.
void TableCoutFixe() {
  double cpu = -1;
  const double fixe = CoutFixe(5, &cpu);
  if (fixe > 0) {
    // Wall time (what the user waits), the CPU time of the command in brackets.
    char t[64];
    std::snprintf(t, sizeof t, "%.0f ms (CPU %.0f ms)", fixe, cpu);
    Table("Fixed cost of lumaveil --generate", t, "-", "-", -1, "<= 60 ms", fixe <= 60.0);
  }
}

}  // namespace

int main(int argc, char** argv) {
  bool seulementFixe = false;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--repetitions" && i + 1 < argc) {
      g_repetitions = std::atoi(argv[++i]);
    } else if (a == "--screens" && i + 1 < argc) {
      g_ecrans = std::atoi(argv[++i]);
    } else if (a == "--fixed-cost-only") {
      seulementFixe = true;
    } else if (a == "--memory-screens" && i + 1 < argc) {
      g_memoire.clear();
      std::string liste = argv[++i];
      for (std::size_t p = 0; p < liste.size();) {
        std::size_t v = liste.find(',', p);
        if (v == std::string::npos) v = liste.size();
        g_memoire.push_back(std::atoi(liste.substr(p, v - p).c_str()));
        p = v + 1;
      }
    } else {
      args.push_back(argv[i]);
    }
  }
  int n = int(args.size());
  benchmark::Initialize(&n, args.data());

  char modele[] = "/tmp/lumaveil-bench-XXXXXX";
  if (!mkdtemp(modele)) return 1;
  g_dir = modele;
  setenv("LUMAVEIL_REGISTRY", (g_dir + "/registry.reg").c_str(), 1);
  lumaveil::InstalleChainesMaker();
  auto graphique = std::make_unique<talvik::CGraphique>();
  g_graphique = graphique.get();
  if (seulementFixe) {
    TableCoutFixe();
    graphique.reset();
    std::error_code ec;
    fs::remove_all(g_dir, ec);
    return 0;
  }
  std::fprintf(stderr, "Making %d photos of %dx%d...\n", g_ecrans, kLargeurPhoto, kHauteurPhoto);
  for (int i = 0; i < g_ecrans; ++i) g_photos.push_back(FabriquePhoto(i));
  for (int i = 0; i < g_ecrans; ++i) {
    const bool portrait = i % 4 < 2;
    const std::string chemin = g_dir + (portrait ? "/portrait" : "/paysage") + std::to_string(i) + ".jpg";
    g_composees.push_back(lumaveil::bench::FabriquePhoto(chemin, 100 + i, portrait ? kHauteurPhoto : kLargeurPhoto,
                                                          portrait ? kLargeurPhoto : kHauteurPhoto)
                              ? chemin
                              : std::string());
  }
  // Taken in Lyon, as a phone writes it, for the composed screens' captions.
  std::string etiquette = "exiftool -q -q -overwrite_original -DateTimeOriginal='2024:07:14 "
                          "18:30:00' -GPSLatitude=45.764 -GPSLatitudeRef=N -GPSLongitude=4.8357 "
                          "-GPSLongitudeRef=E";
  for (const std::string& photo : g_composees) etiquette += " '" + photo + "'";
  if (std::system((etiquette + " >/dev/null 2>&1").c_str()) != 0)
    std::fprintf(stderr, "exiftool failed: the composed captions will be empty\n");

  auto enregistre = [](const std::string& nom, auto fonction, auto... arguments) {
    benchmark::RegisterBenchmark(nom.c_str(), fonction, nom, arguments...)
        ->Iterations(1)
        ->Repetitions(g_repetitions)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  };
  for (auto [l, h] : {std::pair{1280, 960}, std::pair{1920, 1080}}) {
    std::string s = std::to_string(l) + "x" + std::to_string(h);
    enregistre("Lumaveil/command/" + s, LumaveilCommande, l, h);
    enregistre("Lumaveil/two_threads/" + s, Lumaveil, l, h, 2);
    enregistre("Lumaveil/one_thread/" + s, Lumaveil, l, h, 1);
    enregistre("ImageMagick/convert/" + s, ImageMagick, l, h);
    enregistre("libvips/thumbnail+gravity/" + s, Vips, l, h);
  }
  enregistre("Lumaveil/composition/1920x1080", LumaveilComposition);
  enregistre("libvips/composition/1920x1080", VipsComposition);
  benchmark::RunSpecifiedBenchmarks();

  auto trouve = [](const std::map<std::string, double>& m, const std::string& cle) {
    auto it = m.find(cle);
    return it == m.end() ? -1.0 : it->second;
  };
  for (const char* s : {"1280x960", "1920x1080"}) {
    const std::string taille = s;
    const double commande = trouve(g_secondes, "Lumaveil/command/" + taille);
    const double im = trouve(g_secondes, "ImageMagick/convert/" + taille);
    const double vips = trouve(g_secondes, "libvips/thumbnail+gravity/" + taille);
    const std::string travail = std::to_string(g_ecrans) + " screens at " + taille;
    if (commande > 0 && im > 0)
      Table("Generate " + travail, Secondes(commande), "ImageMagick convert", Secondes(im),
            im / commande, ">= 8x", im / commande >= 8.0);
    if (commande > 0 && vips > 0)
      Table("Generate " + travail, Secondes(commande), "libvips thumbnail+gravity",
            Secondes(vips), vips / commande, ">= 2x", vips / commande >= 2.0);
    const double cpu = trouve(g_cpu, "Lumaveil/one_thread/" + taille);
    if (cpu > 0) {
      char t[32];
      std::snprintf(t, sizeof t, "%.0f ms", cpu * 1000.0 / g_ecrans);
      Table("CPU time per screen at " + taille, t, "-", "-", -1, "<= 60 ms",
            cpu * 1000.0 / g_ecrans <= 60.0);
    }
  }
  {
    const double nous = trouve(g_secondes, "Lumaveil/composition/1920x1080");
    const double vips = trouve(g_secondes, "libvips/composition/1920x1080");
    if (nous > 0 && vips > 0)
      Table("Generate " + std::to_string(g_ecrans) +
                " screens at 1920x1080 with date-and-place captions, blurred backgrounds and pairs",
            Secondes(nous), "libvips resize+blur+embed", Secondes(vips), vips / nous, ">= 4x",
            vips / nous >= 4.0);
  }
  TableCoutFixe();
  for (int e : g_memoire) {
    const double mio = MemoireCrete(e);
    char t[32];
    std::snprintf(t, sizeof t, "%.0f MiB", mio);
    Table("Peak memory, " + std::to_string(e) + " screens at 1920x1080", t, "-", "-", -1,
          "<= 100 MiB", mio > 0 && mio <= 100.0);
  }
  graphique.reset();
  std::error_code ec;
  fs::remove_all(g_dir, ec);
  return 0;
}
