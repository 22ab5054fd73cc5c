// Loading a screen's picture.
#include "attente.h"
#include "ecran.h"
#include "graphique.h"
#include "routine.h"

namespace lumaveil {

int CEcran::ChargeImage(const std::string& chemin, int message) {
  if (chemin.empty()) return 0;
  CCurseurAttente attente;
  int transparence = TransparenceUtilisation;
  COLORREF couleur = CouleurTransparente;
  HBITMAP image = talvik::CGraphique::ChargeImage(chemin, message, &transparence, &couleur);
  ImageSource = image;
  if (!image) return 0;
  TransparenceUtilisation = transparence;
  CouleurTransparente = couleur;
  CheminImage = chemin;
  talvik::CSize taille;
  talvik::CGraphique::RecupereInfosImage(image, taille);
  TailleImage = SIZE{taille.cx, taille.cy};
  long octets = TailleFichier;
  talvik::CRoutine::RecupereInfosFichier(chemin, &octets, &DateFichier);
  TailleFichier = octets > 0x7FFFFFFFL ? 0x7FFFFFFF : static_cast<int>(octets);
  return 1;
}

}  // namespace lumaveil
