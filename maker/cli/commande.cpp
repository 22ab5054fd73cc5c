#include "commande.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "parametres.h"
#include "chaines_maker.h"
#include "champs_legende.h"
#include "chargement_rendu.h"
#include "effets_transition.h"
#include "fichier_atomique.h"
#include "fichier_modele.h"
#include "fichier_projet.h"
#include "fichiers_livres.h"
#include "distribution/page_web.h"
#include "generation.h"
#include "graphique.h"
#include "installation.h"
#include "motifs_utilisateur.h"
#include "paires_portraits.h"
#include "redimension.h"
#include "rendu_paire.h"
#include "size_text.h"
#include "textes_ecran.h"

namespace lumaveil {

namespace {

constexpr const char* kUsage =
    "usage: lumaveil --new PROJECT.lmv [--resolution WxH] [--template FILE.mod]\n"
    "                [--effect cross-fade|pan-zoom|N] [--transition SECONDS]\n"
    "                [--caption TEXT]... [--background blur] [--fit fill|whole]\n"
    "                [--pair-portraits] [PICTURE...]\n"
    "       lumaveil --render PROJECT.lmv --screen N --output FILE [--quality Q]\n"
    "       lumaveil --generate PROJECT.lmv --output FILE [--quality Q]\n"
    "                [--platform windows|linux] [--engine PLAYER] [--install]\n"
    "                [--shuffle] [--monitors same|different]\n"
    "       lumaveil --web-page PROJECT.lmv --output DIR [--quality Q]\n"
    "                [--shuffle] [--monitors same|different]\n"
    "       lumaveil --save-template PROJECT.lmv --output FILE.mod\n"
    "       lumaveil --web-maker DIR\n"
    "       lumaveil --help | --version\n"
    "--caption adds a caption at the bottom of every new screen (up to five),\n"
    "white with a soft shadow, sized for the resolution;\n"
    "TEXT may hold fields written from each photo: {date} (date taken), {time}\n"
    "(time taken), {place} (nearest town, region, country, from the photo's GPS\n"
    "position), {title}, {description}, {camera} and {file} (the file's name).\n"
    "A field the photo has no value for is left out with its separator; a caption\n"
    "whose fields are all empty is not drawn. Other braces are kept as they are.\n"
    "--background blur: every new screen's background is its own photo, blurred.\n"
    "--fit fill: the photo fills the screen, cut around its subject (faces first);\n"
    "--fit whole (the template's way when not given): the whole photo, fitted.\n"
    "--pair-portraits: two portrait photos in a row share a landscape screen.\n"
    "Without --quality, pictures are written at the JPEG quality set in the\n"
    "window's Configuration dialog (75 until it is changed); --quality overrides it.\n"
    "--effect gives every screen of the new project its transition: cross-fade,\n"
    "pan-zoom (a slow pan and zoom across each screen) or a code as templates store\n"
    "it (0 none, 1-6 the wipes, 7 random among them, 8 cross-fade, 9 pan-zoom,\n"
    "10 random among all); --transition the length of its cross-fade, 0.5 to 5\n"
    "seconds (without it, the template's: 1.5 unless the template says).\n"
    "--shuffle plays each cycle of screens in a new random order; --monitors\n"
    "different shows a different screen on each monitor. Without them the\n"
    "project's own choices (the window's Generate dialog) hold.\n"
    "Exit status: 0 when everything went well; 1 on failure (nothing written);\n"
    "2 when --generate wrote the screen saver but some pictures could not be\n"
    "loaded (their screens show the background alone; they are named above).\n";

// Messages on standard error; questions answered by the options.
class CDialogueConsole : public IDialogue {
 public:
  explicit CDialogueConsole(bool installer) : installer_(installer) {}
  using IDialogue::Message;
  // The text, and the file it is about on the same line when there is one.
  void Message(const MessageUtilisateur& m) override {
    if (m.fichier.empty()) std::fprintf(stderr, "%s\n", m.texte.c_str());
    else std::fprintf(stderr, "%s: %s\n", m.texte.c_str(), m.fichier.c_str());
  }
  int Question(const MessageUtilisateur& q) override {
    if (q.id == IDS_INSTALLATION_XSCREENSAVER) return installer_ ? 1 : 0;
    std::fprintf(stderr, "%s\nNo\n", q.texte.c_str());
    return 0;
  }

 private:
  bool installer_;
};

// One line per screen on standard error; there is no Stop.
class CProgressionConsole : public IProgression {
 public:
  int AfficheEtTeste(unsigned courant, unsigned total, const std::string& fichier,
                     const std::string& operation) override {
    std::fprintf(stderr, "(%u / %u) %s %s\n", courant, total, fichier.c_str(), operation.c_str());
    return 0;
  }
};

struct Options {
  std::string commande;  // new, render, generate, web-page, save-template
  std::string projet;
  std::string sortie;
  std::string modele;
  std::string moteur;  // --engine; else the shipped player of the platform
  std::optional<SIZE> resolution;
  int ecran = 0;
  std::optional<int> qualite;  // --quality; else the stored JPEGQuality
  Plateforme plateforme = Plateforme::Windows;
  bool installer = false;
  bool fondFlou = false;              // --background blur
  std::optional<bool> remplissage;    // --fit fill (true) or whole (false)
  bool pairePortraits = false;        // --pair-portraits
  std::vector<std::string> images;
  std::optional<int> effet;              // --effect
  std::optional<int> dureeTransitionMs;  // --transition
  bool melange = false;                  // --shuffle
  std::optional<bool> moniteursDifferents;  // --monitors
  std::vector<std::string> legendes;  // --caption, fields as {date}
  std::string enregistrementsPrets;   // given by the caller, never by an argument
};

bool LitEntier(const std::string& s, int& v) {
  if (s.empty()) return false;
  char* fin = nullptr;
  long x = std::strtol(s.c_str(), &fin, 10);
  if (*fin != '\0' || x < -2147483647L || x > 2147483647L) return false;
  v = int(x);
  return true;
}

bool LitTaille(const std::string& s, SIZE& t) {
  int w = 0, h = 0;
  if (!lmvengine::ParseSize(s, w, h)) return false;
  t = SIZE{w, h};
  return true;
}

// The JPEG quality: the command line's, else the one the window stores
// (its settings are read, never written, here).
int Qualite(const Options& o) {
  if (o.qualite) return *o.qualite;
  ParametresApplication parametres;
  LitParametres(parametres);
  return parametres.JPEGQuality;
}

// Reads the command line; the error text when it cannot be understood.
std::optional<std::string> Analyse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto valeur = [&](std::string& cible) -> bool {
      if (i + 1 >= argc) return false;
      cible = argv[++i];
      return true;
    };
    std::string v;
    if (a == "--new" || a == "--render" || a == "--generate" || a == "--web-page" ||
        a == "--save-template") {
      if (!o.commande.empty()) return "only one command at a time";
      o.commande = a.substr(2);
      if (!valeur(o.projet)) return a + " needs a project file";
    } else if (a == "--web-maker") {
      if (!o.commande.empty()) return "only one command at a time";
      o.commande = "web-maker";
      if (!valeur(o.sortie)) return "--web-maker needs a folder";
    } else if (a == "--output") {
      if (!valeur(o.sortie)) return "--output needs a file";
    } else if (a == "--engine") {
      if (!valeur(o.moteur)) return "--engine needs a player file";
    } else if (a == "--template") {
      if (!valeur(o.modele)) return "--template needs a file";
    } else if (a == "--resolution") {
      SIZE t;
      // The players show widths of 240 to 16384 and heights from 240.
      if (!valeur(v) || !LitTaille(v, t) || t.cx < 240 || t.cx > 16384 || t.cy < 240)
        return "--resolution needs WxH, a width of 240 to 16384 and a height of 240 or more";
      o.resolution = t;
    } else if (a == "--screen") {
      if (!valeur(v) || !LitEntier(v, o.ecran)) return "--screen needs a number";
    } else if (a == "--help" || a == "--version") {
      o.commande = a.substr(2);
      return std::nullopt;
    } else if (a == "--quality") {
      int q = 0;
      if (!valeur(v) || !LitEntier(v, q) || q < 0 || q > 100)
        return "--quality needs a number from 0 to 100";
      o.qualite = q;
    } else if (a == "--platform") {
      if (!valeur(v)) return "--platform needs windows or linux";
      if (v == "windows") o.plateforme = Plateforme::Windows;
      else if (v == "linux") o.plateforme = Plateforme::Linux;
      else return "--platform needs windows or linux";
    } else if (a == "--caption") {
      if (!valeur(v)) return "--caption needs a text";
      o.legendes.push_back(v);
    } else if (a == "--install") {
      o.installer = true;
    } else if (a == "--background") {
      if (!valeur(v) || v != "blur") return "--background needs blur";
      o.fondFlou = true;
    } else if (a == "--fit") {
      if (!valeur(v) || (v != "fill" && v != "whole")) return "--fit needs fill or whole";
      o.remplissage = v == "fill";
    } else if (a == "--pair-portraits") {
      o.pairePortraits = true;
    } else if (a == "--effect") {
      if (!valeur(v) || !(o.effet = LitEffet(v)))
        return "--effect needs cross-fade, pan-zoom or a code from 0 to 10";
    } else if (a == "--transition") {
      if (!valeur(v) || !(o.dureeTransitionMs = LitDureeTransition(v)))
        return "--transition needs a length from 0.5 to 5 seconds";
    } else if (a == "--shuffle") {
      o.melange = true;
    } else if (a == "--monitors") {
      if (!valeur(v)) return "--monitors needs same or different";
      if (v == "same") o.moniteursDifferents = false;
      else if (v == "different") o.moniteursDifferents = true;
      else return "--monitors needs same or different";
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      return "unknown option " + a;
    } else {
      o.images.push_back(a);
    }
  }
  if (o.commande.empty()) return "no command given";
  if (o.commande != "new" && !o.images.empty()) return "unexpected argument " + o.images[0];
  if (o.commande != "new" && !o.legendes.empty()) return "--caption applies to --new only";
  if (o.commande != "new" && o.sortie.empty()) return "--" + o.commande + " needs --output";
  if (o.commande == "web-maker" && (o.installer || !o.moteur.empty() || o.qualite))
    return "--web-maker takes a folder and nothing else";
  if (o.commande == "web-page" && (o.installer || !o.moteur.empty()))
    return "--web-page takes no --install or --engine";
  if (o.commande == "render" && o.ecran == 0) return "--render needs --screen N";
  if (o.commande != "new" && (o.fondFlou || o.remplissage || o.pairePortraits))
    return "--background, --fit and --pair-portraits go with --new";
  if (o.commande != "new" && (o.effet || o.dureeTransitionMs))
    return "--effect and --transition go with --new";
  if (o.commande != "generate" && o.commande != "web-page" &&
      (o.melange || o.moniteursDifferents))
    return "--shuffle and --monitors go with --generate or --web-page";
  return std::nullopt;
}

// The same check for a picture that only gets its path set: the screen is
// left as it is.
void SignaleImageIllisible(const std::string& chemin, IDialogue& d) {
  talvik::CMessagesRetenus retenus;
  talvik::CGraphique::ChargeImage(chemin, 1);
  for (const MessageUtilisateur& m : retenus.Prend()) d.Message(m);
}

// `sortie` must not be `fichier` (the project's file; for --new, its
// template file) nor the picture of one of the project's screens.
bool SortieAcceptee(const CProjet& p, const std::string& fichier, const std::string& sortie,
                    IDialogue& d) {
  if (!SortieEcraseProjet(p, fichier, sortie)) return true;
  MessageUtilisateur m = MessageMaker(IDS_OUVERTURE_ECRITURE, IDS_ERREUR, IconeMessage::Erreur);
  m.fichier = sortie;
  d.Message(m);
  return false;
}

// Gives the screen the captions of the command line, each on the first of
// its texts that is neither used nor written, the first at the bottom and
// each further one a line and a half above; false when there are more
// captions than such texts.
bool AjouteLegendes(CEcran& e, const std::vector<std::string>& legendes) {
  std::size_t prochain = 0;
  for (T_TEXTE& t : e.Textes) {
    if (prochain == legendes.size()) break;
    if (t.Utilisation || !t.Libelle.empty()) continue;
    t = NouvelleLegende(ChampsDepuisAccolades(legendes[prochain]), e.TailleCible);
    // Each further caption one line above the one before.
    t.DeltaY += static_cast<talvik::LONG>(prochain) * (-t.Fonte.lfHeight * 3 / 2);
    ++prochain;
  }
  return prochain == legendes.size();
}

int Nouveau(const Options& o, IDialogue& d) {
  CProjet p;
  if (o.resolution) p.ResolutionCible = *o.resolution;
  if (!o.modele.empty()) {
    if (!ChargeModele(o.modele, p.ModeleEcran, d)) return 1;
    p.NomModele = o.modele;
    p.ModeleCharge = 1;
  }
  // The choices of the command line go into the template, so that every
  // new screen has them, and the saved project's template keeps them.
  if (o.fondFlou) {
    p.ModeleEcran.FondUtilisation = 1;
    p.ModeleEcran.FondFlou = 1;
  }
  if (o.remplissage) {
    if (*o.remplissage) RemplitEcran(p.ModeleEcran);
    else AjusteEcran(p.ModeleEcran);
  }
  if (o.pairePortraits) p.PairePortraits = 1;
  // Given on the command line, they win over the template's, in every
  // screen made from it.
  if (o.effet) p.ModeleEcran.EffetTransition = *o.effet;
  if (o.dureeTransitionMs) p.ModeleEcran.DureeTransition = *o.dureeTransitionMs;
  // As files dropped on the list: one screen per file, its path set, no
  // type checked. With no file, no screen: the project starts empty. A
  // file that does not load still makes its screen (without picture), and
  // is named on standard error.
  bool placees = true;
  for (const std::string& image : o.images) {
    auto e = p.NouvelEcranDepuisModele();
    placees = AjouteLegendes(*e, o.legendes) && placees;
    std::error_code ec;
    std::filesystem::path absolu = std::filesystem::absolute(image, ec);
    e->CheminImage = ec ? image : absolu.lexically_normal().string();
    SignaleImageIllisible(e->CheminImage, d);
    p.InsereApresSelection(std::move(e));
  }
  // Captions that could not be placed are refused all the same.
  if (o.images.empty()) placees = AjouteLegendes(*p.NouvelEcranDepuisModele(), o.legendes);
  if (!placees) {
    std::fprintf(stderr,
                 "lumaveil: too many --caption: a screen has %d captions, and those the "
                 "template uses are not free\n",
                 kNombreTextes);
    return 1;
  }
  // The new project must not replace one of its own pictures or its
  // template file.
  if (!SortieAcceptee(p, o.modele, o.projet, d)) return 1;
  return SauveProjet(p, o.projet, d) ? 0 : 1;
}

// --shuffle and --monitors over the project's own choices, for this saver
// only: the project file is not written.
void AppliqueChoixLecture(const Options& o, CProjet& p) {
  if (o.melange) p.MelangeEcrans = 1;
  if (o.moniteursDifferents) p.MoniteursDifferents = *o.moniteursDifferents ? 1 : 0;
}

int Rendu(const Options& o, IDialogue& d) {
  CProjet p;
  if (!ChargeProjet(p, o.projet, d)) return 1;
  if (o.ecran < 1 || o.ecran > p.NombreEcrans()) {
    std::fprintf(stderr, "Screen %d does not exist: the project has %d screens.\n", o.ecran,
                 p.NombreEcrans());
    return 1;
  }
  if (!SortieAcceptee(p, o.projet, o.sortie, d)) return 1;
  // The user patterns are read; the command line never writes the settings.
  talvik::CGraphique graphique(talvik::LitMotifsUtilisateur());
  CEcran& e = p.Ecran(o.ecran - 1);
  // The picture at full size, rendered with generation's sampling. When it
  // does not load, "Unable to load file" naming it goes to the dialogue
  // before the rendering (the screen goes on without picture).
  std::optional<talvik::CMessagesRetenus> retenus(std::in_place);
  DemandeRendu demande;
  demande.pour = PourRendu::LigneDeCommande;
  demande.echantillonnage = Echantillonnage::Moyenne;
  demande.signaleEchec = true;
  demande.poursuit = [&] {
    for (const MessageUtilisateur& m : retenus->Prend()) d.Message(m);
    retenus.reset();
    return true;
  };
  // A screen paired with its neighbour is rendered as the pair shows.
  const GroupeEcrans groupe = GroupeDe(GroupesDuProjet(p, p.PairePortraits != 0), o.ecran - 1);
  HBITMAP image;
  if (groupe.Paire()) {
    image = ChargeEtRendPaire(p.Ecran(groupe.premier), p.Ecran(groupe.second), graphique, demande);
  } else {
    ChargeEtRendEcran(e, e.CheminImage, graphique, demande);
    image = e.ImageFinale;
  }
  if (!image) {
    std::fprintf(stderr, "Screen %d has no picture and no background: nothing to render.\n",
                 o.ecran);
    return 1;
  }
  // Written under a temporary name with the target's extension, which picks
  // the format, and renamed once whole.
  const bool ecrit = talvik::EcritFichierAtomique(o.sortie, [&](const std::string& chemin) {
    return talvik::CGraphique::SauveImage(chemin, image, Qualite(o), 0, 0) != 0;
  });
  if (!ecrit) {
    std::fprintf(stderr, "Unable to save %s\n", o.sortie.c_str());
    return 1;
  }
  return 0;
}

int Genere(const Options& o, IDialogue& d) {
  CProjet p;
  if (!ChargeProjet(p, o.projet, d)) return 1;
  AppliqueChoixLecture(o, p);
  talvik::CGraphique graphique(talvik::LitMotifsUtilisateur());
  OptionsGeneration g;
  g.sortie = o.sortie;
  g.moteur = o.moteur.empty() ? CheminMoteur(o.plateforme) : o.moteur;
  g.qualiteJPEG = Qualite(o);
  g.garderSiInterrompu = false;
  g.fichierProjet = o.projet;
  g.messageChargement = 1;
  g.enregistrementsPrets = o.enregistrementsPrets;
  CProgressionConsole progression;
  BilanGeneration bilan = GenereEcranDeVeille(p, graphique, g, d, progression);
  if (bilan.resultat != ResultatGeneration::Termine || !bilan.paquetEcrit) return 1;
  const char* maison = std::getenv("HOME");
  if (o.installer) {
    if (o.plateforme != Plateforme::Linux) {
      std::fprintf(stderr, "--install applies to Linux screen savers only.\n");
      return 1;
    }
    if (!ProposeInstallation(o.sortie, o.plateforme, d, maison ? maison : "")) return 1;
  }
  // Written, but not the saver the project describes: a script must know.
  return bilan.imagesIllisibles > 0 ? 2 : 0;
}

// "Save as web page": the folder with index.html, the player module and
// the savers, named after the project's file.
int PageWeb(const Options& o, IDialogue& d) {
  CProjet p;
  if (!ChargeProjet(p, o.projet, d)) return 1;
  AppliqueChoixLecture(o, p);
  talvik::CGraphique graphique(talvik::LitMotifsUtilisateur());
  OptionsPageWeb w;
  w.dossier = o.sortie;
  w.nomBase = NomPropose(std::filesystem::path(o.projet).filename().string());
  w.qualiteJPEG = Qualite(o);
  w.fichierProjet = o.projet;
  w.messageChargement = 1;
  w.enregistrementsPrets = o.enregistrementsPrets;
  CProgressionConsole progression;
  const BilanPageWeb bilan = EcritPageWeb(p, graphique, w, d, progression);
  return bilan.ecrite ? 0 : 1;
}

// "The maker in a browser": the shipped folder of static files, copied
// whole into `o.sortie` (made when missing; files of the same names are
// replaced), to be served by any web server.
int FabriquantWeb(const Options& o) {
  namespace fs = std::filesystem;
  const std::string source = CheminLivre(kDossierFabriquantWeb);
  std::error_code ec;
  if (!fs::is_regular_file(fs::path(source) / "index.html", ec)) {
    std::fprintf(stderr, "The web maker is not installed: %s is missing.\n", source.c_str());
    return 1;
  }
  fs::create_directories(o.sortie, ec);
  if (!ec)
    fs::copy(source, o.sortie, fs::copy_options::recursive | fs::copy_options::overwrite_existing,
             ec);
  // The players the page's savers begin with: the maker's own.
  for (Plateforme p : {Plateforme::Windows, Plateforme::Linux}) {
    const fs::path moteur = CheminMoteur(p);
    if (ec || !fs::is_regular_file(moteur)) continue;
    fs::create_directories(fs::path(o.sortie) / "engines", ec);
    if (!ec)
      fs::copy_file(moteur, fs::path(o.sortie) / "engines" / NomMoteur(p),
                    fs::copy_options::overwrite_existing, ec);
  }
  if (ec) {
    std::fprintf(stderr, "Unable to write %s: %s\n", o.sortie.c_str(), ec.message().c_str());
    return 1;
  }
  std::printf("The web maker is in %s. Serve the folder with any web server (for example\n"
              "python3 -m http.server -d %s) and open its address in a browser: the photos\n"
              "stay on the computer, nothing is uploaded.\n",
              o.sortie.c_str(), o.sortie.c_str());
  return 0;
}

// The version, then each shipped file and where it was found (or where it
// was expected), so that a broken installation shows itself.
int Version() {
  std::printf("lumaveil %s\n", LUMAVEIL_VERSION);
  const std::string noms[] = {NomMoteur(Plateforme::Windows), NomMoteur(Plateforme::Linux),
                              kFichierPage, kFichierModulePage, kFichierModule, kFichierManuel,
                              kFichierPresentation};
  for (const std::string& nom : noms) {
    std::string chemin = CheminLivre(nom);
    const bool present = std::filesystem::is_regular_file(chemin);
    std::printf("%-18s %s%s\n", nom.c_str(), present ? "" : "missing, expected at ",
                chemin.c_str());
  }
  return 0;
}

int SauveGabarit(const Options& o, IDialogue& d) {
  CProjet p;
  if (!ChargeProjet(p, o.projet, d)) return 1;
  if (!SortieAcceptee(p, o.projet, o.sortie, d)) return 1;
  return SauveModele(o.sortie, p.ModeleEcran, d) ? 0 : 1;
}

}  // namespace

int ExecuteLigneCommande(int argc, char** argv, const std::string& enregistrementsPrets) {
  InstalleChainesMaker();
  Options o;
  o.enregistrementsPrets = enregistrementsPrets;
  if (auto erreur = Analyse(argc, argv, o)) {
    std::fprintf(stderr, "lumaveil: %s\n%s", erreur->c_str(), kUsage);
    return 1;
  }
  if (o.commande == "help") {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (o.commande == "version") return Version();
  CDialogueConsole dialogue(o.installer);
  if (o.commande == "new") return Nouveau(o, dialogue);
  if (o.commande == "render") return Rendu(o, dialogue);
  if (o.commande == "generate") return Genere(o, dialogue);
  if (o.commande == "web-page") return PageWeb(o, dialogue);
  if (o.commande == "web-maker") return FabriquantWeb(o);
  return SauveGabarit(o, dialogue);
}

}  // namespace lumaveil
