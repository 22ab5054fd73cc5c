// A picture as a packed 24-bit DIB.
#include <cstring>

#include "graphique.h"
#include "picture/dib.h"

namespace talvik {

PackedDib CGraphique::LocalDDBToDIB(const HBITMAP& image, unsigned long compression) {
  if (!image || compression != dib::BI_RGB) return {};
  const std::vector<std::uint8_t> lignes = dib::Lignes24(image, false);
  PackedDib bloc(dib::kTailleEntete + lignes.size());
  dib::BITMAPINFOHEADER e;
  e.biWidth = image.Width();
  e.biHeight = image.Height();
  e.biCompression = std::uint32_t(compression);
  e.biSizeImage = std::uint32_t(lignes.size());
  dib::EcritEntete(e, bloc.data());
  std::memcpy(bloc.data() + dib::kTailleEntete, lignes.data(), lignes.size());
  return bloc;
}

}  // namespace talvik
