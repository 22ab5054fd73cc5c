// Sending the last generated screen saver to a web server: the saver, and
// on request a download page made from the template with the page module it
// loads and the web player that imports, uploaded by FTP (or FTPS, SFTP) once the user has
// confirmed the Internet dialog. Runs on a
// worker thread: it shows nothing itself and hands back the messages for
// the user, in order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dialogue.h"
#include "distribution/transfert_ftp.h"

namespace lumaveil {

struct DemandeInternet {
  std::string cheminEcranDeVeille;  // the last generated saver
  std::string nomBase;              // the saver's name on the page
  ServeurFtp serveur;
  std::string nomEcranDeVeille;  // remote file name of the saver
  bool page = true;              // WebPageCreating: make and upload the page
  std::string nomPage;           // remote file name of the page
  std::string modelePage;        // the template; "" for "Page.html" beside the program
  std::string moduleLecteur;      // the web player; "" for the one beside the program
  std::string modulePage;        // the page module; "" for the one beside the program
  std::string langue = "en";     // the page's language (ContenuPage::langue)
};

struct BilanInternet {
  std::vector<MessageUtilisateur> messages;  // to show, in this order
  bool ecranDeVeilleEnvoye = false;
  bool pageEnvoyee = false;  // the page and its two modules
  bool arrete = false;  // the caller stopped it
};

// Progress: the remote name of the file being sent, bytes sent, its size;
// false stops (nothing more is sent, and no message is added for it).
using ProgressionInternet =
    std::function<bool(const std::string& nomDistant, std::int64_t envoye, std::int64_t total)>;

// The page is made first (a unique temporary file, removed afterwards),
// then the saver is sent: no connection gives 61262 and nothing more; a
// failed upload gives 61263 and the page is still tried; a page that could
// not be made or sent gives 61263. The page offers the saver for Windows
// when its remote name ends in ".scr", for Linux otherwise, and plays it;
// its page module and the web player go after it under their own names
// (kFichierModulePage, kFichierModule),
// written and renamed like the others. Each message says what happened on a
// line after the designed text. Nothing local is changed.
BilanInternet EnvoieSurInternet(const DemandeInternet& demande,
                                const ProgressionInternet& progression = {});

// The question for an SFTP server whose key is not known yet (61321, with
// the server and the key's "SHA256:..." fingerprint), caption "Question".
MessageUtilisateur QuestionCleInconnue(const std::string& serveur, const std::string& empreinte);

}  // namespace lumaveil
