// The maker's ten settings: their defaults, and reading and writing them
// in the settings store (application "Lumaveil", no section).
#pragma once

#include <string>

namespace lumaveil {

struct ParametresApplication {
  std::string ServerName;       // FTP server
  int PortNumber = 21;          // FTP port
  int PassiveMode = 0;          // FTP passive mode (0/1)
  std::string UserName;         // FTP user name
  std::string Password;         // FTP password
  std::string ServerDirectory;  // FTP target directory
  int WebPageCreating = 1;      // also create and upload a web page (0/1)
  int JPEGQuality = 75;         // JPEG quality of generated screens, 0..100
  int MailCompression = 0;      // gzip the screen saver sent by e-mail (0/1)
  int StartWizard = 1;          // run the creation wizard at start-up and on New (0/1)
};

// Application name under which the settings are kept.
inline constexpr const char* kNomApplication = "Lumaveil";

// Reads the ten values by name into `parametres`. A value that cannot be
// read keeps what `parametres` held (its default); a store that cannot be
// opened leaves everything as it was. Returns 1 when the store opened.
int LitParametres(ParametresApplication& parametres);

// Writes the ten values, strings for the four string settings and numbers
// for the rest. Returns 0, silently, when the store cannot be opened or
// written.
int EcritParametres(const ParametresApplication& parametres);

}  // namespace lumaveil
