#include "travail/editeurs_qt.h"

namespace lumaveil {

int CEditeursQt::EditeTextes(const HBITMAP&, SIZE, T_TEXTE (&)[kNombreTextes]) {
  return 0;
}

int CEditeursQt::EditeCadre(const HBITMAP&, SIZE, ValeursCadre&) {
  return 0;
}

int CEditeursQt::EditeFond(const HBITMAP&, SIZE, ValeursFond&) {
  return 0;
}

}  // namespace lumaveil
