#include "distribution/textes_page.h"

#include <array>
#include <string_view>

namespace lumaveil {

namespace {

struct TextePage {
  std::string_view anglais;  // exactly as in web/Page.html
  std::array<std::string_view, 3> traductions;  // fr, de, es
};

constexpr std::array<std::string_view, 3> kLangues{"fr", "de", "es"};

// The longest first: a text that holds a shorter one is replaced whole.
constexpr TextePage kTextes[] = {
    {"The screen saver installs on a computer: open this page there to download it.",
     {"L'économiseur d'écran s'installe sur un ordinateur : ouvrez cette page depuis celui-ci "
      "pour le télécharger.",
      "Der Bildschirmschoner wird auf einem Computer installiert: Öffnen Sie diese Seite dort, "
      "um ihn herunterzuladen.",
      "El salvapantallas se instala en un ordenador: abra esta página en él para descargarlo."}},
    {"Save the file, then install it as a screen saver on your computer.",
     {"Enregistrez le fichier, puis installez-le comme économiseur d'écran sur votre ordinateur.",
      "Speichern Sie die Datei und installieren Sie sie dann als Bildschirmschoner auf Ihrem "
      "Computer.",
      "Guarde el archivo y luego instálelo como salvapantallas en su ordenador."}},
    {"A screen saver made with Lumaveil",
     {"Un économiseur d'écran créé avec Lumaveil", "Ein mit Lumaveil erstellter Bildschirmschoner",
      "Un salvapantallas creado con Lumaveil"}},
    {"Download for Windows",
     {"Télécharger pour Windows", "Für Windows herunterladen", "Descargar para Windows"}},
    {"Download for Linux",
     {"Télécharger pour Linux", "Für Linux herunterladen", "Descargar para Linux"}},
    {"</a> by Vermalune.", {"</a> par Vermalune.", "</a> von Vermalune.", "</a> de Vermalune."}},
    {"Made with <a ", {"Créé avec <a ", "Erstellt mit <a ", "Hecho con <a "}},
    {"aria-label=\"Download\"",
     {"aria-label=\"Téléchargement\"", "aria-label=\"Herunterladen\"", "aria-label=\"Descarga\""}},
    {" – screen saver</title>",
     {" – économiseur d'écran</title>", " – Bildschirmschoner</title>",
      " – salvapantallas</title>"}},
    {"<html lang=\"en\">", {"<html lang=\"fr\">", "<html lang=\"de\">", "<html lang=\"es\">"}},
};

}  // namespace

std::string TraduitModelePage(const std::string& modele, const std::string& langue) {
  std::size_t n = 0;
  while (n < kLangues.size() && kLangues[n] != langue) ++n;
  if (n == kLangues.size()) return modele;
  std::string page = modele;
  for (const TextePage& t : kTextes) {
    const std::string_view par = t.traductions[n];
    for (std::size_t i = page.find(t.anglais); i != std::string::npos;
         i = page.find(t.anglais, i + par.size())) {
      page.replace(i, t.anglais.size(), par);
    }
  }
  return page;
}

}  // namespace lumaveil
