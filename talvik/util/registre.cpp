#include "registre.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <utility>
#include <vector>

#include "conversion.h"
#include "fichier_registre.h"

namespace talvik {

namespace registre {

// One open key: its values as read at open time plus the values written
// through it, which go to the file on close (or when the last copy of the
// handle is dropped without a close).
class CleOuverte {
 public:
  CleOuverte(std::string fichier, std::string chemin, Cle valeurs)
      : fichier_(std::move(fichier)), chemin_(std::move(chemin)), cle_(std::move(valeurs)) {}
  ~CleOuverte() { Enregistre(); }
  CleOuverte(const CleOuverte&) = delete;
  CleOuverte& operator=(const CleOuverte&) = delete;

  const Valeur* Trouve(const std::string& nom) const { return cle_.Trouve(nom); }

  void Fixe(Valeur v) {
    modifiees_.push_back(v);
    cle_.Fixe(std::move(v));
  }

  // Merges the written values into the file as it is now. True when there
  // was nothing to write or the write succeeded.
  bool Enregistre() {
    if (modifiees_.empty()) return true;
    Base base;
    if (!ChargeFichier(fichier_, base)) return false;
    Cle& cle = base.Cree(chemin_);
    for (const Valeur& v : modifiees_) cle.Fixe(v);
    if (!SauveFichier(fichier_, base)) return false;
    modifiees_.clear();
    return true;
  }

  void Ferme() { ferme_ = true; }
  bool Fermee() const { return ferme_; }

 private:
  std::string fichier_;
  std::string chemin_;
  Cle cle_;
  std::vector<Valeur> modifiees_;
  bool ferme_ = false;
};

}  // namespace registre

namespace {

constexpr const char* kRacineApplication = "HKEY_LOCAL_MACHINE\\Software\\Vermalune\\";
constexpr const char* kRacineClasses = "HKEY_CLASSES_ROOT\\";

bool CheminValide(const std::string& chemin) {
  for (char c : chemin)
    if (static_cast<unsigned char>(c) < 0x20 || c == ']') return false;
  return true;
}

std::string Texte(const std::string& s) {
  std::string octets = s;
  octets.push_back('\0');
  return octets;
}

}  // namespace

CBaseRegistre::~CBaseRegistre() = default;

int CBaseRegistre::OuvreChemins(const std::string& premier, const std::string& second) {
  if (!CheminValide(premier) || !CheminValide(second)) {
    m_lStatut = ERROR_INVALID_PARAMETER;
    return 0;
  }
  const std::string fichier = registre::CheminFichier();
  registre::Base base;
  if (!registre::ChargeFichier(fichier, base)) {
    m_lStatut = ERROR_ACCESS_DENIED;
    return 0;
  }
  bool cree = false;
  for (const std::string& chemin : {premier, second}) {
    if (chemin.empty()) continue;
    if (!base.Trouve(chemin)) {
      base.Cree(chemin);
      cree = true;
    }
  }
  const std::string& chemin = second.empty() ? premier : second;
  // A new key goes to the file at once; an existing one needs a writable
  // place for the values written later.
  bool ok = cree ? registre::SauveFichier(fichier, base) : registre::RepertoireInscriptible(fichier);
  if (!ok) {
    m_lStatut = ERROR_ACCESS_DENIED;
    return 0;
  }
  m_hCle = std::make_shared<registre::CleOuverte>(fichier, chemin, *base.Trouve(chemin));
  m_lStatut = ERROR_SUCCESS;
  return 1;
}

int CBaseRegistre::Ouvre(const std::string& application, unsigned short /*mode*/,
                         const std::string& section) {
  std::string cle = kRacineApplication + application;
  return OuvreChemins(cle, section.empty() ? std::string() : cle + "\\" + section);
}

int CBaseRegistre::OuvreLecture(const std::string& application, const std::string& section) {
  return Ouvre(application, 2, section);
}

int CBaseRegistre::OuvreEcriture(const std::string& application, const std::string& section) {
  return Ouvre(application, 1, section);
}

int CBaseRegistre::OuvreRoot(const std::string& chemin, unsigned short /*mode*/) {
  return OuvreChemins(kRacineClasses + chemin, {});
}

int CBaseRegistre::OuvreRootLecture(const std::string& chemin) { return OuvreRoot(chemin, 2); }

int CBaseRegistre::OuvreRootEcriture(const std::string& chemin) { return OuvreRoot(chemin, 1); }

int CBaseRegistre::Ferme() {
  if (!m_hCle || m_hCle->Fermee()) {
    m_lStatut = ERROR_INVALID_HANDLE;
    return 0;
  }
  bool ok = m_hCle->Enregistre();
  m_hCle->Ferme();
  m_lStatut = ok ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
  return ok ? 1 : 0;
}

const std::string* CBaseRegistre::Octets(const std::string& nom) {
  if (!m_hCle || m_hCle->Fermee()) {
    m_lStatut = ERROR_INVALID_HANDLE;
    return nullptr;
  }
  const registre::Valeur* v = m_hCle->Trouve(nom);
  if (!v) {
    m_lStatut = ERROR_FILE_NOT_FOUND;
    return nullptr;
  }
  m_lStatut = ERROR_SUCCESS;
  return &v->octets;
}

int CBaseRegistre::Lecture(const std::string& nom, std::string& valeur) {
  const std::string* octets = Octets(nom);
  if (!octets) return 0;
  valeur.assign(octets->c_str(), ::strnlen(octets->data(), octets->size()));
  return 1;
}

int CBaseRegistre::LectureNombre(const std::string& nom, long long& valeur) {
  std::string texte;
  if (!Lecture(nom, texte)) return 0;
  valeur = ConvertitEntier(texte);
  return 1;
}

int CBaseRegistre::Lecture(const std::string& nom, int& valeur) {
  long long n = 0;
  if (!LectureNombre(nom, n)) return 0;
  valeur = static_cast<int>(n);
  return 1;
}

int CBaseRegistre::Lecture(const std::string& nom, unsigned int& valeur) {
  long long n = 0;
  if (!LectureNombre(nom, n)) return 0;
  valeur = static_cast<unsigned int>(static_cast<int>(n));
  return 1;
}

int CBaseRegistre::Lecture(const std::string& nom, long& valeur) {
  long long n = 0;
  if (!LectureNombre(nom, n)) return 0;
  valeur = static_cast<long>(n);
  return 1;
}

int CBaseRegistre::Lecture(const std::string& nom, CButton& bouton) {
  int n = 0;
  if (!Lecture(nom, n)) return 0;
  bouton.SetCheck(n != 0 ? BST_CHECKED : BST_UNCHECKED);
  return 1;
}

int CBaseRegistre::Lecture(const std::string& nom, void* tampon) {
  const std::string* octets = Octets(nom);
  if (!octets) return 0;
  if (tampon && !octets->empty()) std::memcpy(tampon, octets->data(), octets->size());
  return 1;
}

int CBaseRegistre::Lecture(const std::string& nom, void* tampon, unsigned short& taille) {
  const std::string* octets = Octets(nom);
  if (!octets) return 0;
  if (octets->size() > taille || (!tampon && !octets->empty())) {
    taille = static_cast<unsigned short>(octets->size() > 65535 ? 65535 : octets->size());
    m_lStatut = ERROR_MORE_DATA;
    return 0;
  }
  if (!octets->empty()) std::memcpy(tampon, octets->data(), octets->size());
  taille = static_cast<unsigned short>(octets->size());
  return 1;
}

int CBaseRegistre::EcritureValeur(const std::string& nom, std::uint32_t type, std::string octets) {
  if (!m_hCle || m_hCle->Fermee()) {
    m_lStatut = ERROR_INVALID_HANDLE;
    return 0;
  }
  for (char c : nom) {
    if (static_cast<unsigned char>(c) < 0x20) {
      m_lStatut = ERROR_INVALID_PARAMETER;
      return 0;
    }
  }
  m_hCle->Fixe(registre::Valeur{nom, type, std::move(octets)});
  m_lStatut = ERROR_SUCCESS;
  return 1;
}

int CBaseRegistre::Ecriture(const std::string& nom, const std::string& valeur) {
  return EcritureValeur(nom, registre::REG_SZ, Texte(valeur));
}

int CBaseRegistre::Ecriture(const std::string& nom, const char* valeur) {
  return Ecriture(nom, std::string(valeur ? valeur : ""));
}

int CBaseRegistre::Ecriture(const std::string& nom, int valeur) {
  char tampon[32];
  std::snprintf(tampon, sizeof tampon, "%d", valeur);
  return Ecriture(nom, std::string(tampon));
}

int CBaseRegistre::Ecriture(const std::string& nom, unsigned int valeur) {
  return Ecriture(nom, static_cast<int>(valeur));
}

int CBaseRegistre::Ecriture(const std::string& nom, long valeur) {
  char tampon[32];
  std::snprintf(tampon, sizeof tampon, "%ld", valeur);
  return Ecriture(nom, std::string(tampon));
}

int CBaseRegistre::Ecriture(const std::string& nom, const CButton& bouton) {
  return Ecriture(nom, std::string(bouton.GetCheck() == BST_CHECKED ? "1" : "0"));
}

int CBaseRegistre::Ecriture(const std::string& nom, const void* donnees, long taille) {
  if (taille < 0 || (taille > 0 && !donnees)) {
    m_lStatut = ERROR_INVALID_PARAMETER;
    return 0;
  }
  std::string octets(static_cast<const char*>(donnees), static_cast<std::size_t>(taille));
  return EcritureValeur(nom, registre::REG_BINARY, std::move(octets));
}

namespace {

// The value of XDG_DOCUMENTS_DIR in user-dirs.dirs ("$HOME/..." expanded).
std::string RepertoireUserDirs(const std::string& home) {
  std::string config;
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && x[0] == '/') config = x;
  else if (!home.empty()) config = home + "/.config";
  else return {};
  std::ifstream in(config + "/user-dirs.dirs");
  std::string ligne;
  while (std::getline(in, ligne)) {
    const std::string cle = "XDG_DOCUMENTS_DIR=";
    if (ligne.rfind(cle, 0) != 0) continue;
    std::string v = ligne.substr(cle.size());
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    if (v.rfind("$HOME", 0) == 0) v = home + v.substr(5);
    if (!v.empty() && v[0] == '/') return v;
  }
  return {};
}

}  // namespace

std::string CBaseRegistre::LectureRepertoireMesDocument() {
  std::string home;
  if (const char* h = std::getenv("HOME"); h && *h) home = h;
  std::string rep;
  if (const char* d = std::getenv("XDG_DOCUMENTS_DIR"); d && d[0] == '/') rep = d;
  if (rep.empty()) rep = RepertoireUserDirs(home);
  if (rep.empty() && !home.empty()) rep = home + "/Documents";
  if (rep.empty()) {
    m_lStatut = ERROR_FILE_NOT_FOUND;
    return rep;
  }
  if (rep.back() != '/') rep.push_back('/');
  m_lStatut = ERROR_SUCCESS;
  return rep;
}

}  // namespace talvik
