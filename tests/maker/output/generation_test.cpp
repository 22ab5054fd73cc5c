#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "attente.h"
#include "chaines_maker.h"
#include "champs_legende.h"
#include "commande_generation.h"
#include "dialogue_essai.h"
#include "effets_transition.h"
#include "enregistrement_pret.h"
#include "generation.h"
#include "graphique.h"
#include "lecture_paquet.h"
#include "lecture_options.h"
#include "restes_generation.h"
#include "textes_ecran.h"
#include "dossier_temporaire.h"
#include "execution_commande.h"

namespace lumaveil {
namespace {

using testing::CDialogueTest;
using testing::LitPaquet;
using talvik::BYTE;
using talvik::RGB;

// Stops at one screen (1-based), once.
class CProgressionTest : public IProgression {
 public:
  int arretA = 0;
  std::vector<unsigned> vus;
  std::vector<std::string> operations;
  bool debut = false, fin = false;
  void Debut(unsigned) override { debut = true; }
  void Fin() override { fin = true; }
  int AfficheEtTeste(unsigned courant, unsigned, const std::string&,
                     const std::string& operation) override {
    vus.push_back(courant);
    operations.push_back(operation);
    return int(courant) == arretA ? 1 : 0;
  }
};

class Generation : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    registre_ = new lumaveil::testing::TempDir;
    setenv("LUMAVEIL_REGISTRY", (registre_->Path() + "/registry.reg").c_str(), 1);
    graphique_ = new talvik::CGraphique;
    InstalleChainesMaker();
  }
  static void TearDownTestSuite() {
    delete graphique_;
    delete registre_;
  }

  void SetUp() override {
    // Any file serves as the engine: generation copies it byte for byte.
    moteur_ = dir_.File("engine");
    std::ofstream f(moteur_, std::ios::binary);
    for (int i = 0; i < 5000; ++i) f.put(char(i * 7));
    projet_.ResolutionCible = {320, 240};
  }

  // A picture of one colour, saved in the format of its extension.
  std::string Image(const std::string& nom, COLORREF couleur, int w = 200, int h = 150) {
    std::string chemin = dir_.File(nom);
    HBITMAP b = HBITMAP::Create(w, h, couleur);
    EXPECT_EQ(talvik::CGraphique::SauveImage(chemin, b, 90, 0, 0), 1) << nom;
    return chemin;
  }

  CEcran& Ajoute(const std::string& chemin, int duree, int effet) {
    auto e = projet_.NouvelEcranDepuisModele();
    e->CheminImage = chemin;
    e->DureeAffichage = duree;
    e->EffetTransition = effet;
    return projet_.Ecran(projet_.Ajoute(std::move(e)));
  }

  // A screen without a picture whose text makes it a title screen.
  CEcran& AjouteTitre(const std::string& texte, int duree, int effet) {
    CEcran& e = Ajoute("", duree, effet);
    e.Textes[0].Utilisation = 1;
    e.Textes[0].Libelle = texte;
    return e;
  }

  OptionsGeneration Options(const std::string& sortie, int fils = 2) {
    OptionsGeneration o;
    o.sortie = dir_.File(sortie);
    o.moteur = moteur_;
    o.fils = fils;
    o.repertoireTemporaire = dir_.Path();
    return o;
  }

  // Colour of the centre of a record's picture.
  COLORREF Centre(const std::vector<std::uint8_t>& jpeg, int* w = nullptr, int* h = nullptr) {
    std::string chemin = dir_.File("record.jpg");
    std::ofstream(chemin, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
    HBITMAP b = talvik::CGraphique::ChargeImageJPEG(chemin);
    if (w) *w = b.Width();
    if (h) *h = b.Height();
    return b.GetPixel(b.Width() / 2, b.Height() / 2);
  }

  static bool Proche(COLORREF a, COLORREF b, int tolerance = 12) {
    return std::abs(talvik::GetRValue(a) - talvik::GetRValue(b)) <= tolerance &&
           std::abs(talvik::GetGValue(a) - talvik::GetGValue(b)) <= tolerance &&
           std::abs(talvik::GetBValue(a) - talvik::GetBValue(b)) <= tolerance;
  }

  static talvik::CGraphique* graphique_;
  static lumaveil::testing::TempDir* registre_;
  lumaveil::testing::TempDir dir_;
  std::string moteur_;
  CProjet projet_;
  CDialogueTest dialogue_;
  CProgressionTest progression_;
};

talvik::CGraphique* Generation::graphique_ = nullptr;
lumaveil::testing::TempDir* Generation::registre_ = nullptr;

TEST_F(Generation, PackageIsEngineThenOneRecordPerScreenThenTrailer) {
  const COLORREF couleurs[3] = {RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200)};
  Ajoute(Image("a.bmp", couleurs[0]), 5, 1);
  Ajoute(Image("b.png", couleurs[1]), 180, 7);
  Ajoute(Image("c.jpg", couleurs[2]), 1, 4);
  BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, Options("s.scr"), dialogue_,
                                          progression_);
  EXPECT_EQ(b.resultat, ResultatGeneration::Termine);
  EXPECT_TRUE(b.paquetEcrit);
  EXPECT_EQ(b.enregistrements, 3);
  EXPECT_TRUE(dialogue_.messages.empty());
  EXPECT_TRUE(dialogue_.questions.empty());
  EXPECT_EQ(projet_.CheminEcranDeVeille, dir_.File("s.scr"));
  EXPECT_TRUE(progression_.debut && progression_.fin);
  EXPECT_EQ(progression_.vus, (std::vector<unsigned>{1, 2, 3}));
  EXPECT_EQ(progression_.operations[1], "*** Treatment of screen n°2 ***");

  testing::Paquet p = LitPaquet(dir_.File("s.scr"));
  ASSERT_TRUE(p.lu);
  std::vector<std::uint8_t> moteur = testing::Contenu(moteur_);
  EXPECT_EQ(p.debut, std::int32_t(moteur.size()));
  EXPECT_TRUE(std::equal(moteur.begin(), moteur.end(), p.octets.begin()));
  EXPECT_EQ(p.largeur, 320);
  EXPECT_EQ(p.hauteur, 240);
  ASSERT_EQ(p.nombre, 3);
  std::size_t attendu = moteur.size() + 16;
  for (const auto& e : p.enregistrements) attendu += 12 + e.jpeg.size();
  EXPECT_EQ(p.octets.size(), attendu);
  const int durees[3] = {5, 180, 1}, effets[3] = {1, 7, 4};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(p.enregistrements[i].duree, durees[i]);
    EXPECT_EQ(p.enregistrements[i].effet, effets[i]);
    int w = 0, h = 0;
    COLORREF c = Centre(p.enregistrements[i].jpeg, &w, &h);
    EXPECT_EQ(w, 320);
    EXPECT_EQ(h, 240);
    EXPECT_TRUE(Proche(c, couleurs[i])) << i << " " << std::hex << c;
  }
  // The project's screens were not touched.
  EXPECT_FALSE(projet_.Ecran(0).ImageSource);
  EXPECT_FALSE(projet_.Ecran(0).ImageFinale);
}

TEST_F(Generation, SeveralThreadsWriteTheSameBytesAsOne) {
  // Screens rendered side by side still come out in list order; the BMP
  // (whose size is not read ahead) and the large PNG are loaded alone.
  for (int i = 0; i < 7; ++i) {
    const std::string nom = "p" + std::to_string(i) + (i == 2 ? ".bmp" : ".png");
    const int largeur = i == 4 ? 5800 : 300 + 37 * i, hauteur = i == 4 ? 5800 : 180;
    CEcran& e = Ajoute(Image(nom, RGB(BYTE(30 * i), BYTE(255 - 30 * i), 90), largeur, hauteur),
                       i + 1, i % 8);
    e.Textes[0].Utilisation = 1;
    e.Textes[0].Libelle = "Écran " + std::to_string(i + 1);
    e.CadreUtilisation = 1;
    e.RedimensionUtilisation = 1;
    e.RedimensionPourcentageValeur = 60;
    e.RotationUtilisation = 180;
    e.RotationAngle = i % 2 ? 180 : 360;
  }
  std::vector<std::uint8_t> un;
  for (int fils : {1, 2, 3}) {
    const std::string nom = "f" + std::to_string(fils) + ".scr";
    ASSERT_EQ(GenereEcranDeVeille(projet_, *graphique_, Options(nom, fils), dialogue_,
                                  progression_)
                  .enregistrements,
              7)
        << fils;
    if (fils == 1)
      un = testing::Contenu(dir_.File(nom));
    else
      EXPECT_EQ(testing::Contenu(dir_.File(nom)), un) << fils;
  }
}

TEST_F(Generation, RecordsMadeReadyApartWriteTheSameSaverAndMessages) {
  // What the web maker's workers do: each record made ready on its own, in
  // any order, then the package written from them. A pan and zoom carries
  // its picture's size and subject; a missing picture, whose name holds a
  // line break, its message naming the file.
  Ajoute(Image("a.png", RGB(200, 30, 30), 500, 300), 4, 1);
  Ajoute(Image("b.jpg", RGB(30, 200, 30), 640, 480), 6, kEffetPanoramique).DureeTransition = 2500;
  Ajoute(dir_.File("absente\nligne.jpg"), 3, 0);
  AjouteTitre("Fin", 2, 8);
  const std::string dossier = dir_.File("prets");
  std::filesystem::create_directories(dossier);
  const std::vector<GroupeEcrans> groupes = GroupesAGenerer(projet_);
  EXPECT_FALSE(PrepareEnregistrement(projet_, groupes, 4, *graphique_, 80, 1, dossier));
  for (int k = 3; k >= 0; --k)
    ASSERT_TRUE(PrepareEnregistrement(projet_, groupes, k, *graphique_, 80, 1, dossier)) << k;
  BilanGeneration bilans[2];
  testing::CDialogueTest dialogues[2];
  for (int pret : {0, 1}) {
    OptionsGeneration o = Options(pret ? "pret.scr" : "seul.scr", 1);
    o.qualiteJPEG = 80;
    o.messageChargement = 1;
    if (pret) o.enregistrementsPrets = dossier;
    bilans[pret] = GenerePaquet(projet_, *graphique_, o, dialogues[pret], progression_);
  }
  EXPECT_EQ(bilans[1].enregistrements, 4);
  EXPECT_EQ(bilans[1].imagesIllisibles, 1);
  EXPECT_EQ(bilans[0].imagesIllisibles, 1);
  ASSERT_FALSE(dialogues[0].messages.empty());
  EXPECT_EQ(dialogues[1].messages, dialogues[0].messages);
  EXPECT_EQ(testing::Contenu(dir_.File("pret.scr")), testing::Contenu(dir_.File("seul.scr")));
  // A record that was not made ready is a failed screen, not a blank one.
  std::filesystem::remove(CheminDescriptionPrete(dossier, 2));
  OptionsGeneration o = Options("manque.scr", 1);
  o.enregistrementsPrets = dossier;
  testing::CDialogueTest manque;
  manque.reponses = {1};  // go on without it
  EXPECT_EQ(GenerePaquet(projet_, *graphique_, o, manque, progression_).enregistrements, 3);
  ASSERT_EQ(manque.questions.size(), 1u);
}

TEST_F(Generation, StopAtTheThirdOfFiveKeepsTwoRecords) {
  for (int i = 0; i < 5; ++i) Ajoute(Image("s" + std::to_string(i) + ".bmp", RGB(9, 9, 9)), 2, 0);
  progression_.arretA = 3;
  dialogue_.reponses = {1};  // "Break the sequence ?" Yes
  BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, Options("stop.scr"), dialogue_,
                                          progression_);
  EXPECT_EQ(b.resultat, ResultatGeneration::Interrompu);
  ASSERT_EQ(dialogue_.questions.size(), 1u);
  EXPECT_EQ(dialogue_.questions[0].texte, "Break the sequence ?");
  EXPECT_EQ(dialogue_.questions[0].titre, "Question");
  testing::Paquet p = LitPaquet(dir_.File("stop.scr"));
  ASSERT_TRUE(p.lu);
  EXPECT_EQ(p.nombre, 2);
  EXPECT_EQ(p.enregistrements.size(), 2u);
  EXPECT_EQ(progression_.vus, (std::vector<unsigned>{1, 2, 3}));
}

TEST_F(Generation, AnsweringNoToTheStopGoesOnWithTheSameScreen) {
  for (int i = 0; i < 4; ++i) Ajoute(Image("n" + std::to_string(i) + ".bmp", RGB(9, 9, 9)), 2, 0);
  progression_.arretA = 2;
  dialogue_.reponses = {0};
  BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, Options("go.scr"), dialogue_,
                                          progression_);
  EXPECT_EQ(b.resultat, ResultatGeneration::Termine);
  EXPECT_EQ(LitPaquet(dir_.File("go.scr")).nombre, 4);
}

TEST_F(Generation, FewerThanTwoScreensWritesNothing) {
  Ajoute(Image("seul.bmp", RGB(1, 2, 3)), 3, 0);
  BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, Options("one.scr"), dialogue_,
                                          progression_);
  EXPECT_EQ(b.resultat, ResultatGeneration::Echec);
  ASSERT_EQ(dialogue_.messages.size(), 1u);
  EXPECT_EQ(dialogue_.messages[0].texte,
            "You must create at least 2 screens before generating a screen saver !");
  EXPECT_EQ(dialogue_.messages[0].titre, "Warning");
  EXPECT_EQ(dialogue_.messages[0].icone, IconeMessage::Attention);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("one.scr")));
}

TEST_F(Generation, MissingEngineLeavesTheOldFileAndNoNewOne) {
  AjouteTitre("one", 3, 0);
  AjouteTitre("two", 3, 0);
  std::ofstream(dir_.File("old.scr")) << "previous saver";
  OptionsGeneration o = Options("old.scr");
  o.moteur = dir_.File("no-engine");
  BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, o, dialogue_, progression_);
  EXPECT_EQ(b.resultat, ResultatGeneration::Echec);
  ASSERT_EQ(dialogue_.messages.size(), 1u);
  // The system's reason on the line after the designed message.
  EXPECT_EQ(dialogue_.messages[0].texte, "Unable to put software engine !\nNo such file or directory");
  EXPECT_EQ(dialogue_.messages[0].titre, "Error");
  std::ifstream f(dir_.File("old.scr"));
  std::string contenu((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  EXPECT_EQ(contenu, "previous saver");
  // Nothing else is left in the directory: no temporary package, no JPEG.
  int fichiers = 0;
  for (auto& e : std::filesystem::directory_iterator(dir_.Path())) {
    (void)e;
    ++fichiers;
  }
  EXPECT_EQ(fichiers, 2);  // the engine stand-in and old.scr
}

TEST_F(Generation, AResolutionThePlayerRefusesIsRefusedBeforeAnythingIsWritten) {
  Ajoute(Image("a.bmp", RGB(10, 20, 30)), 3, 0);
  Ajoute(Image("b.bmp", RGB(30, 20, 10)), 3, 0);
  const std::pair<int, int> refusees[] = {{1, 1}, {239, 100}, {240, 239}, {16385, 300},
                                          {320, 65501}};
  for (const auto& [w, h] : refusees) {
    const std::string taille = std::to_string(w) + "x" + std::to_string(h);
    SCOPED_TRACE(taille);
    projet_.ResolutionCible = {w, h};
    CDialogueTest dialogue;
    BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, Options("r.scr"), dialogue,
                                            progression_);
    EXPECT_EQ(b.resultat, ResultatGeneration::Echec);
    EXPECT_FALSE(b.paquetEcrit);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("r.scr")));
    ASSERT_EQ(dialogue.messages.size(), 1u);
    EXPECT_NE(dialogue.messages[0].texte.find("resolution " + taille + " cannot be played"),
              std::string::npos)
        << dialogue.messages[0].texte;
    EXPECT_EQ(dialogue.messages[0].icone, IconeMessage::Erreur);
  }
  // The smallest size the player takes is generated.
  projet_.ResolutionCible = {240, 240};
  EXPECT_TRUE(GenereEcranDeVeille(projet_, *graphique_, Options("r.scr"), dialogue_, progression_)
                  .paquetEcrit);
}

TEST_F(Generation, APipeAsTheTargetIsRefusedAndKept) {
  Ajoute(Image("a.bmp", RGB(10, 20, 30)), 3, 0);
  Ajoute(Image("b.bmp", RGB(30, 20, 10)), 3, 0);
  const std::string tube = dir_.File("pipe.scr");
  ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
  OptionsGeneration o = Options("pipe.scr");
  o.repertoireTemporaire = dir_.File("tmp");
  std::filesystem::create_directory(o.repertoireTemporaire);
  BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, o, dialogue_, progression_);
  EXPECT_EQ(b.resultat, ResultatGeneration::Echec);
  ASSERT_EQ(dialogue_.messages.size(), 1u);
  EXPECT_EQ(dialogue_.messages[0].texte, "Unable to write-open file");
  struct stat st {};
  ASSERT_EQ(::stat(tube.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// What a run killed in mid-generation left (the package's temporary file
// beside the target, the JPEG in the temporary folder) goes with the next
// run to the same target; what only looks like it stays.
TEST_F(Generation, TheLeftoversOfAKilledRunAreRemovedByTheNext) {
  Ajoute(Image("a.bmp", RGB(10, 20, 30)), 3, 0);
  Ajoute(Image("b.bmp", RGB(30, 20, 10)), 3, 0);
  const std::string tmp = dir_.File("tmp");
  std::filesystem::create_directory(tmp);
  std::ifstream m(moteur_, std::ios::binary);
  const std::string moteur((std::istreambuf_iterator<char>(m)), std::istreambuf_iterator<char>());
  auto cree = [](const std::string& chemin, const std::string& contenu, mode_t mode) {
    std::ofstream(chemin, std::ios::binary) << contenu;
    ::chmod(chemin.c_str(), mode);
    return chemin;
  };
  const std::string jpeg = std::string("\xFF\xD8\xFF\xE0", 4) + "half a picture";
  auto vieux = [](const std::string& chemin) {
    const struct timespec heure[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    ::utimensat(AT_FDCWD, chemin.c_str(), heure, 0);
    return chemin;
  };
  const std::string restes[] = {
      cree(dir_.File(".lumaveil-tmp-Ab12Cd.scr"), moteur.substr(0, 3000), 0600),
      cree(dir_.File(".lumaveil-tmp-3swqll.scr"), moteur, 0755),  // killed after its chmod
      cree(tmp + "/.lumaveil-tmp-Qw34Er.jpg", jpeg, 0600),
      vieux(cree(tmp + "/.lumaveil-tmp-Zx56Cv.jpg", "", 0600))};
  const std::string gardes[] = {
      cree(dir_.File("s.backup.scr"), moteur, 0644),        // the user's own copies
      cree(dir_.File("s.mailed.scr"), moteur, 0600),
      cree(dir_.File("s.Ab12Cd.scr"), moteur, 0600),
      cree(dir_.File(".lumaveil-tmp-Xy78Uv.scr"), "a letter", 0600),  // not a package (yet)
      cree(tmp + "/.lumaveil-tmp-Lk90Mn.jpg", jpeg, 0600),            // in use: locked below
      cree(tmp + "/.lumaveil-tmp-Rt12Yu.jpg", "not a jpeg", 0600)};
  const CVerrouTemporaire enCours(tmp + "/.lumaveil-tmp-Lk90Mn.jpg");
  ASSERT_TRUE(enCours.Tenu());
  OptionsGeneration o = Options("s.scr");
  o.repertoireTemporaire = tmp;
  ASSERT_TRUE(GenereEcranDeVeille(projet_, *graphique_, o, dialogue_, progression_).paquetEcrit);
  for (const std::string& r : restes) EXPECT_FALSE(std::filesystem::exists(r)) << r;
  for (const std::string& g : gardes) EXPECT_TRUE(std::filesystem::exists(g)) << g;
  // And this run leaves nothing of its own.
  int fichiers = 0;
  for (const auto& e : std::filesystem::directory_iterator(tmp)) {
    (void)e;
    ++fichiers;
  }
  EXPECT_EQ(fichiers, 2);
}

TEST_F(Generation, UnwritablePlaceShowsTheWriteOpenMessage) {
  AjouteTitre("one", 3, 0);
  AjouteTitre("two", 3, 0);
  OptionsGeneration o = Options("missing/dir/x.scr");
  BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, o, dialogue_, progression_);
  EXPECT_EQ(b.resultat, ResultatGeneration::Echec);
  ASSERT_EQ(dialogue_.messages.size(), 1u);
  EXPECT_EQ(dialogue_.messages[0].texte, "Unable to write-open file");
}

TEST_F(Generation, ScreenWhosePictureIsGoneIsRenderedWithBackgroundAndTexts) {
  Ajoute(Image("ok.bmp", RGB(0, 0, 0)), 3, 0);
  CEcran& e = Ajoute(dir_.File("gone.jpg"), 3, 0);
  e.FondCouleur = RGB(250, 20, 20);
  e.Textes[0].Utilisation = 1;
  e.Textes[0].Libelle = "MMMMMMMM";
  e.Textes[0].CouleurEncre = RGB(0, 0, 255);
  e.Textes[0].DeltaX = 10;
  e.Textes[0].DeltaY = 10;
  BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, Options("gone.scr"), dialogue_,
                                          progression_);
  EXPECT_EQ(b.resultat, ResultatGeneration::Termine);
  EXPECT_TRUE(dialogue_.questions.empty());
  testing::Paquet p = LitPaquet(dir_.File("gone.scr"));
  ASSERT_EQ(p.nombre, 2);
  EXPECT_TRUE(Proche(Centre(p.enregistrements[1].jpeg), RGB(250, 20, 20)));
  // Blue ink where the text stands.
  std::string chemin = dir_.File("gone-record.jpg");
  std::ofstream(chemin, std::ios::binary)
      .write(reinterpret_cast<const char*>(p.enregistrements[1].jpeg.data()),
             std::streamsize(p.enregistrements[1].jpeg.size()));
  HBITMAP image = talvik::CGraphique::ChargeImageJPEG(chemin);
  int bleus = 0;
  for (int y = 10; y < 50; ++y)
    for (int x = 10; x < 200; ++x) {
      COLORREF c = image.GetPixel(x, y);
      if (talvik::GetBValue(c) > 150 && talvik::GetRValue(c) < 100) ++bleus;
    }
  EXPECT_GT(bleus, 50);
}

TEST_F(Generation, FailedScreenLeavesNoBytesWhenSkippedAndStopsOnNo) {
  Ajoute(Image("x.bmp", RGB(5, 5, 5)), 3, 0);
  // A text but no picture and no background: nothing to encode.
  CEcran& vide = AjouteTitre("rien", 3, 0);
  vide.FondUtilisation = 0;
  Ajoute(Image("y.bmp", RGB(5, 5, 5)), 4, 0);
  dialogue_.reponses = {1};  // continue
  BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, Options("skip.scr"), dialogue_,
                                          progression_);
  EXPECT_EQ(b.resultat, ResultatGeneration::Termine);
  ASSERT_EQ(dialogue_.questions.size(), 1u);
  EXPECT_EQ(dialogue_.questions[0].texte,
            "Error during saving of this screen !\nDo you want to continue ?");
  testing::Paquet p = LitPaquet(dir_.File("skip.scr"));
  ASSERT_TRUE(p.lu);
  ASSERT_EQ(p.nombre, 2);
  EXPECT_EQ(p.enregistrements[1].duree, 4);

  CDialogueTest non;
  CProgressionTest progression;
  b = GenereEcranDeVeille(projet_, *graphique_, Options("abort.scr"), non, progression);
  EXPECT_EQ(b.resultat, ResultatGeneration::Interrompu);
  EXPECT_EQ(progression.vus, (std::vector<unsigned>{1, 2}));
  p = LitPaquet(dir_.File("abort.scr"));
  ASSERT_TRUE(p.lu);
  EXPECT_EQ(p.nombre, 1);
}

// A screen that shows nothing of the user's (no picture, no text that
// draws) is left out of the saver, which is then to the byte the saver of
// the list without it, and one warning names the screens left out by their
// numbers in the list; a screen with a text but no picture is a title
// screen and stays. Fewer than two left is the two-screen rule.
TEST_F(Generation, BlankScreensAreLeftOutAndNamedInOneWarning) {
  const std::string rouge = Image("rouge.bmp", RGB(200, 30, 30));
  const std::string vert = Image("vert.bmp", RGB(30, 200, 30));
  // The user's screens, in order, around the blank ones.
  auto remplit = [&](const std::vector<int>& blancs, int total) {
    projet_.SupprimeTout();
    int suivant = 0, k = 0;
    for (int i = 0; i < total; ++i) {
      if (std::find(blancs.begin(), blancs.end(), i) != blancs.end()) {
        CEcran& b = Ajoute("", 9, 3);
        // Blank whatever else it has: its own background, a text not
        // used, a caption made only of the photo's fields.
        if (k == 1) b.FondCouleur = RGB(0, 0, 250);
        if (k == 2) b.Textes[1].Libelle = "not used";
        if (k == 3)
          b.Textes[2] = NouvelleLegende(ChampsDepuisAccolades("{date} {place}"), b.TailleCible);
        ++k;
        continue;
      }
      if (suivant == 0) Ajoute(rouge, 3, 1);
      if (suivant == 1) AjouteTitre("Summer", 4, 2).FondCouleur = RGB(20, 20, 90);
      if (suivant == 2) Ajoute(vert, 5, 4);
      ++suivant;
    }
  };
  remplit({}, 3);
  BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, Options("sans.scr"), dialogue_,
                                          progression_);
  ASSERT_EQ(b.enregistrements, 3);
  EXPECT_TRUE(dialogue_.messages.empty());
  const std::vector<std::uint8_t> sans = testing::Contenu(dir_.File("sans.scr"));

  struct Cas {
    std::vector<int> blancs;  // places of the blank screens, 0-based
    int total;
    const char* message;
  };
  for (const Cas& c :
       {Cas{{0}, 4, "Screen 1 has no picture and no text; it was left out."},
        Cas{{0, 3}, 5, "Screens 1 and 4 have no picture and no text; they were left out."},
        Cas{{1, 2, 4, 6}, 7,
            "Screens 2, 3, 5 and 7 have no picture and no text; they were left out."}}) {
    remplit(c.blancs, c.total);
    CDialogueTest d;
    CProgressionTest progression;
    const std::string nom = "avec" + std::to_string(c.total) + ".scr";
    b = GenereEcranDeVeille(projet_, *graphique_, Options(nom), d, progression);
    EXPECT_EQ(b.resultat, ResultatGeneration::Termine) << c.message;
    EXPECT_EQ(b.enregistrements, 3) << c.message;
    ASSERT_EQ(d.messages.size(), 1u) << c.message;
    EXPECT_EQ(d.messages[0].texte, c.message);
    EXPECT_EQ(d.messages[0].titre, "Warning");
    EXPECT_EQ(d.messages[0].icone, IconeMessage::Attention);
    EXPECT_TRUE(d.questions.empty());
    EXPECT_EQ(testing::Contenu(dir_.File(nom)), sans) << c.message;
    // Progress counts the screens written and names them as the list does.
    EXPECT_EQ(progression.vus, (std::vector<unsigned>{1, 2, 3})) << c.message;
    if (c.total == 5) {
      EXPECT_EQ(progression.operations[2], "*** Treatment of screen n°5 ***");
    }
  }

  // One screen of the user's and two blank ones: nothing is written.
  projet_.SupprimeTout();
  Ajoute("", 3, 0);
  Ajoute(rouge, 3, 0);
  Ajoute("", 3, 0);
  CDialogueTest d;
  b = GenereEcranDeVeille(projet_, *graphique_, Options("un.scr"), d, progression_);
  EXPECT_EQ(b.resultat, ResultatGeneration::Echec);
  ASSERT_EQ(d.messages.size(), 2u);
  EXPECT_EQ(d.messages[0].texte,
            "Screens 1 and 3 have no picture and no text; they were left out.");
  EXPECT_EQ(d.messages[1].id, unsigned(IDS_DEUX_ECRANS));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("un.scr")));
}

// A run that ends without one complete screen writes nothing and says so,
// whether every screen failed or the user stopped before the first; an
// earlier saver of that name stays as it was.
TEST_F(Generation, ARunWithoutOneSavedScreenSaysSoAndKeepsTheOldSaver) {
  // A text but no picture and no background: nothing to encode.
  for (int i = 0; i < 3; ++i) AjouteTitre("rien", 3, 0).FondUtilisation = 0;
  std::ofstream(dir_.File("old.scr")) << "previous saver";
  dialogue_.reponses = {1, 1, 1};  // go on after each failed screen
  BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, Options("old.scr"), dialogue_,
                                          progression_);
  EXPECT_EQ(b.resultat, ResultatGeneration::Echec);
  EXPECT_FALSE(b.paquetEcrit);
  EXPECT_EQ(dialogue_.questions.size(), 3u);
  ASSERT_EQ(dialogue_.messages.size(), 1u);
  EXPECT_EQ(dialogue_.messages[0].texte, "No screen was saved, so no screen saver was written.");
  EXPECT_EQ(dialogue_.messages[0].titre, "Error");
  EXPECT_EQ(dialogue_.messages[0].icone, IconeMessage::Erreur);
  std::ifstream f(dir_.File("old.scr"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), "previous saver");

  projet_.SupprimeTout();
  for (int i = 0; i < 2; ++i) Ajoute(Image("t" + std::to_string(i) + ".bmp", RGB(9, 9, 9)), 2, 0);
  CDialogueTest dialogue;
  dialogue.reponses = {1};  // "Break the sequence ?" Yes, at the first screen
  CProgressionTest progression;
  progression.arretA = 1;
  b = GenereEcranDeVeille(projet_, *graphique_, Options("stopped.scr"), dialogue, progression);
  EXPECT_EQ(b.resultat, ResultatGeneration::Interrompu);
  EXPECT_FALSE(std::filesystem::exists(dir_.File("stopped.scr")));
  ASSERT_EQ(dialogue.messages.size(), 1u);
  EXPECT_EQ(dialogue.messages[0].id, unsigned(IDS_AUCUN_ECRAN_SAUVE));
}

// Answers the chooser with a fixed path (nothing: cancel) and records what
// it was offered.
class CChoixTest : public IChoixFichier {
 public:
  std::optional<std::string> reponse;
  std::vector<std::string> offerts;
  std::optional<std::string> ChoisitFichierSauvegarde(const std::string& nom,
                                                      const std::string& extension,
                                                      const std::string& filtre) override {
    offerts = {nom, extension, filtre};
    return reponse;
  }
};

// Pictures that cannot be loaded (damaged, gone) raise messages while the
// screens are rendered, on the render thread when there is one. Each
// message reaches the dialogue on the caller's thread, once, in the order
// of the screens; nothing reaches the library's hook or the wait cursor
// from another thread.
TEST_F(Generation, EveryMessageArrivesOnTheCallersThreadOnceInOrder) {
  const std::string abime1 = dir_.File("abime1.jpg"), abime2 = dir_.File("abime2.jpg");
  std::ofstream(abime1, std::ios::binary) << "not a JPEG at all";
  std::ofstream(abime2, std::ios::binary) << "neither is this one";
  const std::string parti = dir_.File("parti.png");
  Ajoute(abime1, 3, 0);
  Ajoute(parti, 3, 0);
  Ajoute(Image("bon.bmp", RGB(0, 0, 200)), 3, 0);
  Ajoute(abime2, 3, 0);
  const std::thread::id appelant = std::this_thread::get_id();
  std::vector<std::thread::id> hook, curseur;
  talvik::MessageHook ancienHook = talvik::InstalleMessageHook(
      [&](const std::string&, const std::string&, IconeMessage) {
        hook.push_back(std::this_thread::get_id());
        return 1;
      });
  HookAttente ancienCurseur =
      InstalleHookAttente([&](bool) { curseur.push_back(std::this_thread::get_id()); });

  std::vector<std::vector<MessageUtilisateur>> recus;
  for (int fils : {3, 2, 1}) {
    CDialogueTest d;
    OptionsGeneration o = Options("m" + std::to_string(fils), fils);
    o.messageChargement = 1;
    BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, o, d, progression_);
    EXPECT_EQ(b.resultat, ResultatGeneration::Termine);
    EXPECT_EQ(b.enregistrements, 4);  // blank screens still have their background
    for (std::thread::id f : d.fils) EXPECT_EQ(f, appelant);
    std::vector<std::pair<std::string, std::string>> vus;
    for (const MessageUtilisateur& m : d.messages) vus.emplace_back(m.titre, m.fichier);
    EXPECT_EQ(vus, (std::vector<std::pair<std::string, std::string>>{{"JPEG Fatal Error", ""},
                                                                     {"Error", abime1},
                                                                     {"Error", parti},
                                                                     {"JPEG Fatal Error", ""},
                                                                     {"Error", abime2}}));
    ASSERT_EQ(d.messages.size(), 5u);
    EXPECT_EQ(d.messages[2].id, 11u);
    EXPECT_EQ(d.messages[2].texte, "Unable to load file");
    recus.push_back(d.messages);
  }
  EXPECT_EQ(recus[0], recus[2]);  // one thread or several: the same messages
  EXPECT_EQ(recus[1], recus[2]);
  talvik::InstalleMessageHook(ancienHook);
  InstalleHookAttente(ancienCurseur);
  EXPECT_TRUE(hook.empty());
  for (std::thread::id f : curseur) EXPECT_EQ(f, appelant);
}

// Generation never writes over what the user made: the project's file or
// one of its pictures, under whatever name, is refused as a target.
TEST_F(Generation, AnOutputThatIsTheProjectOrOneOfItsPicturesIsRefused) {
  const std::string a = Image("a.bmp", RGB(10, 10, 10));
  Ajoute(a, 3, 0);
  Ajoute(Image("b.bmp", RGB(20, 20, 20)), 3, 0);
  const std::string fichierProjet = dir_.File("p.lmv");
  std::ofstream(fichierProjet, std::ios::binary) << "the user's project";
  std::filesystem::create_symlink(a, dir_.File("lien.bmp"));
  std::vector<std::uint8_t> imageAvant = testing::Contenu(a);
  for (const std::string& sortie :
       {fichierProjet, dir_.Path() + "/./a.bmp", dir_.File("lien.bmp")}) {
    CDialogueTest d;
    OptionsGeneration o = Options("x");
    o.sortie = sortie;
    o.fichierProjet = fichierProjet;
    BilanGeneration b = GenereEcranDeVeille(projet_, *graphique_, o, d, progression_);
    EXPECT_EQ(b.resultat, ResultatGeneration::Echec) << sortie;
    EXPECT_FALSE(b.paquetEcrit);
    ASSERT_EQ(d.messages.size(), 1u);
    EXPECT_EQ(d.messages[0].id, unsigned(IDS_OUVERTURE_ECRITURE));
    EXPECT_EQ(d.messages[0].texte, "Unable to write-open file");
    EXPECT_EQ(d.messages[0].fichier, sortie);
  }
  EXPECT_EQ(testing::Contenu(fichierProjet),
            (std::vector<std::uint8_t>{'t', 'h', 'e', ' ', 'u', 's', 'e', 'r', '\'', 's', ' ',
                                       'p', 'r', 'o', 'j', 'e', 'c', 't'}));
  EXPECT_EQ(testing::Contenu(a), imageAvant);
  EXPECT_TRUE(projet_.CheminEcranDeVeille.empty());
}

TEST_F(Generation, CommandChecksScreensThenAsksForTheFileThenOffersTheInstall) {
  CChoixTest choix;
  ParametresCommandeGeneration params;
  params.titreProjet = "summer.2004.lmv";
  params.moteur = moteur_;
  params.maison = dir_.Path();
  Ajoute(Image("c1.bmp", RGB(1, 1, 1)), 3, 0);
  CommandeGeneration(projet_, *graphique_, params, choix, dialogue_, progression_);
  EXPECT_TRUE(choix.offerts.empty());  // fewer than 2 screens: no chooser
  ASSERT_EQ(dialogue_.messages.size(), 1u);

  Ajoute(Image("c2.bmp", RGB(2, 2, 2)), 3, 0);
  BilanGeneration b = CommandeGeneration(projet_, *graphique_, params, choix, dialogue_,
                                         progression_);  // cancelled
  EXPECT_FALSE(b.paquetEcrit);
  EXPECT_EQ(choix.offerts,
            (std::vector<std::string>{"summer", "*.scr", "Ecran de veille (*.scr)|*.scr||"}));
  EXPECT_TRUE(progression_.vus.empty());

  choix.reponse = dir_.File("summer.scr");
  b = CommandeGeneration(projet_, *graphique_, params, choix, dialogue_, progression_);
  EXPECT_TRUE(b.paquetEcrit);
  EXPECT_TRUE(dialogue_.questions.empty());  // a Windows saver: no install offer here
  EXPECT_EQ(LitPaquet(dir_.File("summer.scr")).nombre, 2);

  params.plateforme = Plateforme::Linux;
  choix.reponse = dir_.File("summer");
  dialogue_.reponses = {1};
  b = CommandeGeneration(projet_, *graphique_, params, choix, dialogue_, progression_);
  EXPECT_TRUE(b.paquetEcrit);
  ASSERT_EQ(dialogue_.questions.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(dir_.Path() + "/.local/share/lumaveil/savers/summer"));
  EXPECT_TRUE(std::filesystem::exists(dir_.File(".xscreensaver")));
}

// A saver without moving effects, shuffle or different monitors is the
// designed package to the byte, whatever transition lengths its screens
// keep; each of those features adds the options block, which the player
// core reads back with the project's choices and each record's entry.
TEST_F(Generation, TheOptionsBlockIsWrittenOnlyForTheFeaturesThatNeedIt) {
  const COLORREF couleurs[3] = {RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200)};
  for (int i = 0; i < 3; ++i)
    Ajoute(Image("o" + std::to_string(i) + ".png", couleurs[i]), 2 + i, i * 3 % 8);
  auto genere = [&](const std::string& nom) {
    EXPECT_EQ(GenereEcranDeVeille(projet_, *graphique_, Options(nom), dialogue_, progression_)
                  .enregistrements,
              3)
        << nom;
    return testing::Contenu(dir_.File(nom));
  };
  const std::vector<std::uint8_t> concu = genere("concu.scr");
  lmvengine::OptionsBlock aucun;
  EXPECT_FALSE(testing::LitBlocOptions(concu, aucun));
  testing::Paquet p = LitPaquet(dir_.File("concu.scr"));
  ASSERT_TRUE(p.lu);
  std::size_t attendu = std::size_t(p.debut) + 16;
  for (const auto& e : p.enregistrements) attendu += 12 + e.jpeg.size();
  EXPECT_EQ(concu.size(), attendu);
  projet_.Ecran(0).DureeTransition = 4000;
  projet_.Ecran(2).DureeTransition = 600;
  EXPECT_EQ(genere("longueurs.scr"), concu);

  struct Cas {
    const char* nom;
    int melange, moniteurs, effet;  // effect of screen 1
    std::int32_t drapeaux;
  };
  for (const Cas& c : {Cas{"melange.scr", 1, 0, 3, lmvengine::kOptionShuffle},
                       Cas{"moniteurs.scr", 0, 1, 3, lmvengine::kOptionDifferentMonitors},
                       Cas{"fondu.scr", 0, 0, kEffetFondu, 0},
                       Cas{"tous.scr", 1, 1, kEffetAleatoireTous, 3}}) {
    projet_.MelangeEcrans = c.melange;
    projet_.MoniteursDifferents = c.moniteurs;
    projet_.Ecran(1).EffetTransition = c.effet;
    const std::vector<std::uint8_t> o = genere(c.nom);
    lmvengine::OptionsBlock lu;
    ASSERT_TRUE(testing::LitBlocOptions(o, lu)) << c.nom;
    EXPECT_EQ(lu.flags, c.drapeaux) << c.nom;
    ASSERT_EQ(lu.entries.size(), 3u);
    EXPECT_EQ(lu.entries[0].transitionMs, 4000);
    EXPECT_EQ(lu.entries[1].transitionMs, kDureeTransitionDefautMs);
    EXPECT_EQ(lu.entries[2].transitionMs, 600);
    for (const auto& e : lu.entries) {
      EXPECT_EQ(e.pictureWidth, 320) << c.nom;
      EXPECT_FALSE(e.HasSubject());
    }
    // The records before the block are those of the designed package.
    testing::Paquet q = LitPaquet(dir_.File(c.nom));
    EXPECT_EQ(q.nombre, 3);
  }

  // Made in German with the Linux player, nothing else asked: the block only
  // names the language, and the saver speaks it. Its first picture made
  // larger than its screens, the virtual display shows the player's message.
  projet_.MelangeEcrans = 0;
  projet_.MoniteursDifferents = 0;
  projet_.Ecran(1).EffetTransition = 3;
  OptionsGeneration allemand = Options("allemand");
  allemand.moteur = testing::BinPath("LmvEngine");
  allemand.langue = "de";
  ASSERT_EQ(GenereEcranDeVeille(projet_, *graphique_, allemand, dialogue_, progression_)
                .enregistrements, 3);
  std::vector<std::uint8_t> octets = testing::Contenu(dir_.File("allemand"));
  lmvengine::OptionsBlock lu;
  ASSERT_TRUE(testing::LitBlocOptions(octets, lu));
  EXPECT_EQ(lu.language, "de");
  EXPECT_EQ(lu.flags, 0);
  const std::size_t premier = std::size_t(LitPaquet(dir_.File("allemand")).debut) + 12;
  std::size_t sof = premier + 2;
  while (sof + 9 < octets.size() &&
         !(octets[sof] == 0xFF && octets[sof + 1] >= 0xC0 && octets[sof + 1] <= 0xC2))
    sof += 2 + (std::size_t(octets[sof + 2]) << 8 | octets[sof + 3]);
  ASSERT_LT(sof + 9, octets.size());
  octets[sof + 5] = 0x01;  // 240 rows become 496
  std::ofstream(dir_.File("allemand"), std::ios::binary)
      .write(reinterpret_cast<const char*>(octets.data()), std::streamsize(octets.size()));
  std::filesystem::permissions(dir_.File("allemand"), std::filesystem::perms::owner_all);
  const testing::CommandResult joue = testing::RunCommand(
      testing::Quote(dir_.File("allemand")) + " --virtual 320x240 --frames " +
          testing::Quote(dir_.File("images")) + " --draws 1",
      dir_.Path());
  EXPECT_EQ(joue.exitCode, 0);
  EXPECT_NE(joue.err.find("Schwerer JPEG-Fehler: Bild größer als die Bildschirme des "
                          "Bildschirmschoners"),
            std::string::npos)
      << joue.err;
}

// A pan-and-zoom screen is stored 1.25 times the saver's size, declared in
// its entry, and shows the same screen as its neighbours' size would.
TEST_F(Generation, APanAndZoomScreenIsStoredLargerAndDeclaresItsSize) {
  Ajoute(Image("p0.png", RGB(200, 30, 30)), 3, 0);
  CEcran& pan = Ajoute(Image("p1.png", RGB(30, 30, 200), 160, 120), 3, kEffetPanoramique);
  pan.CadreUtilisation = 1;
  pan.CadreTaille = 8;
  pan.CadreCouleur = RGB(255, 255, 0);
  ASSERT_EQ(GenereEcranDeVeille(projet_, *graphique_, Options("pan.scr"), dialogue_,
                                progression_)
                .enregistrements,
            2);
  testing::Paquet p = LitPaquet(dir_.File("pan.scr"));
  ASSERT_EQ(p.enregistrements.size(), 2u);
  int w = 0, h = 0;
  EXPECT_TRUE(Proche(Centre(p.enregistrements[0].jpeg, &w, &h), RGB(200, 30, 30)));
  EXPECT_EQ(w, 320);
  EXPECT_TRUE(Proche(Centre(p.enregistrements[1].jpeg, &w, &h), RGB(30, 30, 200)));
  EXPECT_EQ(w, lmvengine::PanZoomPictureSide(320));
  EXPECT_EQ(h, lmvengine::PanZoomPictureSide(240));

  lmvengine::OptionsBlock lu;
  ASSERT_TRUE(testing::LitBlocOptions(dir_.File("pan.scr"), lu));
  EXPECT_EQ(lu.flags, 0);
  EXPECT_EQ(lu.entries[0].pictureWidth, 320);
  EXPECT_EQ(lu.entries[1].pictureWidth, w);
  EXPECT_EQ(lu.entries[1].pictureHeight, h);
}

TEST(NomPropose, IsTheTitleCutAtItsFirstDot) {
  EXPECT_EQ(NomPropose("summer.2004.lmv"), "summer");
  EXPECT_EQ(NomPropose("Noname"), "Noname");
}

}  // namespace
}  // namespace lumaveil
