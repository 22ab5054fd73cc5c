// The user-pattern list kept in the settings store: value UserNumberImage
// (the count N) and UserImage1..UserImageN (the file paths, in pattern
// order) under the application key "Lumaveil".
//
// The pattern bank (CGraphique) never touches the store: its owner reads
// the list and hands it to the constructor, and writes it back when it
// wants to. The maker does
//
//   talvik::CGraphique graphique(talvik::LitMotifsUtilisateur());
//   graphique.FixeSauvegardeMotifs(&talvik::SauveMotifsUtilisateur);
//   ...  // the border and background editors call
//        // graphique.AjoutImageFondUtilisateur(path) and
//        // graphique.EffaceImageFondUtilisateur(n): each change is stored
//   talvik::SauveMotifsUtilisateur(graphique.CheminsMotifsUtilisateur());  // at exit
//
// Command-line tools only read the list, so a run beside the maker never
// overwrites the patterns the user added there.
#pragma once

#include <string>
#include <vector>

namespace talvik {

// The list as stored; empty when the store, the key or the count is
// missing. A damaged count reads at most 1000 entries; an entry that is
// missing is left out. Reading never creates or changes the store's file.
std::vector<std::string> LitMotifsUtilisateur();

// Writes UserNumberImage = the list's size and UserImage%d for 1..size;
// entries of higher numbers left by earlier runs stay. 1 when the store
// was written.
int SauveMotifsUtilisateur(const std::vector<std::string>& chemins);

}  // namespace talvik
