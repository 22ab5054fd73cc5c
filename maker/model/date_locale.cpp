#include "date_locale.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <ctime>
#include <initializer_list>
#include <utility>

namespace lumaveil {

namespace {

// The user's LC_TIME, made once; the C locale when it cannot be made.
struct LocaleHeure {
  locale_t locale = nullptr;
  std::string langue;  // "de"; "" for C and POSIX
  LocaleHeure() {
    locale = newlocale(LC_TIME_MASK, "", nullptr);
    if (!locale) locale = newlocale(LC_TIME_MASK, "C", nullptr);
    std::string nom;
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
      const char* v = std::getenv(variable);
      if (v && *v) {
        nom = v;
        break;
      }
    }
    langue = nom.substr(0, nom.find_first_of("_.@"));
    if (langue == "C" || langue == "POSIX") langue.clear();
  }
  ~LocaleHeure() {
    if (locale) freelocale(locale);
  }
};

const LocaleHeure& Locale() {
  static const LocaleHeure l;
  return l;
}

bool Parmi(const std::string& langue, std::initializer_list<const char*> langues) {
  for (const char* l : langues)
    if (langue == l) return true;
  return false;
}

std::string Ecrit(const std::string& motif, const std::tm& t) {
  char tampon[256];
  const std::size_t n = Locale().locale ? strftime_l(tampon, sizeof tampon, motif.c_str(), &t,
                                                     Locale().locale)
                                        : std::strftime(tampon, sizeof tampon, motif.c_str(), &t);
  return std::string(tampon, n);
}

std::tm Tm(const talvik::DatePhoto& d) {
  std::tm t{};
  t.tm_year = d.annee - 1900;
  t.tm_mon = d.mois > 0 ? d.mois - 1 : 0;
  t.tm_mday = d.jour > 0 ? d.jour : 1;
  t.tm_hour = d.heure;
  t.tm_min = d.minute;
  t.tm_sec = d.seconde;
  // The day of the week (Sakamoto's rule), for %A.
  static constexpr int kDecalages[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int a = d.annee - (t.tm_mon < 2 ? 1 : 0);
  t.tm_wday = (a + a / 4 - a / 100 + a / 400 + kDecalages[t.tm_mon] + t.tm_mday) % 7;
  return t;
}

}  // namespace

std::string MotifDate(FormatDate format, const std::string& court, const std::string& langue) {
  if (format == FormatDate::Annee) return "%Y";
  if (format == FormatDate::Numerique) return court.empty() ? "%x" : court;
  // Languages that write the year first, those that write the month
  // first (by their short form), and the day-first ones with their words;
  // the C locale writes the day first.
  const std::size_t posJour = court.find("%d") != std::string::npos ? court.find("%d") : court.find("%e");
  const std::size_t posMois = court.find("%m");
  const std::size_t posAn = court.find("%Y") != std::string::npos ? court.find("%Y") : court.find("%y");
  const bool anPremier = posAn != std::string::npos && posJour != std::string::npos && posAn < posJour &&
                         !langue.empty();
  const bool moisPremier = posMois != std::string::npos && posJour != std::string::npos &&
                           posMois < posJour && !anPremier && !langue.empty();
  if (format == FormatDate::MoisAnnee) return anPremier ? "%Y %OB" : "%OB %Y";
  std::string motif;
  if (Parmi(langue, {"ja", "zh", "ko"})) {
    // Their short form has the words already ("%Y年%m月%d日").
    motif = court;
    for (auto [de, vers] : {std::pair{"%y", "%Y"}, std::pair{"%m", "%-m"}, std::pair{"%d", "%-d"}})
      if (const std::size_t p = motif.find(de); p != std::string::npos) motif.replace(p, 2, vers);
    if (format == FormatDate::AvecJour) motif += " %A";
    return motif;
  }
  if (anPremier) motif = "%Y %B %-d";
  else if (moisPremier) motif = "%B %-d, %Y";
  else if (Parmi(langue, {"es", "pt", "gl", "ca"})) motif = "%-d de %B de %Y";
  else if (Parmi(langue, {"de", "da", "nb", "nn", "no", "cs", "sk", "fi", "sl", "hr", "et", "is"}))
    motif = "%-d. %B %Y";
  else motif = "%-d %B %Y";
  if (format == FormatDate::AvecJour) motif = (moisPremier ? "%A, " : "%A ") + motif;
  return motif;
}

std::string TexteDate(const talvik::DatePhoto& d, FormatDate format) {
  if (!d.Connue()) return {};
  const std::tm t = Tm(d);
  if (d.mois == 0) return Ecrit("%Y", t);
  const LocaleHeure& l = Locale();
  const char* court = l.locale ? nl_langinfo_l(D_FMT, l.locale) : "%m/%d/%y";
  if (d.jour == 0 && format != FormatDate::Annee) format = FormatDate::MoisAnnee;
  return Ecrit(MotifDate(format, court ? court : "", l.langue), t);
}

std::string TexteHeure(const talvik::DatePhoto& d) {
  if (!d.Connue() || !d.heureConnue) return {};
  const LocaleHeure& l = Locale();
  const std::string motif = l.locale ? nl_langinfo_l(T_FMT, l.locale) : "";
  const bool douzeHeures = motif.find("%r") != std::string::npos ||
                           motif.find("%I") != std::string::npos ||
                           motif.find("%l") != std::string::npos;
  return Ecrit(douzeHeures ? "%-I:%M %p" : "%H:%M", Tm(d));
}

}  // namespace lumaveil
