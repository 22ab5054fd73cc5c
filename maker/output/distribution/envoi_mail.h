// Sending the last generated screen saver by e-mail: the desktop's mail
// client (xdg-email) opens its compose window with the subject, the body
// and the saver attached, optionally gzip-compressed first, or with the
// link to its web page in the body; the user picks the recipients there.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dialogue.h"

namespace lumaveil {

// The name a saver goes by: the document's title cut before its first "."
// ("summer.lmv" gives "summer", "Noname" stays "Noname").
std::string NomBase(const std::string& titreDocument);

// Starts a program (arguments[0], looked up on PATH) with its arguments and
// does not wait for it. False when it could not be started.
using LanceurProgramme = std::function<bool(const std::vector<std::string>& arguments)>;

struct DemandeMail {
  std::string cheminEcranDeVeille;  // the last generated saver; "" when none since the last change
  std::string nomBase;              // see NomBase
  int compression = 0;              // MailCompression: attach "<saver>.gz"
  bool messagerie = false;          // a mail client was found at start-up
  std::string adressePage;          // the web address of the saver's page; "" for none
};

// True for an address a mail can carry as a link: http:// or https://, a
// host, no white space or control character.
bool AdresseWebValide(const std::string& adresse);

// The xdg-email command line that opens the compose window; no attachment
// when `pieceJointe` is empty.
std::vector<std::string> CommandeMail(const std::string& sujet, const std::string& corps,
                                      const std::string& pieceJointe);

// The whole command, asking and telling through `dialogue`:
//   no saver: 61255; with a web address of the page, the offer to send
//   its link instead of the file (Yes: the link in the body, no
//   attachment); the confirmation 61256, which then says which is sent (for
//   the file, the warning that many mail services refuse .scr
//   attachments), unless Yes, nothing more;
//   with compression the attachment is written to "<saver>.gz" beside the
//   saver (61267 when that fails); no mail client, or one that cannot be
//   started: 61257.
// Subject "Screensaver : <name base>", body 61259 "\n" 61260 (with the link
// on a line of its own after 61259 when the link is sent). Returns 1
// when the compose window was asked for, 0 otherwise. The project and the
// saver are never changed.
int EnvoieParMail(const DemandeMail& demande, IDialogue& dialogue, const LanceurProgramme& lanceur);

}  // namespace lumaveil
