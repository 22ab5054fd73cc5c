#include "dialogs/recoupe/recoupe_dlg.h"
#include "dialogs/redimension/redimension_dlg.h"
#include "dialogs/reglage/reglage_dlg.h"
#include "dialogs/rotation/rotation_dlg.h"
#include "travail/editeurs_qt.h"

namespace lumaveil {

int CEditeursQt::EditeRotation(const HBITMAP& apercu, SIZE taille, int& angle) {
  talvik::CRotationDlg dlg(fenetre_);
  dlg.m_nAngle = angle;
  dlg.m_nLargeur = taille.cx;
  dlg.m_nHauteur = taille.cy;
  dlg.m_hImage = apercu;
  dlg.InitInstance(&graphique_);
  if (dlg.DoModal() != talvik::IDOK) return 0;
  angle = dlg.m_nAngle;
  return 1;
}

int CEditeursQt::EditeReglage(const HBITMAP& apercu, SIZE taille, ValeursReglage& valeurs) {
  talvik::CReglageDlg dlg(fenetre_);
  dlg.m_nLumiere = valeurs.lumiere;
  dlg.m_nContraste = valeurs.contraste;
  dlg.m_nIntensite = valeurs.intensite;
  dlg.m_nLargeur = taille.cx;
  dlg.m_nHauteur = taille.cy;
  dlg.m_hImage = apercu;
  dlg.InitInstance(&graphique_);
  if (dlg.DoModal() != talvik::IDOK) return 0;
  valeurs.lumiere = dlg.m_nLumiere;
  valeurs.contraste = dlg.m_nContraste;
  valeurs.intensite = dlg.m_nIntensite;
  return 1;
}

int CEditeursQt::EditeRecoupe(const HBITMAP& apercu, SIZE taille, RECT& rectangle) {
  talvik::CRecoupeDlg dlg(fenetre_);
  dlg.m_rectRecoupe = rectangle;
  dlg.m_nLargeur = taille.cx;
  dlg.m_nHauteur = taille.cy;
  dlg.m_hImage = apercu;
  dlg.InitInstance(&graphique_);
  if (dlg.DoModal() != talvik::IDOK) return 0;
  rectangle = dlg.m_rectRecoupe;
  return 1;
}

int CEditeursQt::EditeRedimension(const HBITMAP& apercu, SIZE taille,
                                  ValeursRedimension& valeurs) {
  talvik::CRedimensionDlg dlg(fenetre_);
  dlg.m_bPourcentage = valeurs.parPourcentage;
  dlg.m_nPourcentage = valeurs.pourcentage;
  dlg.m_nTailleX = valeurs.tailleX;
  dlg.m_nTailleY = valeurs.tailleY;
  dlg.m_bConservationProportion = valeurs.conservationProportion;
  dlg.m_nLargeur = taille.cx;
  dlg.m_nHauteur = taille.cy;
  dlg.m_hImage = apercu;
  dlg.InitInstance(&graphique_);  // after the size: it takes the aspect ratio from it
  if (dlg.DoModal() != talvik::IDOK) return 0;
  valeurs.parPourcentage = dlg.m_bPourcentage;
  valeurs.pourcentage = dlg.m_nPourcentage;
  valeurs.tailleX = dlg.m_nTailleX;
  valeurs.tailleY = dlg.m_nTailleY;
  valeurs.conservationProportion = dlg.m_bConservationProportion;
  return 1;
}

}  // namespace lumaveil
