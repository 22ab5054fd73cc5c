// The project as the page edits it, field by field, through the field
// tables of the model (champs_ecran.h): the page never knows the project
// file's layout. Each call reads the project file from the module's file
// system, changes it and writes it back, as the desktop's controller would
// change the project in memory and save it.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <variant>

#include "base/message.h"
#include "chaines.h"
#include "champs_ecran.h"
#include "chaines_maker.h"
#include "appel_web.h"
#include "dialogue.h"
#include "fichier_projet.h"
#include "graphique.h"
#include "messages_photo.h"
#include "projet.h"

namespace lumaveil {

namespace {

using web::CDialogueErreurs;
using web::Copie;

void Echappe(std::string& json, const std::string& texte) {
  json += '"';
  for (unsigned char c : texte) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += char(c);
    } else if (c < 0x20) {
      char u[8];
      std::snprintf(u, sizeof u, "\\u%04x", c);
      json += u;
    } else {
      json += char(c);
    }
  }
  json += '"';
}

void Police(std::string& json, const LOGFONT& f) {
  json += "{\"face\":";
  Echappe(json, std::string(f.lfFaceName, strnlen(f.lfFaceName, talvik::LF_FACESIZE)));
  json += ",\"hauteur\":" + std::to_string(f.lfHeight) + ",\"poids\":" +
          std::to_string(f.lfWeight) + ",\"italique\":" + std::to_string(int(f.lfItalic)) +
          ",\"souligne\":" + std::to_string(int(f.lfUnderline)) +
          ",\"barre\":" + std::to_string(int(f.lfStrikeOut)) + "}";
}

void Texte(std::string& json, const T_TEXTE& t) {
  json += '{';
  bool premier = true;
  for (const ChampTexte& c : kChampsTexte) {
    if (!premier) json += ',';
    premier = false;
    Echappe(json, c.nom);
    json += ':';
    std::visit(
        [&](auto m) {
          using Valeur = std::remove_cv_t<std::remove_reference_t<decltype(t.*m)>>;
          if constexpr (std::is_same_v<Valeur, std::string>) Echappe(json, t.*m);
          else if constexpr (std::is_same_v<Valeur, LOGFONT>) Police(json, t.*m);
          else json += std::to_string(t.*m);
        },
        c.membre);
  }
  json += '}';
}

// The fields the project file keeps (the designed ones and those of its
// extension block), by their designed names.
void Ecran(std::string& json, const CEcran& e) {
  json += '{';
  bool premier = true;
  for (const ChampEcran& c : kChampsEcran) {
    if (c.positionProjet == 0 && !c.cleEtendue) continue;
    if (!premier) json += ',';
    premier = false;
    Echappe(json, c.nom);
    json += ':';
    std::visit(
        [&](auto m) {
          using Valeur = std::remove_cv_t<std::remove_reference_t<decltype(e.*m)>>;
          if constexpr (std::is_same_v<Valeur, std::string>) {
            Echappe(json, e.*m);
          } else if constexpr (std::is_same_v<Valeur, RECT>) {
            const RECT& r = e.*m;
            json += "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                    std::to_string(r.right) + "," + std::to_string(r.bottom) + "]";
          } else if constexpr (std::is_same_v<Valeur, T_TEXTE[kNombreTextes]>) {
            json += '[';
            for (int i = 0; i < kNombreTextes; ++i) {
              if (i) json += ',';
              Texte(json, (e.*m)[i]);
            }
            json += ']';
          } else if constexpr (std::is_same_v<Valeur, int> || std::is_same_v<Valeur, COLORREF>) {
            json += std::to_string(e.*m);
          } else {
            json += "null";
          }
        },
        c.membre);
  }
  json += '}';
}

bool Entier(const char* s, long& v) {
  if (!s || !*s) return false;
  char* fin = nullptr;
  v = std::strtol(s, &fin, 10);
  return *fin == '\0';
}

// "face,height,weight,italic,underline,strike-out"
bool LitPolice(const std::string& s, LOGFONT& f) {
  std::size_t virgule = s.find(',');
  if (virgule == std::string::npos) return false;
  const std::string face = s.substr(0, virgule);
  long v[5] = {};
  const char* p = s.c_str() + virgule + 1;
  for (long& x : v) {
    char* fin = nullptr;
    x = std::strtol(p, &fin, 10);
    if (fin == p) return false;
    p = *fin == ',' ? fin + 1 : fin;
  }
  std::memset(f.lfFaceName, 0, sizeof f.lfFaceName);
  face.copy(f.lfFaceName, talvik::LF_FACESIZE - 1);
  f.lfHeight = talvik::LONG(v[0]);
  f.lfWeight = talvik::LONG(v[1]);
  f.lfItalic = v[2] ? 1 : 0;
  f.lfUnderline = v[3] ? 1 : 0;
  f.lfStrikeOut = v[4] ? 1 : 0;
  return true;
}

bool FixeTexte(T_TEXTE& t, const std::string& nom, const char* valeur) {
  for (const ChampTexte& c : kChampsTexte) {
    if (nom != c.nom) continue;
    return std::visit(
        [&](auto m) -> bool {
          using Valeur = std::remove_cv_t<std::remove_reference_t<decltype(t.*m)>>;
          if constexpr (std::is_same_v<Valeur, std::string>) {
            t.*m = valeur;
            return true;
          } else if constexpr (std::is_same_v<Valeur, LOGFONT>) {
            return LitPolice(valeur, t.*m);
          } else {
            long v = 0;
            if (!Entier(valeur, v)) return false;
            t.*m = Valeur(v);
            return true;
          }
        },
        c.membre);
  }
  return false;
}

// `champ` is a field's designed name, or "Textes.N.Name" (N from 1) for a
// field of a text; a rectangle's value is "left,top,right,bottom".
bool FixeChamp(CEcran& e, const std::string& champ, const char* valeur) {
  if (champ.rfind("Textes.", 0) == 0) {
    const std::size_t point = champ.find('.', 7);
    if (point == std::string::npos) return false;
    const int n = std::atoi(champ.substr(7, point - 7).c_str());
    if (n < 1 || n > kNombreTextes) return false;
    return FixeTexte(e.Textes[n - 1], champ.substr(point + 1), valeur);
  }
  for (const ChampEcran& c : kChampsEcran) {
    if (champ != c.nom || (c.positionProjet == 0 && !c.cleEtendue)) continue;
    return std::visit(
        [&](auto m) -> bool {
          using Valeur = std::remove_cv_t<std::remove_reference_t<decltype(e.*m)>>;
          if constexpr (std::is_same_v<Valeur, std::string>) {
            e.*m = valeur;
            return true;
          } else if constexpr (std::is_same_v<Valeur, RECT>) {
            RECT r{};
            if (std::sscanf(valeur, "%d,%d,%d,%d", &r.left, &r.top, &r.right, &r.bottom) != 4)
              return false;
            e.*m = r;
            return true;
          } else if constexpr (std::is_same_v<Valeur, int> || std::is_same_v<Valeur, COLORREF>) {
            long v = 0;
            if (!Entier(valeur, v)) return false;
            e.*m = Valeur(v);
            return true;
          } else {
            return false;
          }
        },
        c.membre);
  }
  return false;
}

}  // namespace

}  // namespace lumaveil

using namespace lumaveil;

extern "C" {

// The project at `chemin` as JSON: {"resolution":[w,h],"modele":{...},
// "ecrans":[{...}, ...]}, each screen with the fields its file keeps. Null
// when it cannot be read (the reason on standard error). The caller frees
// the text.
EMSCRIPTEN_KEEPALIVE char* lmv_projet_json(const char* chemin) {
  InstalleChainesMaker();
  CDialogueErreurs dialogue;
  CProjet p;
  if (!ChargeProjet(p, chemin, dialogue)) return nullptr;
  std::string json = "{\"resolution\":[" + std::to_string(p.ResolutionCible.cx) + "," +
                     std::to_string(p.ResolutionCible.cy) + "],\"modele\":";
  Ecran(json, p.ModeleEcran);
  json += ",\"ecrans\":[";
  for (int i = 0; i < p.NombreEcrans(); ++i) {
    if (i) json += ',';
    Ecran(json, p.Ecran(i));
  }
  json += "]}";
  return Copie(json);
}

// Changes the project at `chemin` and saves it. `ecran` is a screen's
// index from 0, or -1 for the template. Operations:
//   "champ" NAME VALUE   sets a field (see FixeChamp)
//   "deplace" TO          moves the screen to index TO
//   "supprime"            removes the screen
//   "resolution" WxH      the target resolution, and every screen's size
//   "ajoute" PATH [WxH]   a new screen from the template for the picture at
//                         PATH, at the end of the list (`ecran` is not used);
//                         a picture that does not load is named. Without a
//                         project file, a new project at WxH is made.
// Returns 1 when done and saved, 0 otherwise (a reason on standard error).
EMSCRIPTEN_KEEPALIVE int lmv_change_projet(const char* chemin, int ecran, const char* operation,
                                          const char* nom, const char* valeur) {
  InstalleChainesMaker();
  CDialogueErreurs dialogue;
  CProjet p;
  const std::string op = operation ? operation : "";
  // The first screen added makes the project, at the resolution given.
  int w = 0, h = 0;
  const bool nouveau = op == "ajoute" && !std::filesystem::exists(chemin ? chemin : "") &&
                       valeur && std::sscanf(valeur, "%dx%d", &w, &h) == 2 && w > 0 && h > 0;
  if (nouveau) p.ResolutionCible = SIZE{w, h};
  else if (!ChargeProjet(p, chemin, dialogue)) return 0;
  if (op == "ajoute") {
    auto ecranNouveau = p.NouvelEcranDepuisModele();
    ecranNouveau->CheminImage = nom ? nom : "";
    {
      // As the command line's --new: the path is set, the picture only
      // checked, here read whole but a JPEG at an eighth of its size (all
      // its data is still decoded, so damage shows as it would).
      talvik::CMessagesRetenus retenus;
      CEcran essai(p.ResolutionCible);
      const bool lue = essai.ChargeImageReduite(ecranNouveau->CheminImage, 8) != 0;
      if (!lue)
        talvik::AfficheMessage(MessageUtilisateur{
            talvik::IDS_CHARGEMENT_IMPOSSIBLE,
            talvik::ChargeChaine(talvik::IDS_CHARGEMENT_IMPOSSIBLE),
            talvik::ChargeChaine(talvik::IDS_ERREUR_LIBRAIRIE), talvik::IconeMessage::Erreur,
            ecranNouveau->CheminImage});
      RapporteMessagesPhoto(retenus.Prend(), ecranNouveau->CheminImage, lue, dialogue);
    }
    p.Ajoute(std::move(ecranNouveau));
    return SauveProjet(p, chemin, dialogue);
  }
  if (ecran < -1 || ecran >= p.NombreEcrans()) return 0;
  CEcran& e = ecran < 0 ? p.ModeleEcran : p.Ecran(ecran);
  bool fait = false;
  if (op == "champ") {
    fait = FixeChamp(e, nom ? nom : "", valeur ? valeur : "");
  } else if (op == "deplace" && ecran >= 0) {
    long vers = 0;
    fait = Entier(nom, vers) && p.Deplace(ecran, int(vers));
  } else if (op == "supprime" && ecran >= 0) {
    fait = p.Supprime(ecran) != 0;
  } else if (op == "resolution") {
    int w = 0, h = 0;
    if (nom && std::sscanf(nom, "%dx%d", &w, &h) == 2 && w > 0 && h > 0) {
      p.ResolutionCible = SIZE{w, h};
      p.ModeleEcran.TailleCible = p.ResolutionCible;
      for (int i = 0; i < p.NombreEcrans(); ++i) p.Ecran(i).TailleCible = p.ResolutionCible;
      fait = true;
    }
  }
  if (!fait) {
    std::fprintf(stderr, "The project could not be changed (%s).\n", op.c_str());
    return 0;
  }
  return SauveProjet(p, chemin, dialogue);
}

}  // extern "C"
