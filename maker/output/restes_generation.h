// What a generation killed in mid-run leaves behind, and how the next one
// to the same target clears it: the package's temporary file beside the
// target (".lumaveil-tmp-Ab12Cd.scr") and the JPEG of a screen in the
// temporary folder (".lumaveil-tmp-Ab12Cd.jpg").
//
// A running generation holds an exclusive lock (flock) on both files for as
// long as it uses them; a file is taken as an earlier run's leftover by the
// rules of temporaires_abandonnes.h, its content proving it at once when it
// starts with the engine's first bytes (the package, whatever permissions
// it had reached) or a JPEG's start marker. Anything else is left alone,
// whatever its name looks like.
#pragma once

#include <string>

namespace lumaveil {

// Locks `chemin` for as long as the object lives (the lock goes with the
// process when it is killed).
class CVerrouTemporaire {
 public:
  explicit CVerrouTemporaire(const std::string& chemin);
  ~CVerrouTemporaire();
  CVerrouTemporaire(const CVerrouTemporaire&) = delete;
  CVerrouTemporaire& operator=(const CVerrouTemporaire&) = delete;
  bool Tenu() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// Removes the leftovers of earlier runs for the package `sortie` made from
// `moteur`, beside `sortie` and in `repertoireTemporaire`. Returns how many
// files were removed.
int EffaceRestesGeneration(const std::string& sortie, const std::string& moteur,
                           const std::string& repertoireTemporaire);

}  // namespace lumaveil
