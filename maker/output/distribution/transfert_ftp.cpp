#include "distribution/transfert_ftp.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "distribution/page_telechargement.h"

namespace lumaveil {

namespace {

enum class Protocole { Ftp, FtpsImplicite, Sftp };

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

// A path in an SFTP quote command: in double quotes, " and \ escaped.
std::string CiteSftp(const std::string& chemin) {
  std::string resultat = "\"";
  for (char c : chemin) {
    if (c == '"' || c == '\\') resultat += '\\';
    resultat += c;
  }
  return resultat + "\"";
}

bool EchecDeConnexion(CURLcode code) {
  switch (code) {
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_LOGIN_DENIED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSH:
      return true;
    default:
      return false;
  }
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

bool SftpDisponible() {
  const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
  for (const char* const* p = info->protocols; p && *p; ++p)
    if (std::string(*p) == "sftp") return true;
  return false;
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
  if (etat.adresse.protocole == Protocole::Sftp && !SftpDisponible())
    return {EchecFtp::Connexion, "SFTP is not supported by this system's network library."};
  Lecture lecture;
  lecture.fichier = std::fopen(cheminLocal.c_str(), "rb");
  if (!lecture.fichier) return {EchecFtp::Envoi, "The file " + cheminLocal + " cannot be read."};
  std::fseek(lecture.fichier, 0, SEEK_END);
  const long taille = std::ftell(lecture.fichier);
  std::fseek(lecture.fichier, 0, SEEK_SET);

  const bool sftp = etat.adresse.protocole == Protocole::Sftp;
  const std::string temporaire = NomTemporaire(nomDistant);
  // The rename that makes the whole file appear under its name.
  CListeCurl renommage;
  if (sftp) {
    std::string repertoire = serveur_.repertoire;
    if (repertoire.empty() || repertoire.front() != '/') repertoire = "/~/" + repertoire;
    renommage.Ajoute("*rm " + CiteSftp(repertoire + nomDistant));
    renommage.Ajoute("rename " + CiteSftp(repertoire + temporaire) + " " +
                     CiteSftp(repertoire + nomDistant));
  } else {
    renommage.Ajoute("RNFR " + temporaire);
    renommage.Ajoute("RNTO " + nomDistant);
  }

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
    if (!sftp) {
      if (serveur_.passif) {
        curl_easy_setopt(c, CURLOPT_FTPPORT, nullptr);
      } else {
        curl_easy_setopt(c, CURLOPT_FTPPORT, "-");
      }
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
    // The server does not offer TLS at all: plain FTP, as it always was.
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
  const bool connecte = sftp ? !EchecDeConnexion(code) : etat.connecte;
  if (!connecte) {
    resultat.echec = EchecFtp::Connexion;
    return resultat;
  }
  resultat.echec = code == CURLE_ABORTED_BY_CALLBACK ? EchecFtp::Arret : EchecFtp::Envoi;

  // Whatever reached the server stays under the temporary name: removed
  // when the server still answers (a failure here changes nothing).
  std::string repertoireUrl = Url(std::string());
  CListeCurl nettoyage;
  if (sftp) {
    std::string repertoire = serveur_.repertoire;
    if (repertoire.empty() || repertoire.front() != '/') repertoire = "/~/" + repertoire;
    nettoyage.Ajoute("*rm " + CiteSftp(repertoire + temporaire));
  } else {
    nettoyage.Ajoute("*DELE " + temporaire);
  }
  prepare(false);
  curl_easy_setopt(c, CURLOPT_URL, repertoireUrl.c_str());
  curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
  curl_easy_setopt(c, CURLOPT_POSTQUOTE, nettoyage.get());
  curl_easy_setopt(c, CURLOPT_TIMEOUT, 20L);
  curl_easy_perform(c);
  return resultat;
}

}  // namespace lumaveil
