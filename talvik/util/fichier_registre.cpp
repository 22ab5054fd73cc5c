#include "fichier_registre.h"

#include "fichier_atomique.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace talvik::registre {

namespace {

char Minuscule(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool EstBlanc(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string SansBlancs(const std::string& s) {
  std::size_t debut = 0;
  std::size_t fin = s.size();
  while (debut < fin && EstBlanc(s[debut])) ++debut;
  while (fin > debut && EstBlanc(s[fin - 1])) --fin;
  return s.substr(debut, fin - debut);
}

int ValeurHexa(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = Minuscule(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A quoted string starting at s[pos] == '"', with \\ and \" escapes.
// On success pos is just past the closing quote.
bool LitChaineGuillemets(const std::string& s, std::size_t& pos, std::string& sortie) {
  if (pos >= s.size() || s[pos] != '"') return false;
  sortie.clear();
  for (std::size_t i = pos + 1; i < s.size(); ++i) {
    char c = s[i];
    if (c == '\\') {
      if (i + 1 >= s.size()) return false;
      sortie.push_back(s[++i]);
    } else if (c == '"') {
      pos = i + 1;
      return true;
    } else {
      sortie.push_back(c);
    }
  }
  return false;
}

// "01,ab,ff" (no spaces required, some tolerated). Empty list is valid.
bool LitListeHexa(const std::string& liste, std::string& octets) {
  octets.clear();
  std::string s = SansBlancs(liste);
  if (s.empty()) return true;
  std::size_t i = 0;
  while (true) {
    while (i < s.size() && EstBlanc(s[i])) ++i;
    if (i + 2 > s.size()) return false;
    int h = ValeurHexa(s[i]);
    int l = ValeurHexa(s[i + 1]);
    if (h < 0 || l < 0) return false;
    octets.push_back(char(h * 16 + l));
    i += 2;
    while (i < s.size() && EstBlanc(s[i])) ++i;
    if (i == s.size()) return true;
    if (s[i] != ',') return false;
    ++i;
  }
}

// Parses the data part of a value line ("..." / dword:x / hex:.. / hex(n):..).
// Returns false when invalid; sets efface for "-".
bool LitDonnee(const std::string& donnee, Valeur& v, bool& efface) {
  efface = false;
  std::string d = SansBlancs(donnee);
  if (d == "-") {
    efface = true;
    return true;
  }
  if (!d.empty() && d[0] == '"') {
    std::size_t pos = 0;
    std::string texte;
    if (!LitChaineGuillemets(d, pos, texte)) return false;
    if (!SansBlancs(d.substr(pos)).empty()) return false;
    v.type = REG_SZ;
    v.octets = texte;
    v.octets.push_back('\0');
    return true;
  }
  std::string bas;
  for (char c : d) bas.push_back(Minuscule(c));
  if (bas.rfind("dword:", 0) == 0) {
    std::string chiffres = SansBlancs(d.substr(6));
    if (chiffres.empty() || chiffres.size() > 8) return false;
    std::uint32_t n = 0;
    for (char c : chiffres) {
      int h = ValeurHexa(c);
      if (h < 0) return false;
      n = n * 16 + std::uint32_t(h);
    }
    v.type = REG_DWORD;
    v.octets.assign(4, '\0');
    for (int i = 0; i < 4; ++i) v.octets[std::size_t(i)] = char((n >> (8 * i)) & 0xFF);
    return true;
  }
  if (bas.rfind("hex:", 0) == 0) {
    v.type = REG_BINARY;
    return LitListeHexa(d.substr(4), v.octets);
  }
  if (bas.rfind("hex(", 0) == 0) {
    std::size_t fin = bas.find("):");
    if (fin == std::string::npos || fin == 4 || fin > 12) return false;
    std::uint32_t type = 0;
    for (std::size_t i = 4; i < fin; ++i) {
      int h = ValeurHexa(d[i]);
      if (h < 0) return false;
      type = type * 16 + std::uint32_t(h);
    }
    v.type = type;
    return LitListeHexa(d.substr(fin + 2), v.octets);
  }
  return false;
}

std::string Echappe(const std::string& s) {
  std::string sortie;
  for (char c : s) {
    if (c == '\\' || c == '"') sortie.push_back('\\');
    sortie.push_back(c);
  }
  return sortie;
}

bool TexteSimple(const std::string& octets) {
  if (octets.empty() || octets.back() != '\0') return false;
  for (std::size_t i = 0; i + 1 < octets.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(octets[i]);
    if (c < 0x20 || c == 0x7F) return false;
  }
  return true;
}

void EcritListeHexa(std::ostringstream& out, std::size_t colonne, const std::string& octets) {
  static const char kChiffres[] = "0123456789abcdef";
  for (std::size_t i = 0; i < octets.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(octets[i]);
    out << kChiffres[c >> 4] << kChiffres[c & 15];
    colonne += 2;
    if (i + 1 < octets.size()) {
      out << ',';
      ++colonne;
      if (colonne > 76) {
        out << "\\\n  ";
        colonne = 2;
      }
    }
  }
}

std::string RepertoireDe(const std::string& chemin) {
  std::size_t p = chemin.find_last_of('/');
  if (p == std::string::npos) return ".";
  if (p == 0) return "/";
  return chemin.substr(0, p);
}

bool CreeRepertoires(const std::string& repertoire) {
  struct stat st {};
  if (::stat(repertoire.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  std::string parent = RepertoireDe(repertoire);
  if (parent != repertoire && !CreeRepertoires(parent)) return false;
  return ::mkdir(repertoire.c_str(), 0700) == 0 || errno == EEXIST;
}

}  // namespace

bool MemeNom(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Minuscule(a[i]) != Minuscule(b[i])) return false;
  return true;
}

const Valeur* Cle::Trouve(const std::string& nom) const {
  for (const Valeur& v : valeurs)
    if (MemeNom(v.nom, nom)) return &v;
  return nullptr;
}

void Cle::Fixe(Valeur valeur) {
  for (Valeur& v : valeurs) {
    if (MemeNom(v.nom, valeur.nom)) {
      v.type = valeur.type;
      v.octets = std::move(valeur.octets);
      return;
    }
  }
  valeurs.push_back(std::move(valeur));
}

Cle* Base::Trouve(const std::string& chemin) {
  for (Cle& c : cles)
    if (MemeNom(c.chemin, chemin)) return &c;
  return nullptr;
}

const Cle* Base::Trouve(const std::string& chemin) const {
  for (const Cle& c : cles)
    if (MemeNom(c.chemin, chemin)) return &c;
  return nullptr;
}

Cle& Base::Cree(const std::string& chemin) {
  if (Cle* c = Trouve(chemin)) return *c;
  cles.push_back(Cle{chemin, {}});
  return cles.back();
}

Base LitTexte(const std::string& texte) {
  Base base;
  std::vector<std::string> lignes;
  {
    std::string ligne;
    std::istringstream in(texte);
    while (std::getline(in, ligne)) {
      if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
      lignes.push_back(ligne);
    }
    // Every line the store writes ends with a line feed: a last line
    // without one was cut short, and even a list of whole bytes in it may
    // be missing some.
    if (!texte.empty() && texte.back() != '\n' && !lignes.empty()) lignes.pop_back();
  }
  std::size_t i = 0;
  // Header: the first non-blank line.
  while (i < lignes.size() && SansBlancs(lignes[i]).empty()) ++i;
  if (i >= lignes.size()) return base;
  std::string entete = SansBlancs(lignes[i]);
  if (entete.rfind("\xEF\xBB\xBF", 0) == 0) entete = entete.substr(3);
  if (entete != "REGEDIT4" && entete != "Windows Registry Editor Version 5.00") return base;
  ++i;

  Cle* courante = nullptr;
  for (; i < lignes.size(); ++i) {
    std::string ligne = SansBlancs(lignes[i]);
    if (ligne.empty() || ligne[0] == ';') continue;
    if (ligne[0] == '[') {
      std::size_t fin = ligne.find_last_of(']');
      if (fin == std::string::npos || fin == 1 || ligne[1] == '-') return base;
      courante = &base.Cree(ligne.substr(1, fin - 1));
      continue;
    }
    if (!courante) return base;
    Valeur v;
    std::size_t pos = 0;
    if (ligne[0] == '@') {
      pos = 1;
    } else if (!LitChaineGuillemets(ligne, pos, v.nom)) {
      return base;
    }
    while (pos < ligne.size() && EstBlanc(ligne[pos])) ++pos;
    if (pos >= ligne.size() || ligne[pos] != '=') return base;
    std::string donnee = ligne.substr(pos + 1);
    // Hex lists continue on the next lines after a final backslash.
    while (!donnee.empty() && donnee.back() == '\\' && donnee.find('"') == std::string::npos) {
      if (i + 1 >= lignes.size()) return base;
      donnee.pop_back();
      donnee += SansBlancs(lignes[++i]);
    }
    bool efface = false;
    if (!LitDonnee(donnee, v, efface)) return base;
    if (efface) {
      auto& vs = courante->valeurs;
      for (auto it = vs.begin(); it != vs.end(); ++it) {
        if (MemeNom(it->nom, v.nom)) {
          vs.erase(it);
          break;
        }
      }
    } else {
      courante->Fixe(std::move(v));
    }
  }
  return base;
}

std::string EcritTexte(const Base& base) {
  std::ostringstream out;
  out << "REGEDIT4\n";
  for (const Cle& c : base.cles) {
    out << "\n[" << c.chemin << "]\n";
    for (const Valeur& v : c.valeurs) {
      std::string tete = v.nom.empty() ? "@=" : "\"" + Echappe(v.nom) + "\"=";
      out << tete;
      if (v.type == REG_SZ && TexteSimple(v.octets)) {
        out << '"' << Echappe(v.octets.substr(0, v.octets.size() - 1)) << "\"\n";
        continue;
      }
      if (v.type == REG_DWORD && v.octets.size() == 4) {
        std::uint32_t n = 0;
        for (int k = 3; k >= 0; --k)
          n = (n << 8) | static_cast<unsigned char>(v.octets[std::size_t(k)]);
        char tampon[16];
        std::snprintf(tampon, sizeof tampon, "%08x", n);
        out << "dword:" << tampon << '\n';
        continue;
      }
      std::string prefixe;
      if (v.type == REG_BINARY) {
        prefixe = "hex:";
      } else {
        char tampon[32];
        std::snprintf(tampon, sizeof tampon, "hex(%x):", v.type);
        prefixe = tampon;
      }
      out << prefixe;
      EcritListeHexa(out, tete.size() + prefixe.size(), v.octets);
      out << '\n';
    }
  }
  out << '\n';
  return out.str();
}

std::string CheminFichier() {
  if (const char* r = std::getenv("LUMAVEIL_REGISTRY"); r && *r) return r;
  std::string config;
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && x[0] == '/') {
    config = x;
  } else {
    std::string home;
    if (const char* h = std::getenv("HOME"); h && *h) {
      home = h;
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
      home = pw->pw_dir;
    }
    config = home + "/.config";
  }
  return config + "/Vermalune/registry.reg";
}

bool ChargeFichier(const std::string& chemin, Base& base) {
  base = Base{};
  std::ifstream in(chemin, std::ios::binary);
  if (!in) {
    struct stat st {};
    return ::stat(chemin.c_str(), &st) != 0 && errno == ENOENT;
  }
  std::ostringstream contenu;
  contenu << in.rdbuf();
  base = LitTexte(contenu.str());
  return true;
}

bool RepertoireInscriptible(const std::string& chemin) {
  std::string rep = RepertoireDe(chemin);
  struct stat st {};
  if (::stat(rep.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  return ::access(rep.c_str(), W_OK | X_OK) == 0;
}

bool SauveFichier(const std::string& chemin, const Base& base) {
  if (!CreeRepertoires(RepertoireDe(chemin))) return false;
  // The store holds the FTP password: owner-only, whatever it was before.
  const std::string texte = EcritTexte(base);
  return EcritFichierAtomique(chemin, reinterpret_cast<const std::uint8_t*>(texte.data()),
                              texte.size(), 0600) == 1;
}

}  // namespace talvik::registre
