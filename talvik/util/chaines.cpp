#include "chaines.h"

#include <utility>

namespace talvik {

namespace {

TableChaines& TableApplication() {
  static TableChaines table;
  return table;
}

TraductionChaines& Traduction() {
  static TraductionChaines traduction;
  return traduction;
}

const char* TexteLibrairie(unsigned id) {
  switch (id) {
    case IDS_ERREUR_LIBRAIRIE:
      return QT_TRANSLATE_NOOP("Messages", "Error");
    case IDS_ITALIQUE:
      return QT_TRANSLATE_NOOP("Messages", "\nItalic");
    case IDS_SOULIGNE:
      return QT_TRANSLATE_NOOP("Messages", "\nUnderline");
    case IDS_BARRE:
      return QT_TRANSLATE_NOOP("Messages", "\nBarred");
    case IDS_GRAS:
      return QT_TRANSLATE_NOOP("Messages", "\nBold");
    case IDS_VALIDATION_IMPOSSIBLE:
      return QT_TRANSLATE_NOOP("Messages", "Unable to validate data.");
    case IDS_TEXTE_NUMERO:
      return QT_TRANSLATE_NOOP("Messages", "Text n\xC2\xB0%d");
    case IDS_CHARGEMENT_IMPOSSIBLE:
      return QT_TRANSLATE_NOOP("Messages", "Unable to load file");
    case IDS_NOUVEAU_NOM:
      return QT_TRANSLATE_NOOP("Messages", "Input of new filename");
    case IDS_COPIE_SOURCE:
      return QT_TRANSLATE_NOOP("Messages", "File copy error\n\nUnable to access source file.");
    case IDS_COPIE_DESTINATION:
      return QT_TRANSLATE_NOOP("Messages", "File copy error\n\nUnable to access destination file.");
    case IDS_COPIE_ECRITURE:
      return QT_TRANSLATE_NOOP("Messages", "File copy error\n\nUnable to write destination file.");
    case IDS_AJOUT_MOTIF:
      return QT_TRANSLATE_NOOP(
          "Messages", "Unable to add pattern.\nUser pattern number is too big \nor invalid file.");
    case IDS_SUPPRESSION_MOTIF:
      return QT_TRANSLATE_NOOP("Messages",
                               "Unable to delete pattern.\nYou can only delete user pattern.");
    case IDS_TOUS_FICHIERS:
      return QT_TRANSLATE_NOOP("Messages", "All files");
    default:
      return nullptr;
  }
}

}  // namespace

TraductionChaines InstalleTraductionChaines(TraductionChaines traduction) {
  return std::exchange(Traduction(), std::move(traduction));
}

std::string TraduitChaine(const char* texte) {
  if (!texte) return {};
  return Traduction() ? Traduction()(texte) : std::string(texte);
}

TableChaines InstalleTableApplication(TableChaines table) {
  return std::exchange(TableApplication(), std::move(table));
}

std::string ChaineLibrairie(unsigned id) {
  const char* texte = TexteLibrairie(id);
  return texte ? TraduitChaine(texte) : std::string();
}

std::string ChargeChaine(unsigned id) {
  if (const TableChaines& app = TableApplication()) {
    if (std::optional<std::string> texte = app(id)) return *texte;
  }
  return ChaineLibrairie(id);
}

}  // namespace talvik
