#include "distribution/envoi_internet.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "chaines_maker.h"
#include "paquet_essai.h"
#include "sortie_commande.h"
#include "serveur_ftp.h"
#include "dossier_temporaire.h"

namespace lumaveil {
namespace {

namespace fs = std::filesystem;
using testing::ContenuFichier;
using testing::ServeurFtpEssai;
using testing::TempDir;

// A saver of `taille` bytes that are not all alike (a transfer that loses
// or reorders a block shows).
std::string EcritEcranDeVeille(const std::string& chemin, std::size_t taille) {
  std::string octets(taille, '\0');
  for (std::size_t i = 0; i < taille; ++i) octets[i] = char((i * 131 + i / 977) & 0xFF);
  std::ofstream(chemin, std::ios::binary) << octets;
  return octets;
}

DemandeInternet Demande(const ServeurFtpEssai& serveur, const std::string& saver) {
  DemandeInternet d;
  d.cheminEcranDeVeille = saver;
  d.nomBase = "summer";
  d.serveur.nom = "127.0.0.1";
  d.serveur.port = serveur.Port();
  d.serveur.passif = true;
  d.serveur.utilisateur = ServeurFtpEssai::kUtilisateur;
  d.serveur.motDePasse = ServeurFtpEssai::kMotDePasse;
  // The test servers speak plain FTP unless asked for TLS.
  d.serveur.enClairPermis = true;
  d.nomEcranDeVeille = "summer.scr";
  d.nomPage = "summer.html";
  d.modelePage = std::string(LUMAVEIL_BIN_DIR) + "/Page.html";
  d.moduleLecteur = std::string(LUMAVEIL_BIN_DIR) + "/lumaveil_player.js";
  d.modulePage = std::string(LUMAVEIL_BIN_DIR) + "/lumaveil_page.js";
  return d;
}

// The names in a server directory (temporary ones included).
std::vector<std::string> Noms(const std::string& dossier) {
  std::vector<std::string> noms;
  for (const auto& e : fs::directory_iterator(dossier)) noms.push_back(e.path().filename());
  std::sort(noms.begin(), noms.end());
  return noms;
}

// Same bytes (a failure shows both sizes, not the bytes).
::testing::AssertionResult MemesOctets(const std::string& chemin, const std::string& attendu) {
  const std::string lu = ContenuFichier(chemin);
  if (lu == attendu) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << chemin << ": " << lu.size() << " bytes, expected " << attendu.size() << " other bytes";
}

std::vector<unsigned> Ids(const BilanInternet& bilan) {
  std::vector<unsigned> ids;
  for (const auto& m : bilan.messages) ids.push_back(m.id);
  return ids;
}

TEST(EnvoiInternet, SaverAndPageReachTheDirectoryWholeInBothModes) {
  ServeurFtpEssai serveur;
  ASSERT_GT(serveur.Port(), 0);
  fs::create_directory(serveur.Racine() + "/pub");
  TempDir local;
  const std::string octets = EcritEcranDeVeille(local.File("show.scr"), 700 * 1024 + 3);

  // "pub" becomes "pub/"; passive mode.
  DemandeInternet d = Demande(serveur, local.File("show.scr"));
  d.serveur.repertoire = RepertoireServeur("pub");
  EXPECT_EQ(d.serveur.repertoire, "pub/");
  BilanInternet bilan = EnvoieSurInternet(d);
  EXPECT_TRUE(bilan.messages.empty()) << bilan.messages.front().texte;
  EXPECT_TRUE(bilan.ecranDeVeilleEnvoye && bilan.pageEnvoyee);
  EXPECT_EQ(Noms(serveur.Racine() + "/pub"),
            (std::vector<std::string>{"lumaveil_page.js", "lumaveil_player.js", "summer.html", "summer.scr"}));
  EXPECT_TRUE(MemesOctets(serveur.Racine() + "/pub/summer.scr", octets));
  // The page plays the saver with the module sent beside it, and offers it
  // for Windows only.
  const std::string page = ContenuFichier(serveur.Racine() + "/pub/summer.html");
  EXPECT_NE(page.find("href=\"summer.scr\""), std::string::npos);
  EXPECT_NE(page.find("data-src=\"summer.scr\""), std::string::npos);
  EXPECT_NE(page.find("import { mountPlayers } from './lumaveil_page.js';"), std::string::npos);
  EXPECT_EQ(page.find("Download for Linux"), std::string::npos);
  for (const char* module : {"lumaveil_page.js", "lumaveil_player.js"})
    EXPECT_TRUE(MemesOctets(serveur.Racine() + "/pub/" + module,
                            ContenuFichier(std::string(LUMAVEIL_BIN_DIR) + "/" + module)));

  // An empty directory is the log-in directory; active mode; no page asked
  // for: only the saver goes. Sending again replaces the earlier file.
  d.serveur.repertoire = RepertoireServeur("");
  d.serveur.passif = false;
  d.page = false;
  bilan = EnvoieSurInternet(d);
  EXPECT_TRUE(bilan.messages.empty()) << bilan.messages.front().texte;
  EXPECT_FALSE(bilan.pageEnvoyee);
  EXPECT_EQ(Noms(serveur.Racine()), (std::vector<std::string>{"pub", "summer.scr"}));
  EXPECT_TRUE(MemesOctets(serveur.Racine() + "/summer.scr", octets));
  // A directory given from the root, already ending with "/".
  d.serveur.repertoire = RepertoireServeur(serveur.Racine() + "/pub/");
  EXPECT_EQ(d.serveur.repertoire, serveur.Racine() + "/pub/");
}

TEST(EnvoiInternet, UploadedPagePlaysTheSaverFromTheServersDirectoryOverHttp) {
  ServeurFtpEssai serveur;
  ASSERT_GT(serveur.Port(), 0);
  TempDir local;
  const std::vector<unsigned char> moteur(20000, 'E');
  std::vector<lumaveil::testing::RecordData> ecrans;
  for (std::uint32_t couleur : {0xC03020u, 0x2060C0u, 0x30A040u})
    ecrans.push_back({1, 4, lumaveil::testing::SolidJpeg(640, 480, couleur)});
  lumaveil::testing::WriteBytes(local.File("show.scr"),
                      lumaveil::testing::PackageBytes(moteur, ecrans,
                                            lumaveil::testing::TrailerFor(moteur, 640, 480, ecrans.size())));
  const BilanInternet bilan = EnvoieSurInternet(Demande(serveur, local.File("show.scr")));
  ASSERT_TRUE(bilan.messages.empty()) << bilan.messages.front().texte;
  // The server's directory as a static web host serves it, in Chromium.
  const std::string sortie = lumaveil::testing::RunAndCapture(
      "/usr/bin/python3 '" LUMAVEIL_SOURCE_DIR "/tests/web/plays.py' '" + serveur.Racine() +
      "' summer.html 2>&1; echo \"exit $?\"");
  EXPECT_NE(sortie.find("played"), std::string::npos) << sortie;
  EXPECT_NE(sortie.find("exit 0"), std::string::npos) << sortie;
}

TEST(EnvoiInternet, TlsServerGetsEverythingEncryptedAndAnUntrustedOneNothing) {
  ServeurFtpEssai serveur({.tls = true});
  ASSERT_GT(serveur.Port(), 0);
  TempDir local;
  const std::string octets = EcritEcranDeVeille(local.File("show.scr"), 100 * 1024);
  DemandeInternet d = Demande(serveur, local.File("show.scr"));
  // The server refuses everything in clear text: success means TLS.
  d.serveur.autorites = serveur.Certificat();
  BilanInternet bilan = EnvoieSurInternet(d);
  EXPECT_TRUE(bilan.messages.empty()) << bilan.messages.front().texte;
  EXPECT_TRUE(MemesOctets(serveur.Racine() + "/summer.scr", octets));
  EXPECT_TRUE(fs::exists(serveur.Racine() + "/summer.html"));

  // A certificate that cannot be verified: no connection, and no retry in
  // clear text (nothing new on the server).
  EXPECT_TRUE(fs::exists(serveur.Racine() + "/lumaveil_player.js"));
  fs::remove(serveur.Racine() + "/summer.scr");
  fs::remove(serveur.Racine() + "/summer.html");
  fs::remove(serveur.Racine() + "/lumaveil_player.js");
  fs::remove(serveur.Racine() + "/lumaveil_page.js");
  d.serveur.autorites.clear();
  bilan = EnvoieSurInternet(d);
  EXPECT_EQ(Ids(bilan), std::vector<unsigned>{IDS_PAS_DE_FTP});
  EXPECT_TRUE(fs::is_empty(serveur.Racine()));
}

// A server that answers 500 to AUTH TLS gets neither the user name nor the
// password unless unencrypted FTP was allowed; the message says how to
// allow it.
TEST(EnvoiInternet, AServerWithoutTlsGetsNoPasswordUnlessClearTextIsAllowed) {
  ServeurFtpEssai serveur({.journal = true});
  ASSERT_GT(serveur.Port(), 0);
  TempDir local;
  const std::string octets = EcritEcranDeVeille(local.File("show.scr"), 3000);
  DemandeInternet d = Demande(serveur, local.File("show.scr"));
  d.serveur.enClairPermis = false;
  BilanInternet bilan = EnvoieSurInternet(d);
  ASSERT_EQ(Ids(bilan), std::vector<unsigned>{IDS_PAS_DE_FTP});
  EXPECT_NE(bilan.messages[0].texte.find(
                "tick \"Allow unencrypted FTP (password sent in clear)\" in the Internet dialog"),
            std::string::npos)
      << bilan.messages[0].texte;
  EXPECT_FALSE(bilan.ecranDeVeilleEnvoye);
  EXPECT_TRUE(fs::is_empty(serveur.Racine()));
  const std::string commandes = serveur.Commandes();
  EXPECT_NE(commandes.find("AUTH"), std::string::npos) << commandes;
  EXPECT_EQ(commandes.find("USER"), std::string::npos) << commandes;
  EXPECT_EQ(commandes.find("PASS"), std::string::npos) << commandes;

  d.serveur.enClairPermis = true;
  bilan = EnvoieSurInternet(d);
  EXPECT_TRUE(bilan.messages.empty()) << bilan.messages.front().texte;
  EXPECT_TRUE(MemesOctets(serveur.Racine() + "/summer.scr", octets));
  EXPECT_NE(serveur.Commandes().find("PASS"), std::string::npos);
}

// Stop pressed while the connection is still being made (a server that
// accepts the connection and never greets): no message at all.
TEST(EnvoiInternet, AStopWhileConnectingIsQuiet) {
  const int s = socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(s, 0);
  sockaddr_in adresse{};
  adresse.sin_family = AF_INET;
  adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t longueur = sizeof adresse;
  ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
  ASSERT_EQ(listen(s, 4), 0);
  ASSERT_EQ(getsockname(s, reinterpret_cast<sockaddr*>(&adresse), &longueur), 0);
  TempDir local;
  EcritEcranDeVeille(local.File("show.scr"), 1000);
  DemandeInternet d;
  d.cheminEcranDeVeille = local.File("show.scr");
  d.serveur.nom = "127.0.0.1";
  d.serveur.port = ntohs(adresse.sin_port);
  d.serveur.utilisateur = ServeurFtpEssai::kUtilisateur;
  d.serveur.motDePasse = ServeurFtpEssai::kMotDePasse;
  d.nomEcranDeVeille = "summer.scr";
  d.page = false;
  const auto debut = std::chrono::steady_clock::now();
  const BilanInternet bilan =
      EnvoieSurInternet(d, [&](const std::string&, std::int64_t, std::int64_t) {
        return std::chrono::steady_clock::now() - debut < std::chrono::milliseconds(300);
      });
  close(s);
  EXPECT_TRUE(bilan.arrete);
  EXPECT_TRUE(bilan.messages.empty()) << bilan.messages.front().texte;
  EXPECT_FALSE(bilan.ecranDeVeilleEnvoye);
}

TEST(EnvoiInternet, RefusedLogInAndStoppedServerGiveNoConnectionOnly) {
  ServeurFtpEssai serveur;
  ASSERT_GT(serveur.Port(), 0);
  TempDir local;
  EcritEcranDeVeille(local.File("show.scr"), 1000);
  DemandeInternet d = Demande(serveur, local.File("show.scr"));
  d.serveur.motDePasse = "wrong";
  BilanInternet bilan = EnvoieSurInternet(d);
  ASSERT_EQ(Ids(bilan), std::vector<unsigned>{IDS_PAS_DE_FTP});
  EXPECT_EQ(bilan.messages[0].texte.rfind(ChaineMaker(IDS_PAS_DE_FTP), 0), 0u);
  EXPECT_NE(bilan.messages[0].texte.find("refused"), std::string::npos);
  EXPECT_EQ(bilan.messages[0].titre, "Error");
  EXPECT_TRUE(fs::is_empty(serveur.Racine()));

  d.serveur.motDePasse = ServeurFtpEssai::kMotDePasse;
  d.serveur.port = ServeurFtpEssai::PortLibre();
  bilan = EnvoieSurInternet(d);
  EXPECT_EQ(Ids(bilan), std::vector<unsigned>{IDS_PAS_DE_FTP});
  EXPECT_FALSE(bilan.ecranDeVeilleEnvoye);
}

TEST(EnvoiInternet, CutConnectionLeavesTheEarlierFileUntouched) {
  ServeurFtpEssai serveur({.coupe = 64 * 1024});
  ASSERT_GT(serveur.Port(), 0);
  std::ofstream(serveur.Racine() + "/summer.scr", std::ios::binary) << "the saver sent last week";
  TempDir local;
  EcritEcranDeVeille(local.File("show.scr"), 2 * 1024 * 1024);
  const BilanInternet bilan = EnvoieSurInternet(Demande(serveur, local.File("show.scr")));
  ASSERT_FALSE(bilan.messages.empty());
  EXPECT_EQ(bilan.messages[0].id, IDS_ECHEC_ENVOI);
  EXPECT_FALSE(bilan.ecranDeVeilleEnvoye);
  EXPECT_EQ(ContenuFichier(serveur.Racine() + "/summer.scr"), "the saver sent last week");
  // The part that arrived is removed; the page still went.
  EXPECT_EQ(Noms(serveur.Racine()),
            (std::vector<std::string>{"lumaveil_page.js", "lumaveil_player.js", "summer.html", "summer.scr"}));
  // The local saver is never touched.
  EXPECT_EQ(fs::file_size(local.File("show.scr")), 2u * 1024 * 1024);
}

TEST(EnvoiInternet, FullServerRefusesBothFilesAndEachSaysSo) {
  ServeurFtpEssai serveur({.plein = true});
  ASSERT_GT(serveur.Port(), 0);
  TempDir local;
  EcritEcranDeVeille(local.File("show.scr"), 5000);
  const BilanInternet bilan = EnvoieSurInternet(Demande(serveur, local.File("show.scr")));
  EXPECT_EQ(Ids(bilan), (std::vector<unsigned>{IDS_ECHEC_ENVOI, IDS_ECHEC_ENVOI}));
  EXPECT_TRUE(fs::is_empty(serveur.Racine()));
}

TEST(EnvoiInternet, MissingTemplateStillSendsTheSaver) {
  ServeurFtpEssai serveur;
  ASSERT_GT(serveur.Port(), 0);
  TempDir local;
  EcritEcranDeVeille(local.File("show.scr"), 5000);
  DemandeInternet d = Demande(serveur, local.File("show.scr"));
  d.modelePage = local.File("Page.html");
  const BilanInternet bilan = EnvoieSurInternet(d);
  EXPECT_EQ(Ids(bilan), std::vector<unsigned>{IDS_ECHEC_ENVOI});
  EXPECT_EQ(Noms(serveur.Racine()), std::vector<std::string>{"summer.scr"});
}

TEST(TransfertFtp, AddressesKeepTheLogInDirectoryTheRootAndEscapedNames) {
  ServeurFtp ftp;
  ftp.nom = "ftp://ftp.example.org/ignored";
  ftp.repertoire = "my site";
  EXPECT_EQ(CTransfertFtp(ftp).Url("a b#.scr"), "ftp://ftp.example.org:21/my%20site/a%20b%23.scr");
  ftp.repertoire = "/var/www/";
  EXPECT_EQ(CTransfertFtp(ftp).Url("a.scr"), "ftp://ftp.example.org:21/%2Fvar/www/a.scr");
  // SFTP paths are absolute: the log-in directory is "~"; FTP's default
  // port means SFTP's.
  ServeurFtp sftp;
  sftp.nom = "SFTP://host";
  sftp.repertoire = "pub";
  EXPECT_EQ(CTransfertFtp(sftp).Url("a.scr"), "sftp://host:22/~/pub/a.scr");
  sftp.repertoire = "/srv/";
  sftp.port = 2222;
  EXPECT_EQ(CTransfertFtp(sftp).Url("a.scr"), "sftp://host:2222/srv/a.scr");
}

}  // namespace
}  // namespace lumaveil
