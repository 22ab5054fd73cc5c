#include "champs_legende.h"

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <string_view>
#include <vector>

#include "lieux.h"

namespace lumaveil {

namespace {

constexpr std::size_t kLongueurMarque = 3;  // each mark is 3 bytes of UTF-8

// The values known for one field name; `connu` false for a name that is
// no field.
std::string ValeurChamp(const std::string& nom, const ValeursPhoto& v, FormatDate format,
                        bool* connu) {
  *connu = true;
  if (nom == "date") return TexteDate(v.meta.prise, format);
  if (nom == "time") return TexteHeure(v.meta.prise);
  if (nom == "place") return v.lieu;
  if (nom == "title") return v.meta.titre;
  if (nom == "description") return v.meta.description;
  if (nom == "camera") return v.meta.appareil;
  if (nom == "file") return v.fichier;
  *connu = false;
  return {};
}

// A character that only joins the parts of a caption: spaces and the
// usual separators (ASCII and the middle dot, bullet, dashes, no-break
// space).
std::size_t LongueurSeparateur(const std::string& s, std::size_t i) {
  static constexpr std::string_view kAscii = " ,;:-|/";
  static constexpr std::string_view kAutres[] = {"\xC2\xB7", "\xE2\x80\xA2", "\xE2\x80\x93",
                                                 "\xE2\x80\x94", "\xC2\xA0"};
  if (kAscii.find(s[i]) != std::string_view::npos) return 1;
  for (std::string_view a : kAutres)
    if (s.compare(i, a.size(), a) == 0) return a.size();
  return 0;
}

// The byte where the run of separators ending at `fin` starts.
std::size_t DebutSeparateurs(const std::string& s, std::size_t fin) {
  std::size_t debut = fin;
  while (debut > 0) {
    std::size_t n = 0;
    for (std::size_t l = 1; l <= 3 && l <= debut; ++l)
      if (LongueurSeparateur(s, debut - l) == l) n = l;
    if (n == 0) break;
    debut -= n;
  }
  return debut;
}

std::size_t FinSeparateurs(const std::string& s, std::size_t debut) {
  while (debut < s.size()) {
    const std::size_t n = LongueurSeparateur(s, debut);
    if (n == 0) break;
    debut += n;
  }
  return debut;
}

// The place left by an empty field, in the text being written out.
constexpr char kTrou = '\x01';

// Closes the holes: the separators on both sides of one become those on
// its left (or right) when words remain on both sides, else they go.
std::string FermeTrous(std::string s) {
  for (std::size_t t = s.find(kTrou); t != std::string::npos; t = s.find(kTrou)) {
    const std::size_t gauche = DebutSeparateurs(s, t);
    const std::size_t droite = FinSeparateurs(s, t + 1);
    auto mots = [&](std::size_t a, std::size_t b) {
      for (std::size_t i = a; i < b; ++i)
        if (s[i] != kTrou && LongueurSeparateur(s, i) == 0) return true;
      return false;
    };
    const bool avant = mots(0, gauche), apres = mots(droite, s.size());
    if (avant && apres) {
      const std::string gardes = gauche < t ? s.substr(gauche, t - gauche)
                                            : s.substr(t + 1, droite - t - 1);
      s.replace(gauche, droite - gauche, gardes);
    } else {
      s.erase(gauche, droite - gauche);
    }
  }
  const std::size_t debut = s.find_first_not_of(' ');
  if (debut == std::string::npos) return {};
  return s.substr(debut, s.find_last_not_of(' ') - debut + 1);
}

// The metadata read so far, by path, with the file's size and time.
struct EntreeCache {
  std::uintmax_t taille = 0;
  std::int64_t temps = 0;
  talvik::MetaPhoto meta;
};
constexpr std::size_t kTailleCache = 512;

std::mutex& VerrouCache() {
  static std::mutex m;
  return m;
}
std::map<std::string, EntreeCache>& Cache() {
  static std::map<std::string, EntreeCache> c;
  return c;
}

}  // namespace

bool ContientChamps(const std::string& texte) {
  return texte.find(kDebutChamp) != std::string::npos;
}

bool ContientChamp(const std::string& texte, const char* nom) {
  return texte.find(MarqueChamp(nom)) != std::string::npos;
}

std::string ChampsDepuisAccolades(const std::string& texte) {
  std::string s;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if (texte[i] == '{') {
      const std::size_t fin = texte.find('}', i);
      if (fin != std::string::npos) {
        const std::string nom = texte.substr(i + 1, fin - i - 1);
        bool connu = false;
        for (const ChampLegende& c : kChampsLegende) connu = connu || nom == c.nom;
        if (connu) {
          s += MarqueChamp(nom);
          i = fin;
          continue;
        }
      }
    }
    s += texte[i];
  }
  return s;
}

std::string AccoladesDepuisChamps(const std::string& texte) {
  std::string s = texte;
  for (const char* marque : {kDebutChamp, kFinChamp})
    for (std::size_t p = s.find(marque); p != std::string::npos; p = s.find(marque, p))
      s.replace(p, kLongueurMarque, marque == kDebutChamp ? "{" : "}");
  return s;
}

std::string ChampsEchappes(const std::string& texte) {
  std::string s;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    if (texte.compare(i, kLongueurMarque, kDebutChamp) == 0) {
      s += '{';
      i += kLongueurMarque - 1;
    } else if (texte.compare(i, kLongueurMarque, kFinChamp) == 0) {
      s += '}';
      i += kLongueurMarque - 1;
    } else if (texte[i] == '{' || texte[i] == '}') {
      s += texte[i];
      s += texte[i];
    } else {
      s += texte[i];
    }
  }
  return s;
}

std::string ChampsDesechappes(const std::string& e) {
  std::string s;
  for (std::size_t i = 0; i < e.size(); ++i) {
    if ((e[i] == '{' || e[i] == '}') && i + 1 < e.size() && e[i + 1] == e[i]) {
      s += e[i++];
    } else if (e[i] == '{') {
      s += kDebutChamp;
    } else if (e[i] == '}') {
      s += kFinChamp;
    } else {
      s += e[i];
    }
  }
  return s;
}

ValeursPhoto ValeursDeLaPhoto(const std::string& chemin, bool avecLieu) {
  ValeursPhoto v;
  v.fichier = std::filesystem::path(chemin).stem().string();
  struct stat st{};
  if (chemin.empty() || ::stat(chemin.c_str(), &st) != 0) return v;
  const std::int64_t temps = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  bool trouve = false;
  {
    std::lock_guard<std::mutex> verrou(VerrouCache());
    auto it = Cache().find(chemin);
    if (it != Cache().end() && it->second.taille == std::uintmax_t(st.st_size) &&
        it->second.temps == temps) {
      v.meta = it->second.meta;
      trouve = true;
    }
  }
  if (!trouve) {
    v.meta = talvik::LitMetaPhoto(chemin);
    std::lock_guard<std::mutex> verrou(VerrouCache());
    if (Cache().size() >= kTailleCache) Cache().clear();
    Cache()[chemin] = EntreeCache{std::uintmax_t(st.st_size), temps, v.meta};
  }
  talvik::Lieu lieu;
  if (avecLieu && v.meta.gps && talvik::LieuLePlusProche(v.meta.latitude, v.meta.longitude, &lieu))
    v.lieu = talvik::TexteLieu(lieu);
  return v;
}

std::string DevelopeChamps(const std::string& texte, const ValeursPhoto& valeurs,
                           FormatDate format, bool* vide) {
  std::string s;
  bool champs = false, rempli = false;
  for (std::size_t i = 0; i < texte.size();) {
    if (texte.compare(i, kLongueurMarque, kDebutChamp) == 0) {
      const std::size_t fin = texte.find(kFinChamp, i + kLongueurMarque);
      if (fin == std::string::npos) {
        i += kLongueurMarque;  // a stray mark
        continue;
      }
      bool connu = false;
      const std::string valeur =
          ValeurChamp(texte.substr(i + kLongueurMarque, fin - i - kLongueurMarque), valeurs,
                      format, &connu);
      champs = true;
      if (valeur.empty()) {
        s += kTrou;
      } else {
        rempli = true;
        s += valeur;
      }
      i = fin + kLongueurMarque;
      continue;
    }
    if (texte.compare(i, kLongueurMarque, kFinChamp) == 0) {
      i += kLongueurMarque;
      continue;
    }
    s += texte[i++];
  }
  if (vide) *vide = champs && !rempli;
  if (champs && !rempli) return {};
  return champs ? FermeTrous(std::move(s)) : s;
}

std::optional<std::string> LibelleDessine(const talvik::T_TEXTE& texte, const std::string& chemin) {
  if (!ContientChamps(texte.Libelle)) return texte.Libelle;
  const ValeursPhoto valeurs = ValeursDeLaPhoto(chemin, ContientChamp(texte.Libelle, "place"));
  bool vide = false;
  std::string libelle = DevelopeChamps(texte.Libelle, valeurs, FormatDateDe(texte.FormatDate), &vide);
  if (vide) return std::nullopt;
  return libelle;
}

}  // namespace lumaveil
