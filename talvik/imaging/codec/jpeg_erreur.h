// libjpeg's error manager turned into results: a fatal error jumps back to
// the operation that set the return point, which then cleans up and fails.
#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace talvik::jpeg {

struct Erreurs {
  jpeg_error_mgr pub;  // first: libjpeg sees a jpeg_error_mgr*
  std::jmp_buf retour;
  bool montreMessages = true;  // show the fatal error and the first warning
  bool finPrematuree = false;  // the data ended before the image did
  bool arrete = false;         // the thread's stop flag ended the decoding
  void (*emetOrigine)(j_common_ptr, int) = nullptr;
  jpeg_progress_mgr suivi{};   // see Surveille
};

// Installs the manager on a compressor or decompressor (before its create
// call). With montreMessages, fatal errors show "JPEG Fatal Error" and the
// first warning "JPEG Error" through the message hook; without, nothing is
// shown. The caller must setjmp(e.retour) before the first libjpeg call
// that may fail.
jpeg_error_mgr* Installe(Erreurs& e, bool montreMessages);

// Watches a decompressor whose error manager is `Installe`d (call it after
// jpeg_create_decompress, which clears the watch): libjpeg reports to it
// during every scan and every output row, and when the calling thread's
// stop flag (base/arret.h) is raised the decoding jumps back to the return
// point at once, with `arrete` set and nothing shown.
void Surveille(j_decompress_ptr cinfo);

}  // namespace talvik::jpeg
