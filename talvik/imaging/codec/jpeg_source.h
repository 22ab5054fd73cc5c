// libjpeg's data source over an open file, read in blocks like
// jpeg_stdio_src's, that remembers where the file ends. Past the end it
// gives an end-of-image marker with the warning libjpeg expects, without
// reading the file again; a marker claiming more bytes than remain is
// skipped in one step. (libjpeg's own source rereads the file and hands
// out a two-byte marker for each pair of bytes skipped: a truncated file
// whose header claims 64 KB cost tens of thousands of reads.)
#pragma once

#include <cstdio>

#include <jpeglib.h>

namespace talvik::jpeg {

// Makes `f` the source of `c`; the state lives in `c`'s permanent pool.
void SourceFichier(j_decompress_ptr c, std::FILE* f);

}  // namespace talvik::jpeg
