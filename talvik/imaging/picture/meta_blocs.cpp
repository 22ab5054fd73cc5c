#include "picture/meta_blocs.h"

#include <cctype>
#include <cmath>
#include <initializer_list>
#include <cstring>
#include <string_view>

#include "picture/exif.h"

namespace talvik::meta {

namespace {

bool Bissextile(int a) { return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0; }

int JoursDuMois(int a, int m) {
  static constexpr int kJours[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && Bissextile(a) ? 29 : kJours[m - 1];
}

// `n` decimal digits at `p` of `s`; false when they are not all there.
bool Chiffres(std::string_view s, std::size_t p, int n, int* v) {
  if (p + std::size_t(n) > s.size()) return false;
  int x = 0;
  for (int i = 0; i < n; ++i) {
    const char c = s[p + std::size_t(i)];
    if (c < '0' || c > '9') return false;
    x = x * 10 + (c - '0');
  }
  *v = x;
  return true;
}

void AjouteUtf8(std::string& s, char32_t cp) {
  if (cp < 0x80) {
    s += char(cp);
  } else if (cp < 0x800) {
    s += char(0xC0 | (cp >> 6));
    s += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    s += char(0xE0 | (cp >> 12));
    s += char(0x80 | ((cp >> 6) & 0x3F));
    s += char(0x80 | (cp & 0x3F));
  } else {
    s += char(0xF0 | (cp >> 18));
    s += char(0x80 | ((cp >> 12) & 0x3F));
    s += char(0x80 | ((cp >> 6) & 0x3F));
    s += char(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at `i`; false when it is not a valid one.
bool Utf8Suivant(std::string_view s, std::size_t& i, char32_t* cp) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  const int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
  if (n < 0 || i + std::size_t(n) >= s.size()) return false;
  char32_t v = n == 0 ? c : n == 1 ? (c & 0x1F) : n == 2 ? (c & 0x0F) : (c & 0x07);
  for (int k = 1; k <= n; ++k) {
    const unsigned char d = static_cast<unsigned char>(s[i + std::size_t(k)]);
    if ((d >> 6) != 2) return false;
    v = (v << 6) | (d & 0x3F);
  }
  if ((n == 1 && v < 0x80) || (n == 2 && v < 0x800) || (n == 3 && (v < 0x10000 || v > 0x10FFFF)) ||
      (v >= 0xD800 && v <= 0xDFFF))
    return false;
  i += std::size_t(n) + 1;
  *cp = v;
  return true;
}

// The text of an ASCII entry: up to its first NUL.
std::string Ascii(const exif::LecteurTiff& t, const exif::LecteurTiff::Valeurs& v) {
  if (v.type != 2 && v.type != 7 && v.type != 1) return {};
  const char* d = reinterpret_cast<const char*>(t.Octets() + v.debut);
  std::size_t n = std::size_t(v.longueur);
  const void* nul = std::memchr(d, 0, n);
  if (nul) n = std::size_t(static_cast<const char*>(nul) - d);
  return std::string(d, n);
}

// An XP tag: UTF-16 little-endian whatever the block's order, NUL-ended.
std::string Utf16(const exif::LecteurTiff& t, const exif::LecteurTiff::Valeurs& v) {
  if (v.type != 1 || v.longueur > 2 * kLongueurTexteMax) return {};
  const std::uint8_t* d = t.Octets() + v.debut;
  std::string s;
  for (std::uint64_t i = 0; i + 1 < v.longueur; i += 2) {
    char32_t u = char32_t(d[i] | d[i + 1] << 8);
    if (u == 0) break;
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 3 >= v.longueur) return {};
      const char32_t bas = char32_t(d[i + 2] | d[i + 3] << 8);
      if (bas < 0xDC00 || bas > 0xDFFF) return {};
      u = 0x10000 + ((u - 0xD800) << 10) + (bas - 0xDC00);
      i += 2;
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      return {};
    }
    AjouteUtf8(s, u);
  }
  return s;
}

void Garde(std::string& cible, std::string valeur) {
  if (cible.empty() && NettoieTexte(valeur)) cible = std::move(valeur);
}

// Three RATIONALs (degrees, minutes, seconds) as degrees; false when a
// denominator is 0 or a part is out of its range.
bool Degres(const exif::LecteurTiff& t, const exif::LecteurTiff::Valeurs& v, double* d) {
  if (v.type != 5 || v.nombre != 3) return false;
  double parts[3];
  for (int k = 0; k < 3; ++k) {
    std::uint32_t num = 0, den = 0;
    if (!t.Lit32(v.debut + 8 * std::uint64_t(k), &num) ||
        !t.Lit32(v.debut + 8 * std::uint64_t(k) + 4, &den) || den == 0)
      return false;
    parts[k] = double(num) / double(den);
  }
  if (parts[1] >= 60 || parts[2] >= 60) return false;
  *d = parts[0] + parts[1] / 60 + parts[2] / 3600;
  return std::isfinite(*d);
}

void LitGps(const exif::LecteurTiff& t, std::uint32_t ifd, Sources& s) {
  std::uint16_t n = 0;
  std::uint32_t suivant = 0;
  if (!t.Repertoire(ifd, &n, &suivant)) return;
  std::string refLat, refLon;
  double lat = 0, lon = 0;
  bool latLue = false, lonLue = false;
  for (std::uint16_t i = 0; i < n; ++i) {
    exif::LecteurTiff::Valeurs v;
    if (!t.EntreeComplete(ifd, i, &v)) continue;
    if (v.tag == 1) refLat = Ascii(t, v);
    else if (v.tag == 3) refLon = Ascii(t, v);
    else if (v.tag == 2) latLue = Degres(t, v, &lat);
    else if (v.tag == 4) lonLue = Degres(t, v, &lon);
  }
  if (!latLue || !lonLue || (refLat != "N" && refLat != "S") || (refLon != "E" && refLon != "W"))
    return;
  if (refLat == "S") lat = -lat;
  if (refLon == "W") lon = -lon;
  // (0, 0) is what a receiver without a fix leaves, not a place.
  if (lat < -90 || lat > 90 || lon < -180 || lon > 180 || (lat == 0 && lon == 0)) return;
  s.gps = true;
  s.latitude = lat;
  s.longitude = lon;
}

void LitSousRepertoireExif(const exif::LecteurTiff& t, std::uint32_t ifd, Sources& s) {
  std::uint16_t n = 0;
  std::uint32_t suivant = 0;
  if (!t.Repertoire(ifd, &n, &suivant)) return;
  std::string date, decalage;
  for (std::uint16_t i = 0; i < n; ++i) {
    exif::LecteurTiff::Valeurs v;
    if (!t.EntreeComplete(ifd, i, &v)) continue;
    if (v.tag == 0x9003) date = Ascii(t, v);
    else if (v.tag == 0x9011) decalage = Ascii(t, v);
  }
  DatePhoto d;
  if (!LitDate(date, &d)) return;
  int minutes = 0;
  if (!d.decalageConnu && LitDecalage(decalage, &minutes)) {
    d.decalageConnu = true;
    d.decalageMinutes = minutes;
  }
  s.dateExif = d;
}

std::uint32_t Entier(const exif::LecteurTiff& t, const exif::LecteurTiff::Valeurs& v) {
  std::uint32_t x = 0;
  if (v.nombre != 1) return 0;
  if (v.type == 4 || v.type == 13) t.Lit32(v.debut, &x);
  else if (v.type == 3) {
    std::uint16_t c = 0;
    t.Lit16(v.debut, &c);
    x = c;
  }
  return x;
}

// The value of an XML attribute or element text with its five entities
// and its character references decoded; false on a reference that is
// not one.
bool DecodeXml(std::string_view brut, std::string* sortie) {
  std::string s;
  s.reserve(brut.size());
  for (std::size_t i = 0; i < brut.size(); ++i) {
    if (brut[i] != '&') {
      s += brut[i];
      continue;
    }
    const std::size_t fin = brut.find(';', i);
    if (fin == std::string_view::npos || fin - i > 10) return false;
    const std::string_view e = brut.substr(i + 1, fin - i - 1);
    if (e == "amp") s += '&';
    else if (e == "lt") s += '<';
    else if (e == "gt") s += '>';
    else if (e == "quot") s += '"';
    else if (e == "apos") s += '\'';
    else if (e.size() > 1 && e[0] == '#') {
      const bool hexa = e[1] == 'x' || e[1] == 'X';
      char32_t cp = 0;
      const std::string_view chiffres = e.substr(hexa ? 2 : 1);
      if (chiffres.empty()) return false;
      for (char c : chiffres) {
        int d = c >= '0' && c <= '9' ? c - '0'
                : hexa && c >= 'a' && c <= 'f' ? c - 'a' + 10
                : hexa && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
        if (d < 0) return false;
        cp = cp * (hexa ? 16 : 10) + char32_t(d);
        if (cp > 0x10FFFF) return false;
      }
      if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
      AjouteUtf8(s, cp);
    } else {
      return false;
    }
    i = fin;
  }
  *sortie = std::move(s);
  return true;
}

// The value of property `nom` (with its prefix) in an XMP packet: as an
// attribute (nom="..."), or as an element whose text is the value or
// holds an rdf:Alt/Seq/Bag whose x-default (else first) rdf:li is.
bool ProprieteXmp(std::string_view x, std::string_view nom, std::string* valeur) {
  for (std::size_t p = x.find(nom); p != std::string_view::npos; p = x.find(nom, p + 1)) {
    if (p == 0) continue;
    const char avant = x[p - 1];
    const std::size_t apres = p + nom.size();
    if (apres >= x.size()) return false;
    if ((avant == ' ' || avant == '\t' || avant == '\n' || avant == '\r') && x[apres] == '=') {
      if (apres + 1 >= x.size()) return false;
      const char guillemet = x[apres + 1];
      if (guillemet != '"' && guillemet != '\'') continue;
      const std::size_t fin = x.find(guillemet, apres + 2);
      if (fin == std::string_view::npos) return false;
      return DecodeXml(x.substr(apres + 2, fin - apres - 2), valeur);
    }
    if (avant != '<' || (x[apres] != '>' && x[apres] != ' ' && x[apres] != '\t' &&
                         x[apres] != '\n' && x[apres] != '\r'))
      continue;
    const std::size_t ouverture = x.find('>', apres);
    if (ouverture == std::string_view::npos) return false;
    if (x[ouverture - 1] == '/') continue;  // an empty element
    std::string fermeture = "</";
    fermeture.append(nom);
    fermeture += '>';
    const std::size_t fin = x.find(fermeture, ouverture);
    if (fin == std::string_view::npos) return false;
    std::string_view corps = x.substr(ouverture + 1, fin - ouverture - 1);
    if (corps.find("<rdf:li") != std::string_view::npos) {
      std::size_t li = corps.find("<rdf:li");
      for (std::size_t q = li; q != std::string_view::npos; q = corps.find("<rdf:li", q + 1)) {
        const std::size_t tete = corps.find('>', q);
        if (tete == std::string_view::npos) break;
        if (corps.substr(q, tete - q).find("x-default") != std::string_view::npos) {
          li = q;
          break;
        }
      }
      const std::size_t tete = corps.find('>', li);
      const std::size_t queue = corps.find("</rdf:li>", li);
      if (tete == std::string_view::npos || queue == std::string_view::npos || queue < tete)
        return false;
      corps = corps.substr(tete + 1, queue - tete - 1);
    }
    if (corps.find('<') != std::string_view::npos) return false;
    return DecodeXml(corps, valeur);
  }
  return false;
}

void DateXmp(std::string_view x, std::string_view nom, DatePhoto& cible) {
  std::string v;
  DatePhoto d;
  if (!cible.Connue() && ProprieteXmp(x, nom, &v) && LitDate(v, &d)) cible = d;
}

}  // namespace

bool NettoieTexte(std::string& texte) {
  if (texte.size() > kLongueurTexteMax) {
    texte.clear();
    return false;
  }
  std::string s;
  s.reserve(texte.size());
  for (std::size_t i = 0; i < texte.size();) {
    char32_t cp = 0;
    if (!Utf8Suivant(texte, i, &cp)) {
      texte.clear();
      return false;
    }
    // Control characters (C0, DEL, C1) and the line and paragraph separators.
    if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || cp == 0x2028 || cp == 0x2029) cp = ' ';
    // The marks of caption fields are not text a photo may bring.
    if (cp >= 0xE000 && cp <= 0xF8FF) continue;
    AjouteUtf8(s, cp);
  }
  const std::size_t debut = s.find_first_not_of(' ');
  if (debut == std::string::npos) {
    texte.clear();
    return false;
  }
  texte = s.substr(debut, s.find_last_not_of(' ') - debut + 1);
  return true;
}

bool LitDecalage(const std::string& t, int* minutes) {
  if (t == "Z") {
    *minutes = 0;
    return true;
  }
  int h = 0, m = 0;
  if (t.size() < 5 || (t[0] != '+' && t[0] != '-') || !Chiffres(t, 1, 2, &h)) return false;
  const std::size_t p = t[3] == ':' ? 4 : 3;
  if (!Chiffres(t, p, 2, &m) || t.size() != p + 2 || h > 16 || m > 59) return false;
  *minutes = (t[0] == '-' ? -1 : 1) * (h * 60 + m);
  return true;
}

bool LitDate(const std::string& t, DatePhoto* date) {
  DatePhoto d;
  if (!Chiffres(t, 0, 4, &d.annee) || d.annee < 1800 || d.annee > 2999) return false;
  std::size_t p = 4;
  const bool exifForme = t.size() > 4 && t[4] == ':';
  const char tiret = exifForme ? ':' : '-';
  if (p < t.size()) {
    if (t[p] != tiret || !Chiffres(t, p + 1, 2, &d.mois) || d.mois < 1 || d.mois > 12)
      return false;
    p += 3;
  }
  if (p < t.size()) {
    if (t[p] != tiret || !Chiffres(t, p + 1, 2, &d.jour) || d.jour < 1 ||
        d.jour > JoursDuMois(d.annee, d.mois))
      return false;
    p += 3;
  }
  if (p < t.size()) {
    if ((t[p] != (exifForme ? ' ' : 'T')) || !Chiffres(t, p + 1, 2, &d.heure) || t.size() < p + 6 ||
        t[p + 3] != ':' || !Chiffres(t, p + 4, 2, &d.minute) || d.heure > 23 || d.minute > 59)
      return false;
    d.heureConnue = true;
    p += 6;
    if (p < t.size() && t[p] == ':') {
      if (!Chiffres(t, p + 1, 2, &d.seconde) || d.seconde > 60) return false;
      p += 3;
      if (p < t.size() && t[p] == '.') {
        ++p;
        while (p < t.size() && t[p] >= '0' && t[p] <= '9') ++p;
      }
    }
    if (p < t.size()) {
      int minutes = 0;
      if (exifForme || !LitDecalage(t.substr(p), &minutes)) return false;
      d.decalageConnu = true;
      d.decalageMinutes = minutes;
    }
  }
  *date = d;
  return true;
}

void LitExif(const std::uint8_t* bloc, std::size_t taille, Sources& s) {
  if (!bloc || s.exifLu) return;
  if (taille >= 6 && std::memcmp(bloc, "Exif\0\0", 6) == 0) {
    bloc += 6;
    taille -= 6;
  }
  exif::LecteurTiff t(bloc, taille);
  std::uint32_t ifd0 = 0, suivant = 0;
  std::uint16_t n = 0;
  if (!t.Entete(&ifd0) || !t.Repertoire(ifd0, &n, &suivant)) return;
  s.exifLu = true;
  for (std::uint16_t i = 0; i < n; ++i) {
    exif::LecteurTiff::Valeurs v;
    if (!t.EntreeComplete(ifd0, i, &v)) continue;
    switch (v.tag) {
      case 0x010E: Garde(s.descriptionExif, Ascii(t, v)); break;
      case 0x010F: Garde(s.marque, Ascii(t, v)); break;
      case 0x0110: Garde(s.modele, Ascii(t, v)); break;
      case 0x9C9B: Garde(s.titreXp, Utf16(t, v)); break;
      case 0x9C9C: Garde(s.commentaireXp, Utf16(t, v)); break;
      case 0x9C9F: Garde(s.sujetXp, Utf16(t, v)); break;
      case 0x8769: LitSousRepertoireExif(t, Entier(t, v), s); break;
      case 0x8825: LitGps(t, Entier(t, v), s); break;
      case 700:  // a TIFF file's XMP packet
        if (v.type == 1 || v.type == 7)
          LitXmp(reinterpret_cast<const char*>(t.Octets() + v.debut), std::size_t(v.longueur), s);
        break;
      case 33723:  // a TIFF file's IPTC records, often typed LONG
        if (v.type == 1 || v.type == 7 || v.type == 4)
          LitIptc(t.Octets() + v.debut, std::size_t(v.longueur), s);
        break;
      default: break;
    }
  }
}

void LitXmp(const char* paquet, std::size_t taille, Sources& s) {
  if (!paquet || s.xmpLu || taille > kTailleXmpMax) return;
  s.xmpLu = true;
  const std::string_view x(paquet, taille);
  DateXmp(x, "photoshop:DateCreated", s.dateXmpPhotoshop);
  DateXmp(x, "xmp:CreateDate", s.dateXmpCreation);
  DateXmp(x, "exif:DateTimeOriginal", s.dateXmpExif);
  std::string v;
  if (ProprieteXmp(x, "dc:title", &v)) Garde(s.titreXmp, v);
  if (ProprieteXmp(x, "dc:description", &v)) Garde(s.descriptionXmp, v);
}

void LitIptc(const std::uint8_t* d, std::size_t n, Sources& s) {
  if (!d) return;
  bool utf8 = false;
  std::string titre, legende;
  for (std::size_t p = 0; p + 5 <= n;) {
    if (d[p] != 0x1C) break;
    const int enregistrement = d[p + 1], jeu = d[p + 2];
    const std::size_t longueur = std::size_t(d[p + 3]) << 8 | d[p + 4];
    if (longueur & 0x8000) break;  // extended lengths are not text fields
    p += 5;
    if (longueur > n - p) break;
    const std::string valeur(reinterpret_cast<const char*>(d + p), longueur);
    if (enregistrement == 1 && jeu == 90) utf8 = valeur == "\x1B%G";
    if (enregistrement == 2 && jeu == 5) titre = valeur;
    if (enregistrement == 2 && jeu == 120) legende = valeur;
    p += longueur;
  }
  // Without the UTF-8 mark the records are Latin-1, as older software wrote them.
  auto texte = [&](std::string v) {
    std::string copie = v;
    if (utf8 || NettoieTexte(copie)) return v;
    std::string latin;
    for (unsigned char c : v) AjouteUtf8(latin, c);
    return latin;
  };
  if (!titre.empty()) Garde(s.titreIptc, texte(titre));
  if (!legende.empty()) Garde(s.descriptionIptc, texte(legende));
}

void LitPhotoshop(const std::uint8_t* d, std::size_t n, Sources& s) {
  static constexpr char kEntete[] = "Photoshop 3.0";
  if (!d || n < sizeof kEntete || std::memcmp(d, kEntete, sizeof kEntete) != 0) return;
  for (std::size_t p = sizeof kEntete; p + 8 <= n;) {
    if (std::memcmp(d + p, "8BIM", 4) != 0) break;
    const int id = d[p + 4] << 8 | d[p + 5];
    std::size_t q = p + 6;
    const std::size_t nom = d[q];
    q += (nom + 2) & ~std::size_t(1);  // its length byte, padded to even
    if (q + 4 > n) break;
    const std::size_t longueur = std::size_t(d[q]) << 24 | std::size_t(d[q + 1]) << 16 |
                                 std::size_t(d[q + 2]) << 8 | d[q + 3];
    q += 4;
    if (longueur > n - q) break;
    if (id == 0x0404) LitIptc(d + q, longueur, s);
    p = q + ((longueur + 1) & ~std::size_t(1));
  }
}

MetaPhoto Choisit(const Sources& s) {
  MetaPhoto m;
  for (const DatePhoto* d : {&s.dateExif, &s.dateXmpPhotoshop, &s.dateXmpCreation, &s.dateXmpExif})
    if (d->Connue()) {
      m.prise = *d;
      break;
    }
  for (const std::string* t : {&s.titreXmp, &s.titreIptc, &s.titreXp})
    if (!t->empty()) {
      m.titre = *t;
      break;
    }
  for (const std::string* t : {&s.descriptionXmp, &s.descriptionIptc, &s.descriptionExif,
                               &s.commentaireXp, &s.sujetXp})
    if (!t->empty()) {
      m.description = *t;
      break;
    }
  // "Canon" and "Canon EOS R5": the model already names the make.
  const std::string premierMot = s.marque.substr(0, s.marque.find(' '));
  bool nomme = !premierMot.empty() && s.modele.size() >= premierMot.size();
  for (std::size_t i = 0; nomme && i < premierMot.size(); ++i)
    nomme = std::tolower(static_cast<unsigned char>(s.modele[i])) ==
            std::tolower(static_cast<unsigned char>(premierMot[i]));
  if (s.modele.empty()) m.appareil = s.marque;
  else if (s.marque.empty() || nomme) m.appareil = s.modele;
  else m.appareil = s.marque + " " + s.modele;
  m.gps = s.gps;
  m.latitude = s.latitude;
  m.longitude = s.longitude;
  return m;
}

}  // namespace talvik::meta
