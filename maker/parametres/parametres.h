// The maker's ten settings, the choice to allow unencrypted FTP and the web
// address of the uploaded page: what
// each holds, its name in the settings store (application "Lumaveil", no
// section) and its default, described once in kChampsParametres; reading,
// writing and the defaults walk that table.
#pragma once

#include <array>
#include <string>
#include <variant>

namespace lumaveil {

struct ParametresApplication {
  // Every setting at its default.
  ParametresApplication();

  std::string ServerName;       // FTP server
  int PortNumber;               // FTP port
  int PassiveMode;              // FTP passive mode (0/1)
  std::string UserName;         // FTP user name
  std::string Password;         // FTP password
  std::string ServerDirectory;  // FTP target directory
  int WebPageCreating;          // also create and upload a web page (0/1)
  int JPEGQuality;              // JPEG quality of generated screens, 0..100
  int MailCompression;          // gzip the screen saver sent by e-mail (0/1)
  int StartWizard;              // run the creation wizard at start-up and on New (0/1)
  // Beyond the ten: an FTP server that refuses TLS may get the password in
  // clear (0/1), stored as "AllowUnencryptedFTP".
  int FtpEnClair;
  // Where people see the uploaded page (http...); "" for none, stored as
  // "WebPageAddress".
  std::string WebPageAddress;
};

using MembreParametre =
    std::variant<std::string ParametresApplication::*, int ParametresApplication::*>;

struct ChampParametre {
  const char* nom;         // the value's name in the store, the member's name
  MembreParametre membre;
  int defaut;              // a number's default; text settings start empty
};

// The settings in the store's order.
inline constexpr std::array kChampsParametres = {
    ChampParametre{"ServerName", &ParametresApplication::ServerName, 0},
    ChampParametre{"PortNumber", &ParametresApplication::PortNumber, 21},
    ChampParametre{"PassiveMode", &ParametresApplication::PassiveMode, 0},
    ChampParametre{"UserName", &ParametresApplication::UserName, 0},
    ChampParametre{"Password", &ParametresApplication::Password, 0},
    ChampParametre{"ServerDirectory", &ParametresApplication::ServerDirectory, 0},
    ChampParametre{"WebPageCreating", &ParametresApplication::WebPageCreating, 1},
    ChampParametre{"JPEGQuality", &ParametresApplication::JPEGQuality, 75},
    ChampParametre{"MailCompression", &ParametresApplication::MailCompression, 0},
    ChampParametre{"StartWizard", &ParametresApplication::StartWizard, 1},
    ChampParametre{"AllowUnencryptedFTP", &ParametresApplication::FtpEnClair, 0},
    ChampParametre{"WebPageAddress", &ParametresApplication::WebPageAddress, 0},
};

// Application name under which the settings are kept.
inline constexpr const char* kNomApplication = "Lumaveil";

// Reads the values by name into `parametres`. A value that cannot be
// read keeps what `parametres` held (its default); a store that cannot be
// opened leaves everything as it was. Returns 1 when the store opened.
int LitParametres(ParametresApplication& parametres);

// Writes the values, strings for the text settings and numbers for
// the rest. Returns 0, silently, when the store cannot be opened or
// written.
int EcritParametres(const ParametresApplication& parametres);

}  // namespace lumaveil
