// Decoding one screen record: the demo's Mandelbrot picture (fine detail,
// a hard case for JPEG) at 1280x960, 1920x1080 and 3840x2160, from memory and from a
// package file through the reader. The records are made as generation makes
// them (baseline JPEG, chroma halved both ways, the standard tables), at
// the maker's default quality 75 and at 90, a finer setting. The peer is
// ImageMagick's convert decoding the same JPEG to PPM; its time includes
// starting the process, measured alone with a 16x16 picture.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "demo_pictures.h"
#include "jpeg_decoder.h"
#include "jpeg_encoder.h"
#include "package_reader.h"
#include "package_writer.h"

namespace {

namespace fs = std::filesystem;

constexpr int kDefaultQuality = 75;  // the maker's JPEGQuality when not set
constexpr int kFineQuality = 90;

std::vector<unsigned char> RecordJpeg(int width, int height, int quality) {
  lmvtools::DemoPicture p = lmvtools::DrawDemoPicture(4, width, height);
  return lmvtools::EncodeJpeg(p.rgb, width, height, 3, quality);
}

// Arguments width, height, quality.
void RecordSizes(benchmark::internal::Benchmark* b) {
  for (int quality : {kDefaultQuality, kFineQuality}) {
    b->Args({1280, 960, quality})->Args({1920, 1080, quality})->Args({3840, 2160, quality});
  }
}

void BM_DecodeRecord(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const auto jpeg = RecordJpeg(w, h, static_cast<int>(state.range(2)));
  for (auto _ : state) {
    // A fresh picture each time, as the player decodes each record.
    lmvengine::DecodedImage image;
    auto r = lmvengine::DecodeJpegMemory(jpeg.data(), jpeg.size(), image);
    benchmark::DoNotOptimize(r.status);
    benchmark::DoNotOptimize(image.rgb.data());
  }
  state.counters["jpeg_kB"] = static_cast<double>(jpeg.size()) / 1024.0;
  state.SetItemsProcessed(state.iterations() * int64_t{w} * h);
}
BENCHMARK(BM_DecodeRecord)->Apply(RecordSizes)->Unit(benchmark::kMillisecond);

// Header read, decode from the stream, reposition: what the tick does.
void BM_ReadRecordFromPackage(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const fs::path dir = fs::temp_directory_path() / ("lmv-bench-" + std::to_string(w));
  fs::create_directories(dir);
  lmvtools::WriteFileBytes(dir / "engine", std::vector<unsigned char>(100000, 0x90));
  lmvtools::WriteFileBytes(dir / "a.jpg", RecordJpeg(w, h, static_cast<int>(state.range(2))));
  lmvengine::PackageWriter writer;
  writer.Begin(dir / "p.scr", dir / "engine");
  writer.AppendRecordFile(3, 0, dir / "a.jpg");
  writer.Finish(w, h);
  lmvengine::PackageReader reader;
  if (reader.Open(dir / "p.scr") != lmvengine::OpenStatus::kOk) {
    state.SkipWithError("package did not open");
    return;
  }
  lmvengine::DecodedImage image;
  for (auto _ : state) {
    auto r = reader.ReadRecord(image);
    benchmark::DoNotOptimize(r.status);
  }
  reader.Close();
  fs::remove_all(dir);
}
BENCHMARK(BM_ReadRecordFromPackage)->Apply(RecordSizes)->Unit(benchmark::kMillisecond);

void BM_PeerImageMagickDecode(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const fs::path file = fs::temp_directory_path() / ("lmv-bench-peer-" + std::to_string(w) + ".jpg");
  lmvtools::WriteFileBytes(file, RecordJpeg(w, h, kDefaultQuality));
  const std::string command = "convert '" + file.string() + "' ppm:- >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) {
    state.SkipWithError("ImageMagick convert is not available");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(std::system(command.c_str()));
  fs::remove(file);
}
// 16x16: the peer's own start-up, to subtract from the figures above.
BENCHMARK(BM_PeerImageMagickDecode)
    ->Args({16, 16})
    ->Args({1280, 960})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);

// Conversion to device rows (the Windows back-end's path).
void BM_DeviceRows(benchmark::State& state) {
  const auto jpeg = RecordJpeg(1920, 1080, kDefaultQuality);
  lmvengine::DecodedImage image;
  lmvengine::DecodeJpegMemory(jpeg.data(), jpeg.size(), image);
  lmvengine::DeviceRows rows;
  for (auto _ : state) benchmark::DoNotOptimize(lmvengine::ToDeviceRows(image, rows));
}
BENCHMARK(BM_DeviceRows)->Unit(benchmark::kMillisecond);

}  // namespace
