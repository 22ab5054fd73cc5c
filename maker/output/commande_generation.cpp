#include "commande_generation.h"

#include "chaines_maker.h"
#include "installation.h"

namespace lumaveil {

BilanGeneration CommandeGeneration(CProjet& projet, talvik::CGraphique& graphique,
                                   const ParametresCommandeGeneration& parametres,
                                   IChoixFichier& choix, IDialogue& dialogue,
                                   IProgression& progression) {
  if (projet.NombreEcrans() < 2) {
    dialogue.Message(MessageMaker(IDS_DEUX_ECRANS, IDS_ATTENTION, IconeMessage::Attention));
    return {};
  }
  const bool windows = parametres.plateforme == Plateforme::Windows;
  std::optional<std::string> cible =
      choix.ChoisitFichierSauvegarde(NomPropose(parametres.titreProjet), windows ? "*.scr" : "",
                                     windows ? "Ecran de veille (*.scr)|*.scr||"
                                             : "Screen saver (*)|*||");
  if (!cible || cible->empty()) return {};
  OptionsGeneration options;
  options.sortie = *cible;
  options.moteur =
      parametres.moteur.empty() ? CheminMoteur(parametres.plateforme) : parametres.moteur;
  options.qualiteJPEG = parametres.qualiteJPEG;
  options.fichierProjet = parametres.fichierProjet;
  BilanGeneration bilan = GenereEcranDeVeille(projet, graphique, options, dialogue, progression);
  if (bilan.resultat == ResultatGeneration::Termine && bilan.paquetEcrit)
    ProposeInstallation(*cible, parametres.plateforme, dialogue, parametres.maison);
  return bilan;
}

}  // namespace lumaveil
