// CRoutine::ChargeUneDonnee: one setting out of a template-file line.
#include <algorithm>
#include <cstring>

#include "conversion.h"
#include "routine.h"

namespace talvik {

namespace {

// The text after the key, or false when the key is absent.
bool Valeur(const CString& ligne, const CString& cle, CString& valeur) {
  std::size_t pos = ligne.find(cle);
  if (pos == CString::npos) return false;
  valeur = ligne.substr(pos + cle.size());
  return true;
}

}  // namespace

int CRoutine::ChargeUneDonnee(const CString& ligne, const CString& cle, int* cible) {
  CString valeur;
  if (!Valeur(ligne, cle, valeur)) return 0;
  if (cible) *cible = static_cast<int>(ConvertitEntier(valeur));
  return 1;
}

int CRoutine::ChargeUneDonnee(const CString& ligne, const CString& cle, long* cible) {
  CString valeur;
  if (!Valeur(ligne, cle, valeur)) return 0;
  if (cible) *cible = static_cast<long>(ConvertitEntier(valeur));
  return 1;
}

int CRoutine::ChargeUneDonnee(const CString& ligne, const CString& cle, CString* cible) {
  CString valeur;
  if (!Valeur(ligne, cle, valeur)) return 0;
  if (cible) *cible = valeur;
  return 1;
}

int CRoutine::ChargeUneDonnee(const CString& ligne, const CString& cle, CButton* cible) {
  CString valeur;
  if (!Valeur(ligne, cle, valeur)) return 0;
  if (cible) cible->SetCheck(ConvertitEntier(valeur) != 0 ? BST_CHECKED : BST_UNCHECKED);
  return 1;
}

int CRoutine::ChargeUneDonnee(const CString& ligne, const CString& cle, LOGFONTA* cible) {
  CString valeur;
  if (!Valeur(ligne, cle, valeur)) return 0;
  if (!cible) return 1;
  // Each number starts where the previous one started, after the next
  // space; the face name follows the thirteenth space.
  long long nombres[13] = {};
  std::size_t debut = 0;
  bool complet = true;
  for (int i = 0; i < 13; ++i) {
    if (i > 0) {
      std::size_t espace = valeur.find(' ', debut);
      if (espace == CString::npos) {
        complet = false;
        break;
      }
      debut = espace + 1;
    }
    nombres[i] = ConvertitEntier(std::string_view(valeur).substr(debut));
  }
  CString face;
  if (complet) {
    std::size_t espace = valeur.find(' ', debut);
    if (espace != CString::npos) face = valeur.substr(espace + 1);
  }
  LOGFONTA f;
  f.lfHeight = static_cast<LONG>(nombres[0]);
  f.lfWidth = static_cast<LONG>(nombres[1]);
  f.lfEscapement = static_cast<LONG>(nombres[2]);
  f.lfOrientation = static_cast<LONG>(nombres[3]);
  f.lfWeight = static_cast<LONG>(nombres[4]);
  f.lfItalic = static_cast<BYTE>(nombres[5]);
  f.lfUnderline = static_cast<BYTE>(nombres[6]);
  f.lfStrikeOut = static_cast<BYTE>(nombres[7]);
  f.lfCharSet = static_cast<BYTE>(nombres[8]);
  f.lfOutPrecision = static_cast<BYTE>(nombres[9]);
  f.lfClipPrecision = static_cast<BYTE>(nombres[10]);
  f.lfQuality = static_cast<BYTE>(nombres[11]);
  f.lfPitchAndFamily = static_cast<BYTE>(nombres[12]);
  std::size_t n = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
  std::memcpy(f.lfFaceName, face.data(), n);
  f.lfFaceName[n] = '\0';
  *cible = f;
  return 1;
}

}  // namespace talvik
