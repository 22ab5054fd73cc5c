#include "travail/editeurs_qt.h"

#include <algorithm>
#include <iterator>

#include "dialogs/cadre/cadre_dlg.h"
#include "dialogs/fond/fond_dlg.h"
#include "dialogs/texte/texte_dlg.h"

namespace lumaveil {

int CEditeursQt::EditeTextes(const HBITMAP& apercu, SIZE taille,
                             T_TEXTE (&textes)[kNombreTextes]) {
  talvik::CTexteDlg dlg(fenetre_);
  dlg.m_nLargeur = taille.cx;
  dlg.m_nHauteur = taille.cy;
  dlg.m_hImage = apercu;
  std::copy(std::begin(textes), std::end(textes), std::begin(dlg.m_Textes));
  dlg.InitInstance(&graphique_);
  const bool ok = dlg.DoModal() == talvik::IDOK;
  dlg.DesInitInstance();
  if (!ok) return 0;
  std::copy(std::begin(dlg.m_Textes), std::end(dlg.m_Textes), std::begin(textes));
  return 1;
}

int CEditeursQt::EditeCadre(const HBITMAP& apercu, SIZE taille, ValeursCadre& valeurs) {
  talvik::CCadreDlg dlg(fenetre_);
  dlg.m_nLargeur = taille.cx;
  dlg.m_nHauteur = taille.cy;
  dlg.m_hImage = apercu;
  dlg.m_bAucun = valeurs.mode == ModeCadre::Aucun ? 1 : 0;
  dlg.m_bMotif = valeurs.mode == ModeCadre::Motif ? 1 : 0;
  dlg.m_bCouleur = valeurs.mode == ModeCadre::Couleur ? 1 : 0;
  dlg.m_bBordure = valeurs.bordureUtilisation;
  dlg.m_nMotif = valeurs.motif;
  dlg.m_nEpaisseur = valeurs.taille;
  dlg.m_crCouleur = valeurs.couleur;
  dlg.m_crCouleurBordure = valeurs.couleurBordure;
  dlg.InitInstance(&graphique_);
  const bool ok = dlg.DoModal() == talvik::IDOK;
  dlg.DesInitInstance();
  if (!ok) return 0;
  valeurs.mode = dlg.m_bAucun ? ModeCadre::Aucun
                              : dlg.m_bMotif ? ModeCadre::Motif : ModeCadre::Couleur;
  valeurs.bordureUtilisation = dlg.m_bBordure;
  valeurs.motif = dlg.m_nMotif;
  valeurs.taille = dlg.m_nEpaisseur;
  valeurs.couleur = dlg.m_crCouleur;
  valeurs.couleurBordure = dlg.m_crCouleurBordure;
  return 1;
}

int CEditeursQt::EditeFond(const HBITMAP& apercu, SIZE taille, ValeursFond& valeurs) {
  talvik::CFondDlg dlg(fenetre_);
  dlg.m_sizeEcran = valeurs.tailleCible;
  dlg.m_nLargeur = taille.cx;
  dlg.m_nHauteur = taille.cy;
  dlg.m_hImage = apercu;
  dlg.m_bAucun = 0;
  dlg.m_bMotif = valeurs.motifUtilisation;
  dlg.m_bCouleur = valeurs.modeCouleur;
  dlg.m_nMotif = valeurs.motif;
  dlg.m_crCouleur = valeurs.couleur;
  dlg.InitInstance(&graphique_);
  const bool ok = dlg.DoModal() == talvik::IDOK;
  dlg.DesInitInstance();
  if (!ok) return 0;
  valeurs.motifUtilisation = dlg.m_bMotif;
  valeurs.motif = dlg.m_nMotif;
  valeurs.couleur = dlg.m_crCouleur;
  return 1;
}

}  // namespace lumaveil
