// The maker's own string table, looked up before the library's.
#pragma once

#include <string>

#include "base/message.h"

namespace lumaveil {

enum : unsigned {
  IDS_ATTENTION = 61218,                // "Warning"
  IDS_INFORMATION = 61236,              // "Information"
  IDS_ERREUR = 61238,                   // "Error"
  IDS_DEUX_ECRANS = 61239,              // at least 2 screens
  IDS_MOTEUR_IMPOSSIBLE = 61240,        // the engine cannot be copied
  IDS_TRAITEMENT_ECRAN = 61241,         // progress line, %d = screen number
  IDS_INTERROMPRE = 61242,              // "Break the sequence ?"
  IDS_QUESTION = 61243,                 // "Question"
  IDS_COPIE_SYSTEME = 61244,            // copy into the system directory?
  IDS_ERREUR_ECRAN = 61245,             // a screen could not be saved; continue?
  IDS_COPIE_REUSSIE = 61246,            // the copy succeeded
  IDS_OUVERTURE_ECRITURE = 61247,       // the package cannot be created
  // Distribution by e-mail and FTP.
  IDS_PAS_DE_FICHIER = 61255,           // no saver generated since the last change
  IDS_CONFIRME_MAIL = 61256,            // "Confirm sending ... by email ?"
  IDS_PAS_DE_MAIL = 61257,              // no mail client
  IDS_ECRAN_DE_VEILLE = 61258,          // "Screensaver", the subject's first half
  IDS_CORPS_MAIL_1 = 61259,             // body: what the attachment is
  IDS_CORPS_MAIL_2 = 61260,             // body: how to install it
  IDS_CONFIRME_INTERNET = 61261,        // "Confirm sending ... on Internet ?"
  IDS_PAS_DE_FTP = 61262,               // no FTP connection
  IDS_ECHEC_ENVOI = 61263,              // an upload failed
  IDS_COMPRESSION_IMPOSSIBLE = 61267,   // gzip failed
  IDS_PIECE_JOINTE_REFUSEE = 61310,     // mail services refuse .scr attachments
  // The Linux counterparts of 61244 and 61246 (install as an xscreensaver hack).
  IDS_INSTALLATION_XSCREENSAVER = 61300,
  IDS_INSTALLATION_REUSSIE = 61301,     // %s = the name in xscreensaver's list
  IDS_AUCUN_ECRAN_SAUVE = 61320,        // a run ended without one complete screen
  IDS_CLE_INCONNUE = 61321,             // trust an SFTP server's key? %s server, %s fingerprint
  IDS_ECRANS_BLANCS = 61322,            // screens left out of a saver (MessageEcransBlancs)
};

// Text of one of the maker's ids ("" for an id it does not own).
std::string ChaineMaker(unsigned id);

// The message of id `id` with the caption of id `idTitre`.
talvik::MessageUtilisateur MessageMaker(unsigned id, unsigned idTitre, talvik::IconeMessage icone);

// Makes the library's string lookup (CRoutine::Message) find the maker's
// texts first. Idempotent.
void InstalleChainesMaker();

}  // namespace lumaveil
