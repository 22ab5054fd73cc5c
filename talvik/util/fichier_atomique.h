// Writing a file so that readers see either the old file or the whole new
// one: the bytes go to a temporary file beside the target, which is
// flushed to disk and then renamed over the target.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace talvik {

class CFichierAtomique {
 public:
  CFichierAtomique() = default;
  // Removes the temporary file when Valide() was not called.
  ~CFichierAtomique();
  CFichierAtomique(const CFichierAtomique&) = delete;
  CFichierAtomique& operator=(const CFichierAtomique&) = delete;

  // Creates the temporary file in the target's directory. 1 on success.
  int Ouvre(const std::string& cible);
  // The open stream (binary); null before Ouvre or after Valide/Abandonne.
  std::FILE* Flux() const { return flux_; }
  const std::string& CheminTemporaire() const { return temporaire_; }

  // Flushes, gives the file its permissions and renames it over the
  // target. `mode` < 0 keeps those of the old file, else the default ones
  // for a new file; the temporary file is only ever readable by its owner
  // until then. 1 on success; on failure the temporary file is removed and
  // the target is left as it was.
  int Valide(int mode = -1);
  // Removes the temporary file; the target is left as it was.
  void Abandonne();

 private:
  std::FILE* flux_ = nullptr;
  std::string cible_;
  std::string temporaire_;
};

// Writes `taille` bytes to `cible` through a CFichierAtomique, with the
// permissions `mode` (< 0: as Valide). 1 on success.
int EcritFichierAtomique(const std::string& cible, const std::uint8_t* donnees,
                         std::size_t taille, int mode = -1);

}  // namespace talvik
