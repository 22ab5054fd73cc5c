// Messages and questions of the model shown as modal message boxes with
// their designed caption and icon, on the user-interface thread only.
#pragma once

#include <QPointer>
#include <QWidget>

#include "dialogue.h"

namespace lumaveil {

// A message box: the icon picks the box's icon (the warning sounds the
// warning beep); Question asks Yes/No. Returns 1 for OK/Yes, 0 otherwise.
// Called from another thread it shows nothing, writes the text to standard
// error and returns 0.
int BoiteMessage(QWidget* parent, const std::string& texte, const std::string& titre,
                 IconeMessage icone);

class CDialogueQt : public IDialogue {
 public:
  explicit CDialogueQt(QWidget* parent = nullptr) : parent_(parent) {}
  void Message(const std::string& texte, const std::string& titre, IconeMessage icone) override;
  int Question(const std::string& texte, const std::string& titre) override;

 private:
  QPointer<QWidget> parent_;
};

// Routes the library's message hook to BoiteMessage (parent: the active
// window); RestaureMessagesQt puts the previous hook back.
void InstalleMessagesQt();
void RestaureMessagesQt();

}  // namespace lumaveil
