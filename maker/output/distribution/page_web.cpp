#include "distribution/page_web.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "chaines_maker.h"
#include "changement_moteur.h"
#include "distribution/page_telechargement.h"
#include "fichier_atomique.h"
#include "fichiers_livres.h"
#include "plateforme.h"
#include "temporaires_abandonnes.h"

namespace lumaveil {

namespace fs = std::filesystem;

namespace {

void Ecriture(IDialogue& dialogue, const std::string& fichier) {
  MessageUtilisateur m = MessageMaker(IDS_OUVERTURE_ECRITURE, IDS_ERREUR, IconeMessage::Erreur);
  m.fichier = fichier;
  dialogue.Message(m);
}

void NonEcrite(IDialogue& dialogue) {
  dialogue.Message(MessageUtilisateur{0, kPageNonEcrite, ChaineMaker(IDS_ERREUR),
                                      IconeMessage::Erreur, {}});
}

bool Existe(const std::string& chemin) {
  std::error_code erreur;
  return fs::is_regular_file(chemin, erreur);
}

std::string Debut(const std::string& chemin) {
  std::string octets(64, '\0');
  std::ifstream f(chemin, std::ios::binary);
  f.read(octets.data(), std::streamsize(octets.size()));
  octets.resize(std::size_t(f.gcount()));
  return octets;
}

// The names an earlier export wrote, from the folder's list (a link or
// anything but a regular file there lists nothing).
std::set<std::string> NomsEcrits(const fs::path& dossier) {
  std::set<std::string> noms;
  const int fd = ::open((dossier / kFichierManifeste).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return noms;
  struct stat st {};
  std::string texte;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size < (1 << 16)) {
    texte.resize(std::size_t(st.st_size));
    if (::pread(fd, texte.data(), texte.size(), 0) != ssize_t(texte.size())) texte.clear();
  }
  ::close(fd);
  std::istringstream lignes(texte);
  std::string ligne;
  if (!std::getline(lignes, ligne) || ligne != kEnteteManifeste) return noms;
  while (std::getline(lignes, ligne))
    if (!ligne.empty() && ligne.find('/') == std::string::npos) noms.insert(ligne);
  return noms;
}

// One file of the new page, written under a temporary name and put in
// place with the others.
struct FichierPage {
  std::string nom;
  talvik::CFichierAtomique fichier;
};

bool EcritTexte(FichierPage& f, const fs::path& dossier, const std::string& texte) {
  return f.fichier.Ouvre((dossier / f.nom).string(), talvik::Liens::Remplaces) &&
         std::fwrite(texte.data(), 1, texte.size(), f.fichier.Flux()) == texte.size() &&
         f.fichier.Prepare();
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
  const bool deux = windows && Existe(moteurLinux);
  const fs::path dossier(options.dossier);
  const std::string fichierWindows = NomFichierWeb(options.nomBase, true);
  const std::string fichierLinux = NomFichierWeb(options.nomBase, false);

  // What killed exports left here.
  talvik::EffaceTemporairesAbandonnes(options.dossier, {Debut(moteurWindows), Debut(moteurLinux)});

  // The names this export writes: those of another's files are replaced
  // only when the user says so; a folder or a device in their place, never.
  FichierPage ecran{windows ? fichierWindows : fichierLinux, {}};
  FichierPage autre{fichierLinux, {}};
  FichierPage copieModule{kFichierModule, {}};
  FichierPage copieModulePage{kFichierModulePage, {}};
  FichierPage index{kFichierIndex, {}};
  FichierPage manifeste{kFichierManifeste, {}};
  std::vector<FichierPage*> fichiers = {&ecran};
  if (deux) fichiers.push_back(&autre);
  fichiers.insert(fichiers.end(), {&copieModule, &copieModulePage, &index});
  const std::set<std::string> ecrits = NomsEcrits(dossier);
  std::string etrangers;
  for (const FichierPage* f : fichiers) {
    struct stat st {};
    const std::string chemin = (dossier / f->nom).string();
    if (::lstat(chemin.c_str(), &st) != 0) continue;
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) {
      Ecriture(dialogue, chemin);
      NonEcrite(dialogue);
      return bilan;
    }
    if (S_ISLNK(st.st_mode)) etrangers += "    " + f->nom + " (a link)\n";
    else if (!ecrits.count(f->nom)) etrangers += "    " + f->nom + "\n";
  }
  {
    struct stat st {};
    const std::string chemin = (dossier / kFichierManifeste).string();
    if (::lstat(chemin.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
      if (!S_ISLNK(st.st_mode)) {
        Ecriture(dialogue, chemin);
        NonEcrite(dialogue);
        return bilan;
      }
      etrangers += std::string("    ") + kFichierManifeste + " (a link)\n";
    }
  }
  if (!etrangers.empty()) {
    const std::string question = talvik::TraduitChaine(kRemplaceEtrangers);
    std::vector<char> texte(question.size() + etrangers.size() + 1);
    std::snprintf(texte.data(), texte.size(), question.c_str(), etrangers.c_str());
    if (!dialogue.Question(MessageUtilisateur{kIdRemplaceEtrangers, texte.data(),
                                              ChaineMaker(IDS_QUESTION), IconeMessage::Question,
                                              {}})) {
      NonEcrite(dialogue);
      return bilan;
    }
  }

  OptionsGeneration generation;
  generation.sortie = (dossier / ecran.nom).string();
  generation.moteur = windows ? moteurWindows : moteurLinux;
  generation.qualiteJPEG = options.qualiteJPEG;
  generation.fils = options.fils;
  generation.garderSiInterrompu = false;
  generation.fichierProjet = options.fichierProjet;
  generation.messageChargement = options.messageChargement;
  generation.langue = options.langue;
  generation.paquetDiffere = &ecran.fichier;
  generation.enregistrementsPrets = options.enregistrementsPrets;
  bilan.generation = GenerePaquet(projet, graphique, generation, dialogue, progression);
  if (bilan.generation.resultat != ResultatGeneration::Termine || !bilan.generation.paquetEcrit)
    return bilan;
  const auto echec = [&](const FichierPage& f) {
    Ecriture(dialogue, (dossier / f.nom).string());
    NonEcrite(dialogue);
    return bilan;
  };

  // The other platform's saver, from the same records.
  if (deux && (!autre.fichier.Ouvre((dossier / autre.nom).string(), talvik::Liens::Remplaces) ||
               !ChangeMoteurDans(ecran.fichier.CheminTemporaire(), moteurLinux, autre.fichier)))
    return echec(autre);

  const std::string cheminModule = options.module.empty() ? CheminModuleLecteur() : options.module;
  const std::string cheminModulePage =
      options.modulePage.empty() ? CheminModulePage() : options.modulePage;
  const std::string cheminModele =
      options.modelePage.empty() ? CheminModelePage() : options.modelePage;
  const std::optional<std::string> module = LitTexte(cheminModule);
  const std::optional<std::string> modulePage = LitTexte(cheminModulePage);
  const std::optional<std::string> modele = LitTexte(cheminModele);
  if (!module || !modulePage || !modele) {
    Ecriture(dialogue, !module ? cheminModule : !modulePage ? cheminModulePage : cheminModele);
    NonEcrite(dialogue);
    return bilan;
  }
  ContenuPage contenu;
  contenu.nomBase = options.nomBase;
  contenu.fichierWindows = windows ? fichierWindows : "";
  contenu.fichierLinux = !windows || deux ? fichierLinux : "";
  contenu.moduleEnLigne = ModulesEnLigne(*module, *modulePage);
  contenu.langue = options.langue;
  if (!EcritTexte(copieModule, dossier, *module)) return echec(copieModule);
  if (!EcritTexte(copieModulePage, dossier, *modulePage)) return echec(copieModulePage);
  if (!EcritTexte(index, dossier, RemplitPage(*modele, contenu))) return echec(index);

  // The list keeps the names of earlier exports still there (a saver of
  // the platform whose player is missing now).
  std::set<std::string> noms;
  for (const std::string& nom : ecrits) {
    struct stat st {};
    if (::lstat((dossier / nom).c_str(), &st) == 0 && S_ISREG(st.st_mode)) noms.insert(nom);
  }
  for (const FichierPage* f : fichiers) noms.insert(f->nom);
  std::string liste = std::string(kEnteteManifeste) + "\n";
  for (const std::string& nom : noms) liste += nom + "\n";
  if (!EcritTexte(manifeste, dossier, liste)) return echec(manifeste);

  // Everything is written: into place, the list first (what follows is
  // ours whatever happens next), the page last.
  fichiers.insert(fichiers.begin(), &manifeste);
  bool premier = true;
  for (FichierPage* f : fichiers) {
    if (!f->fichier.Remplace()) {
      if (premier) return echec(*f);
      MessageUtilisateur m{0, kPageIncomplete, ChaineMaker(IDS_ERREUR), IconeMessage::Erreur,
                           (dossier / f->nom).string()};
      dialogue.Message(m);
      bilan.incomplete = true;
      return bilan;
    }
    premier = false;
  }
  bilan.ecranDeVeille = generation.sortie;
  (windows ? bilan.ecranWindows : bilan.ecranLinux) = generation.sortie;
  if (deux) bilan.ecranLinux = (dossier / fichierLinux).string();
  bilan.page = (dossier / kFichierIndex).string();
  bilan.ecrite = true;
  return bilan;
}

}  // namespace lumaveil
