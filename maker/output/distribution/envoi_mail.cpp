#include "distribution/envoi_mail.h"

#include <filesystem>

#include "chaines_maker.h"
#include "generation.h"
#include "routine.h"

namespace lumaveil {

std::string NomBase(const std::string& titreDocument) {
  return NomPropose(titreDocument);
}

bool AdresseWebValide(const std::string& adresse) {
  const std::size_t debut = adresse.rfind("https://", 0) == 0 ? 8
                            : adresse.rfind("http://", 0) == 0 ? 7
                                                                : 0;
  if (debut == 0 || adresse.size() == debut || adresse[debut] == '/') return false;
  for (unsigned char c : adresse)
    if (c <= ' ' || c == 0x7F) return false;
  return true;
}

std::vector<std::string> CommandeMail(const std::string& sujet, const std::string& corps,
                                      const std::string& pieceJointe) {
  std::vector<std::string> commande{"xdg-email", "--utf8", "--subject", sujet, "--body", corps};
  if (!pieceJointe.empty()) commande.insert(commande.end(), {"--attach", pieceJointe});
  return commande;
}

int EnvoieParMail(const DemandeMail& demande, IDialogue& dialogue,
                  const LanceurProgramme& lanceur) {
  if (demande.cheminEcranDeVeille.empty()) {
    dialogue.Message(MessageMaker(IDS_PAS_DE_FICHIER, IDS_ERREUR, IconeMessage::Erreur));
    return 0;
  }
  bool lien = false;
  if (AdresseWebValide(demande.adressePage)) {
    MessageUtilisateur offre{0,
                             "Send the link to the screen saver's web page instead of the file?\n\n" +
                                 demande.adressePage,
                             ChaineMaker(IDS_QUESTION), IconeMessage::Question, {}};
    lien = dialogue.Question(offre) == 1;
  }
  MessageUtilisateur confirmation =
      MessageMaker(IDS_CONFIRME_MAIL, IDS_QUESTION, IconeMessage::Question);
  confirmation.texte += lien ? "\n\nThe message will hold the link to the web page, not the file:\n" +
                                   demande.adressePage
                             : "\n\nThe screen saver file will be attached.\n\n" +
                                   ChaineMaker(IDS_PIECE_JOINTE_REFUSEE);
  if (dialogue.Question(confirmation) != 1) return 0;
  const std::string sujet = ChaineMaker(IDS_ECRAN_DE_VEILLE) + " : " + demande.nomBase;
  if (lien) {
    const std::string corps = ChaineMaker(IDS_CORPS_MAIL_1) + "\n" + demande.adressePage + "\n" +
                              ChaineMaker(IDS_CORPS_MAIL_2);
    if (!demande.messagerie || !lanceur || !lanceur(CommandeMail(sujet, corps, ""))) {
      dialogue.Message(MessageMaker(IDS_PAS_DE_MAIL, IDS_ERREUR, IconeMessage::Erreur));
      return 0;
    }
    return 1;
  }

  // The mail client runs on its own and may read the file long after this
  // returns: it gets an absolute path.
  std::error_code erreur;
  std::string pieceJointe = std::filesystem::absolute(demande.cheminEcranDeVeille, erreur).string();
  if (erreur) pieceJointe = demande.cheminEcranDeVeille;
  if (demande.compression) {
    const std::string compresse = pieceJointe + ".gz";
    if (!talvik::CRoutine::CompressionGZIP(pieceJointe, compresse)) {
      dialogue.Message(MessageMaker(IDS_COMPRESSION_IMPOSSIBLE, IDS_ERREUR, IconeMessage::Erreur));
      return 0;
    }
    pieceJointe = compresse;
  }
  const auto pasDeMail = [&] {
    dialogue.Message(MessageMaker(IDS_PAS_DE_MAIL, IDS_ERREUR, IconeMessage::Erreur));
    return 0;
  };
  if (!demande.messagerie || !lanceur) return pasDeMail();

  const std::string corps = ChaineMaker(IDS_CORPS_MAIL_1) + "\n" + ChaineMaker(IDS_CORPS_MAIL_2);
  if (!lanceur(CommandeMail(sujet, corps, pieceJointe))) return pasDeMail();
  return 1;
}

}  // namespace lumaveil
