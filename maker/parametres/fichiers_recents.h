// The most-recently-used project list of the File menu: 4 entries, the
// newest first, kept in the framework's profile under "Local
// AppWizard-Generated Applications\Lumaveil\Recent File List" as File1 ..
// File4.
#pragma once

#include <string>
#include <vector>

namespace lumaveil {

inline constexpr const char* kCleProfil = "Local AppWizard-Generated Applications";
inline constexpr int kNombreFichiersRecents = 4;

class CFichiersRecents {
 public:
  // Puts `chemin` first; an entry for the same file moves up instead of
  // appearing twice; the oldest entry beyond 4 goes.
  void Ajoute(const std::string& chemin);
  // Removes entry i (a file that could not be opened); nothing for a bad i.
  void Retire(int i);
  const std::vector<std::string>& Liste() const { return liste_; }

  // Reads File1..File4 from the profile, stopping at the first missing one.
  // Returns 0 when the store cannot be read (the list stays empty).
  int Lit();
  // Writes the entries as File1.. and removes the old ones beyond them.
  // Returns 0, silently, when the store cannot be written.
  int Ecrit() const;

 private:
  std::vector<std::string> liste_;
};

}  // namespace lumaveil
