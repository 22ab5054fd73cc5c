#include "dossier_temporaire.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

namespace lumaveil::testing {

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "lumaveil-test-XXXXXX").string();
  if (mkdtemp(tmpl.data())) path_ = tmpl;
}

TempDir::~TempDir() {
  if (!path_.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
}

}  // namespace lumaveil::testing
