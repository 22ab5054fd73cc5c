// The page's editors (rotation, colour adjustment, crop, resize, border,
// background) and the list's thumbnails through the desktop's own rules: each editor starts from the
// values and the preview the desktop's per-screen commands give theirs
// (valeurs_editeurs.h, CalculeImageFinale up to the stage before the
// editor's), and a confirmed edit sets the fields and use flags as the
// desktop's does. The page draws and gathers values; it never decides
// which flag an edit turns on.
//
// Values travel as comma-separated integers, in the order of each
// editor's structure:
//   "rotation"     angle (half degrees)
//   "reglage"      brightness, contrast, intensity (0..100, 50 neutral)
//   "recoupe"      left, top, right, bottom in the preview's pixels
//   "redimension"  mode (0 fitted to the screen, 1 by percentage, 2 to a
//                  size, 3 filling the screen), width, height, percentage,
//                  keep proportions
//   "cadre"        mode (0 none, 1 colour, 2 pattern), pattern, thickness,
//                  edge on, colour, edge colour
//   "fond"         pattern, colour, pattern on
//   "modele"       no values: the screen's settings become the template
//                  new screens are made from
#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "chaines_maker.h"
#include "chargement_rendu.h"
#include "appel_web.h"
#include "dialogue.h"
#include "fichier_projet.h"
#include "graphique.h"
#include "messages_photo.h"
#include "modele_pour_tous.h"
#include "motifs_utilisateur.h"
#include "projet.h"
#include "redimension.h"
#include "valeurs_editeurs.h"
#include "vignette.h"

namespace lumaveil {

namespace {

using web::CDialogueErreurs;
using web::Copie;

enum class Editeur { Aucun, Rotation, Reglage, Recoupe, Redimension, Cadre, Fond, Modele };

Editeur EditeurNomme(const char* nom) {
  const std::string n = nom ? nom : "";
  if (n == "rotation") return Editeur::Rotation;
  if (n == "reglage") return Editeur::Reglage;
  if (n == "recoupe") return Editeur::Recoupe;
  if (n == "redimension") return Editeur::Redimension;
  if (n == "cadre") return Editeur::Cadre;
  if (n == "fond") return Editeur::Fond;
  if (n == "modele") return Editeur::Modele;
  return Editeur::Aucun;
}

// The stage whose preview the editor shows (the screen rendered up to the
// stage before it), and the level a change of it renders again from.
Etape EtapeEditeur(Editeur e) {
  switch (e) {
    case Editeur::Rotation: return Etape::Rotation;
    case Editeur::Reglage: return Etape::Reglage;
    case Editeur::Recoupe: return Etape::Recoupe;
    case Editeur::Redimension: return Etape::Redimension;
    case Editeur::Cadre: return Etape::Cadre;
    default: return Etape::Fond;
  }
}

std::vector<long> Nombres(const char* texte) {
  std::vector<long> v;
  const char* p = texte ? texte : "";
  while (*p) {
    char* fin = nullptr;
    const long x = std::strtol(p, &fin, 10);
    if (fin == p) return {};
    v.push_back(x);
    p = *fin == ',' ? fin + 1 : fin;
    if (*fin && *fin != ',') return {};
  }
  return v;
}

// The project's screen `index` with its picture loaded; null when the
// project or the screen is not there.
struct EcranCharge {
  CProjet projet;
  CEcran* ecran = nullptr;
};

bool Charge(EcranCharge& c, const char* chemin, int index, IDialogue& dialogue,
           bool avecImage = true) {
  if (!ChargeProjet(c.projet, chemin, dialogue)) return false;
  if (index < 0 || index >= c.projet.NombreEcrans()) {
    std::fprintf(stderr, "Screen %d does not exist.\n", index + 1);
    return false;
  }
  c.ecran = &c.projet.Ecran(index);
  // A picture that does not load was named when it was added: the screen
  // goes on without it.
  talvik::CMessagesRetenus retenus;
  if (avecImage && !c.ecran->CheminImage.empty()) c.ecran->ChargeImage(c.ecran->CheminImage, 0);
  return true;
}

// The preview an editor starts from, and its size.
HBITMAP Apercu(CEcran& e, talvik::CGraphique& graphique, Editeur editeur, SIZE& taille) {
  taille = SIZE{};
  if (editeur == Editeur::Rotation) {
    taille = SIZE{e.ImageSource.Width(), e.ImageSource.Height()};
    return e.ImageSource;
  }
  return e.CalculeImageFinale(graphique, 0, Etapes::Avant(EtapeEditeur(editeur)), &taille,
                              Echantillonnage::Moyenne);
}

// Applies the editor's values to `e` as the desktop's confirmed editor
// does; false when they do not fit the editor.
bool Applique(CEcran& e, Editeur editeur, const std::vector<long>& v, SIZE apercu) {
  switch (editeur) {
    case Editeur::Rotation:
      if (v.size() != 1 || (v[0] != 0 && v[0] != 180 && v[0] != 360 && v[0] != -180)) return false;
      AppliqueRotation(e, int(v[0]));
      return true;
    case Editeur::Reglage:
      if (v.size() != 3) return false;
      for (long x : v)
        if (x < 0 || x > 100) return false;
      AppliqueReglage(e, ValeursReglage{int(v[0]), int(v[1]), int(v[2])});
      return true;
    case Editeur::Recoupe: {
      if (v.size() != 4) return false;
      RECT r{talvik::LONG(v[0]), talvik::LONG(v[1]), talvik::LONG(v[2]), talvik::LONG(v[3])};
      if (r.left < 0 || r.top < 0 || r.right > apercu.cx || r.bottom > apercu.cy ||
          r.right - r.left < 1 || r.bottom - r.top < 1)
        return false;
      AppliqueRecoupe(e, r, apercu);
      return true;
    }
    case Editeur::Redimension:
      if (v.size() != 5 || v[0] < 0 || v[0] > 3) return false;
      if (v[0] == 0) {
        // Fitted: a fill is turned off as the desktop's editor turns it
        // off, any other size fitted again.
        if (EstRemplissageEcran(e)) {
          ValeursRedimension r = ValeursRedimensionEcran(e, apercu);
          r.remplissage = 0;
          AppliqueRedimension(e, r, apercu);
        }
        AjusteEcran(e);
        return true;
      }
      if (v[0] == 3) {
        ValeursRedimension r;
        r.remplissage = 1;
        AppliqueRedimension(e, r, apercu);
        return true;
      }
      if (v[0] == 1 && (v[3] < 1 || v[3] > 1000)) return false;
      if (v[0] == 2 && (v[1] < 1 || v[2] < 1 || v[1] > 2000 || v[2] > 2000)) return false;
      AppliqueRedimension(
          e, ValeursRedimension{talvik::LONG(v[1]), talvik::LONG(v[2]), int(v[3]), v[0] == 1 ? 1 : 0,
                                v[4] ? 1 : 0},
          apercu);
      return true;
    case Editeur::Cadre: {
      if (v.size() != 6 || v[0] < 0 || v[0] > 2 || v[1] < 0 || v[1] >= talvik::kNombreMotifs ||
          v[2] < 1 || v[2] > 100)
        return false;
      ValeursCadre c;
      c.mode = ModeCadre(v[0]);
      c.motif = int(v[1]);
      c.taille = int(v[2]);
      c.bordureUtilisation = v[3] ? 1 : 0;
      c.couleur = COLORREF(v[4]);
      c.couleurBordure = COLORREF(v[5]);
      AppliqueCadre(e, c);
      return true;
    }
    case Editeur::Fond: {
      if (v.size() != 3 || v[0] < 0 || v[0] >= talvik::kNombreMotifs) return false;
      ValeursFond f = ValeursFondEcran(e);
      f.motif = int(v[0]);
      f.couleur = COLORREF(v[1]);
      f.motifUtilisation = v[2] ? 1 : 0;
      AppliqueFond(e, f);
      return true;
    }
    default:
      return false;
  }
}

// The values the editor starts from, in the order Applique reads them;
// `image` is the editor's preview.
std::vector<long> Valeurs(CEcran& e, Editeur editeur, SIZE apercu, const HBITMAP& image) {
  switch (editeur) {
    case Editeur::Rotation:
      return {e.RotationUtilisation ? e.RotationAngle : 0};
    case Editeur::Reglage: {
      const ValeursReglage r = ValeursReglageEcran(e);
      return {r.lumiere, r.contraste, r.intensite};
    }
    case Editeur::Recoupe: {
      const RECT r = RectangleRecoupeEcran(e, apercu, image);
      return {r.left, r.top, r.right, r.bottom};
    }
    case Editeur::Redimension: {
      ValeursRedimension r = ValeursRedimensionEcran(e, apercu);
      // By percentage, the width and height offered are those the picture
      // has now, where a size typed next starts from.
      if (r.parPourcentage || r.tailleX < 1 || r.tailleY < 1) {
        const talvik::CSize maintenant =
            e.RedimensionUtilisation ? TailleRedimensionnee(e, talvik::CSize(apercu)) : talvik::CSize(apercu);
        r.tailleX = maintenant.cx;
        r.tailleY = maintenant.cy;
      }
      const long mode = !e.RedimensionUtilisation ? 2
                        : EstRemplissageEcran(e) ? 3
                        : EstAjusteEcran(e)      ? 0
                        : r.parPourcentage       ? 1
                                                 : 2;
      return {mode, r.tailleX, r.tailleY, r.pourcentage, r.conservationProportion};
    }
    case Editeur::Cadre: {
      const ValeursCadre c = ValeursCadreEcran(e);
      return {long(c.mode), c.motif, c.taille, c.bordureUtilisation, long(c.couleur),
              long(c.couleurBordure)};
    }
    case Editeur::Fond: {
      const ValeursFond f = ValeursFondEcran(e);
      return {f.motif, long(f.couleur), f.motifUtilisation};
    }
    default:
      return {};
  }
}

bool Ecrit(const std::string& sortie, const HBITMAP& image) {
  if (sortie.empty()) return true;
  if (!image || !talvik::CGraphique::SauveImageBMP(sortie, image)) {
    std::fprintf(stderr, "Nothing to show.\n");
    return false;
  }
  return true;
}

}  // namespace

}  // namespace lumaveil

using namespace lumaveil;

extern "C" {

// Editor `editeur` of screen `ecran` (from 0) of the project at `chemin`:
// {"largeur":W,"hauteur":H,"valeurs":[...]}, the preview's size and the
// values the editor starts from; the preview itself is written as a BMP
// to `sortie` unless it is empty. Null when it cannot be opened (a reason
// on standard error). The caller frees the text.
EMSCRIPTEN_KEEPALIVE char* lmv_editeur(const char* chemin, int ecran, const char* editeur,
                                      const char* sortie) {
  InstalleChainesMaker();
  CDialogueErreurs dialogue;
  const Editeur quel = EditeurNomme(editeur);
  EcranCharge c;
  if (quel == Editeur::Aucun || quel == Editeur::Modele || !Charge(c, chemin, ecran, dialogue))
    return nullptr;
  talvik::CGraphique graphique(talvik::LitMotifsUtilisateur());
  SIZE taille{};
  const HBITMAP apercu = Apercu(*c.ecran, graphique, quel, taille);
  if (!Ecrit(sortie ? sortie : "", apercu)) return nullptr;
  std::string json = "{\"largeur\":" + std::to_string(taille.cx) +
                     ",\"hauteur\":" + std::to_string(taille.cy) + ",\"valeurs\":[";
  const std::vector<long> v = Valeurs(*c.ecran, quel, taille, apercu);
  for (std::size_t i = 0; i < v.size(); ++i) json += (i ? "," : "") + std::to_string(v[i]);
  json += "]}";
  return Copie(json);
}

// The whole screen as it would be with the editor's values (a live
// preview: the project is not changed), written as a BMP to `sortie`.
// 1 when written.
EMSCRIPTEN_KEEPALIVE int lmv_essai(const char* chemin, int ecran, const char* editeur,
                                  const char* valeurs, const char* sortie) {
  InstalleChainesMaker();
  CDialogueErreurs dialogue;
  const Editeur quel = EditeurNomme(editeur);
  EcranCharge c;
  if (quel == Editeur::Aucun || quel == Editeur::Modele || !Charge(c, chemin, ecran, dialogue))
    return 0;
  talvik::CGraphique graphique(talvik::LitMotifsUtilisateur());
  SIZE taille{};
  if (quel == Editeur::Recoupe || quel == Editeur::Redimension)
    Apercu(*c.ecran, graphique, quel, taille);
  if (!Applique(*c.ecran, quel, Nombres(valeurs), taille)) {
    std::fprintf(stderr, "These values do not fit the editor (%s).\n", editeur);
    return 0;
  }
  const HBITMAP image = c.ecran->CalculeImageFinale(graphique, 0, Etapes::Toutes(), nullptr,
                                                    Echantillonnage::Moyenne);
  return Ecrit(sortie ? sortie : "", image) ? 1 : 0;
}

// Confirms the editor: its values go to screen `ecran` as the desktop's
// editor puts them, and the project is saved. "modele" makes the screen's
// settings the template of new screens. 1 when done and saved.
EMSCRIPTEN_KEEPALIVE int lmv_edite(const char* chemin, int ecran, const char* editeur,
                                  const char* valeurs) {
  InstalleChainesMaker();
  CDialogueErreurs dialogue;
  const Editeur quel = EditeurNomme(editeur);
  if (quel == Editeur::Aucun) return 0;
  EcranCharge c;
  if (quel == Editeur::Modele) {
    if (!ChargeProjet(c.projet, chemin, dialogue)) return 0;
    if (ecran < 0 || ecran >= c.projet.NombreEcrans()) return 0;
    // The template takes the settings a template holds and keeps its own
    // picture-bound fields (none: it has no picture).
    std::unique_ptr<CEcran> modele = EcranSelonModele(c.projet.Ecran(ecran), c.projet.ModeleEcran);
    c.projet.ModeleEcran.CopieParametres(*modele);
    return SauveProjet(c.projet, chemin, dialogue);
  }
  // Only the crop and the resize need the preview's size, hence the
  // picture; the other edits set their fields at once.
  const bool taillee = quel == Editeur::Recoupe || quel == Editeur::Redimension;
  if (!Charge(c, chemin, ecran, dialogue, taillee)) return 0;
  talvik::CGraphique graphique(talvik::LitMotifsUtilisateur());
  SIZE taille{};
  if (taillee) Apercu(*c.ecran, graphique, quel, taille);
  if (!Applique(*c.ecran, quel, Nombres(valeurs), taille)) {
    std::fprintf(stderr, "These values do not fit the editor (%s).\n", editeur);
    return 0;
  }
  return SauveProjet(c.projet, chemin, dialogue);
}

// Screen `ecran` rendered whole as the saver will show it (the photo
// loaded as generation loads it: a JPEG the screen shrinks by half or more
// decoded reduced), as a BMP at `sortie`; 1 when written. A photo that
// does not load is named and the screen rendered without it.
EMSCRIPTEN_KEEPALIVE int lmv_rendu(const char* chemin, int ecran, const char* sortie) {
  InstalleChainesMaker();
  CDialogueErreurs dialogue;
  EcranCharge c;
  if (!Charge(c, chemin, ecran, dialogue, false)) return 0;
  talvik::CGraphique graphique(talvik::LitMotifsUtilisateur());
  talvik::CMessagesRetenus retenus;
  DemandeRendu demande;
  demande.pour = PourRendu::Generation;
  demande.echantillonnage = Echantillonnage::Moyenne;
  demande.signaleEchec = true;
  const bool lue = ChargeEtRendEcran(*c.ecran, c.ecran->CheminImage, graphique, demande) != 0;
  RapporteMessagesPhoto(retenus.Prend(), c.ecran->CheminImage, lue, dialogue);
  return Ecrit(sortie ? sortie : "", c.ecran->ImageFinale) ? 1 : 0;
}

// The list's thumbnail (150 x 110) of screen `ecran`, made as the
// desktop's list makes it (vignette.h: a JPEG decoded reduced), as a BMP
// at `sortie`; 1 when written.
EMSCRIPTEN_KEEPALIVE int lmv_vignette(const char* chemin, int ecran, const char* sortie) {
  InstalleChainesMaker();
  CDialogueErreurs dialogue;
  EcranCharge c;
  if (!Charge(c, chemin, ecran, dialogue, false)) return 0;
  talvik::CGraphique graphique(talvik::LitMotifsUtilisateur());
  // The photo's failure was named when it was added.
  talvik::CMessagesRetenus retenus;
  return Ecrit(sortie ? sortie : "", VignetteEcran(*c.ecran, graphique)) ? 1 : 0;
}

// The thumbnail (40 x 40) of pattern `n` of the bank, as a BMP at
// `sortie`; 1 when written.
EMSCRIPTEN_KEEPALIVE int lmv_motif(int n, const char* sortie) {
  if (n < 0 || n >= talvik::kNombreMotifs) return 0;
  talvik::CGraphique graphique(talvik::LitMotifsUtilisateur());
  return Ecrit(sortie ? sortie : "", graphique.VignetteMotif(n)) ? 1 : 0;
}

}  // extern "C"
