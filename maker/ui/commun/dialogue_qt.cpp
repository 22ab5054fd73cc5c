#include "commun/dialogue_qt.h"

#include "dialogs/commun/boite_message.h"

namespace lumaveil {

void CDialogueQt::Message(const MessageUtilisateur& message) {
  talvik::BoiteMessage(parent_, message.texte, message.titre, message.icone);
}

int CDialogueQt::Question(const MessageUtilisateur& question) {
  return talvik::BoiteMessage(parent_, question.texte, question.titre, IconeMessage::Question,
                              talvik::BoutonsMessage::OuiNon) == talvik::IDYES
             ? 1
             : 0;
}

}  // namespace lumaveil
