// Icons of the text, border and background editors (48 x 48), by resource
// id; they join the editors' icons looked up by IconeEditeur.
#pragma once

namespace talvik {

inline constexpr int kIconeCadre = 1017;
inline constexpr int kIconeFond = 1019;
inline constexpr int kIconeTexte = 1025;

// Makes the three icons available and returns nId unchanged, so that it
// can be used where an editor passes its icon to its base.
int IconeDecor(int nId);

}  // namespace talvik
