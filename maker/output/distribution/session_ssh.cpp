#include "distribution/session_ssh.h"

#include <fcntl.h>
#include <libssh2.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace lumaveil {

namespace {

void InitialiseLibssh2() {
  static std::once_flag fait;
  std::call_once(fait, [] { libssh2_init(0); });
}

// A TCP connection to host:port within `delaiMs`; -1 on failure.
int Connecte(const std::string& hote, int port, long delaiMs) {
  addrinfo indices{};
  indices.ai_family = AF_UNSPEC;
  indices.ai_socktype = SOCK_STREAM;
  addrinfo* adresses = nullptr;
  if (getaddrinfo(hote.c_str(), std::to_string(port).c_str(), &indices, &adresses) != 0)
    return -2;
  int resultat = -1;
  for (addrinfo* a = adresses; a && resultat < 0; a = a->ai_next) {
    const int s = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
    if (s < 0) continue;
    const int drapeaux = fcntl(s, F_GETFL, 0);
    fcntl(s, F_SETFL, drapeaux | O_NONBLOCK);
    bool ok = connect(s, a->ai_addr, a->ai_addrlen) == 0;
    if (!ok && errno == EINPROGRESS) {
      pollfd attente{s, POLLOUT, 0};
      int erreur = 0;
      socklen_t longueur = sizeof erreur;
      ok = poll(&attente, 1, int(delaiMs)) == 1 &&
           getsockopt(s, SOL_SOCKET, SO_ERROR, &erreur, &longueur) == 0 && erreur == 0;
    }
    if (ok) {
      fcntl(s, F_SETFL, drapeaux);
      resultat = s;
    } else {
      close(s);
    }
  }
  freeaddrinfo(adresses);
  return resultat;
}

std::string Base64SansRemplissage(const unsigned char* octets, std::size_t n) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string resultat;
  for (std::size_t i = 0; i < n; i += 3) {
    const unsigned v = unsigned(octets[i]) << 16 | (i + 1 < n ? unsigned(octets[i + 1]) << 8 : 0) |
                       (i + 2 < n ? unsigned(octets[i + 2]) : 0);
    resultat += kAlphabet[(v >> 18) & 63];
    resultat += kAlphabet[(v >> 12) & 63];
    if (i + 1 < n) resultat += kAlphabet[(v >> 6) & 63];
    if (i + 2 < n) resultat += kAlphabet[v & 63];
  }
  return resultat;
}

int TypeCleConnue(int typeCle) {
  switch (typeCle) {
    case LIBSSH2_HOSTKEY_TYPE_RSA: return LIBSSH2_KNOWNHOST_KEY_SSHRSA;
    case LIBSSH2_HOSTKEY_TYPE_DSS: return LIBSSH2_KNOWNHOST_KEY_SSHDSS;
    case LIBSSH2_HOSTKEY_TYPE_ECDSA_256: return LIBSSH2_KNOWNHOST_KEY_ECDSA_256;
    case LIBSSH2_HOSTKEY_TYPE_ECDSA_384: return LIBSSH2_KNOWNHOST_KEY_ECDSA_384;
    case LIBSSH2_HOSTKEY_TYPE_ECDSA_521: return LIBSSH2_KNOWNHOST_KEY_ECDSA_521;
    case LIBSSH2_HOSTKEY_TYPE_ED25519: return LIBSSH2_KNOWNHOST_KEY_ED25519;
    default: return LIBSSH2_KNOWNHOST_KEY_UNKNOWN;
  }
}

std::string FichierHotesConnus(const std::string& donne) {
  if (!donne.empty()) return donne;
  const char* maison = std::getenv("HOME");
  return std::string(maison ? maison : "") + "/.ssh/known_hosts";
}

// Adds `ligne` at the end of the known-hosts file, making the file (and
// its folder) readable by its owner only when they are new.
bool AjouteLigne(const std::string& fichier, const std::string& ligne) {
  const std::size_t barre = fichier.rfind('/');
  if (barre != std::string::npos && barre > 0) mkdir(fichier.substr(0, barre).c_str(), 0700);
  const int fd = open(fichier.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  // A file whose last line has no end gets one first.
  struct stat infos {};
  std::string texte = ligne;
  if (fstat(fd, &infos) == 0 && infos.st_size > 0) {
    char dernier = '\n';
    const int lecture = open(fichier.c_str(), O_RDONLY | O_CLOEXEC);
    if (lecture >= 0) {
      if (pread(lecture, &dernier, 1, infos.st_size - 1) != 1) dernier = '\n';
      close(lecture);
    }
    if (dernier != '\n') texte.insert(texte.begin(), '\n');
  }
  if (texte.empty() || texte.back() != '\n') texte += '\n';
  const bool ok = write(fd, texte.data(), texte.size()) == ssize_t(texte.size());
  return close(fd) == 0 && ok;
}

LIBSSH2_USERAUTH_KBDINT_RESPONSE_FUNC(ReponsesClavier) {
  (void)name;
  (void)name_len;
  (void)instruction;
  (void)instruction_len;
  (void)prompts;
  const std::string& motDePasse = *static_cast<const std::string*>(*abstract);
  for (int i = 0; i < num_prompts; ++i) {
    responses[i].text = static_cast<char*>(std::malloc(motDePasse.size() + 1));
    if (!responses[i].text) {
      responses[i].length = 0;
      continue;
    }
    std::memcpy(responses[i].text, motDePasse.c_str(), motDePasse.size() + 1);
    responses[i].length = unsigned(motDePasse.size());
  }
}

}  // namespace

CSessionSsh::CSessionSsh() { InitialiseLibssh2(); }

CSessionSsh::~CSessionSsh() { Ferme(); }

std::string CSessionSsh::Empreinte(const unsigned char* sha256) {
  return "SHA256:" + Base64SansRemplissage(sha256, 32);
}

void CSessionSsh::Ferme() {
  if (canal_) {
    libssh2_channel_free(canal_);
    canal_ = nullptr;
  }
  if (session_) {
    libssh2_session_disconnect(session_, "");
    libssh2_session_free(session_);
    session_ = nullptr;
  }
  if (socket_ >= 0) {
    close(socket_);
    socket_ = -1;
  }
}

bool CSessionSsh::Echoue(EchecSsh echec, const std::string& detail) {
  Ferme();
  echec_ = echec;
  detail_ = detail;
  return false;
}

bool CSessionSsh::Ouvre(const ParametresSsh& p) {
  Ferme();
  echec_ = EchecSsh::Aucun;
  detail_.clear();
  motDePasse_ = p.motDePasse;
  socket_ = Connecte(p.hote, p.port, p.delaiMs);
  if (socket_ == -2) return Echoue(EchecSsh::Connexion, "The server name is unknown.");
  if (socket_ < 0)
    return Echoue(EchecSsh::Connexion,
                  "The server does not answer: it may be stopped, or the name or the port is "
                  "wrong.");
  session_ = libssh2_session_init_ex(nullptr, nullptr, nullptr, &motDePasse_);
  if (!session_) return Echoue(EchecSsh::Connexion, "The network library could not start.");
  libssh2_session_set_blocking(session_, 1);
  libssh2_session_set_timeout(session_, p.delaiMs);
  if (libssh2_session_handshake(session_, socket_) != 0)
    return Echoue(EchecSsh::Connexion, "The server does not speak SSH (SFTP) on this port.");
  if (!VerifieCle(p)) return false;

  const char* methodes = libssh2_userauth_list(session_, p.utilisateur.c_str(),
                                               unsigned(p.utilisateur.size()));
  const std::string liste = methodes ? methodes : "";
  bool connecte = false;
  if (liste.find("password") != std::string::npos)
    connecte = libssh2_userauth_password(session_, p.utilisateur.c_str(), p.motDePasse.c_str()) == 0;
  if (!connecte && liste.find("keyboard-interactive") != std::string::npos)
    connecte = libssh2_userauth_keyboard_interactive(session_, p.utilisateur.c_str(),
                                                     &ReponsesClavier) == 0;
  if (!connecte && libssh2_userauth_authenticated(session_) == 0)
    return Echoue(EchecSsh::Authentification,
                  "The server refused the user name or the password.");

  canal_ = libssh2_channel_open_session(session_);
  if (!canal_ || libssh2_channel_subsystem(canal_, "sftp") != 0)
    return Echoue(EchecSsh::Canal, "The server does not offer SFTP to this user.");
  return true;
}

bool CSessionSsh::VerifieCle(const ParametresSsh& p) {
  std::size_t longueur = 0;
  int type = 0;
  const char* cle = libssh2_session_hostkey(session_, &longueur, &type);
  const auto* condensat = reinterpret_cast<const unsigned char*>(
      libssh2_hostkey_hash(session_, LIBSSH2_HOSTKEY_HASH_SHA256));
  if (!cle || !condensat)
    return Echoue(EchecSsh::Connexion, "The server did not show its key.");
  const std::string empreinte = Empreinte(condensat);
  const std::string nom = p.port == 22 ? p.hote : "[" + p.hote + "]:" + std::to_string(p.port);
  const std::string fichier = FichierHotesConnus(p.hotesConnus);

  LIBSSH2_KNOWNHOSTS* connus = libssh2_knownhost_init(session_);
  if (!connus) return Echoue(EchecSsh::Connexion, "The network library could not start.");
  // A missing file lists no server.
  libssh2_knownhost_readfile(connus, fichier.c_str(), LIBSSH2_KNOWNHOST_FILE_OPENSSH);
  const int masque =
      LIBSSH2_KNOWNHOST_TYPE_PLAIN | LIBSSH2_KNOWNHOST_KEYENC_RAW | TypeCleConnue(type);
  const int verdict = libssh2_knownhost_checkp(connus, p.hote.c_str(), p.port, cle, longueur,
                                               masque, nullptr);
  if (verdict == LIBSSH2_KNOWNHOST_CHECK_MATCH) {
    libssh2_knownhost_free(connus);
    return true;
  }
  if (verdict == LIBSSH2_KNOWNHOST_CHECK_MISMATCH) {
    libssh2_knownhost_free(connus);
    return Echoue(EchecSsh::CleChangee,
                  "The key of the server " + nom + " is not the one it had when it was trusted (" +
                      fichier + "): someone may stand between you and the server. Nothing was "
                      "sent, not even the password.\nIf the server's key really changed, remove "
                      "its line from that file and send again.");
  }
  if (!p.confirmeCle || !p.confirmeCle(nom, empreinte)) {
    libssh2_knownhost_free(connus);
    return Echoue(EchecSsh::CleRefusee, "The server " + nom + " (key " + empreinte +
                                            ") was not trusted: nothing was sent.");
  }
  // Trusted: the key joins the file, so that the question comes once.
  libssh2_knownhost* ajoute = nullptr;
  std::vector<char> ligne(16384);
  std::size_t taille = 0;
  if (libssh2_knownhost_addc(connus, nom.c_str(), nullptr, cle, longueur, nullptr, 0, masque,
                             &ajoute) == 0 &&
      libssh2_knownhost_writeline(connus, ajoute, ligne.data(), ligne.size(), &taille,
                                  LIBSSH2_KNOWNHOST_FILE_OPENSSH) == 0)
    AjouteLigne(fichier, std::string(ligne.data(), taille));
  libssh2_knownhost_free(connus);
  return true;
}

bool CSessionSsh::Ecrit(const void* donnees, std::size_t n) {
  const char* p = static_cast<const char*>(donnees);
  while (n > 0 && canal_) {
    const ssize_t ecrit = libssh2_channel_write(canal_, p, n);
    if (ecrit <= 0) {
      Ferme();
      return false;
    }
    p += ecrit;
    n -= std::size_t(ecrit);
  }
  return canal_ != nullptr;
}

bool CSessionSsh::Lit(void* donnees, std::size_t n) {
  char* p = static_cast<char*>(donnees);
  while (n > 0 && canal_) {
    const ssize_t lu = libssh2_channel_read(canal_, p, n);
    if (lu <= 0) {
      Ferme();
      return false;
    }
    p += lu;
    n -= std::size_t(lu);
  }
  return canal_ != nullptr;
}

}  // namespace lumaveil
