// The model's messages and questions shown as the library's message boxes
// (designed captions and icons), on the user-interface thread.
#pragma once

#include <QPointer>
#include <QWidget>

#include "dialogue.h"

namespace lumaveil {

class CDialogueQt : public IDialogue {
 public:
  explicit CDialogueQt(QWidget* parent = nullptr) : parent_(parent) {}
  using IDialogue::Message;
  void Message(const MessageUtilisateur& message) override;
  // Yes/No with the question icon: 1 for Yes.
  int Question(const MessageUtilisateur& question) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace lumaveil
