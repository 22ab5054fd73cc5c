// Settings added after the designed layout of the project (.lmv) and
// template (.mod) files, and how both files carry them without changing
// what the designed part means.
//
// Three kinds, each declared once:
// - a screen's field: a row of kChampsEcran with a `cleEtendue`;
// - a text's field: a row of kChampsTexteEtendus (both in champs_ecran.h);
// - an option of the whole project: a row of kChampsProjet below.
//
// The .lmv holds them in one block after the last screen record, which the
// designed reader never looks at:
//   int32 kMagiqueExtension, int32 n, then n entries of
//   int32 portee (-1 the project, 0 the template, k the k-th screen),
//   string key, string value (the archive's string form; the value as text,
//   as the .mod writes it; a rectangle as "left top right bottom").
// The .mod holds a screen's and a text's fields as lines "[key] value"
// after the designed lines (the project options are not a template's).
// An entry is written only when its value differs from its default, and the
// block only when it has an entry: a project or template using none of
// them is byte for byte what it was. Unknown keys are skipped when read, so
// a later field does not make a file unreadable.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "archive.h"
#include "projet.h"

namespace lumaveil {

// "LMVE", the first four bytes of the .lmv's extension block.
inline constexpr std::int32_t kMagiqueExtension = 0x45564D4C;

// Where an entry of the block belongs.
inline constexpr std::int32_t kPorteeProjet = -1;
inline constexpr std::int32_t kPorteeModele = 0;

struct ChampProjet {
  const char* nom;        // the member of CProjet
  int CProjet::*membre;
  int defaut;             // its value in a file that does not hold it
  const char* cle;        // its key in the .lmv's extension block
};

inline constexpr std::array kChampsProjet = {
    ChampProjet{"MelangeEcrans", &CProjet::MelangeEcrans, 0, "Melange Ecrans"},
    ChampProjet{"MoniteursDifferents", &CProjet::MoniteursDifferents, 0, "Moniteurs Differents"},
    ChampProjet{"PairePortraits", &CProjet::PairePortraits, 0, "Paire Portraits"},
};

// Gives every project option its default.
void OptionsParDefaut(CProjet& projet);

// Appends the extension block of `projet` (its options, its template's and
// each screen's added fields) to `ar`, or nothing when every value is its
// default.
void EcritExtension(CArchiveEcriture& ar, const CProjet& projet);

// Reads what follows the last screen record into `projet`, whose screens
// are already read. Nothing there, or anything but an extension block, is
// ignored as the designed reader does; 0 when a block is there but damaged
// (cut short, an entry count larger than the bytes left).
int LitExtension(CArchiveLecture& ar, CProjet& projet);

// The .mod lines of the added fields of `ecran` that differ from their
// defaults, each without its line end.
std::vector<std::string> LignesEtenduesModele(const CEcran& ecran);

// Sets the added field whose key starts `ligne` ("[key] value"); 0 when
// the line holds none of them.
int LitLigneEtendueModele(const std::string& ligne, CEcran& ecran);

}  // namespace lumaveil
