#include "generation.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "chaines_maker.h"
#include "ecrans_suffisants.h"
#include "enregistrement_pret.h"
#include "fichier_atomique.h"
#include "graphique.h"
#include "options_block.h"
#include "package_format.h"
#include "package_writer.h"
#include "rendu_avance.h"
#include "restes_generation.h"
#include "temporaires_abandonnes.h"

namespace lumaveil {

namespace {

std::string Format(unsigned id, int n) {
  std::string modele = ChaineMaker(id);
  char tampon[256];
  std::snprintf(tampon, sizeof tampon, modele.c_str(), n);
  return tampon;
}

std::string RepertoireTemporaire(const OptionsGeneration& o) {
  if (!o.repertoireTemporaire.empty()) return o.repertoireTemporaire;
  const char* t = std::getenv("TMPDIR");
  return (t && *t) ? t : "/tmp";
}

// A fresh, empty file made with mkstemp from `modele` (which ends in
// XXXXXX and a suffix of `suffixe` characters); "" on failure.
std::string CreeFichierUnique(std::string modele, int suffixe) {
  int fd = mkstemps(modele.data(), suffixe);
  if (fd < 0) return {};
  close(fd);
  return modele;
}

// Removes a file when it goes out of scope.
struct CFichierJetable {
  std::string chemin;
  ~CFichierJetable() {
    if (!chemin.empty()) unlink(chemin.c_str());
  }
};

MessageUtilisateur MessageResolutionInjouable(int w, int h) {
  char texte[256];
  std::snprintf(texte, sizeof texte,
                "The resolution %dx%d cannot be played: a screen saver must be %d to %d pixels "
                "wide and %d to %d pixels high.",
                w, h, int(lmvengine::kMinWidth), int(lmvengine::kMaxWidth),
                int(lmvengine::kMinHeight), int(lmvengine::kMaxJpegSide));
  return MessageUtilisateur{0, texte, ChaineMaker(IDS_ERREUR), IconeMessage::Erreur, {}};
}

bool MoteurLisible(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary | std::ios::ate);
  return f && f.tellg() > 0;
}

// Why the engine could not be put at the start of the package: the
// system's words for the engine that cannot be read or the package that
// cannot be written; "" when the system said nothing.
std::string RaisonMoteur(const std::string& moteur, const lmvengine::PackageWriter& ecrivain) {
  std::FILE* f = std::fopen(moteur.c_str(), "rb");
  if (!f) return std::strerror(errno);
  const bool vide = std::fgetc(f) == EOF;
  std::fclose(f);
  if (vide) return "The engine file " + moteur + " is empty.";
  return ecrivain.SystemError() ? std::strerror(ecrivain.SystemError()) : std::string();
}

// The saver-wide choices of the options block.
std::int32_t DrapeauxOptions(const CProjet& projet) {
  return (projet.MelangeEcrans ? lmvengine::kOptionShuffle : 0) |
         (projet.MoniteursDifferents ? lmvengine::kOptionDifferentMonitors : 0);
}

}  // namespace

bool SortieEcraseProjet(const CProjet& projet, const std::string& fichierProjet,
                        const std::string& sortie) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (sortie.empty() || !fs::exists(sortie, ec)) return false;
  auto meme = [&](const std::string& chemin) {
    std::error_code e;
    return !chemin.empty() && fs::equivalent(sortie, chemin, e) && !e;
  };
  if (meme(fichierProjet) || meme(projet.ModeleEcran.CheminImage)) return true;
  for (int i = 0; i < projet.NombreEcrans(); ++i)
    if (meme(projet.Ecran(i).CheminImage)) return true;
  return false;
}

std::string NomPropose(const std::string& titre) {
  return titre.substr(0, titre.find('.'));
}

BilanGeneration GenereEcranDeVeille(CProjet& projet, talvik::CGraphique& graphique,
                                    const OptionsGeneration& options, IDialogue& dialogue,
                                    IProgression& progression) {
  const BilanGeneration bilan = GenerePaquet(projet, graphique, options, dialogue, progression);
  if (bilan.paquetEcrit) projet.CheminEcranDeVeille = options.sortie;
  return bilan;
}

BilanGeneration GenerePaquet(const CProjet& projet, talvik::CGraphique& graphique,
                             const OptionsGeneration& options, IDialogue& dialogue,
                             IProgression& progression) {
  BilanGeneration bilan;
  const MessageUtilisateur ouvertureImpossible = [&] {
    MessageUtilisateur m = MessageMaker(IDS_OUVERTURE_ECRITURE, IDS_ERREUR, IconeMessage::Erreur);
    m.fichier = options.sortie;
    return m;
  }();
  // A screen that shows nothing of the user's would be a plain frame in
  // the saver: it is left out (CRenduEnAvance renders the others only),
  // and the user told which.
  const std::vector<int> blancs = EcransBlancs(projet);
  if (!blancs.empty()) dialogue.Message(MessageEcransBlancs(blancs));
  if (!EcransSuffisants(projet.NombreEcrans() - int(blancs.size()), dialogue)) return bilan;
  if (!lmvengine::PlayableSize(projet.ResolutionCible.cx, projet.ResolutionCible.cy)) {
    dialogue.Message(MessageResolutionInjouable(projet.ResolutionCible.cx,
                                                projet.ResolutionCible.cy));
    return bilan;
  }
  if (SortieEcraseProjet(projet, options.fichierProjet, options.sortie)) {
    dialogue.Message(ouvertureImpossible);
    return bilan;
  }
  // A saver is a regular file: a device or a pipe named as the target is
  // refused as it is, never written to nor removed.
  const talvik::Liens liens = options.paquetDiffere ? talvik::Liens::Remplaces : talvik::Liens::Suivis;
  {
    std::error_code ec;
    const auto etat = liens == talvik::Liens::Suivis ? std::filesystem::status(options.sortie, ec)
                                                     : std::filesystem::symlink_status(options.sortie, ec);
    if (std::filesystem::exists(etat) && !std::filesystem::is_regular_file(etat) &&
        !std::filesystem::is_symlink(etat)) {
      dialogue.Message(ouvertureImpossible);
      return bilan;
    }
  }
  // What an earlier run to the same target left when it was killed.
  EffaceRestesGeneration(options.sortie, options.moteur, RepertoireTemporaire(options));

  // The package is made under a temporary name beside its target.
  talvik::CFichierAtomique paquetPropre;
  talvik::CFichierAtomique& paquet = options.paquetDiffere ? *options.paquetDiffere : paquetPropre;
  if (!paquet.Ouvre(options.sortie, liens) || !paquet.LibereFlux()) {
    dialogue.Message(ouvertureImpossible);
    return bilan;
  }
  CFichierJetable jpeg{CreeFichierUnique(
      RepertoireTemporaire(options) + "/" + talvik::kPrefixeTemporaire + "XXXXXX.jpg", 4)};
  // Both files are locked while this run uses them (the package by its
  // writer): another run's clearing of leftovers passes them by.
  const CVerrouTemporaire verrouJpeg(jpeg.chemin);
  lmvengine::PackageWriter ecrivain;
  if (!MoteurLisible(options.moteur) || !ecrivain.Begin(paquet.CheminTemporaire(), options.moteur)) {
    // The system's reason (a full disk, a missing engine) on the line after
    // the designed message.
    MessageUtilisateur m = MessageMaker(IDS_MOTEUR_IMPOSSIBLE, IDS_ERREUR, IconeMessage::Erreur);
    const std::string raison = RaisonMoteur(options.moteur, ecrivain);
    if (!raison.empty()) m.texte += "\n" + raison;
    dialogue.Message(m);
    return bilan;
  }

  ecrivain.SetOptionFlags(DrapeauxOptions(projet));
  ecrivain.SetLanguage(options.langue);
  bool interrompu = false;
  {
    // Records made ready need no rendering here: the screens are only
    // grouped.
    const int fils = !options.enregistrementsPrets.empty() ? 1
                     : options.fils > 0                     ? options.fils
                                                            : FilsDeRenduParDefaut();
    CRenduEnAvance rendus(projet, graphique, fils, options.messageChargement);
    // One record per screen shown: a pair of portraits is one record, with
    // the time and effect of its first screen.
    const int n = rendus.NombreGroupes();
    progression.Debut(unsigned(n));
    for (int j = 0; j < n && !interrompu; ++j) {
      if (progression.AfficheEtTeste(unsigned(j + 1), unsigned(n), options.sortie,
                                     Format(IDS_TRAITEMENT_ECRAN, rendus.Groupe(j).premier + 1)) &&
          dialogue.Question(MessageMaker(IDS_INTERROMPRE, IDS_QUESTION, IconeMessage::Question))) {
        interrompu = true;
        break;
      }
      const CEcran& ecran = projet.Ecran(rendus.Groupe(j).premier);
      // The screen rendered and encoded here, or made ready before.
      const bool pret = !options.enregistrementsPrets.empty();
      const std::string fichierJpeg =
          pret ? CheminJpegPret(options.enregistrementsPrets, j) : jpeg.chemin;
      const EnregistrementPret enregistrement =
          pret ? LitEnregistrementPret(options.enregistrementsPrets, j)
               : EncodeEnregistrement(ecran, rendus.Prend(j), jpeg.chemin, options.qualiteJPEG);
      if (enregistrement.imageIllisible) ++bilan.imagesIllisibles;
      // The messages of the picture's loading and rendering, whatever
      // thread or instance did the work, then those of the encoder go to
      // the dialogue, here, on the caller's thread.
      for (const MessageUtilisateur& m : enregistrement.messages) dialogue.Message(m);
      const bool ecrit = enregistrement.jpegEcrit &&
                         ecrivain.AppendRecordFile(ecran.DureeAffichage, ecran.EffetTransition,
                                                   fichierJpeg, enregistrement.entree);
      if (!ecrit &&
          !dialogue.Question(MessageMaker(IDS_ERREUR_ECRAN, IDS_QUESTION, IconeMessage::Question)))
        interrompu = true;
    }
  }

  bilan.resultat = interrompu ? ResultatGeneration::Interrompu : ResultatGeneration::Termine;
  if (ecrivain.RecordCount() == 0 || (interrompu && !options.garderSiInterrompu)) {
    // Nothing to play, or nothing wanted: no package is kept.
    ecrivain.Discard();
    if (!interrompu) bilan.resultat = ResultatGeneration::Echec;
    // A run that leaves nothing says so: the user (or a script) would
    // otherwise believe an earlier saver of that name is the new one.
    if (ecrivain.RecordCount() == 0)
      dialogue.Message(MessageMaker(IDS_AUCUN_ECRAN_SAUVE, IDS_ERREUR, IconeMessage::Erreur));
  } else if (ecrivain.Finish(projet.ResolutionCible.cx, projet.ResolutionCible.cy) &&
             (options.paquetDiffere ? paquet.Prepare(talvik::kModeProgramme)
                                    : paquet.Valide(talvik::kModeProgramme))) {
    bilan.paquetEcrit = true;
    bilan.enregistrements = ecrivain.RecordCount();
  } else {
    ecrivain.Discard();
    dialogue.Message(ouvertureImpossible);
    bilan.resultat = ResultatGeneration::Echec;
  }
  progression.Fin();
  return bilan;
}

}  // namespace lumaveil
