// The fields of a screen (CEcran) described once: name, type, default,
// place in the project file (.lmv), key in the template file (.mod), and
// whether a screen keeps its own value when the template is applied to
// every screen ("OK for all"). Copying a screen's settings, the default
// screen, both files and applying the template all walk these tables;
// a field added to CEcran is added here and nowhere else.
//
// The run-time pictures (ImageSource, the caches, TailleFinale, Vignette)
// are not fields of the table: they are never copied, written or read.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>

#include "ecran.h"
#include "effets_transition.h"

namespace lumaveil {

// What a field holds; it also says how the files write it.
enum class TypeChamp {
  Entier,     // int: .lmv 32-bit integer; .mod "%d"
  Long,       // 32-bit long: .lmv 32-bit integer; .mod "%ld"
  Couleur,    // COLORREF: .lmv 32-bit integer; .mod "%ld"
  Chaine,     // UTF-8 text: .lmv archive string; .mod the rest of the line
  Rectangle,  // RECT: .lmv left, top, right, bottom
  Taille,     // SIZE: never written
  Date,       // SYSTEMTIME: never written
  Police,     // LOGFONT: .lmv 60 bytes; .mod 13 numbers and the face name
  Textes,     // the five T_TEXTE, each field by field (kChampsTexte)
};

// The groups of the template file's reader: a line sets at most one field
// per group, the first of the group whose key it holds. The groups are
// tried in this order, which is also their order in the file.
enum class GroupeModele { Aucun, Redimension, Textes, Cadre, Fond, Effet, Duree };

using MembreEcran =
    std::variant<int CEcran::*, COLORREF CEcran::*, std::string CEcran::*, RECT CEcran::*,
                 SIZE CEcran::*, talvik::SYSTEMTIME CEcran::*, T_TEXTE (CEcran::*)[kNombreTextes]>;

struct ChampEcran {
  const char* nom;          // the designed name of the member
  TypeChamp type;
  MembreEcran membre;
  std::int64_t defaut;      // Entier, Long, Couleur; other types start empty (zero),
                            // TailleCible at the size given to the constructor and
                            // the texts as T_TEXTE with the font PoliceDefaut()
  int positionProjet;       // 1-based place in the .lmv screen record; 0: not written
  int positionModele;       // 1-based place among the .mod fields; 0: not written
  const char* cleModele;    // the .mod key up to its value ("[Cadre Taille] "), or null
  GroupeModele groupe;      // reader group of that key
  bool gardeParEcran;       // "OK for all": the screen keeps its own value
  const char* cleEtendue = nullptr;  // a field added after the designed layout
                            // (both positions 0): its key in the .lmv's
                            // extension block and, as "[cle] ", in the .mod
                            // (champs_etendus.h); written only when it differs
                            // from its default
};

// Every field in the designed order of CEcran.
inline constexpr std::array kChampsEcran = {
    ChampEcran{"TailleCible", TypeChamp::Taille, &CEcran::TailleCible, 0, 0, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"CheminImage", TypeChamp::Chaine, &CEcran::CheminImage, 0, 1, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"TailleFichier", TypeChamp::Entier, &CEcran::TailleFichier, 0, 0, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"DateFichier", TypeChamp::Date, &CEcran::DateFichier, 0, 0, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"TailleImage", TypeChamp::Taille, &CEcran::TailleImage, 0, 0, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"TransparenceUtilisation", TypeChamp::Entier, &CEcran::TransparenceUtilisation, 0, 0, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"CouleurTransparente", TypeChamp::Couleur, &CEcran::CouleurTransparente, 0, 0, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"RedimensionUtilisation", TypeChamp::Entier, &CEcran::RedimensionUtilisation, 0, 2, 1, "[Redimension Utilisation] ", GroupeModele::Redimension, false},
    ChampEcran{"RedimensionTailleX", TypeChamp::Long, &CEcran::RedimensionTailleX, 0, 3, 2, "[Redimension TailleX] ", GroupeModele::Redimension, false},
    ChampEcran{"RedimensionTailleY", TypeChamp::Long, &CEcran::RedimensionTailleY, 0, 4, 3, "[Redimension TailleY] ", GroupeModele::Redimension, false},
    ChampEcran{"RedimensionPourcentageValeur", TypeChamp::Entier, &CEcran::RedimensionPourcentageValeur, 100, 5, 4, "[Redimension Pourcentage Valeur] ", GroupeModele::Redimension, false},
    ChampEcran{"RedimensionPourcentageUtilisation", TypeChamp::Entier, &CEcran::RedimensionPourcentageUtilisation, 1, 6, 5, "[Redimension Pourcentage Utilisation] ", GroupeModele::Redimension, false},
    ChampEcran{"RedimensionConservationProportion", TypeChamp::Entier, &CEcran::RedimensionConservationProportion, 1, 7, 6, "[Redimension Conservation Proportion] ", GroupeModele::Redimension, false},
    ChampEcran{"RecoupeUtilisation", TypeChamp::Entier, &CEcran::RecoupeUtilisation, 0, 8, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"RecoupeRectangle", TypeChamp::Rectangle, &CEcran::RecoupeRectangle, 0, 9, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"RotationUtilisation", TypeChamp::Entier, &CEcran::RotationUtilisation, 0, 10, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"RotationAngle", TypeChamp::Entier, &CEcran::RotationAngle, 0, 11, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"ReglageUtilisation", TypeChamp::Entier, &CEcran::ReglageUtilisation, 0, 12, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"ReglageContraste", TypeChamp::Entier, &CEcran::ReglageContraste, 50, 13, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"ReglageLumiere", TypeChamp::Entier, &CEcran::ReglageLumiere, 50, 14, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"ReglageIntensite", TypeChamp::Entier, &CEcran::ReglageIntensite, 50, 15, 0, nullptr, GroupeModele::Aucun, true},
    ChampEcran{"CadreUtilisation", TypeChamp::Entier, &CEcran::CadreUtilisation, 0, 16, 8, "[Cadre Utilisation] ", GroupeModele::Cadre, false},
    ChampEcran{"CadreTaille", TypeChamp::Entier, &CEcran::CadreTaille, 5, 17, 9, "[Cadre Taille] ", GroupeModele::Cadre, false},
    ChampEcran{"CadreMotifUtilisation", TypeChamp::Entier, &CEcran::CadreMotifUtilisation, 0, 18, 10, "[Cadre Motif Utilisation] ", GroupeModele::Cadre, false},
    ChampEcran{"CadreMotif", TypeChamp::Entier, &CEcran::CadreMotif, 25, 19, 11, "[Cadre Motif] ", GroupeModele::Cadre, false},
    ChampEcran{"CadreCouleur", TypeChamp::Couleur, &CEcran::CadreCouleur, 0, 20, 12, "[Cadre Couleur] ", GroupeModele::Cadre, false},
    ChampEcran{"CadreBordureUtilisation", TypeChamp::Entier, &CEcran::CadreBordureUtilisation, 0, 21, 13, "[Cadre Bordure Utilisation] ", GroupeModele::Cadre, false},
    ChampEcran{"CadreCouleurBordure", TypeChamp::Couleur, &CEcran::CadreCouleurBordure, 0, 22, 14, "[Cadre Couleur Bordure] ", GroupeModele::Cadre, false},
    ChampEcran{"Textes", TypeChamp::Textes, &CEcran::Textes, 0, 23, 7, nullptr, GroupeModele::Textes, false},
    ChampEcran{"FondUtilisation", TypeChamp::Entier, &CEcran::FondUtilisation, 1, 24, 15, "[Fond Utilisation] ", GroupeModele::Fond, false},
    ChampEcran{"FondMotifUtilisation", TypeChamp::Entier, &CEcran::FondMotifUtilisation, 0, 25, 16, "[Fond Motif Utilisation] ", GroupeModele::Fond, false},
    ChampEcran{"FondMotif", TypeChamp::Entier, &CEcran::FondMotif, 25, 26, 17, "[Fond Motif] ", GroupeModele::Fond, false},
    ChampEcran{"FondCouleur", TypeChamp::Couleur, &CEcran::FondCouleur, 0x00FFFFFF, 27, 18, "[Fond Couleur] ", GroupeModele::Fond, false},
    ChampEcran{"EffetTransition", TypeChamp::Entier, &CEcran::EffetTransition, 0, 28, 19, "[Effet Transition] ", GroupeModele::Effet, false},
    ChampEcran{"DureeAffichage", TypeChamp::Entier, &CEcran::DureeAffichage, 3, 29, 20, "[Duree Affichage] ", GroupeModele::Duree, false},
    ChampEcran{"DureeTransition", TypeChamp::Entier, &CEcran::DureeTransition, kDureeTransitionDefautMs, 0, 0, nullptr, GroupeModele::Aucun, false, "Duree Transition"},
    ChampEcran{"FondFlou", TypeChamp::Entier, &CEcran::FondFlou, 0, 0, 0, nullptr, GroupeModele::Aucun, false, "Fond Flou"},
    ChampEcran{"RedimensionRemplissage", TypeChamp::Entier, &CEcran::RedimensionRemplissage, 0, 0, 0, nullptr, GroupeModele::Aucun, false, "Redimension Remplissage"},
    ChampEcran{"RemplissageRectangle", TypeChamp::Rectangle, &CEcran::RemplissageRectangle, 0, 0, 0, nullptr, GroupeModele::Aucun, true, "Remplissage Rectangle"},
};

using MembreTexte = std::variant<int T_TEXTE::*, COLORREF T_TEXTE::*, std::string T_TEXTE::*,
                                 LOGFONT T_TEXTE::*>;

// One field of a text. Its default is T_TEXTE's own (the font: PoliceDefaut).
struct ChampTexte {
  const char* nom;         // the designed name of the member
  TypeChamp type;
  MembreTexte membre;
  const char* cleModele;   // the name inside the .mod key of text n:
                           // "[Texte n°<n> <cleModele>] "
};

// The fields of a text in the order of both files: the .lmv text block and
// the 13 lines of each text in the .mod file.
inline constexpr std::array kChampsTexte = {
    ChampTexte{"Utilisation", TypeChamp::Entier, &T_TEXTE::Utilisation, "Utilisation"},
    ChampTexte{"Libelle", TypeChamp::Chaine, &T_TEXTE::Libelle, "Libelle"},
    ChampTexte{"PositionAutomatique", TypeChamp::Entier, &T_TEXTE::PositionAutomatique, "Position Automatique"},
    ChampTexte{"PositionAutomatiqueVerticale", TypeChamp::Entier, &T_TEXTE::PositionAutomatiqueVerticale, "Position Automatique Verticale"},
    ChampTexte{"PositionAutomatiqueHorizontale", TypeChamp::Entier, &T_TEXTE::PositionAutomatiqueHorizontale, "Position Automatique Horizontale"},
    ChampTexte{"DeltaX", TypeChamp::Long, &T_TEXTE::DeltaX, "Position Automatique DeltaX"},
    ChampTexte{"DeltaY", TypeChamp::Long, &T_TEXTE::DeltaY, "Position Automatique DeltaY"},
    ChampTexte{"AbsolueX", TypeChamp::Long, &T_TEXTE::AbsolueX, "Position AbsolueX"},
    ChampTexte{"AbsolueY", TypeChamp::Long, &T_TEXTE::AbsolueY, "Position AbsolueY"},
    ChampTexte{"CouleurEncre", TypeChamp::Couleur, &T_TEXTE::CouleurEncre, "Couleur Encre"},
    ChampTexte{"CouleurFond", TypeChamp::Couleur, &T_TEXTE::CouleurFond, "Couleur Fond"},
    ChampTexte{"FondTransparent", TypeChamp::Entier, &T_TEXTE::FondTransparent, "Fond Transparent"},
    ChampTexte{"Fonte", TypeChamp::Police, &T_TEXTE::Fonte, "Fonte"},
};

// Fields of a text added after the designed layout: never in the designed
// text block of either file; each is written, only when it differs from
// T_TEXTE's own default, in the .lmv's extension block and as a .mod line,
// both under the key "Texte n°<n> <cleModele>" (champs_etendus.h).
inline constexpr std::array kChampsTexteEtendus = {
    ChampTexte{"FormatDate", TypeChamp::Entier, &T_TEXTE::FormatDate, "Format Date"},
    ChampTexte{"Relief", TypeChamp::Entier, &T_TEXTE::Relief, "Relief"},
};

// The .mod key of field `champ` of text n (1..5), UTF-8.
std::string CleModeleTexte(int n, const ChampTexte& champ);

// Indexes into kChampsEcran of the fields the template file holds, in the
// order of the file.
inline constexpr auto kOrdreModele = [] {
  constexpr std::size_t n = [] {
    std::size_t k = 0;
    for (const ChampEcran& c : kChampsEcran) k += c.positionModele > 0;
    return k;
  }();
  std::array<std::size_t, n> ordre{};
  for (std::size_t i = 0; i < kChampsEcran.size(); ++i)
    if (kChampsEcran[i].positionModele > 0)
      ordre[std::size_t(kChampsEcran[i].positionModele - 1)] = i;
  return ordre;
}();

// Copies every field of the table from `source` into `cible`; with
// `seulementGardes`, only the fields a screen keeps on "OK for all".
void CopieChamps(const CEcran& source, CEcran& cible, bool seulementGardes = false);

// Gives every field of the table its default; TailleCible becomes
// `tailleCible` and each text's font PoliceDefaut().
void ChampsParDefaut(CEcran& ecran, SIZE tailleCible);

}  // namespace lumaveil
