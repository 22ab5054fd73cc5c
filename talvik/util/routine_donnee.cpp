// CRoutine::ChargeUneDonnee: one setting out of a template-file line.
#include <algorithm>
#include <cstring>

#include "conversion.h"
#include "ligne_police.h"
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
  *cible = LitLignePolice(valeur);
  return 1;
}

}  // namespace talvik
