#include "distribution/envoi_mail.h"

#include <filesystem>

#include "chaines_maker.h"
#include "routine.h"

namespace lumaveil {

std::string NomBase(const std::string& titreDocument) {
  return titreDocument.substr(0, titreDocument.find('.'));
}

std::vector<std::string> CommandeMail(const std::string& sujet, const std::string& corps,
                                      const std::string& pieceJointe) {
  return {"xdg-email", "--utf8", "--subject", sujet, "--body", corps, "--attach", pieceJointe};
}

int EnvoieParMail(const DemandeMail& demande, IDialogue& dialogue,
                  const LanceurProgramme& lanceur) {
  if (demande.cheminEcranDeVeille.empty()) {
    dialogue.Message(MessageMaker(IDS_PAS_DE_FICHIER, IDS_ERREUR, IconeMessage::Erreur));
    return 0;
  }
  MessageUtilisateur confirmation =
      MessageMaker(IDS_CONFIRME_MAIL, IDS_QUESTION, IconeMessage::Question);
  confirmation.texte += "\n\n" + ChaineMaker(IDS_PIECE_JOINTE_REFUSEE);
  if (dialogue.Question(confirmation) != 1) return 0;

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

  const std::string sujet = ChaineMaker(IDS_ECRAN_DE_VEILLE) + " : " + demande.nomBase;
  const std::string corps = ChaineMaker(IDS_CORPS_MAIL_1) + "\n" + ChaineMaker(IDS_CORPS_MAIL_2);
  if (!lanceur(CommandeMail(sujet, corps, pieceJointe))) return pasDeMail();
  return 1;
}

}  // namespace lumaveil
