#include "valeurs.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "fichier_atomique.h"
#include "graphique.h"
#include "size_text.h"

namespace talvik::cli {

bool LitEntier(const std::string& texte, int& valeur) {
  if (texte.empty()) return false;
  char* fin = nullptr;
  errno = 0;
  const long v = std::strtol(texte.c_str(), &fin, 10);
  if (errno != 0 || *fin != '\0' || v < -2147483647L - 1 || v > 2147483647L) return false;
  valeur = int(v);
  return true;
}

bool LitCouleur(const std::string& texte, COLORREF& couleur) {
  std::string t = texte;
  if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) t = t.substr(2);
  if (t.empty() || t.size() > 8) return false;
  for (char c : t)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  couleur = COLORREF(std::strtoul(t.c_str(), nullptr, 16));
  return true;
}

bool LitTaille(const std::string& texte, int& largeur, int& hauteur) {
  return lmvengine::ParseSize(texte, largeur, hauteur);
}

int Echec(const std::string& message) {
  std::fprintf(stderr, "talvik: %s\n", message.c_str());
  return 1;
}

int SauveResultat(const std::string& chemin, const HBITMAP& image, int qualite,
                  int transparence, COLORREF couleur) {
  if (!image) {
    const char* pourquoi = Bitmap::LastCreateError();
    return Echec(*pourquoi ? pourquoi : "the operation failed");
  }
  const bool ecrit = EcritFichierAtomique(chemin, [&](const std::string& temporaire) {
    return CGraphique::SauveImage(temporaire, image, qualite, transparence, couleur) != 0;
  });
  return ecrit ? 0 : Echec("cannot write " + chemin);
}

}  // namespace talvik::cli
