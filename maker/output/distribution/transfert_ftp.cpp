#include "distribution/transfert_ftp.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "distribution/canal_sftp.h"
#include "distribution/page_telechargement.h"
#include "distribution/session_ssh.h"

namespace lumaveil {

namespace {

enum class Protocole { Ftp, FtpsImplicite, Sftp };

constexpr const char* kDetailSansTls =
    "The server does not offer encryption (TLS): nothing was sent, not even the user name "
    "or the password.\nTo send anyway, tick \"Allow unencrypted FTP (password sent in "
    "clear)\" in the Internet dialog.";

struct Adresse {
  Protocole protocole = Protocole::Ftp;
  std::string hote;
};

// Scheme and host of the server name; any path typed after the host is
// ignored (the directory has its own field).
Adresse LitAdresse(const std::string& nom) {
  Adresse adresse;
  std::string reste = nom;
  const std::size_t separateur = reste.find("://");
  if (separateur != std::string::npos) {
    std::string schema = reste.substr(0, separateur);
    std::transform(schema.begin(), schema.end(), schema.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (schema == "sftp") adresse.protocole = Protocole::Sftp;
    if (schema == "ftps") adresse.protocole = Protocole::FtpsImplicite;
    reste = reste.substr(separateur + 3);
  }
  adresse.hote = reste.substr(0, reste.find('/'));
  return adresse;
}

// Each piece of a path escaped, the "/" between them kept.
std::string CheminEchappe(const std::string& chemin) {
  std::string resultat;
  std::size_t debut = 0;
  while (debut <= chemin.size()) {
    const std::size_t fin = std::min(chemin.find('/', debut), chemin.size());
    resultat += EchappeUrl(chemin.substr(debut, fin - debut));
    if (fin < chemin.size()) resultat += '/';
    debut = fin + 1;
  }
  return resultat;
}

std::string Detail(CURLcode code, const char* tampon) {
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
      return "The server name is unknown.";
    case CURLE_COULDNT_CONNECT:
      return "The server does not answer: it may be stopped, or the name or the port is wrong.";
    case CURLE_LOGIN_DENIED:
      return "The server refused the user name or the password.";
    case CURLE_PEER_FAILED_VERIFICATION:
      return "The server's certificate could not be verified; nothing was sent.";
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_USE_SSL_FAILED:
      return "The secure (TLS) connection offered by the server failed; nothing was sent in "
             "clear text.";
    case CURLE_REMOTE_ACCESS_DENIED:
      return "The server refused access to the directory or the file.";
    case CURLE_UPLOAD_FAILED:
    case CURLE_REMOTE_DISK_FULL:
      return "The server could not store the file (its disk may be full, or the directory "
             "read-only).";
    case CURLE_QUOTE_ERROR:
      return "The server did not let the file take its final name.";
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
      return "The connection was cut during the transfer.";
    case CURLE_OPERATION_TIMEDOUT:
      return "The server stopped answering.";
    case CURLE_UNSUPPORTED_PROTOCOL:
      return "This kind of server is not supported here.";
    default:
      return (tampon && *tampon) ? std::string(tampon) : std::string(curl_easy_strerror(code));
  }
}

struct Lecture {
  std::FILE* fichier = nullptr;
  ~Lecture() {
    if (fichier) std::fclose(fichier);
  }
};

class CListeCurl {
 public:
  ~CListeCurl() { curl_slist_free_all(liste_); }
  void Ajoute(const std::string& ligne) { liste_ = curl_slist_append(liste_, ligne.c_str()); }
  curl_slist* get() const { return liste_; }

 private:
  curl_slist* liste_ = nullptr;
};

}  // namespace

struct EtatTransfertFtp {
  CURL* curl = nullptr;
  Adresse adresse;
  int port = 21;
  // Explicit TLS is asked for until a server refuses it; then plain FTP.
  bool tls = true;
  // What the control connection said (FTP only).
  bool tlsOffert = false;
  bool connecte = false;
  char tampon[CURL_ERROR_SIZE] = {};
  const ProgressionFtp* progression = nullptr;
  // SFTP: the session, its requests, and a refusal of the server's key
  // (not asked again for the next file).
  std::unique_ptr<CSessionSsh> ssh;
  std::unique_ptr<CCanalSftp> sftp;
  std::string refus;

  ~EtatTransfertFtp() {
    if (curl) curl_easy_cleanup(curl);
  }
};

namespace {

int Trace(CURL*, curl_infotype type, char* donnees, size_t taille, void* utilisateur) {
  auto* etat = static_cast<EtatTransfertFtp*>(utilisateur);
  if (type == CURLINFO_HEADER_IN && taille >= 4) {
    const std::string code(donnees, 4);
    if (code == "234 ") etat->tlsOffert = true;
    if (code == "230 " || code == "232 ") etat->connecte = true;
  }
  return 0;
}

int Progression(void* utilisateur, curl_off_t, curl_off_t, curl_off_t total, curl_off_t envoye) {
  auto* etat = static_cast<EtatTransfertFtp*>(utilisateur);
  if (etat->progression && *etat->progression && !(*etat->progression)(envoye, total)) return 1;
  return 0;
}

}  // namespace

std::string RepertoireServeur(const std::string& repertoire) {
  if (repertoire.empty() || repertoire.back() == '/') return repertoire;
  return repertoire + "/";
}

CTransfertFtp::CTransfertFtp(ServeurFtp serveur)
    : serveur_(std::move(serveur)), etat_(std::make_unique<EtatTransfertFtp>()) {
  serveur_.repertoire = RepertoireServeur(serveur_.repertoire);
  etat_->adresse = LitAdresse(serveur_.nom);
  etat_->port = serveur_.port;
  if (etat_->adresse.protocole == Protocole::Sftp && etat_->port == 21) etat_->port = 22;
  if (etat_->adresse.protocole != Protocole::Ftp) etat_->tls = false;
  etat_->curl = curl_easy_init();
}

CTransfertFtp::~CTransfertFtp() = default;

std::string CTransfertFtp::NomTemporaire(const std::string& nomDistant) {
  return nomDistant + ".part";
}

std::string CTransfertFtp::Url(const std::string& nomDistant) const {
  const Adresse& a = etat_->adresse;
  static constexpr const char* kSchemas[] = {"ftp://", "ftps://", "sftp://"};
  std::string url = kSchemas[int(a.protocole)] + a.hote + ":" + std::to_string(etat_->port) + "/";
  std::string repertoire = serveur_.repertoire;
  const bool racine = !repertoire.empty() && repertoire.front() == '/';
  if (racine) repertoire.erase(0, 1);
  if (a.protocole == Protocole::Sftp) {
    // An SFTP path is absolute; "~/" is the log-in directory.
    if (!racine) url += "~/";
  } else if (racine) {
    url += "%2F";
  }
  return url + CheminEchappe(repertoire) + EchappeUrl(nomDistant);
}

ResultatFtp CTransfertFtp::Envoie(const std::string& cheminLocal, const std::string& nomDistant,
                                  const ProgressionFtp& progression) {
  EtatTransfertFtp& etat = *etat_;
  if (!etat.curl) return {EchecFtp::Connexion, "The network library could not start."};
  Lecture lecture;
  lecture.fichier = std::fopen(cheminLocal.c_str(), "rb");
  if (!lecture.fichier) return {EchecFtp::Envoi, "The file " + cheminLocal + " cannot be read."};
  std::fseek(lecture.fichier, 0, SEEK_END);
  const long taille = std::ftell(lecture.fichier);
  std::fseek(lecture.fichier, 0, SEEK_SET);

  if (etat.adresse.protocole == Protocole::Sftp)
    return EnvoieSftp(lecture.fichier, taille, nomDistant, progression);
  const std::string temporaire = NomTemporaire(nomDistant);
  // The rename that makes the whole file appear under its name.
  CListeCurl renommage;
  renommage.Ajoute("RNFR " + temporaire);
  renommage.Ajoute("RNTO " + nomDistant);

  CURL* c = etat.curl;
  const auto prepare = [&](bool envoi) {
    curl_easy_reset(c);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, etat.tampon);
    curl_easy_setopt(c, CURLOPT_USERNAME, serveur_.utilisateur.c_str());
    curl_easy_setopt(c, CURLOPT_PASSWORD, serveur_.motDePasse.c_str());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 20L);
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, 60L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, &Trace);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &etat);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    if (!serveur_.autorites.empty())
      curl_easy_setopt(c, CURLOPT_CAINFO, serveur_.autorites.c_str());
    if (etat.adresse.protocole == Protocole::Ftp) {
      curl_easy_setopt(c, CURLOPT_USE_SSL, long(etat.tls ? CURLUSESSL_ALL : CURLUSESSL_NONE));
      curl_easy_setopt(c, CURLOPT_FTPSSLAUTH, long(CURLFTPAUTH_TLS));
    }
    if (serveur_.passif) {
      curl_easy_setopt(c, CURLOPT_FTPPORT, nullptr);
    } else {
      curl_easy_setopt(c, CURLOPT_FTPPORT, "-");
    }
    if (envoi) {
      curl_easy_setopt(c, CURLOPT_URL, Url(temporaire).c_str());
      curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
      curl_easy_setopt(c, CURLOPT_READDATA, lecture.fichier);
      curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(taille));
      curl_easy_setopt(c, CURLOPT_POSTQUOTE, renommage.get());
      curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
      curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &Progression);
      curl_easy_setopt(c, CURLOPT_XFERINFODATA, &etat);
    }
  };

  etat.progression = &progression;
  etat.tampon[0] = '\0';
  etat.tlsOffert = false;
  etat.connecte = false;
  prepare(true);
  CURLcode code = curl_easy_perform(c);
  if (code == CURLE_USE_SSL_FAILED && etat.tls && !etat.tlsOffert) {
    // The server does not offer TLS at all: nothing more unless the user
    // allowed plain FTP, whose log-in sends the password in clear.
    if (!serveur_.enClairPermis) {
      etat.progression = nullptr;
      return {EchecFtp::Connexion, kDetailSansTls};
    }
    etat.tls = false;
    std::fseek(lecture.fichier, 0, SEEK_SET);
    etat.tampon[0] = '\0';
    prepare(true);
    code = curl_easy_perform(c);
  }
  etat.progression = nullptr;
  if (code == CURLE_OK) return {};

  ResultatFtp resultat;
  resultat.detail = Detail(code, etat.tampon);
  if (!etat.connecte) {
    // A stop while the connection is being made is no failure: quiet.
    if (code == CURLE_ABORTED_BY_CALLBACK) return {EchecFtp::Arret, {}};
    resultat.echec = EchecFtp::Connexion;
    return resultat;
  }
  resultat.echec = code == CURLE_ABORTED_BY_CALLBACK ? EchecFtp::Arret : EchecFtp::Envoi;

  // Whatever reached the server stays under the temporary name: removed
  // when the server still answers (a failure here changes nothing).
  std::string repertoireUrl = Url(std::string());
  CListeCurl nettoyage;
  nettoyage.Ajoute("*DELE " + temporaire);
  prepare(false);
  curl_easy_setopt(c, CURLOPT_URL, repertoireUrl.c_str());
  curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
  curl_easy_setopt(c, CURLOPT_POSTQUOTE, nettoyage.get());
  curl_easy_setopt(c, CURLOPT_TIMEOUT, 20L);
  curl_easy_perform(c);
  return resultat;
}

ResultatFtp CTransfertFtp::EnvoieSftp(std::FILE* fichier, std::int64_t taille,
                                      const std::string& nomDistant,
                                      const ProgressionFtp& progression) {
  EtatTransfertFtp& etat = *etat_;
  // A key the user did not trust is not asked about again for the next file.
  if (!etat.refus.empty()) return {EchecFtp::Connexion, etat.refus};
  if (!etat.ssh || !etat.ssh->Ouverte() || !etat.sftp) {
    etat.sftp.reset();
    etat.ssh = std::make_unique<CSessionSsh>();
    ParametresSsh parametres;
    parametres.hote = etat.adresse.hote;
    parametres.port = etat.port;
    parametres.utilisateur = serveur_.utilisateur;
    parametres.motDePasse = serveur_.motDePasse;
    parametres.hotesConnus = serveur_.hotesConnus;
    parametres.confirmeCle = serveur_.confirmeCle;
    if (!etat.ssh->Ouvre(parametres)) {
      const EchecSsh echec = etat.ssh->Echec();
      if (echec == EchecSsh::CleRefusee || echec == EchecSsh::CleChangee)
        etat.refus = etat.ssh->Detail();
      return {EchecFtp::Connexion, etat.ssh->Detail()};
    }
    etat.sftp = std::make_unique<CCanalSftp>(*etat.ssh);
    if (!etat.sftp->Initialise()) {
      etat.sftp.reset();
      return {EchecFtp::Connexion, "The server does not answer as an SFTP server."};
    }
  }
  CCanalSftp& sftp = *etat.sftp;
  const std::string chemin = serveur_.repertoire + nomDistant;
  const std::string temporaire = serveur_.repertoire + NomTemporaire(nomDistant);
  const auto suivi = [&](std::int64_t envoye) { return !progression || progression(envoye, taille); };
  const auto serveur = [&](const std::string& texte) {
    return sftp.Message().empty() ? texte : texte + " (the server says: " + sftp.Message() + ")";
  };
  if (!sftp.EcritFichier(fichier, taille, temporaire, suivi)) {
    if (sftp.Coupe()) {
      etat.sftp.reset();
      return {EchecFtp::Envoi, "The connection was cut during the transfer; " + nomDistant +
                                   " on the server was not touched."};
    }
    const std::string detail =
        serveur("The server could not store the file (its disk may be full, or the directory "
                "read-only)");
    // What arrived stays under the temporary name: removed.
    sftp.Supprime(temporaire);
    if (sftp.Arrete()) return {EchecFtp::Arret, {}};
    return {EchecFtp::Envoi, detail + "."};
  }
  if (sftp.Renomme(temporaire, chemin)) return {};
  if (sftp.Coupe()) {
    etat.sftp.reset();
    return {EchecFtp::Envoi, "The connection was cut before the new file took the name " +
                                 nomDistant + ": an earlier " + nomDistant +
                                 " on the server was kept, and the new file may wait beside it as " +
                                 NomTemporaire(nomDistant) + "."};
  }
  const std::string refus = serveur("");
  if (sftp.Existe(chemin))
    return {EchecFtp::Envoi, "The server cannot replace " + nomDistant + refus +
                                 ": the earlier " + nomDistant +
                                 " was kept, and the new file was left beside it as " +
                                 NomTemporaire(nomDistant) + "."};
  return {EchecFtp::Envoi, "The server did not let the new file take the name " + nomDistant +
                               refus + ": it was left as " + NomTemporaire(nomDistant) + "."};
}

}  // namespace lumaveil
