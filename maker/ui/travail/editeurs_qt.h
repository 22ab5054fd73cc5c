// The window's editors of the per-screen commands: one function per
// command, each opening its dialog modally over the main window.
//   editeurs_qt.cpp        picture chooser, effect and duration dialogs
//   editeurs_qt_image.cpp  rotation, colour adjustment, crop, resize editors
//   editeurs_qt_decor.cpp  text, border and background editors
// An editor that is not there yet answers Cancel, so its command changes
// nothing.
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
  int EditeEffet(int& effet) override;
  int EditeDuree(int& duree) override;

 private:
  QWidget* fenetre_;
  talvik::CGraphique& graphique_;
};

}  // namespace lumaveil
