#include "travail/editeurs_qt.h"

namespace lumaveil {

int CEditeursQt::EditeRotation(const HBITMAP&, SIZE, int&) {
  return 0;
}

int CEditeursQt::EditeReglage(const HBITMAP&, SIZE, ValeursReglage&) {
  return 0;
}

int CEditeursQt::EditeRecoupe(const HBITMAP&, SIZE, RECT&) {
  return 0;
}

int CEditeursQt::EditeRedimension(const HBITMAP&, SIZE, ValeursRedimension&) {
  return 0;
}

}  // namespace lumaveil
