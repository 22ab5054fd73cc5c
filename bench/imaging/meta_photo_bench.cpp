// Reading every caption field of a 12-megapixel phone photo, JPEG and
// HEIC, with its Exif, XMP and GPS position as phones write them (the
// metadata only, never the pixels), and finding the place of a GPS
// position in the gazetteer: its start-up load once, then one lookup.
// Beside them, in the same run, exiftool reading the same fields from the
// same files (its time includes starting perl, as a script calling it per
// photo pays it).
//
//   bench_meta_photo [benchmark flags]
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "lieux.h"
#include "picture/meta_photo.h"

namespace {

namespace fs = std::filesystem;

std::string g_dir;
std::string g_jpeg, g_heic;

bool Lance(const std::string& commande) {
  return std::system(("(" + commande + ") >/dev/null 2>&1").c_str()) == 0;
}

// A 12 MP photo with the metadata a phone writes.
std::string Photo(const std::string& nom) {
  const std::string chemin = g_dir + "/" + nom;
  if (!Lance("convert -size 4000x3000 gradient:skyblue-darkgreen -attenuate 0.3 +noise Gaussian "
             "-quality 90 '" + chemin + "'") ||
      !Lance("exiftool -q -q -overwrite_original -Make=Apple -Model='iPhone 13' "
             "-DateTimeOriginal='2024:07:14 18:30:05' -OffsetTimeOriginal='+02:00' "
             "-XMP-dc:Title='Été à Lyon' -XMP-dc:Description='Sur les quais' "
             "-GPSLatitude=45.764 -GPSLatitudeRef=N -GPSLongitude=4.8357 -GPSLongitudeRef=E '" +
             chemin + "'"))
    return {};
  return chemin;
}

void LectureMeta(benchmark::State& state, const std::string* chemin) {
  if (chemin->empty()) {
    state.SkipWithError("the photo could not be made");
    return;
  }
  for (auto _ : state) {
    talvik::MetaPhoto m = talvik::LitMetaPhoto(*chemin);
    if (!m.gps || m.titre.empty()) state.SkipWithError("fields missing");
    benchmark::DoNotOptimize(m);
  }
}

void Exiftool(benchmark::State& state, const std::string* chemin) {
  for (auto _ : state)
    Lance("exiftool -fast2 -DateTimeOriginal -OffsetTimeOriginal -Title -Description -Make "
          "-Model -GPSLatitude -GPSLongitude '" + *chemin + "'");
}

void ChargementLieux(benchmark::State& state) {
  for (auto _ : state) {
    // Only the first load counts: the gazetteer stays loaded for the run.
    const auto debut = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(talvik::ChargeLieux());
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
  }
}

void RechercheLieu(benchmark::State& state) {
  talvik::ChargeLieux();
  std::mt19937 alea(7);
  std::uniform_real_distribution<double> lat(-60, 70), lon(-180, 180);
  talvik::Lieu lieu;
  for (auto _ : state) benchmark::DoNotOptimize(talvik::LieuLePlusProche(lat(alea), lon(alea), &lieu));
}

}  // namespace

int main(int argc, char** argv) {
  g_dir = (fs::temp_directory_path() / ("bench_meta_photo_" + std::to_string(::getpid()))).string();
  fs::create_directories(g_dir);
  g_jpeg = Photo("phone.jpg");
  g_heic = Photo("phone.heic");
  // The load first, timed once, before anything else loads it.
  benchmark::RegisterBenchmark("PlaceGazetteerLoad", ChargementLieux)->Iterations(1)->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("PlaceLookup", RechercheLieu)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("CaptionFields/jpeg_12MP", LectureMeta, &g_jpeg)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("CaptionFields/heic_12MP", LectureMeta, &g_heic)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("exiftool/jpeg_12MP", Exiftool, &g_jpeg)->Iterations(5)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("exiftool/heic_12MP", Exiftool, &g_heic)->Iterations(5)->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(g_dir);
  return 0;
}
