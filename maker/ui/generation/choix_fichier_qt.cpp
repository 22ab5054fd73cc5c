#include "generation/choix_fichier_qt.h"

#include "commun/ks_file_dialog.h"

namespace lumaveil {

std::optional<std::string> CChoixFichierQt::ChoisitFichierSauvegarde(
    const std::string& nomPropose, const std::string& extension, const std::string& filtre) {
  QString suffixe = QString::fromStdString(extension);
  if (suffixe.startsWith('*')) suffixe.remove(0, 1);
  CKSFileDialog choix(false, suffixe, QString::fromStdString(nomPropose), OFN_OVERWRITEPROMPT,
                      QString::fromStdString(filtre), parent_);
  if (choix.DoModal() != IDOK) return std::nullopt;
  return choix.GetPathName().toStdString();
}

}  // namespace lumaveil
