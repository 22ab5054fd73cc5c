#include "ecrans_suffisants.h"

#include <optional>
#include <string>

#include "chaines_maker.h"
#include "champs_legende.h"

namespace lumaveil {

int EcransSuffisants(const CProjet& projet, IDialogue& dialogue) {
  return EcransSuffisants(projet.NombreEcrans(), dialogue);
}

int EcransSuffisants(int nombre, IDialogue& dialogue) {
  if (nombre >= kEcransMinimum) return 1;
  dialogue.Message(MessageMaker(IDS_DEUX_ECRANS, IDS_ATTENTION, IconeMessage::Attention));
  return 0;
}

bool EcranBlanc(const CEcran& ecran) {
  if (!ecran.CheminImage.empty()) return false;
  // Without a picture, a caption made only of the photo's fields draws
  // nothing.
  for (const T_TEXTE& t : ecran.Textes) {
    if (!t.Utilisation || t.Libelle.empty()) continue;
    const std::optional<std::string> dessine = LibelleDessine(t, std::string());
    if (dessine && !dessine->empty()) return false;
  }
  return true;
}

std::vector<int> EcransBlancs(const CProjet& projet) {
  std::vector<int> blancs;
  for (int i = 0; i < projet.NombreEcrans(); ++i)
    if (EcranBlanc(projet.Ecran(i))) blancs.push_back(i);
  return blancs;
}

talvik::MessageUtilisateur MessageEcransBlancs(const std::vector<int>& blancs) {
  std::string numeros;
  for (std::size_t k = 0; k < blancs.size(); ++k) {
    if (k > 0) numeros += k + 1 == blancs.size() ? " and " : ", ";
    numeros += std::to_string(blancs[k] + 1);
  }
  const bool un = blancs.size() == 1;
  return talvik::MessageUtilisateur{
      IDS_ECRANS_BLANCS,
      (un ? "Screen " : "Screens ") + numeros +
          (un ? " has no picture and no text; it was left out."
              : " have no picture and no text; they were left out."),
      ChaineMaker(IDS_ATTENTION), IconeMessage::Attention, {}};
}

}  // namespace lumaveil
