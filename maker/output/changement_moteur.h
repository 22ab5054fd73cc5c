// The same screens with another player in front: a Windows saver made from
// a Linux one and the other way round, without rendering anything again.
#pragma once

#include <string>

namespace talvik {
class CFichierAtomique;
}

namespace lumaveil {

// Writes at `sortie` the engine file `moteur`, then the records of the
// saver `paquet` byte for byte, then its trailer with the new engine's
// length as the records' offset. The saver's trailer must pass the players'
// checks and its records must lie inside it. The file is written under a
// temporary name and renamed once whole, with the permissions of a
// program. 1 on success; 0 and nothing at `sortie` otherwise.
int ChangeMoteur(const std::string& paquet, const std::string& moteur, const std::string& sortie);

// The same into `fichier`, already open on its target (Ouvre), which is
// left prepared (Prepare) for its owner to rename. 1 on success; 0
// otherwise (the owner then abandons the file).
int ChangeMoteurDans(const std::string& paquet, const std::string& moteur,
                     talvik::CFichierAtomique& fichier);

}  // namespace lumaveil
