#include "player_words.h"

#include <cstdlib>
#include <cstring>

#include "about.h"
#include "jpeg_decoder.h"
#include "package_format.h"

namespace lmvengine {
namespace {

struct Wording {
  const char* english;
  const char* french;
  const char* german;
  const char* spanish;
};

// UTF-8, as the message sinks take them.
constexpr Wording kWordings[] = {
    {kMessageCantOpen, "LmvEngine ne peut pas ouvrir le fichier",
     "LmvEngine kann die Datei nicht öffnen", "LmvEngine no puede abrir el archivo"},
    {kMessageBadData, "LmvEngine : données incorrectes", "LmvEngine: fehlerhafte Daten",
     "LmvEngine: datos incorrectos"},
    {kCaptionError, "Erreur", "Fehler", "Error"},
    {kMessageTooLarge, "Image plus grande que les écrans de l'économiseur",
     "Bild größer als die Bildschirme des Bildschirmschoners",
     "Imagen más grande que las pantallas del salvapantallas"},
    {kMessageTooManyScans, "Trop de passes dans les données JPEG",
     "Zu viele Durchläufe in den JPEG-Daten", "Demasiadas pasadas en los datos JPEG"},
    {kCaptionJpegFatal, "Erreur JPEG fatale", "Schwerer JPEG-Fehler", "Error JPEG grave"},
    {kMessageJpegOutOfMemory, "JpegFile :\nMémoire insuffisante", "JpegFile:\nNicht genug Speicher",
     "JpegFile:\nMemoria insuficiente"},
    {kCaptionJpegOutOfMemory, "Erreur JPEG", "JPEG-Fehler", "Error JPEG"},
    {kAboutButton, "OK", "OK", "Aceptar"},
};

}  // namespace

Language LanguageFromCode(std::string_view code) {
  const std::string_view primary = code.substr(0, code.find_first_of("-_.@:"));
  if (primary.size() != 2) return Language::kEnglish;
  const char a = static_cast<char>(primary[0] | 0x20);
  const char b = static_cast<char>(primary[1] | 0x20);
  if (a == 'f' && b == 'r') return Language::kFrench;
  if (a == 'd' && b == 'e') return Language::kGerman;
  if (a == 'e' && b == 's') return Language::kSpanish;
  return Language::kEnglish;
}

Language EnvironmentLanguage() {
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return LanguageFromCode(value);
  }
  return Language::kEnglish;
}

const char* Words(Language language, const char* english) {
  if (english == nullptr) return "";
  for (const Wording& w : kWordings) {
    if (std::strcmp(w.english, english) != 0) continue;
    switch (language) {
      case Language::kFrench:
        return w.french;
      case Language::kGerman:
        return w.german;
      case Language::kSpanish:
        return w.spanish;
      case Language::kEnglish:
        break;
    }
  }
  return english;
}

}  // namespace lmvengine
