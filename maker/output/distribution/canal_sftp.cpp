#include "distribution/canal_sftp.h"

#include <cstddef>
#include <cstdio>
#include <set>

#include "distribution/session_ssh.h"

namespace lumaveil {

namespace {

enum : std::uint8_t {
  kInit = 1,
  kVersion = 2,
  kOpen = 3,
  kClose = 4,
  kWrite = 6,
  kRemove = 13,
  kStat = 17,
  kRename = 18,
  kStatus = 101,
  kHandle = 102,
  kAttrs = 105,
  kExtended = 200,
};
enum : std::uint32_t { kEcriture = 0x02, kCreation = 0x08, kTroncature = 0x10 };
constexpr const char* kRenommageAtomique = "posix-rename@openssh.com";
constexpr std::size_t kBloc = 32768;    // bytes of one write request
constexpr std::size_t kFenetre = 16;    // write requests in flight at once
constexpr std::uint32_t kTailleMax = 1u << 20;  // longest reply accepted

void Entier32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  v.insert(v.end(), {std::uint8_t(x >> 24), std::uint8_t(x >> 16), std::uint8_t(x >> 8),
                     std::uint8_t(x)});
}

void Entier64(std::vector<std::uint8_t>& v, std::uint64_t x) {
  Entier32(v, std::uint32_t(x >> 32));
  Entier32(v, std::uint32_t(x));
}

void Chaine(std::vector<std::uint8_t>& v, const std::string& s) {
  Entier32(v, std::uint32_t(s.size()));
  v.insert(v.end(), s.begin(), s.end());
}

// Reads the fields of a reply in order; a field past the end reads as
// empty and sets `ok` to false.
struct Lecteur {
  const std::vector<std::uint8_t>& v;
  std::size_t i = 0;
  bool ok = true;
  std::uint32_t Entier() {
    if (i + 4 > v.size()) {
      ok = false;
      return 0;
    }
    const std::uint32_t x = std::uint32_t(v[i]) << 24 | std::uint32_t(v[i + 1]) << 16 |
                            std::uint32_t(v[i + 2]) << 8 | v[i + 3];
    i += 4;
    return x;
  }
  std::string Chaine() {
    const std::uint32_t n = Entier();
    if (!ok || n > v.size() - i) {
      ok = false;
      return {};
    }
    std::string s(v.begin() + std::ptrdiff_t(i), v.begin() + std::ptrdiff_t(i + n));
    i += n;
    return s;
  }
  bool Fin() const { return i >= v.size(); }
};

}  // namespace

bool CCanalSftp::Envoie(std::uint8_t type, const std::vector<std::uint8_t>& corps) {
  std::vector<std::uint8_t> paquet;
  paquet.reserve(corps.size() + 5);
  Entier32(paquet, std::uint32_t(corps.size() + 1));
  paquet.push_back(type);
  paquet.insert(paquet.end(), corps.begin(), corps.end());
  if (session_.Ecrit(paquet.data(), paquet.size())) return true;
  coupe_ = true;
  return false;
}

bool CCanalSftp::Recoit(Reponse& reponse) {
  std::uint8_t entete[5];
  if (!session_.Lit(entete, sizeof entete)) {
    coupe_ = true;
    return false;
  }
  const std::uint32_t longueur = std::uint32_t(entete[0]) << 24 | std::uint32_t(entete[1]) << 16 |
                                 std::uint32_t(entete[2]) << 8 | entete[3];
  if (longueur < 1 || longueur > kTailleMax) {
    session_.Ferme();
    coupe_ = true;
    return false;
  }
  reponse.type = entete[4];
  std::vector<std::uint8_t> reste(longueur - 1);
  if (!reste.empty() && !session_.Lit(reste.data(), reste.size())) {
    coupe_ = true;
    return false;
  }
  reponse.id = 0;
  reponse.corps.clear();
  if (reponse.type == kVersion) {
    reponse.corps = std::move(reste);
    return true;
  }
  Lecteur l{reste};
  reponse.id = l.Entier();
  if (!l.ok) {
    session_.Ferme();
    coupe_ = true;
    return false;
  }
  reponse.corps.assign(reste.begin() + 4, reste.end());
  return true;
}

bool CCanalSftp::LitStatut(const Reponse& reponse) {
  message_.clear();
  if (reponse.type != kStatus) return false;
  Lecteur l{reponse.corps};
  const std::uint32_t code = l.Entier();
  message_ = l.Chaine();
  return l.ok && code == 0;
}

bool CCanalSftp::Statut(std::uint8_t type, std::vector<std::uint8_t> corps) {
  const std::uint32_t id = NouvelId();
  std::vector<std::uint8_t> requete;
  Entier32(requete, id);
  requete.insert(requete.end(), corps.begin(), corps.end());
  Reponse reponse;
  if (!Envoie(type, requete)) return false;
  do {
    if (!Recoit(reponse)) return false;
  } while (reponse.id != id);
  return LitStatut(reponse);
}

bool CCanalSftp::Initialise() {
  std::vector<std::uint8_t> version;
  Entier32(version, 3);
  Reponse reponse;
  if (!Envoie(kInit, version) || !Recoit(reponse) || reponse.type != kVersion) return false;
  Lecteur l{reponse.corps};
  l.Entier();
  while (l.ok && !l.Fin()) {
    const std::string nom = l.Chaine();
    l.Chaine();
    if (l.ok && nom == kRenommageAtomique) renommageAtomique_ = true;
  }
  return true;
}

bool CCanalSftp::EcritFichier(std::FILE* source, std::int64_t taille, const std::string& chemin,
                              const std::function<bool(std::int64_t)>& progression) {
  arrete_ = false;
  std::vector<std::uint8_t> requete;
  const std::uint32_t id = NouvelId();
  Entier32(requete, id);
  Chaine(requete, chemin);
  Entier32(requete, kEcriture | kCreation | kTroncature);
  Entier32(requete, 0);  // no attributes
  Reponse reponse;
  if (!Envoie(kOpen, requete)) return false;
  do {
    if (!Recoit(reponse)) return false;
  } while (reponse.id != id);
  if (reponse.type != kHandle) {
    LitStatut(reponse);
    return false;
  }
  Lecteur l{reponse.corps};
  const std::string poignee = l.Chaine();
  if (!l.ok) return false;

  // Writes in flight, answered in any order; the first refusal stops it.
  std::set<std::uint32_t> enVol;
  bool refuse = false;
  const auto attendUne = [&]() {
    Reponse r;
    if (!Recoit(r)) return false;
    if (enVol.erase(r.id) == 0) return true;
    if (!LitStatut(r)) refuse = true;
    return true;
  };
  std::vector<char> bloc(kBloc);
  std::int64_t envoye = 0;
  bool ok = true;
  while (ok && !refuse && envoye < taille) {
    const std::size_t n = std::fread(bloc.data(), 1, bloc.size(), source);
    if (n == 0) {
      ok = false;
      message_ = "the local file could not be read";
      break;
    }
    std::vector<std::uint8_t> ecriture;
    const std::uint32_t idEcriture = NouvelId();
    Entier32(ecriture, idEcriture);
    Chaine(ecriture, poignee);
    Entier64(ecriture, std::uint64_t(envoye));
    Entier32(ecriture, std::uint32_t(n));
    ecriture.insert(ecriture.end(), bloc.begin(), bloc.begin() + std::ptrdiff_t(n));
    if (!Envoie(kWrite, ecriture)) return false;
    enVol.insert(idEcriture);
    envoye += std::int64_t(n);
    while (enVol.size() >= kFenetre && !refuse)
      if (!attendUne()) return false;
    if (progression && !progression(envoye)) {
      arrete_ = true;
      ok = false;
    }
  }
  while (!enVol.empty())
    if (!attendUne()) return false;
  std::vector<std::uint8_t> fermeture;
  Chaine(fermeture, poignee);
  const std::string avant = message_;
  const bool ferme = Statut(kClose, fermeture);
  if (refuse || !ok) message_ = avant;
  return ok && !refuse && ferme;
}

bool CCanalSftp::Renomme(const std::string& de, const std::string& vers) {
  std::vector<std::uint8_t> corps;
  if (renommageAtomique_) Chaine(corps, kRenommageAtomique);
  Chaine(corps, de);
  Chaine(corps, vers);
  return Statut(renommageAtomique_ ? kExtended : kRename, corps);
}

bool CCanalSftp::Supprime(const std::string& chemin) {
  std::vector<std::uint8_t> corps;
  Chaine(corps, chemin);
  return Statut(kRemove, corps);
}

bool CCanalSftp::Existe(const std::string& chemin) {
  const std::uint32_t id = NouvelId();
  std::vector<std::uint8_t> requete;
  Entier32(requete, id);
  Chaine(requete, chemin);
  Reponse reponse;
  if (!Envoie(kStat, requete)) return false;
  do {
    if (!Recoit(reponse)) return false;
  } while (reponse.id != id);
  return reponse.type == kAttrs;
}

}  // namespace lumaveil
