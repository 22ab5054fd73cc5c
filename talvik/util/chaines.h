// String tables: the library's own table (ids 4 to 18) and the slot for
// the application's table, which is looked up first.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace talvik {

// Ids of the library's string table.
enum : unsigned {
  IDS_ERREUR_LIBRAIRIE = 4,
  IDS_ITALIQUE = 5,
  IDS_SOULIGNE = 6,
  IDS_BARRE = 7,
  IDS_GRAS = 8,
  IDS_VALIDATION_IMPOSSIBLE = 9,
  IDS_TEXTE_NUMERO = 10,
  IDS_CHARGEMENT_IMPOSSIBLE = 11,
  IDS_NOUVEAU_NOM = 12,
  IDS_COPIE_SOURCE = 13,
  IDS_COPIE_DESTINATION = 14,
  IDS_COPIE_ECRITURE = 15,
  IDS_AJOUT_MOTIF = 16,
  IDS_SUPPRESSION_MOTIF = 17,
  IDS_TOUS_FICHIERS = 18,
};

// The application's table: returns the text of an id it owns, or nothing.
using TableChaines = std::function<std::optional<std::string>(unsigned id)>;

// Installs the application's table (an empty function removes it) and
// returns the previous one.
TableChaines InstalleTableApplication(TableChaines table);

// The texts of the tables in the user's language: the user interface
// installs its translation (Qt's translators, context "Messages"); without
// one every text stays the designed English. Returns the previous one.
using TraductionChaines = std::function<std::string(const char* texte)>;
TraductionChaines InstalleTraductionChaines(TraductionChaines traduction);

// `texte` (a designed English text) in the user's language.
std::string TraduitChaine(const char* texte);

// Marks a designed text for the translators where Qt's headers are not
// included (lupdate reads the marker; the code keeps the English text).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// Text of id: the application's table first, then the library's; ""
// when neither holds it.
std::string ChargeChaine(unsigned id);

// Text of id in the library's own table only ("" when absent).
std::string ChaineLibrairie(unsigned id);

}  // namespace talvik
