#include "commande_generation.h"

#include "chaines_maker.h"
#include "ecrans_suffisants.h"
#include "installation.h"

namespace lumaveil {

std::optional<OptionsGeneration> PrepareGeneration(const CProjet& projet,
                                                   const ParametresCommandeGeneration& parametres,
                                                   IChoixFichier& choix, IDialogue& dialogue) {
  if (!EcransSuffisants(projet, dialogue)) return std::nullopt;
  const bool windows = parametres.plateforme == Plateforme::Windows;
  std::optional<std::string> cible =
      choix.ChoisitFichierSauvegarde(NomPropose(parametres.titreProjet), windows ? "*.scr" : "",
                                     windows ? "Ecran de veille (*.scr)|*.scr||"
                                             : "Screen saver (*)|*||");
  if (!cible || cible->empty()) return std::nullopt;
  OptionsGeneration options;
  options.sortie = *cible;
  options.moteur =
      parametres.moteur.empty() ? CheminMoteur(parametres.plateforme) : parametres.moteur;
  options.qualiteJPEG = parametres.qualiteJPEG;
  options.fichierProjet = parametres.fichierProjet;
  options.langue = parametres.langue;
  return options;
}

void TermineGeneration(const BilanGeneration& bilan, const OptionsGeneration& options,
                       const ParametresCommandeGeneration& parametres, IDialogue& dialogue) {
  if (bilan.resultat == ResultatGeneration::Termine && bilan.paquetEcrit)
    ProposeInstallation(options.sortie, parametres.plateforme, dialogue, parametres.maison);
}

BilanGeneration CommandeGeneration(CProjet& projet, talvik::CGraphique& graphique,
                                   const ParametresCommandeGeneration& parametres,
                                   IChoixFichier& choix, IDialogue& dialogue,
                                   IProgression& progression) {
  std::optional<OptionsGeneration> options = PrepareGeneration(projet, parametres, choix, dialogue);
  if (!options) return {};
  BilanGeneration bilan = GenereEcranDeVeille(projet, graphique, *options, dialogue, progression);
  TermineGeneration(bilan, *options, parametres, dialogue);
  return bilan;
}

}  // namespace lumaveil
