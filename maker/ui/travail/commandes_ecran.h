// The per-screen commands of the menus and of the edit panels. Each works
// on the working screen: a command that needs a picture only beeps when
// none is loaded; otherwise it renders the preview its editor needs, opens
// the editor with the screen's values, and on OK stores the values with
// their use flags and commits at its level. Cancel changes nothing.
//
// | command         | picture | preview steps                      | commit |
// | ChargementImage | no      | none (the file chooser)            | 0      |
// | DechargementImage | no    | none                               | 0      |
// | Rotation        | yes     | the picture itself                 | 1      |
// | Reglage         | yes     | rotation                           | 2      |
// | Recoupe         | yes     | rotation, colour                   | 3      |
// | Redimension     | yes     | rotation, colour, crop             | 3      |
// | Texte           | no      | all but the texts                  | 3      |
// | Cadre           | yes     | rotation, colour, crop, resize     | 3      |
// | Fond            | no      | ... and the border                 | 3      |
// | Effet, Duree    | no      | none                               | 3      |
#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

#include "travail/editeurs_ecran.h"
#include "travail/travail_ecran.h"

namespace lumaveil {

// The message of several files dropped on the picture panel.
inline constexpr char kMessageDepotMultiple[] =
    QT_TRANSLATE_NOOP("Messages", "Drag&drop all pictures on list to create screens !");

class CCommandesEcran {
 public:
  CCommandesEcran(ITravailEcran& travail, IEditeursEcran& editeurs);

  void ChargementImage();
  void DechargementImage();
  void Rotation();
  void Reglage();
  void Recoupe();
  void Redimension();
  void Texte();
  void Cadre();
  void Fond();
  void Effet();
  void Duree();

  // Files dropped on the picture panel: one file becomes the screen's
  // picture (the crop, rotation and colour flags are kept) and is
  // committed at level 0; several give the warning kMessageDepotMultiple
  // and change nothing. A beep ends both cases.
  void DepotFichiers(const std::vector<std::string>& fichiers);

 private:
  // 1 when the working screen has a loaded picture, else the warning beep.
  bool ImageChargee();
  // The working screen rendered with the steps before `etape` only (the
  // preview of its editor); its size in taille.
  HBITMAP Apercu(int niveau, Etape etape, SIZE& taille);

  ITravailEcran& travail_;
  IEditeursEcran& editeurs_;
};

}  // namespace lumaveil
