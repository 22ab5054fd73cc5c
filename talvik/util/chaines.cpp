#include "chaines.h"

#include <utility>

namespace talvik {

namespace {

TableChaines& TableApplication() {
  static TableChaines table;
  return table;
}

}  // namespace

TableChaines InstalleTableApplication(TableChaines table) {
  return std::exchange(TableApplication(), std::move(table));
}

std::string ChaineLibrairie(unsigned id) {
  switch (id) {
    case IDS_ERREUR_LIBRAIRIE: return "Error";
    case IDS_ITALIQUE: return "\nItalic";
    case IDS_SOULIGNE: return "\nUnderline";
    case IDS_BARRE: return "\nBarred";
    case IDS_GRAS: return "\nBold";
    case IDS_VALIDATION_IMPOSSIBLE: return "Unable to validate data.";
    case IDS_TEXTE_NUMERO: return "Text n\xC2\xB0%d";
    case IDS_CHARGEMENT_IMPOSSIBLE: return "Unable to load file";
    case IDS_NOUVEAU_NOM: return "Input of new filename";
    case IDS_COPIE_SOURCE: return "File copy error\n\nUnable to access source file.";
    case IDS_COPIE_DESTINATION: return "File copy error\n\nUnable to access destination file.";
    case IDS_COPIE_ECRITURE: return "File copy error\n\nUnable to write destination file.";
    case IDS_AJOUT_MOTIF:
      return "Unable to add pattern.\nUser pattern number is too big \nor invalid file.";
    case IDS_SUPPRESSION_MOTIF: return "Unable to delete pattern.\nYou can only delete user pattern.";
    case IDS_TOUS_FICHIERS: return "All files";
    default: return {};
  }
}

std::string ChargeChaine(unsigned id) {
  if (const TableChaines& app = TableApplication()) {
    if (std::optional<std::string> texte = app(id)) return *texte;
  }
  return ChaineLibrairie(id);
}

}  // namespace talvik
