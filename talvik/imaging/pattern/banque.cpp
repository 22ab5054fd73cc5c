// The pattern bank of CGraphique: the built-in patterns with their
// thumbnails, and the user patterns its owner lists.
#include <sys/stat.h>

#include <algorithm>
#include <mutex>
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

void CGraphique::AssureMotifUtilisateur(int n) const {
  const int i = n - kPremierMotifUtilisateur;
  if (i < 0 || i >= kMaxMotifsUtilisateur) return;
  std::lock_guard<std::mutex> verrou(m_VerrouMotifsUtilisateur);
  if (i >= m_nNombreMotifsUtilisateur || m_MotifUtilisateurLu[i]) return;
  m_MotifUtilisateurLu[i] = true;  // a file that fails is not read again
  m_Motifs[n] = ChargeImage(m_strCheminsMotifs[std::size_t(i)], 1);
  if (m_Motifs[n] && !FaitVignette(n)) m_Motifs[n].Reset();
}

bool CGraphique::FaitVignette(int n) const {
  RedimensionneImage(&m_Vignettes[n], m_Motifs[n], CSize(kTailleVignette, kTailleVignette));
  return bool(m_Vignettes[n]);
}

void CGraphique::ChargeBanqueMotifs(const std::vector<CString>& motifsUtilisateur) {
  // The built-in patterns are drawn when first used (AssureMotifIntegre),
  // and so are the user patterns read (AssureMotifUtilisateur): a run that
  // uses two patterns makes two. Only a file that is gone is known now.
  for (const CString& chemin : motifsUtilisateur) {
    if (m_nNombreMotifsUtilisateur >= kMaxMotifsUtilisateur) break;
    struct stat st {};
    if (::stat(chemin.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
      ChargeImage(chemin, 1);  // says "Unable to load file"
      continue;
    }
    m_MotifUtilisateurLu[m_nNombreMotifsUtilisateur] = false;
    m_strCheminsMotifs.push_back(chemin);
    ++m_nNombreMotifsUtilisateur;
  }
}

int CGraphique::AjoutImageFondUtilisateur(const CString& chemin) {
  std::unique_lock<std::mutex> verrou(m_VerrouMotifsUtilisateur);
  if (m_nNombreMotifsUtilisateur >= kMaxMotifsUtilisateur) return 0;
  HBITMAP image = ChargeImage(chemin, 1);
  if (!image) return 0;
  const int n = kPremierMotifUtilisateur + m_nNombreMotifsUtilisateur;
  m_Motifs[n] = image;  // a new bitmap that the bank alone holds
  if (!FaitVignette(n)) {
    m_Motifs[n].Reset();
    return 0;
  }
  m_MotifUtilisateurLu[n - kPremierMotifUtilisateur] = true;
  m_strCheminsMotifs.push_back(chemin);
  ++m_nNombreMotifsUtilisateur;
  verrou.unlock();  // the owner's store may look at the bank
  if (m_Sauvegarde) m_Sauvegarde(m_strCheminsMotifs);
  return 1;
}

int CGraphique::EffaceImageFondUtilisateur(int nMotif) {
  std::unique_lock<std::mutex> verrou(m_VerrouMotifsUtilisateur);
  const int fin = kPremierMotifUtilisateur + m_nNombreMotifsUtilisateur;
  if (nMotif < kPremierMotifUtilisateur || nMotif >= fin) return 0;
  for (int m = nMotif + 1; m < fin; ++m) {
    m_Motifs[m - 1] = m_Motifs[m];
    m_Vignettes[m - 1] = m_Vignettes[m];
    m_MotifUtilisateurLu[m - 1 - kPremierMotifUtilisateur] =
        m_MotifUtilisateurLu[m - kPremierMotifUtilisateur];
  }
  m_Motifs[fin - 1].Reset();
  m_Vignettes[fin - 1].Reset();
  m_MotifUtilisateurLu[fin - 1 - kPremierMotifUtilisateur] = false;
  m_strCheminsMotifs.erase(m_strCheminsMotifs.begin() + (nMotif - kPremierMotifUtilisateur));
  --m_nNombreMotifsUtilisateur;
  verrou.unlock();  // the owner's store may look at the bank
  if (m_Sauvegarde) m_Sauvegarde(m_strCheminsMotifs);
  return 1;
}

}  // namespace talvik
