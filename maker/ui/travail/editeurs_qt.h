// The window's editors of the per-screen commands: one function per
// command, each opening its dialog modally over the main window. The seven
// picture editors of the library run through one adapter, each described by
// how its dialog takes the values and gives them back.
#pragma once

#include "travail/editeurs_ecran.h"

class QWidget;

namespace talvik {
class CGraphique;
}

namespace lumaveil {

class CEditeursQt : public IEditeursEcran {
 public:
  CEditeursQt(QWidget* fenetre, talvik::CGraphique& graphique);

  int ChoixImage(std::string& chemin) override;
  int EditeRotation(const HBITMAP& apercu, SIZE taille, int& angle) override;
  int EditeReglage(const HBITMAP& apercu, SIZE taille, ValeursReglage& valeurs) override;
  int EditeRecoupe(const HBITMAP& apercu, SIZE taille, RECT& rectangle) override;
  int EditeRedimension(const HBITMAP& apercu, SIZE taille, ValeursRedimension& valeurs) override;
  int EditeTextes(const HBITMAP& apercu, SIZE taille, T_TEXTE (&textes)[kNombreTextes]) override;
  int EditeCadre(const HBITMAP& apercu, SIZE taille, ValeursCadre& valeurs) override;
  int EditeFond(const HBITMAP& apercu, SIZE taille, ValeursFond& valeurs) override;
  int EditeEffet(ValeursEffet& valeurs) override;
  int EditeDuree(int& duree) override;

 private:
  QWidget* fenetre_;
  talvik::CGraphique& graphique_;
};

}  // namespace lumaveil
