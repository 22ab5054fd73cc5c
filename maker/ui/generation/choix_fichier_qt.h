// The save chooser of the generation: the maker's file chooser in save mode,
// which asks before an existing file is replaced.
#pragma once

#include <QPointer>
#include <QWidget>

#include "choix_fichier.h"

namespace lumaveil {

class CChoixFichierQt : public IChoixFichier {
 public:
  explicit CChoixFichierQt(QWidget* parent) : parent_(parent) {}
  // `extension` may come as "*.scr", ".scr" or "scr"; "" adds none.
  std::optional<std::string> ChoisitFichierSauvegarde(const std::string& nomPropose,
                                                      const std::string& extension,
                                                      const std::string& filtre) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace lumaveil
