#include "ecrans_suffisants.h"

#include "chaines_maker.h"

namespace lumaveil {

int EcransSuffisants(const CProjet& projet, IDialogue& dialogue) {
  if (projet.NombreEcrans() >= kEcransMinimum) return 1;
  dialogue.Message(MessageMaker(IDS_DEUX_ECRANS, IDS_ATTENTION, IconeMessage::Attention));
  return 0;
}

}  // namespace lumaveil
