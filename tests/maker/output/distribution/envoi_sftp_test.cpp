// Uploads to a real SFTP server on 127.0.0.1: the server's key checked
// against the user's known hosts, and the new saver taking the place of
// the earlier one in one step, or not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "chaines_maker.h"
#include "distribution/envoi_internet.h"
#include "serveur_sftp.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

namespace fs = std::filesystem;
using testing::ServeurSftpEssai;
using testing::TempDir;

std::string Contenu(const std::string& chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

std::vector<std::string> Noms(const std::string& dossier) {
  std::vector<std::string> noms;
  for (const auto& e : fs::directory_iterator(dossier)) noms.push_back(e.path().filename());
  std::sort(noms.begin(), noms.end());
  return noms;
}

std::vector<unsigned> Ids(const BilanInternet& bilan) {
  std::vector<unsigned> ids;
  for (const auto& m : bilan.messages) ids.push_back(m.id);
  return ids;
}

// Every question is recorded and answered by `reponse`.
struct Questions {
  bool reponse = true;
  std::vector<std::pair<std::string, std::string>> posees;
  auto Fonction() {
    return [this](const std::string& serveur, const std::string& empreinte) {
      posees.emplace_back(serveur, empreinte);
      return reponse;
    };
  }
};

class EnvoiSftp : public ::testing::Test {
 protected:
  DemandeInternet Demande(const ServeurSftpEssai& serveur, const std::string& contenu) {
    std::ofstream(local_.File("show.scr"), std::ios::binary) << contenu;
    DemandeInternet d;
    d.cheminEcranDeVeille = local_.File("show.scr");
    d.nomBase = "summer";
    d.serveur.nom = "sftp://127.0.0.1";
    d.serveur.port = serveur.Port();
    d.serveur.utilisateur = ServeurSftpEssai::kUtilisateur;
    d.serveur.motDePasse = ServeurSftpEssai::kMotDePasse;
    d.serveur.hotesConnus = connus_;
    d.serveur.confirmeCle = questions_.Fonction();
    d.nomEcranDeVeille = "summer.scr";
    d.page = false;
    return d;
  }

  TempDir local_;
  std::string connus_ = local_.File("ssh/known_hosts");
  Questions questions_;
};

// An unknown server is asked about once, with its key's fingerprint, before
// the password is sent; a No sends nothing, a Yes is remembered in the
// known-hosts file (made, in a folder only its owner can open, when it did
// not exist).
TEST_F(EnvoiSftp, AnUnknownKeyIsAskedAboutOnceAndRemembered) {
  ServeurSftpEssai serveur;
  ASSERT_GT(serveur.Port(), 0);
  const std::string nom = "[127.0.0.1]:" + std::to_string(serveur.Port());
  DemandeInternet d = Demande(serveur, "saver bytes");
  d.page = true;
  d.nomPage = "summer.html";
  d.modelePage = std::string(LUMAVEIL_BIN_DIR) + "/Page.html";

  questions_.reponse = false;
  BilanInternet bilan = EnvoieSurInternet(d);
  ASSERT_EQ(questions_.posees.size(), 1u);  // not again for the page
  EXPECT_EQ(questions_.posees[0].first, nom);
  EXPECT_EQ(questions_.posees[0].second, serveur.Empreinte());
  EXPECT_EQ(Ids(bilan), std::vector<unsigned>{IDS_PAS_DE_FTP});
  EXPECT_NE(bilan.messages[0].texte.find("was not trusted"), std::string::npos);
  EXPECT_TRUE(fs::is_empty(serveur.Racine()));
  EXPECT_FALSE(fs::exists(connus_));

  questions_.reponse = true;
  bilan = EnvoieSurInternet(d);
  EXPECT_TRUE(bilan.messages.empty()) << bilan.messages.front().texte;
  EXPECT_EQ(questions_.posees.size(), 2u);
  EXPECT_EQ(Contenu(serveur.Racine() + "/summer.scr"), "saver bytes");
  EXPECT_TRUE(fs::exists(serveur.Racine() + "/summer.html"));
  EXPECT_EQ(Contenu(connus_).rfind(nom + " ssh-rsa ", 0), 0u) << Contenu(connus_);
  EXPECT_EQ(fs::status(fs::path(connus_).parent_path()).permissions() & fs::perms::all,
            fs::perms::owner_all);

  // Known now: no question.
  bilan = EnvoieSurInternet(Demande(serveur, "second"));
  EXPECT_TRUE(bilan.messages.empty()) << bilan.messages.front().texte;
  EXPECT_EQ(questions_.posees.size(), 2u);
  EXPECT_EQ(Contenu(serveur.Racine() + "/summer.scr"), "second");
}

// The file of a known server lists it with another key of the same type:
// refused with a message that says the key changed.
TEST_F(EnvoiSftp, AKeyThatChangedIsRefusedWithoutAQuestion) {
  ServeurSftpEssai premier, second;
  ASSERT_GT(premier.Port(), 0);
  ASSERT_GT(second.Port(), 0);
  // Trust the first server, then say its key is the second one's.
  ASSERT_TRUE(EnvoieSurInternet(Demande(premier, "a")).messages.empty());
  ASSERT_TRUE(EnvoieSurInternet(Demande(second, "b")).messages.empty());
  const std::string lignes = Contenu(connus_);
  const std::string nom1 = "[127.0.0.1]:" + std::to_string(premier.Port());
  const std::string nom2 = "[127.0.0.1]:" + std::to_string(second.Port());
  const std::size_t l2 = lignes.find(nom2);
  ASSERT_NE(l2, std::string::npos);
  const std::string cle2 = lignes.substr(l2 + nom2.size(), lignes.find('\n', l2) - l2 - nom2.size());
  std::ofstream(connus_, std::ios::trunc) << nom1 << cle2 << "\n";
  questions_.posees.clear();

  const BilanInternet bilan = EnvoieSurInternet(Demande(premier, "impostor"));
  EXPECT_TRUE(questions_.posees.empty());
  ASSERT_EQ(Ids(bilan), std::vector<unsigned>{IDS_PAS_DE_FTP});
  EXPECT_NE(bilan.messages[0].texte.find("is not the one it had when it was trusted"),
            std::string::npos)
      << bilan.messages[0].texte;
  EXPECT_EQ(Contenu(premier.Racine() + "/summer.scr"), "a");
  EXPECT_EQ(Noms(premier.Racine()), std::vector<std::string>{"summer.scr"});
}

// The server's atomic rename replaces the earlier saver in one step; a
// server that cannot replace keeps the earlier one and the new file stays
// beside it, whole, and the message says exactly that.
TEST_F(EnvoiSftp, TheNewSaverReplacesTheOldInOneStepOrTheOldStays) {
  {
    ServeurSftpEssai serveur;
    ASSERT_GT(serveur.Port(), 0);
    std::ofstream(serveur.Racine() + "/summer.scr") << "last week's saver";
    const std::string octets(300 * 1024 + 7, 'n');
    const BilanInternet bilan = EnvoieSurInternet(Demande(serveur, octets));
    EXPECT_TRUE(bilan.messages.empty()) << bilan.messages.front().texte;
    EXPECT_EQ(Contenu(serveur.Racine() + "/summer.scr"), octets);
    EXPECT_EQ(Noms(serveur.Racine()), std::vector<std::string>{"summer.scr"});
  }
  for (const ServeurSftpEssai::Options options :
       {ServeurSftpEssai::Options{.renommageAtomique = false},
        ServeurSftpEssai::Options{.refuseRemplacement = true}}) {
    ServeurSftpEssai serveur(options);
    ASSERT_GT(serveur.Port(), 0);
    // Without an earlier file the plain rename is enough.
    BilanInternet bilan = EnvoieSurInternet(Demande(serveur, "first"));
    EXPECT_TRUE(bilan.messages.empty()) << bilan.messages.front().texte;
    EXPECT_EQ(Contenu(serveur.Racine() + "/summer.scr"), "first");

    bilan = EnvoieSurInternet(Demande(serveur, "new saver"));
    ASSERT_EQ(Ids(bilan), std::vector<unsigned>{IDS_ECHEC_ENVOI});
    EXPECT_NE(bilan.messages[0].texte.find(
                  "The server cannot replace summer.scr"),
              std::string::npos)
        << bilan.messages[0].texte;
    EXPECT_NE(bilan.messages[0].texte.find(
                  "the earlier summer.scr was kept, and the new file was left beside it as "
                  "summer.scr.part."),
              std::string::npos)
        << bilan.messages[0].texte;
    EXPECT_EQ(Contenu(serveur.Racine() + "/summer.scr"), "first");
    EXPECT_EQ(Contenu(serveur.Racine() + "/summer.scr.part"), "new saver");
  }
}

// A connection cut during the transfer leaves the earlier saver as it was.
TEST_F(EnvoiSftp, ACutConnectionLeavesTheEarlierSaver) {
  ServeurSftpEssai serveur({.coupe = 100 * 1024});
  ASSERT_GT(serveur.Port(), 0);
  std::ofstream(serveur.Racine() + "/summer.scr") << "last week's saver";
  const BilanInternet bilan = EnvoieSurInternet(Demande(serveur, std::string(1 << 20, 'x')));
  ASSERT_EQ(Ids(bilan), std::vector<unsigned>{IDS_ECHEC_ENVOI});
  EXPECT_NE(bilan.messages[0].texte.find("cut"), std::string::npos) << bilan.messages[0].texte;
  EXPECT_EQ(Contenu(serveur.Racine() + "/summer.scr"), "last week's saver");
}

}  // namespace
}  // namespace lumaveil
