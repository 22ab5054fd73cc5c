// The sink of everything the model and the generation tell the user: the
// GUI shows message boxes, the command line writes to standard error and
// answers questions by its options. It is called only on the thread that
// called the model (the user interface's), one call per message, in the
// designed order; work done on other threads hands its messages back to
// be shown through it (base/message.h).
#pragma once

#include <string>

#include "base/message.h"

namespace lumaveil {

using talvik::IconeMessage;
using talvik::MessageUtilisateur;

class IDialogue {
 public:
  virtual ~IDialogue() = default;
  // A message with its caption and icon; the user acknowledges it. A
  // message box shows texte and titre; `fichier`, when set, names the file
  // it is about (the command line prints it).
  virtual void Message(const MessageUtilisateur& message) = 0;
  // A Yes/No question (question icon), told apart by its id: 1 for Yes, 0
  // for No.
  virtual int Question(const MessageUtilisateur& question) = 0;

  // A message without a designed id.
  void Message(const std::string& texte, const std::string& titre, IconeMessage icone) {
    Message(MessageUtilisateur{0, texte, titre, icone, {}});
  }
};

// Shows everything through the library's message hook (base/message.h).
class CDialogueHook : public IDialogue {
 public:
  using IDialogue::Message;
  void Message(const MessageUtilisateur& message) override { talvik::AfficheMessage(message); }
  int Question(const MessageUtilisateur& question) override {
    MessageUtilisateur q = question;
    q.icone = IconeMessage::Question;
    return talvik::AfficheMessage(q) ? 1 : 0;
  }
};

}  // namespace lumaveil
