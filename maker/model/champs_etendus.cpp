#include "champs_etendus.h"

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <variant>

#include "champs_ecran.h"

namespace lumaveil {

namespace {

// A value as both files write it, and back. A text that is not a whole
// value of the type is refused (the field keeps what it had).
std::string EnTexte(int v) { return std::to_string(v); }
std::string EnTexte(COLORREF v) { return std::to_string(static_cast<unsigned long>(v)); }
std::string EnTexte(const std::string& v) { return v; }
std::string EnTexte(const RECT& r) {
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
         " " + std::to_string(r.bottom);
}

std::optional<long long> Nombre(const char*& p) {
  errno = 0;
  char* fin = nullptr;
  const long long v = std::strtoll(p, &fin, 10);
  if (fin == p || errno == ERANGE) return std::nullopt;
  p = fin;
  return v;
}

bool DepuisTexte(const std::string& t, int& v) {
  const char* p = t.c_str();
  auto n = Nombre(p);
  if (!n || *p != '\0' || *n < INT32_MIN || *n > INT32_MAX) return false;
  v = int(*n);
  return true;
}
bool DepuisTexte(const std::string& t, COLORREF& v) {
  const char* p = t.c_str();
  auto n = Nombre(p);
  if (!n || *p != '\0' || *n < INT32_MIN || *n > UINT32_MAX) return false;
  v = COLORREF(std::uint32_t(*n));
  return true;
}
bool DepuisTexte(const std::string& t, std::string& v) {
  v = t;
  return true;
}
bool DepuisTexte(const std::string& t, RECT& r) {
  const char* p = t.c_str();
  RECT lu{};
  for (auto* m : {&lu.left, &lu.top, &lu.right, &lu.bottom}) {
    auto n = Nombre(p);
    if (!n || *n < INT32_MIN || *n > INT32_MAX) return false;
    *m = static_cast<std::remove_reference_t<decltype(*m)>>(*n);
  }
  if (*p != '\0') return false;
  r = lu;
  return true;
}
// Members the added fields can never be (the table refuses them).
template <typename T>
bool DepuisTexte(const std::string&, T&) {
  return false;
}

template <typename T>
constexpr bool kEcrivable = std::is_same_v<T, int> || std::is_same_v<T, COLORREF> ||
                            std::is_same_v<T, std::string> || std::is_same_v<T, RECT>;

// The value of an added field of a screen when it differs from its default.
std::optional<std::string> ValeurEcran(const ChampEcran& c, const CEcran& e) {
  return std::visit(
      [&](auto m) -> std::optional<std::string> {
        using T = std::remove_cvref_t<decltype(e.*m)>;
        if constexpr (!kEcrivable<T>) {
          return std::nullopt;
        } else {
          const T& v = e.*m;
          bool defaut = false;
          if constexpr (std::is_same_v<T, RECT>)
            defaut = v.left == 0 && v.top == 0 && v.right == 0 && v.bottom == 0;
          else if constexpr (std::is_same_v<T, std::string>)
            defaut = v.empty();
          else
            defaut = static_cast<std::int64_t>(v) == c.defaut;
          if (defaut) return std::nullopt;
          return EnTexte(v);
        }
      },
      c.membre);
}

// The value of an added field of a text when it differs from T_TEXTE's own.
std::optional<std::string> ValeurTexte(const ChampTexte& c, const T_TEXTE& t) {
  static const T_TEXTE kDefaut{};
  return std::visit(
      [&](auto m) -> std::optional<std::string> {
        using T = std::remove_cvref_t<decltype(t.*m)>;
        if constexpr (!kEcrivable<T>) {
          return std::nullopt;
        } else {
          if (t.*m == kDefaut.*m) return std::nullopt;
          return EnTexte(t.*m);
        }
      },
      c.membre);
}

// The key of added field `c` of text n (1..5).
std::string CleTexte(int n, const ChampTexte& c) {
  return "Texte n°" + std::to_string(n) + " " + c.cleModele;
}

struct Entree {
  std::string cle;
  std::string valeur;
};

// Every added field of `e` that is not at its default, keys without brackets.
std::vector<Entree> EntreesEcran(const CEcran& e) {
  std::vector<Entree> entrees;
  for (const ChampEcran& c : kChampsEcran)
    if (c.cleEtendue)
      if (auto v = ValeurEcran(c, e)) entrees.push_back({c.cleEtendue, *v});
  for (int n = 1; n <= kNombreTextes; ++n)
    for (const ChampTexte& c : kChampsTexteEtendus)
      if (auto v = ValeurTexte(c, e.Textes[n - 1])) entrees.push_back({CleTexte(n, c), *v});
  return entrees;
}

// Sets the added field of `e` named `cle`; 0 when none has that name or the
// value does not read.
int AppliqueEntree(const std::string& cle, const std::string& valeur, CEcran& e) {
  for (const ChampEcran& c : kChampsEcran)
    if (c.cleEtendue && cle == c.cleEtendue)
      return std::visit([&](auto m) { return DepuisTexte(valeur, e.*m) ? 1 : 0; }, c.membre);
  for (int n = 1; n <= kNombreTextes; ++n)
    for (const ChampTexte& c : kChampsTexteEtendus)
      if (cle == CleTexte(n, c))
        return std::visit([&](auto m) { return DepuisTexte(valeur, e.Textes[n - 1].*m) ? 1 : 0; },
                          c.membre);
  return 0;
}

}  // namespace

void OptionsParDefaut(CProjet& projet) {
  for (const ChampProjet& c : kChampsProjet) projet.*c.membre = c.defaut;
}

void EcritExtension(CArchiveEcriture& ar, const CProjet& projet) {
  struct EntreePortee {
    std::int32_t portee;
    Entree entree;
  };
  std::vector<EntreePortee> toutes;
  for (const ChampProjet& c : kChampsProjet)
    if (projet.*c.membre != c.defaut)
      toutes.push_back({kPorteeProjet, {c.cle, std::to_string(projet.*c.membre)}});
  for (Entree& e : EntreesEcran(projet.ModeleEcran))
    toutes.push_back({kPorteeModele, std::move(e)});
  for (int i = 0; i < projet.NombreEcrans(); ++i)
    for (Entree& e : EntreesEcran(projet.Ecran(i))) toutes.push_back({i + 1, std::move(e)});
  if (toutes.empty()) return;
  ar.EcritEntier(kMagiqueExtension);
  ar.EcritEntier(std::int32_t(toutes.size()));
  for (const EntreePortee& e : toutes) {
    ar.EcritEntier(e.portee);
    ar.EcritChaine(e.entree.cle);
    ar.EcritChaine(e.entree.valeur);
  }
}

int LitExtension(CArchiveLecture& ar, CProjet& projet) {
  if (ar.Reste() < 4) return 1;
  std::int32_t magique = 0;
  if (!ar.LitEntier(magique) || magique != kMagiqueExtension) return 1;
  std::int32_t n = 0;
  // Each entry takes at least 6 bytes (its scope and two empty strings).
  if (!ar.LitEntier(n) || n < 0 || std::size_t(n) > ar.Reste() / 6) return 0;
  for (std::int32_t k = 0; k < n; ++k) {
    std::int32_t portee = 0;
    std::string cle, valeur;
    if (!ar.LitEntier(portee) || !ar.LitChaine(cle) || !ar.LitChaine(valeur)) return 0;
    if (portee == kPorteeProjet) {
      for (const ChampProjet& c : kChampsProjet)
        if (cle == c.cle) DepuisTexte(valeur, projet.*c.membre);
    } else if (portee == kPorteeModele) {
      AppliqueEntree(cle, valeur, projet.ModeleEcran);
    } else if (portee >= 1 && portee <= projet.NombreEcrans()) {
      AppliqueEntree(cle, valeur, projet.Ecran(portee - 1));
    }
  }
  return 1;
}

std::vector<std::string> LignesEtenduesModele(const CEcran& ecran) {
  std::vector<std::string> lignes;
  for (const Entree& e : EntreesEcran(ecran)) lignes.push_back("[" + e.cle + "] " + e.valeur);
  return lignes;
}

int LitLigneEtendueModele(const std::string& ligne, CEcran& ecran) {
  if (ligne.empty() || ligne[0] != '[') return 0;
  const std::size_t fin = ligne.find("] ");
  if (fin == std::string::npos) return 0;
  return AppliqueEntree(ligne.substr(1, fin - 1), ligne.substr(fin + 2), ecran);
}

}  // namespace lumaveil
