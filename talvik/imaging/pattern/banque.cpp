// The pattern bank of CGraphique: the built-in patterns with their
// thumbnails, and the user patterns kept in the settings store.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "graphique.h"
#include "pattern/motifs_integres.h"
#include "registre.h"

namespace talvik {

namespace {

// The application key under which the user-pattern list is kept.
constexpr const char* kApplication = "Lumaveil";
constexpr int kTailleVignette = 40;
// A damaged store may claim any count: no more entries than this are read.
constexpr int kMaxEntreesLues = 1000;

std::string NomValeurImage(int i) {
  char nom[32];
  std::snprintf(nom, sizeof nom, "UserImage%d", i);
  return nom;
}

}  // namespace

void CGraphique::AssureMotifIntegre(int n) const {
  if (n < 0 || n >= kNombreMotifsIntegres) return;
  std::call_once(m_MotifDessine[n], [this, n] {
    m_Motifs[n] = GenereMotifIntegre(n);
    RedimensionneImage(&m_Vignettes[n], m_Motifs[n], CSize(kTailleVignette, kTailleVignette));
    if (n == 0) m_BitmapMotifBase = m_Motifs[0];
  });
}

void CGraphique::ChargeBanqueMotifs() {
  // The built-in patterns are drawn when first used (AssureMotifIntegre):
  // a run that uses two of them draws two.
  CBaseRegistre registre;
  if (registre.OuvreLecture(kApplication, "")) {
    int nombre = 0;
    registre.Lecture("UserNumberImage", nombre);
    nombre = std::min(nombre, kMaxEntreesLues);
    for (int i = 1; i <= nombre && m_nNombreMotifsUtilisateur < kMaxMotifsUtilisateur; ++i) {
      CString chemin;
      if (registre.Lecture(NomValeurImage(i), chemin)) AjoutImageFondUtilisateur(chemin);
    }
    registre.Ferme();
  }
}

void CGraphique::SauveBanqueMotifs() const {
  CBaseRegistre registre;
  if (!registre.OuvreEcriture(kApplication, "")) return;
  registre.Ecriture("UserNumberImage", m_nNombreMotifsUtilisateur);
  for (int i = 1; i <= m_nNombreMotifsUtilisateur; ++i)
    registre.Ecriture(NomValeurImage(i), m_strCheminsMotifs[std::size_t(i - 1)]);
  registre.Ferme();
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
  return 1;
}

}  // namespace talvik
