// CGraphique's lifetime and its read-only view of the pattern bank.
#include "graphique.h"

namespace talvik {

namespace {
const HBITMAP kAucuneImage;
}

CGraphique::CGraphique(const std::vector<CString>& motifsUtilisateur) {
  ChargeBanqueMotifs(motifsUtilisateur);
}

CGraphique::~CGraphique() = default;

const HBITMAP& CGraphique::Motif(int n) const {
  if (n < 0 || n >= kNombreMotifs) return kAucuneImage;
  AssureMotifIntegre(n);
  AssureMotifUtilisateur(n);
  return m_Motifs[n];
}

const HBITMAP& CGraphique::VignetteMotif(int n) const {
  if (n < 0 || n >= kNombreMotifs) return kAucuneImage;
  AssureMotifIntegre(n);
  AssureMotifUtilisateur(n);
  return m_Vignettes[n];
}

}  // namespace talvik
