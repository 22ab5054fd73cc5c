// What the model and the generation show to the user goes through this
// interface: the GUI shows message boxes, the command line writes to
// standard error and answers questions by its options.
#pragma once

#include <string>

#include "base/message.h"

namespace lumaveil {

using talvik::IconeMessage;

class IDialogue {
 public:
  virtual ~IDialogue() = default;
  // A message with its caption and icon; the user acknowledges it.
  virtual void Message(const std::string& texte, const std::string& titre,
                       IconeMessage icone) = 0;
  // A Yes/No question (question icon): 1 for Yes, 0 for No.
  virtual int Question(const std::string& texte, const std::string& titre) = 0;
};

// Shows everything through the library's message hook (base/message.h).
class CDialogueHook : public IDialogue {
 public:
  void Message(const std::string& texte, const std::string& titre,
               IconeMessage icone) override {
    talvik::AfficheMessage(texte, titre, icone);
  }
  int Question(const std::string& texte, const std::string& titre) override {
    return talvik::AfficheMessage(texte, titre, IconeMessage::Question) ? 1 : 0;
  }
};

}  // namespace lumaveil
