#include "distribution/page_web.h"

#include <cstdint>
#include <filesystem>
#include <optional>

#include "chaines_maker.h"
#include "changement_moteur.h"
#include "distribution/page_telechargement.h"
#include "fichier_atomique.h"
#include "fichiers_livres.h"
#include "plateforme.h"

namespace lumaveil {

namespace fs = std::filesystem;

namespace {

void Ecriture(IDialogue& dialogue, const std::string& fichier) {
  MessageUtilisateur m = MessageMaker(IDS_OUVERTURE_ECRITURE, IDS_ERREUR, IconeMessage::Erreur);
  m.fichier = fichier;
  dialogue.Message(m);
}

bool Existe(const std::string& chemin) {
  std::error_code erreur;
  return fs::is_regular_file(chemin, erreur);
}

}  // namespace

std::string NomFichierWeb(const std::string& nomBase, bool windows) {
  std::string nom = nomBase.empty() || nomBase == "." || nomBase == ".." ? "screensaver" : nomBase;
  for (char& c : nom)
    if (c == '/') c = '_';
  return windows ? nom + ".scr" : nom;
}

BilanPageWeb EcritPageWeb(const CProjet& projet, talvik::CGraphique& graphique,
                          const OptionsPageWeb& options, IDialogue& dialogue,
                          IProgression& progression) {
  BilanPageWeb bilan;
  std::error_code erreur;
  fs::create_directories(options.dossier, erreur);
  if (!fs::is_directory(options.dossier, erreur)) {
    Ecriture(dialogue, options.dossier);
    return bilan;
  }
  const std::string moteurWindows =
      options.moteurWindows.empty() ? CheminMoteur(Plateforme::Windows) : options.moteurWindows;
  const std::string moteurLinux =
      options.moteurLinux.empty() ? CheminMoteur(Plateforme::Linux) : options.moteurLinux;
  const bool windows = Existe(moteurWindows) || !Existe(moteurLinux);
  const fs::path dossier(options.dossier);
  const std::string fichierWindows = NomFichierWeb(options.nomBase, true);
  const std::string fichierLinux = NomFichierWeb(options.nomBase, false);

  OptionsGeneration generation;
  generation.sortie = (dossier / (windows ? fichierWindows : fichierLinux)).string();
  generation.moteur = windows ? moteurWindows : moteurLinux;
  generation.qualiteJPEG = options.qualiteJPEG;
  generation.fils = options.fils;
  generation.garderSiInterrompu = false;
  generation.fichierProjet = options.fichierProjet;
  generation.messageChargement = options.messageChargement;
  bilan.generation = GenerePaquet(projet, graphique, generation, dialogue, progression);
  if (bilan.generation.paquetEcrit) bilan.ecranDeVeille = generation.sortie;
  if (bilan.generation.resultat != ResultatGeneration::Termine || !bilan.generation.paquetEcrit)
    return bilan;
  (windows ? bilan.ecranWindows : bilan.ecranLinux) = generation.sortie;

  // The other platform's saver, from the same records.
  if (windows && Existe(moteurLinux)) {
    const std::string autre = (dossier / fichierLinux).string();
    if (ChangeMoteur(generation.sortie, moteurLinux, autre)) bilan.ecranLinux = autre;
    else Ecriture(dialogue, autre);
  }

  const std::string cheminModule = options.module.empty() ? CheminModuleLecteur() : options.module;
  const std::string cheminModele =
      options.modelePage.empty() ? CheminModelePage() : options.modelePage;
  const std::optional<std::string> module = LitTexte(cheminModule);
  const std::optional<std::string> modele = LitTexte(cheminModele);
  if (!module || !modele) {
    Ecriture(dialogue, !module ? cheminModule : cheminModele);
    return bilan;
  }
  ContenuPage contenu;
  contenu.nomBase = options.nomBase;
  contenu.fichierWindows = bilan.ecranWindows.empty() ? "" : fichierWindows;
  contenu.fichierLinux = bilan.ecranLinux.empty() ? "" : fichierLinux;
  contenu.moduleEnLigne = *module;
  const std::string page = RemplitPage(*modele, contenu);
  const std::string cheminPage = (dossier / kFichierIndex).string();
  const std::string copieModule = (dossier / kFichierModule).string();
  const auto ecrit = [&](const std::string& chemin, const std::string& texte) {
    if (talvik::EcritFichierAtomique(chemin, reinterpret_cast<const std::uint8_t*>(texte.data()),
                                     texte.size()))
      return true;
    Ecriture(dialogue, chemin);
    return false;
  };
  if (!ecrit(copieModule, *module) || !ecrit(cheminPage, page)) return bilan;
  bilan.page = cheminPage;
  bilan.ecrite = true;
  return bilan;
}

}  // namespace lumaveil
