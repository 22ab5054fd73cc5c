// The FTP password in the desktop's keyring (the Secret Service, through
// libsecret), kept there under the server and the user name it belongs to.
// Without a running Secret Service nothing here does anything and the
// password stays in the settings store (a file only its owner can read).
#pragma once

#include <optional>
#include <string>

namespace lumaveil {

// True when a Secret Service answers on the session bus now (never starts
// a bus or a service; gives up after a second).
bool TrousseauDisponible();

// Stores the password for (server, user); an empty password removes it.
// False when the keyring could not take it.
bool RangeMotDePasse(const std::string& serveur, const std::string& utilisateur,
                     const std::string& motDePasse);

// The password stored for (server, user); nothing when there is none or the
// keyring cannot be asked.
std::optional<std::string> LitMotDePasse(const std::string& serveur,
                                         const std::string& utilisateur);

}  // namespace lumaveil
