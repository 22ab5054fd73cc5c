// The transition effects a screen can have beyond the seven designed ones
// (0..6, and 7 for a random one of them), their names on the command line
// and the length of their cross-fade.
//
// 8 cross-fades the new screen over the old one; 9 pans and zooms across
// the screen while it is shown and cross-fades into it; 10 picks one of
// 0..6, 8 and 9 at random. The cross-fade takes the screen's transition
// length. A saver whose screens use none of them is the designed package.
#pragma once

#include <optional>
#include <string>

namespace lumaveil {

inline constexpr int kEffetAleatoire = 7;        // random among 0..6 (designed)
inline constexpr int kEffetFondu = 8;            // "Cross-fade"
inline constexpr int kEffetPanoramique = 9;      // "Pan and zoom"
inline constexpr int kEffetAleatoireTous = 10;   // "Random (all effects)"
inline constexpr int kNombreCodesEffet = 11;     // codes 0..10

// The transition length the maker offers, in milliseconds.
inline constexpr int kDureeTransitionMinMs = 500;
inline constexpr int kDureeTransitionMaxMs = 5000;
inline constexpr int kDureeTransitionDefautMs = 1500;

// The effect of a screen and the length of its cross-fade, as the effect
// dialog edits them.
struct ValeursEffet {
  int effet = 0;
  int dureeTransitionMs = kDureeTransitionDefautMs;
};

// True for the effects the designed player does not know (8 and above).
constexpr bool EffetNouveau(int effet) { return effet >= kEffetFondu; }

// True for the effects that cross-fade, whose transition length counts.
constexpr bool EffetAvecFondu(int effet) {
  return effet >= kEffetFondu && effet < kNombreCodesEffet;
}

// The transition length kept in the maker's range (a damaged or hand-made
// file may hold anything).
constexpr int DureeTransitionBornee(int ms) {
  return ms < kDureeTransitionMinMs   ? kDureeTransitionMinMs
         : ms > kDureeTransitionMaxMs ? kDureeTransitionMaxMs
                                      : ms;
}

// An effect as the command line names it: "cross-fade", "pan-zoom" or a
// code 0..10; nothing for anything else.
std::optional<int> LitEffet(const std::string& texte);

// A transition length in seconds as the command line writes it ("1.5",
// "2", "0.75"), in milliseconds; nothing for text that is not a number or
// a length outside 0.5 .. 5 s.
std::optional<int> LitDureeTransition(const std::string& texte);

}  // namespace lumaveil
