// CGif: reads GIF files (87a and 89a) image by image into bitmaps, and
// writes one picture as an 8-bit GIF87a file with an LZW coder of its own.
//
// Reading keeps the whole file after the header and global colour table in
// memory and walks that buffer; every length, code and size read from it is
// checked, so a damaged file gives a null bitmap, never an access outside a
// buffer. Writing maps the pixels of a caller's picture to the nearest entry
// of a caller's palette.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "base/bitmap.h"
#include "codec/gif_palette.h"

namespace talvik {

class CGif {
 public:
  CGif();
  virtual ~CGif();
  CGif(const CGif&) = delete;
  CGif& operator=(const CGif&) = delete;

  // ---- Reading ----

  // Loads a file: drops the data of an earlier load, checks the signature
  // ("GIF87a" or "GIF89a"), takes the logical screen and the global colour
  // table and keeps the rest of the file in memory. 1 loaded, 0 failed (file
  // missing, wrong signature, short header or short colour table).
  int Load(const char* path);
  // The same from bytes already in memory (copied; the caller keeps its own).
  int LoadMemory(const std::uint8_t* data, std::size_t size);

  // A new bitmap of the file's first image, or null. Starts the walk again
  // from the first block.
  HBITMAP FirstImage();
  // A new bitmap of the image after the one returned last; after the last
  // image the walk goes on with the first one again. Null for an unknown
  // block or extension, a block chain that runs past the data, an invalid
  // code or size, or when the whole data holds no image at all. The image
  // keeps its own size, whatever the logical screen says; its offsets are
  // not applied.
  HBITMAP NextImage();

  // About the image returned last (0 / false before any image).
  int TransparencyFlag() const { return image_transparent_ ? 1 : 0; }
  int TransparentIndex() const { return image_transparent_index_; }
  // The colour table entry of the transparent index, 0x00BBGGRR.
  COLORREF TransparentColor() const { return transparent_color_; }
  int Disposal() const { return image_disposal_; }  // flags & 0x1C of its control block
  int Delay() const { return image_delay_; }        // hundredths of a second
  bool Interlaced() const { return (image_flags_ & 0x40) != 0; }

  // About the file.
  int ScreenWidth() const { return screen_width_; }
  int ScreenHeight() const { return screen_height_; }
  int BackgroundIndex() const { return background_index_; }
  int GlobalColorCount() const { return global_count_; }

  // ---- Writing ----
  // Order: SetSource, GIF_Create, SetTransparentIndex, GIF_SetColor for
  // every entry, GIF_CompressImage, GIF_Close.

  // The picture to compress and the palette its pixels are mapped to (the
  // nearest entry by RGB distance, the first one on a tie). Both are kept
  // by reference until GIF_Close.
  void SetSource(const HBITMAP& picture, const GifPalette& palette);
  // Index written in the graphic control extension; -1 (default) for none.
  void SetTransparentIndex(int index) { transparent_out_ = index; }

  // Creates the file, writes "GIF87a" and the screen descriptor of a
  // width x height screen with a table of 2^BitsNeeded(colours) entries and
  // a colour resolution of `resolution` bits. 0 success, 1 file not
  // created, 2 write error, 3 no memory.
  int GIF_Create(const char* path, int width, int height, int colours, int resolution);
  // Table entry `index` = each value x 255 / (2^resolution - 1). Indices
  // outside the table are ignored.
  void GIF_SetColor(int index, int red, int green, int blue);
  // Writes the colour table, the transparency extension when an index is
  // set, the image descriptor and the LZW data of the rectangle. A negative
  // width or height means the whole screen from 0. 0 success, 2 write
  // error, 3 no memory.
  int GIF_CompressImage(int left, int top, int width, int height);
  // Writes the trailer and closes the file. 0 success, 2 write error.
  int GIF_Close();

  // Bits needed for values 0 .. n-1: 0 for 0, else at least 1
  // (1 -> 1, 2 -> 1, 3 -> 2, 256 -> 8).
  static int BitsNeeded(unsigned n);

 protected:
  // Decoder.
  HBITMAP TakeIt();
  int GetCode(int bits);
  int GetByte();
  void Output(std::uint8_t index);
  struct Decode;
  static void NextRow(Decode& s);
  bool SkipSubBlocks();

  // File output.
  int Write(const void* data, std::size_t size);
  int WriteByte(int value);
  int WriteWord(int value);
  int WriteScreenDescriptor(int flags);
  int WriteImageDescriptor();
  int WriteTransparentColorIndex();

  // Bit packing.
  void InitBitFile();
  int WriteBits(int code, int bits);
  int ResetOutBitFile();

  // Compressor.
  int AllocStrtab();
  void ClearStrtab(int code_size);
  void FreeStrtab();
  std::uint16_t AddCharString(std::uint16_t prefix, std::uint8_t character);
  std::uint16_t FindCharString(std::uint16_t prefix, std::uint8_t character) const;
  int LZW_Compress(int code_size);
  int InputByte();

 private:
  void ResetImageState();

  // Reading state.
  std::vector<std::uint8_t> data_;  // the file after header and global table
  std::size_t pos_ = 0;             // walk position in data_
  int screen_width_ = 0;
  int screen_height_ = 0;
  int background_index_ = 0;
  std::uint8_t global_table_[256 * 3] = {};  // RGB triples
  int global_count_ = 0;                     // entries, 0 without a table

  // Last graphic control extension, waiting for its image.
  bool gce_seen_ = false;
  bool gce_transparent_ = false;
  int gce_index_ = 0;
  int gce_disposal_ = 0;
  int gce_delay_ = 0;

  // The image returned last.
  bool image_transparent_ = false;
  int image_transparent_index_ = 0;
  int image_disposal_ = 0;
  int image_delay_ = 0;
  int image_flags_ = 0;
  COLORREF transparent_color_ = 0;

  // Decoder positions for the image being decoded.
  Decode* dec_ = nullptr;

  // Writing state.
  struct FileCloser {
    void operator()(std::FILE* f) const {
      if (f) std::fclose(f);
    }
  };
  std::unique_ptr<std::FILE, FileCloser> out_;
  int palette_size_ = 0;   // entries in the written table, a power of two or 0
  int resolution_ = 8;     // colour resolution in bits
  int width_ = 0;          // screen width of the written file
  int height_ = 0;
  std::vector<std::uint8_t> out_table_;  // palette_size_ x RGB
  int transparent_out_ = -1;
  const HBITMAP* source_ = nullptr;
  const GifPalette* source_palette_ = nullptr;
  int rect_left_ = 0, rect_top_ = 0, rect_width_ = 0, rect_height_ = 0;
  int in_column_ = 0, in_row_ = 0;  // next pixel of the rectangle
  std::uint8_t bit_buffer_[256] = {};
  int bit_index_ = 0;      // current byte in bit_buffer_
  int bit_free_ = 8;       // free bits in that byte

  // String table of the compressor.
  static constexpr int kHashSize = 9973;
  static constexpr int kHashStep = 2039;
  struct StringTable {
    std::uint8_t character[4096];
    std::uint16_t prefix[4096];
    std::uint16_t hash[kHashSize];
    int count;
  };
  std::unique_ptr<StringTable> strtab_;
};

}  // namespace talvik
