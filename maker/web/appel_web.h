// What the functions the page calls share: messages go to standard error
// as the command line writes them (the page shows its lines), and texts
// handed back are copies the page frees.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dialogue.h"

namespace lumaveil::web {

// Messages on standard error ("text: file"); every question is answered no.
class CDialogueErreurs : public IDialogue {
 public:
  using IDialogue::Message;
  void Message(const MessageUtilisateur& m) override {
    if (m.fichier.empty()) std::fprintf(stderr, "%s\n", m.texte.c_str());
    else std::fprintf(stderr, "%s: %s\n", m.texte.c_str(), m.fichier.c_str());
  }
  int Question(const MessageUtilisateur&) override { return 0; }
};

// A copy of `s` the caller frees with free(); null when out of memory.
inline char* Copie(const std::string& s) {
  char* r = static_cast<char*>(std::malloc(s.size() + 1));
  if (r) std::memcpy(r, s.c_str(), s.size() + 1);
  return r;
}

}  // namespace lumaveil::web
