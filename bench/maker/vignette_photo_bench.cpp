// The screen list's thumbnail (150 x 110) of a screen made from a
// 12-megapixel JPEG: one thumbnail on one thread, and the thumbnails of a
// project of 200 photos on two worker threads, as the list makes them.
// Each for photos as cameras write them (with a 160 x 120 copy in their
// Exif block) and for photos without that copy (stripped by an editor or
// an upload), which must be decoded. Beside it, in the same run, libvips
// (`vipsthumbnail`, shrink-on-load) and ImageMagick (`convert -thumbnail`,
// with the JPEG size hint) making a 140 x 100 thumbnail of either photo;
// their times include starting the process. Lines starting with "TABLE"
// feed scripts/bench.
//
//   bench_vignette_photo [--photos N] [benchmark flags]
#include <benchmark/benchmark.h>

#include <time.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ecran.h"
#include "graphique.h"
#include "photo_bench.h"
#include "vignette.h"

namespace {

namespace fs = std::filesystem;
using talvik::RGB;

constexpr int kLargeurPhoto = 4000;
constexpr int kHauteurPhoto = 3000;
constexpr int kProjet = 200;

std::string g_dir;
std::vector<std::string> g_photos;  // without an Exif thumbnail
std::vector<std::string> g_camera;  // with one
std::map<std::string, double> g_ms;  // name -> fastest time, ms
talvik::CGraphique* g_graphique = nullptr;

void Note(const std::string& cle, double ms) {
  auto it = g_ms.find(cle);
  if (it == g_ms.end() || ms < it->second) g_ms[cle] = ms;
}

// Photo n of the benchmark, 12 megapixels, in the temporary directory.
std::string FabriquePhoto(int n, bool vignetteExif) {
  std::string chemin =
      g_dir + (vignetteExif ? "/camera" : "/photo") + std::to_string(n) + ".jpg";
  return lumaveil::bench::FabriquePhoto(chemin, n, kLargeurPhoto, kHauteurPhoto, vignetteExif)
             ? chemin
             : std::string();
}

// The screen of the generation benchmark: resized to fit 1280 x 960 inside
// an 8-pixel border, on a white background, one caption.
std::unique_ptr<lumaveil::CEcran> Ecran(const std::string& photo) {
  auto e = std::make_unique<lumaveil::CEcran>(lumaveil::SIZE{1280, 960});
  e->CheminImage = photo;
  e->RedimensionUtilisation = 1;
  e->RedimensionPourcentageUtilisation = 0;
  e->RedimensionTailleX = 1264;
  e->RedimensionTailleY = 944;
  e->CadreUtilisation = 1;
  e->CadreTaille = 8;
  e->CadreCouleur = RGB(40, 40, 40);
  e->Textes[0].Utilisation = 1;
  e->Textes[0].Libelle = "Lumaveil";
  return e;
}

// CPU milliseconds used so far by the calling thread, or by the whole
// process (every thread).
double CpuMs(clockid_t horloge) {
  timespec t{};
  clock_gettime(horloge, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void UneVignette(benchmark::State& state, const std::vector<std::string>* photos,
                 std::string cle) {
  auto e = Ecran((*photos)[0]);
  for (auto _ : state) {
    auto t0 = std::chrono::steady_clock::now();
    const double c0 = CpuMs(CLOCK_THREAD_CPUTIME_ID);
    lumaveil::HBITMAP v = lumaveil::VignetteEcran(*e, *g_graphique);
    if (!v) {
      state.SkipWithError("no thumbnail");
      return;
    }
    Note(cle, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    Note(cle + "_cpu", CpuMs(CLOCK_THREAD_CPUTIME_ID) - c0);
  }
}

// The list's worker threads: each takes the next screen until all 200 have
// their thumbnail.
void ProjetDeuxFils(benchmark::State& state, const std::vector<std::string>* photos,
                    std::string cle) {
  std::vector<std::unique_ptr<lumaveil::CEcran>> ecrans;
  for (int i = 0; i < kProjet; ++i) ecrans.push_back(Ecran((*photos)[std::size_t(i) % photos->size()]));
  for (auto _ : state) {
    auto t0 = std::chrono::steady_clock::now();
    const double c0 = CpuMs(CLOCK_PROCESS_CPUTIME_ID);
    std::atomic<int> suivant{0};
    std::atomic<int> faites{0};
    auto travail = [&] {
      for (int i = suivant++; i < kProjet; i = suivant++)
        if (lumaveil::VignetteEcran(*ecrans[std::size_t(i)], *g_graphique)) ++faites;
    };
    std::thread autre(travail);
    travail();
    autre.join();
    if (faites != kProjet) {
      state.SkipWithError("missing thumbnails");
      return;
    }
    Note(cle, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    Note(cle + "_cpu", CpuMs(CLOCK_PROCESS_CPUTIME_ID) - c0);
  }
}

void Commande(benchmark::State& state, std::string cle, std::string commande) {
  for (auto _ : state) {
    auto t0 = std::chrono::steady_clock::now();
    if (std::system((commande + " >/dev/null 2>&1").c_str()) != 0) {
      state.SkipWithError(("failed: " + commande).c_str());
      return;
    }
    Note(cle, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
}

void Table(const std::string& travail, const std::string& nous, const std::string& pair,
           const std::string& sien, double ratio, const std::string& cible, bool atteint) {
  char r[32] = "-";
  if (ratio > 0) std::snprintf(r, sizeof r, "%.1fx", ratio);
  std::printf("TABLE\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", travail.c_str(), nous.c_str(), pair.c_str(),
              sien.c_str(), r, cible.c_str(), atteint ? "yes" : "NO");
}

std::string Ms(double ms) {
  char t[32];
  std::snprintf(t, sizeof t, ms >= 1000 ? "%.2f s" : "%.1f ms", ms >= 1000 ? ms / 1000 : ms);
  return t;
}

}  // namespace

int main(int argc, char** argv) {
  int photos = 20;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--photos" && i + 1 < argc) photos = std::max(1, std::atoi(argv[++i]));
    else args.push_back(argv[i]);
  }
  int n = int(args.size());
  benchmark::Initialize(&n, args.data());

  char modele[] = "/tmp/lumaveil-vignette-XXXXXX";
  if (!mkdtemp(modele)) return 1;
  g_dir = modele;
  setenv("LUMAVEIL_REGISTRY", (g_dir + "/registry.reg").c_str(), 1);
  auto graphique = std::make_unique<talvik::CGraphique>();
  g_graphique = graphique.get();
  std::fprintf(stderr, "Making %d photos of %dx%d, twice...\n", photos, kLargeurPhoto, kHauteurPhoto);
  for (int i = 0; i < photos; ++i) {
    g_photos.push_back(FabriquePhoto(i, false));
    g_camera.push_back(FabriquePhoto(i, true));
  }

  const std::string camera = "'" + g_camera[0] + "'", sans = "'" + g_photos[0] + "'";
  benchmark::RegisterBenchmark("Lumaveil/thumbnail_12MP_camera", UneVignette, &g_camera, "one")
      ->Iterations(10)->Repetitions(3)->Unit(benchmark::kMillisecond)->UseRealTime();
  benchmark::RegisterBenchmark("Lumaveil/thumbnail_12MP_no_exif", UneVignette, &g_photos,
                               "one_nx")
      ->Iterations(10)->Repetitions(3)->Unit(benchmark::kMillisecond)->UseRealTime();
  benchmark::RegisterBenchmark("Lumaveil/thumbnails_200_two_threads_camera", ProjetDeuxFils,
                               &g_camera, "project")
      ->Iterations(1)->Repetitions(2)->Unit(benchmark::kMillisecond)->UseRealTime();
  benchmark::RegisterBenchmark("Lumaveil/thumbnails_200_two_threads_no_exif", ProjetDeuxFils,
                               &g_photos, "project_nx")
      ->Iterations(1)->Repetitions(2)->Unit(benchmark::kMillisecond)->UseRealTime();
  // The peers decode the whole photo whether it carries a thumbnail or not;
  // each is timed on both.
  for (const auto& [nom, photo, suffixe] :
       {std::tuple{"camera", camera, ""}, std::tuple{"no_exif", sans, "_nx"}}) {
    benchmark::RegisterBenchmark((std::string("libvips/vipsthumbnail_12MP_") + nom).c_str(), Commande,
                                 std::string("vips") + suffixe,
                                 "vipsthumbnail " + photo + " -s 140x100 -o '" + g_dir + "/v.jpg'")
        ->Iterations(5)->Repetitions(3)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark((std::string("ImageMagick/convert_thumbnail_12MP_") + nom).c_str(),
                                 Commande, std::string("im") + suffixe,
                                 "convert -define jpeg:size=280x200 " + photo +
                                     " -thumbnail 140x100 '" + g_dir + "/m.jpg'")
        ->Iterations(5)->Repetitions(3)->Unit(benchmark::kMillisecond)->UseRealTime();
  }
  benchmark::RunSpecifiedBenchmarks();

  auto trouve = [](const std::string& cle) {
    auto it = g_ms.find(cle);
    return it == g_ms.end() ? -1.0 : it->second;
  };
  // Wall time, then the CPU time in brackets: on a busy machine the wall
  // time is mostly waiting for a core.
  for (const char* genre : {"", "_nx"}) {
    const std::string g = genre;
    const std::string quoi = g.empty() ? "camera JPEG (Exif thumbnail)" : "JPEG without Exif thumbnail";
    const double une = trouve("one" + g), projet = trouve("project" + g);
    if (une > 0) {
      const std::string nous = Ms(une) + " (CPU " + Ms(trouve("one" + g + "_cpu")) + ")";
      const double vips = trouve("vips" + g), im = trouve("im" + g);
      Table("150x110 thumbnail of a 12 MP " + quoi, nous, "vipsthumbnail (process)", Ms(vips),
            vips > 0 ? vips / une : -1, "<= 15 ms", une <= 15.0);
      Table("150x110 thumbnail of a 12 MP " + quoi, nous, "convert -thumbnail (process)", Ms(im),
            im > 0 ? im / une : -1, "<= 15 ms", une <= 15.0);
    }
    if (projet > 0)
      Table("Thumbnails of 200 photos, 2 threads, " + quoi,
            Ms(projet) + " (CPU " + Ms(trouve("project" + g + "_cpu")) + ")", "-", "-", -1,
            "<= 3 s", projet <= 3000.0);
  }
  graphique.reset();
  std::error_code ec;
  fs::remove_all(g_dir, ec);
  return 0;
}
