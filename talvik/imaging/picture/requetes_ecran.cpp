// Picture information and the screen queries.
#include <cstdio>
#include <mutex>

#include "base/message.h"
#include "graphique.h"

namespace talvik {

namespace {

std::mutex g_verrou;
CGraphique::RequeteEcran& Requete() {
  static CGraphique::RequeteEcran requete;
  return requete;
}

}  // namespace

void CGraphique::RecupereInfosImage(const HBITMAP& image, CSize& taille, long* pBits) {
  taille = CSize(image.Width(), image.Height());
  if (pBits) *pBits = image.BitsPixel();
}

CGraphique::RequeteEcran CGraphique::InstalleRequeteEcran(RequeteEcran requete) {
  std::lock_guard<std::mutex> garde(g_verrou);
  std::swap(Requete(), requete);
  return requete;
}

CSize CGraphique::RetourneTailleEcran(int* pBits) {
  int largeur = 1024, hauteur = 768, bits = 32;
  RequeteEcran requete;
  {
    std::lock_guard<std::mutex> garde(g_verrou);
    requete = Requete();
  }
  int l = 0, h = 0, b = 0;
  if (requete && requete(l, h, b) && l > 0 && h > 0 && b > 0) {
    largeur = l;
    hauteur = h;
    bits = b;
  }
  if (pBits) *pBits = bits;
  return CSize(largeur, hauteur);
}

int CGraphique::MessageResolutionEcran(int nMinimum) {
  int bits = 0;
  RetourneTailleEcran(&bits);
  if (bits >= nMinimum) return 0;
  char texte[256];
  std::snprintf(texte, sizeof texte,
                "Attention ! afin d'opérer dans des conditions optimales,\nle nombre de bits par "
                "point doit être au minimun de %d.\n(votre ordinateur est actuellement configuré "
                "en %d bpp)",
                nMinimum, bits);
  AfficheMessage(texte, "Erreur", IconeMessage::Erreur);
  return 1;
}

}  // namespace talvik
