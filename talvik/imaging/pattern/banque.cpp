// The pattern bank of CGraphique: the built-in patterns with their
// thumbnails, and the user patterns its owner lists.
#include <algorithm>
#include <vector>

#include "graphique.h"
#include "pattern/motifs_integres.h"

namespace talvik {

namespace {

constexpr int kTailleVignette = 40;

}  // namespace

void CGraphique::AssureMotifIntegre(int n) const {
  if (n < 0 || n >= kNombreMotifsIntegres) return;
  std::call_once(m_MotifDessine[n], [this, n] {
    m_Motifs[n] = GenereMotifIntegre(n);
    RedimensionneImage(&m_Vignettes[n], m_Motifs[n], CSize(kTailleVignette, kTailleVignette));
    if (n == 0) m_BitmapMotifBase = m_Motifs[0];
  });
}

void CGraphique::ChargeBanqueMotifs(const std::vector<CString>& motifsUtilisateur) {
  // The built-in patterns are drawn when first used (AssureMotifIntegre):
  // a run that uses two of them draws two.
  for (const CString& chemin : motifsUtilisateur) {
    if (m_nNombreMotifsUtilisateur >= kMaxMotifsUtilisateur) break;
    AjoutImageFondUtilisateur(chemin);
  }
}

int CGraphique::AjoutImageFondUtilisateur(const CString& chemin) {
  if (m_nNombreMotifsUtilisateur >= kMaxMotifsUtilisateur) return 0;
  HBITMAP image = ChargeImage(chemin, 1);
  if (!image) return 0;
  const int n = kPremierMotifUtilisateur + m_nNombreMotifsUtilisateur;
  HBITMAP vignette;
  RedimensionneImage(&vignette, image, CSize(kTailleVignette, kTailleVignette));
  if (!vignette) return 0;
  m_Motifs[n] = image;  // a new bitmap that the bank alone holds
  m_Vignettes[n] = vignette;
  m_strCheminsMotifs.push_back(chemin);
  ++m_nNombreMotifsUtilisateur;
  if (m_Sauvegarde) m_Sauvegarde(m_strCheminsMotifs);
  return 1;
}

int CGraphique::EffaceImageFondUtilisateur(int nMotif) {
  const int fin = kPremierMotifUtilisateur + m_nNombreMotifsUtilisateur;
  if (nMotif < kPremierMotifUtilisateur || nMotif >= fin) return 0;
  for (int m = nMotif + 1; m < fin; ++m) {
    m_Motifs[m - 1] = m_Motifs[m];
    m_Vignettes[m - 1] = m_Vignettes[m];
  }
  m_Motifs[fin - 1].Reset();
  m_Vignettes[fin - 1].Reset();
  m_strCheminsMotifs.erase(m_strCheminsMotifs.begin() + (nMotif - kPremierMotifUtilisateur));
  --m_nNombreMotifsUtilisateur;
  if (m_Sauvegarde) m_Sauvegarde(m_strCheminsMotifs);
  return 1;
}

}  // namespace talvik
