#include "app/dialogue_qt.h"

#include "dialogs/commun/boite_message.h"

namespace lumaveil {

void CDialogueQt::Message(const std::string& texte, const std::string& titre,
                          IconeMessage icone) {
  talvik::BoiteMessage(parent_, texte, titre, icone);
}

int CDialogueQt::Question(const std::string& texte, const std::string& titre) {
  return talvik::BoiteMessage(parent_, texte, titre, IconeMessage::Question,
                              talvik::BoutonsMessage::OuiNon) == talvik::IDYES
             ? 1
             : 0;
}

}  // namespace lumaveil
