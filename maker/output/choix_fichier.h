// The file chooser the generation asks for its target: the GUI shows its
// save-file dialog (which confirms overwriting), tests answer directly.
#pragma once

#include <optional>
#include <string>

namespace lumaveil {

class IChoixFichier {
 public:
  virtual ~IChoixFichier() = default;
  // A file to save to, proposed as `nomPropose` with the default extension
  // `extension` and the filter `filtre` ("Text (*.ext)|*.ext||" form);
  // nothing when the user cancels. The chooser confirms before an existing
  // file is overwritten.
  virtual std::optional<std::string> ChoisitFichierSauvegarde(const std::string& nomPropose,
                                                              const std::string& extension,
                                                              const std::string& filtre) = 0;
};

}  // namespace lumaveil
