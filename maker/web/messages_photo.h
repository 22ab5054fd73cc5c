// What the page is told about one photo being read: the messages that name
// a file as they are ("Unable to load file" and the reasons given with a
// file), and the decoder's own lines, which name none, as one line naming
// the photo, only when the photo could be read all the same (otherwise
// "Unable to load file" already names it).
#pragma once

#include <string>
#include <vector>

#include "dialogue.h"

namespace lumaveil {

inline void RapporteMessagesPhoto(const std::vector<MessageUtilisateur>& messages,
                                  const std::string& photo, bool lue, IDialogue& dialogue) {
  bool endommagee = false;
  for (const MessageUtilisateur& m : messages) {
    if (!m.fichier.empty()) dialogue.Message(m);
    else endommagee = true;
  }
  if (endommagee && lue && !photo.empty())
    dialogue.Message(MessageUtilisateur{0, "Damaged data in " + photo +
                                               ": the photo is shown as far as it could be read.",
                                        "", IconeMessage::Attention, {}});
}

}  // namespace lumaveil
