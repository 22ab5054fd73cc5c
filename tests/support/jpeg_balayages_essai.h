// Progressive JPEG bytes for the tests, and the same with one scan repeated
// many times: a small file that makes a decoder pass over the whole picture
// once per scan.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace lumaveil::testing {

// A w x h progressive colour JPEG of a smooth gradient (quality 90): the
// usual ten scans, or with `scans` from 67 to 129 a valid file of exactly
// that many: the DC of all three components, then each luminance AC
// coefficient on its own at half precision (63 scans), then the last bit
// of each of the first `scans` - 67 coefficients on its own and of the rest
// in one scan, then each chrominance component's AC.
inline std::vector<unsigned char> ProgressiveJpeg(int w, int h, int scans = 0) {
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* memory = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &memory, &size);
  c.image_width = JDIMENSION(w);
  c.image_height = JDIMENSION(h);
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 90, TRUE);
  std::vector<jpeg_scan_info> script;
  if (scans >= 67 && scans <= 129) {
    auto scan = [&script](int component, int ss, int se, int ah, int al) {
      jpeg_scan_info i{};
      i.comps_in_scan = component < 0 ? 3 : 1;
      for (int k = 0; k < i.comps_in_scan; ++k) i.component_index[k] = component < 0 ? k : component;
      i.Ss = ss;
      i.Se = se;
      i.Ah = ah;
      i.Al = al;
      script.push_back(i);
    };
    scan(-1, 0, 0, 0, 0);
    for (int k = 1; k <= 63; ++k) scan(0, k, k, 0, 1);
    const int singles = scans - 67;
    for (int k = 1; k <= singles; ++k) scan(0, k, k, 1, 0);
    scan(0, singles + 1, 63, 1, 0);
    scan(1, 1, 63, 0, 0);
    scan(2, 1, 63, 0, 0);
    c.scan_info = script.data();
    c.num_scans = static_cast<int>(script.size());
  } else {
    jpeg_simple_progression(&c);
  }
  jpeg_start_compress(&c, TRUE);
  std::vector<unsigned char> row(std::size_t(w) * 3);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      row[3 * std::size_t(x)] = static_cast<unsigned char>(x * 255 / w);
      row[3 * std::size_t(x) + 1] = static_cast<unsigned char>(y * 255 / h);
      row[3 * std::size_t(x) + 2] = 128;
    }
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::vector<unsigned char> bytes(memory, memory + size);
  std::free(memory);
  return bytes;
}

// `jpeg` with its last scan (from its SOS marker to the end-of-image
// marker) repeated so that the file has `extra` more scans.
inline std::vector<unsigned char> WithRepeatedLastScan(const std::vector<unsigned char>& jpeg,
                                                       int extra) {
  std::size_t sos = 0;
  for (std::size_t i = 2; i + 1 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA) sos = i;
  const std::size_t eoi = jpeg.size() - 2;
  std::vector<unsigned char> out(jpeg.begin(), jpeg.begin() + long(eoi));
  for (int k = 0; k < extra; ++k)
    out.insert(out.end(), jpeg.begin() + long(sos), jpeg.begin() + long(eoi));
  out.insert(out.end(), {0xFF, 0xD9});
  return out;
}

}  // namespace lumaveil::testing
