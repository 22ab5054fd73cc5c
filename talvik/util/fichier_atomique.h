// Writing a file so that readers see either the old file or the whole new
// one: the bytes go to a temporary file beside the target, which is
// flushed to disk and then renamed over the target. Every file the
// programs write goes through here.
//
// The temporary file is named ".lumaveil-tmp-" followed by six random
// characters and the target's extension, a name nobody gives a file of
// their own, and it is locked (flock) for as long as it is in use. What a
// killed program left that way is cleared by the next writer in the same
// folder (temporaires_abandonnes.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace talvik {

// Permissions given by Valide and the functions below.
inline constexpr int kModeAncien = -1;      // those of the old file; a new file gets
                                            // 0666 less the umask
inline constexpr int kModeProgramme = -2;   // a program: 0777 less the umask

// How a target that is a symbolic link is treated.
enum class Liens {
  Suivis,     // the file it names is replaced, the link stays
  Remplaces,  // the link itself is replaced; the file it names is never touched
};

class CFichierAtomique {
 public:
  CFichierAtomique() = default;
  // Removes the temporary file when Valide() was not called.
  ~CFichierAtomique();
  CFichierAtomique(const CFichierAtomique&) = delete;
  CFichierAtomique& operator=(const CFichierAtomique&) = delete;

  // Creates the temporary file in the target's directory, named after the
  // target and ending with the target's extension (".png" stays ".png",
  // for writers that choose the format by the name). 1 on success. A
  // symbolic link is treated as `liens` says; a target that exists and is
  // not a regular file (a device, a pipe) is never replaced: it is opened
  // and written in place, and CheminTemporaire() is the target itself
  // (with Liens::Remplaces, a link is replaced whatever it names). The
  // abandoned temporary files of the folder are cleared first.
  int Ouvre(const std::string& cible, Liens liens = Liens::Suivis);
  // The open stream (binary); null before Ouvre, after LibereFlux and
  // after Valide/Abandonne.
  std::FILE* Flux() const { return flux_; }
  const std::string& CheminTemporaire() const { return temporaire_; }
  // Closes the stream so that another writer can write the temporary file
  // by its path; Valide then takes the file as that writer left it. 1 when
  // the stream closed cleanly.
  int LibereFlux();

  // Flushes, gives the file its permissions (`mode` >= 0, or kModeAncien,
  // or kModeProgramme; the temporary file is only ever readable by its
  // owner until then), syncs it to disk and renames it over the target. 1
  // on success; on failure the temporary file is removed and the target is
  // left as it was. Prepare then Remplace.
  int Valide(int mode = kModeAncien);
  // Everything Valide does but the rename: the temporary file is whole, on
  // disk, with its permissions, and still locked. 1 on success; on failure
  // the temporary file is removed.
  int Prepare(int mode = kModeAncien);
  // Renames the prepared file over the target. 1 on success; on failure the
  // temporary file is removed and the target is left as it was.
  int Remplace();
  // Removes the temporary file; the target is left as it was.
  void Abandonne();

 private:
  std::FILE* flux_ = nullptr;
  bool fluxEnErreur_ = false;
  bool direct_ = false;  // the target is a device or a pipe, written in place
  bool prepare_ = false;
  int verrou_ = -1;      // holds the temporary file's lock
  std::string cible_;
  std::string temporaire_;
};

// Writes `taille` bytes to `cible` through a CFichierAtomique, with the
// permissions `mode` (as Valide). 1 on success.
int EcritFichierAtomique(const std::string& cible, const std::uint8_t* donnees,
                         std::size_t taille, int mode = kModeAncien);

// Makes `cible` with `ecrit`, which writes the whole file at the path it is
// given (the temporary file, with the target's extension) and returns
// whether it succeeded. The target is replaced only then. 1 on success.
int EcritFichierAtomique(const std::string& cible,
                         const std::function<bool(const std::string& chemin)>& ecrit,
                         int mode = kModeAncien);

}  // namespace talvik
