// CRoutine: messages, hexadecimal digits, check boxes and Swap.
#include "routine.h"

#include <utility>

#include "chaines.h"

namespace talvik {

CString CRoutine::Message(const CString& /*inutilise*/, unsigned int id) { return ChargeChaine(id); }

unsigned int CRoutine::HexToBin(const CString& texte) {
  CString s = "00" + texte;
  s = s.substr(s.size() - 2);
  unsigned valeur = 0;
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') u = static_cast<unsigned char>(u - 'a' + 'A');
    // No validation: digits give code - 48, anything else code - 55.
    unsigned chiffre = u <= '9' ? unsigned(u) - 48u : unsigned(u) - 55u;
    valeur = valeur * 16u + chiffre;
  }
  return valeur;
}

void CRoutine::FixeEtatBouton(CButton* bouton, int etat) {
  if (bouton) bouton->SetCheck(etat != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void CRoutine::LireEtatBouton(CButton* bouton, int* etat) {
  if (bouton && etat) *etat = bouton->GetCheck() == BST_CHECKED ? 1 : 0;
}

void CRoutine::Swap(long& a, long& b) { std::swap(a, b); }

}  // namespace talvik
