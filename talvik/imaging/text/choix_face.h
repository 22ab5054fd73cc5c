// Where the face of a family, weight and slant is found: the one seam
// between the text overlay and the system's fonts. The desktop asks
// fontconfig (choix_face_fontconfig.cpp); the browser build looks in the
// faces shipped with the page (choix_face_embarquee.cpp).
#pragma once

#include <string>

namespace talvik::texte {

struct ChoixFace {
  std::string fichier;  // "" when no face was found
  int index = 0;        // face index inside the file
  bool emboldir = false;  // bold was asked for and the face is not bold
  bool incliner = false;  // italic was asked for and the face is upright
};

// The closest face for the family; called under VerrouTexte(), and the
// caller caches the answer.
ChoixFace CherchePoliceSysteme(const std::string& famille, bool gras, bool italique);

}  // namespace talvik::texte
