// The temporary files a killed program left behind, and how the next
// writer in the same folder clears them.
//
// A temporary file of ours is named kPrefixeTemporaire, six random
// characters, then nothing or an extension (".lumaveil-tmp-Ab12Cd.scr"),
// and is locked (flock) by whoever uses it. A file is taken as abandoned
// only when all of this holds: it has such a name, it is a regular file
// (never a link) of the user's, nobody holds its lock, and either its
// content starts as the caller says such a file starts (a saver's engine,
// a JPEG's marker) or it has not changed for kAgeAbandon seconds. Anything
// else is left alone: a name a person gives a file never has the form.
#pragma once

#include <string>
#include <vector>

namespace talvik {

inline constexpr const char* kPrefixeTemporaire = ".lumaveil-tmp-";
inline constexpr int kAgeAbandon = 600;

// True for a file name (no folder) of the form above.
bool EstNomTemporaire(const std::string& nom);

// Removes the abandoned temporary files of `repertoire`; `debuts` are the
// starts that prove a file abandoned without waiting for its age (an empty
// start proves nothing). Returns how many files were removed.
int EffaceTemporairesAbandonnes(const std::string& repertoire,
                                const std::vector<std::string>& debuts = {});

}  // namespace talvik
