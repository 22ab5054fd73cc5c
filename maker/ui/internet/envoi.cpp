#include "internet/envoi.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QWidget>

#include "chaines_maker.h"
#include "commun/dialogue_qt.h"
#include "commun/langue.h"
#include "distribution/envoi_internet.h"
#include "distribution/envoi_mail.h"
#include "internet/internet_dialog.h"
#include "projet/contexte.h"
#include "taches/progression_travail.h"

namespace lumaveil {

namespace {

bool LanceDetache(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return false;
  QStringList suite;
  for (std::size_t i = 1; i < arguments.size(); ++i) suite << QString::fromStdString(arguments[i]);
  return QProcess::startDetached(QString::fromStdString(arguments[0]), suite);
}

std::string TitreVersNom(const QString& titreDocument) {
  return NomBase(QFileInfo(titreDocument).fileName().toStdString());
}

// The upload on a worker thread behind the progress window (modal, with
// Stop); the counter shows the KiB sent of the current file.
BilanInternet EnvoieAvecProgression(QWidget* parent, IDialogue& dialogue,
                                    const DemandeInternet& demande) {
  CProgressionTravail travail(parent, dialogue);
  const std::string operation = QCoreApplication::translate("Messages", "Sending to %1")
                                    .arg(QString::fromStdString(demande.serveur.nom))
                                    .toStdString();
  return travail.Execute([&](IProgression& progression, IDialogue& surFil) {
    // An SFTP server whose key is not known yet: the user is asked, on the
    // GUI thread, while the upload waits.
    DemandeInternet avecQuestion = demande;
    avecQuestion.serveur.confirmeCle = [&surFil](const std::string& serveur,
                                                 const std::string& empreinte) {
      return surFil.Question(QuestionCleInconnue(serveur, empreinte)) == 1;
    };
    return EnvoieSurInternet(
        avecQuestion, [&](const std::string& nom, std::int64_t envoye, std::int64_t total) {
          return progression.AfficheEtTeste(unsigned(envoye / 1024), unsigned(total / 1024), nom,
                                            operation) == 0;
        });
  });
}

}  // namespace

int CommandeEnvoiMail(QWidget* parent, CContexte& contexte, const QString& cheminEcranDeVeille,
                      const QString& titreDocument) {
  CDialogueQt dialogue(parent);
  DemandeMail demande;
  demande.cheminEcranDeVeille = cheminEcranDeVeille.toStdString();
  demande.nomBase = TitreVersNom(titreDocument);
  demande.compression = contexte.Parametres.MailCompression;
  demande.messagerie = contexte.Messagerie;
  demande.adressePage = contexte.Parametres.WebPageAddress;
  return EnvoieParMail(demande, dialogue, &LanceDetache);
}

int CommandeEnvoiInternet(QWidget* parent, CContexte& contexte, const QString& cheminEcranDeVeille,
                          const QString& titreDocument) {
  CDialogueQt dialogue(parent);
  if (cheminEcranDeVeille.isEmpty()) {
    dialogue.Message(MessageMaker(IDS_PAS_DE_FICHIER, IDS_ERREUR, IconeMessage::Erreur));
    return 0;
  }
  ParametresApplication& p = contexte.Parametres;
  const std::string nom = TitreVersNom(titreDocument);
  CInternetDlg dlg(parent);
  dlg.m_strNomServeur = p.ServerName;
  dlg.m_nNumeroPort = p.PortNumber;
  dlg.m_bModePassif = p.PassiveMode;
  dlg.m_bFtpEnClair = p.FtpEnClair;
  dlg.m_strNomUtilisateur = p.UserName;
  dlg.m_strMotDePasse = p.Password;
  dlg.m_strRepertoireServeur = p.ServerDirectory;
  dlg.m_strNomFichier = nom + ".scr";
  dlg.m_bCreationPage = p.WebPageCreating;
  dlg.m_strNomPage = nom + ".html";
  dlg.m_strAdressePage = p.WebPageAddress;
  if (dlg.exec() != QDialog::Accepted) return 0;
  if (!dialogue.Question(MessageMaker(IDS_CONFIRME_INTERNET, IDS_QUESTION, IconeMessage::Question)))
    return 0;

  p.ServerName = dlg.m_strNomServeur;
  p.PortNumber = dlg.m_nNumeroPort;
  p.PassiveMode = dlg.m_bModePassif;
  p.FtpEnClair = dlg.m_bFtpEnClair;
  p.UserName = dlg.m_strNomUtilisateur;
  p.Password = dlg.m_strMotDePasse;
  p.ServerDirectory = RepertoireServeur(dlg.m_strRepertoireServeur);
  p.WebPageCreating = dlg.m_bCreationPage;
  p.WebPageAddress = dlg.m_strAdressePage;

  DemandeInternet demande;
  demande.cheminEcranDeVeille = cheminEcranDeVeille.toStdString();
  demande.nomBase = nom;
  demande.langue = LangueInterface().toStdString();
  demande.serveur.nom = p.ServerName;
  demande.serveur.port = p.PortNumber;
  demande.serveur.passif = p.PassiveMode != 0;
  demande.serveur.utilisateur = p.UserName;
  demande.serveur.motDePasse = p.Password;
  demande.serveur.repertoire = p.ServerDirectory;
  demande.serveur.autorites = contexte.AutoritesTls;
  demande.serveur.enClairPermis = p.FtpEnClair != 0;
  demande.nomEcranDeVeille = dlg.m_strNomFichier;
  demande.page = p.WebPageCreating != 0;
  demande.nomPage = dlg.m_strNomPage;

  const BilanInternet bilan = EnvoieAvecProgression(parent, dialogue, demande);
  for (const MessageUtilisateur& message : bilan.messages) dialogue.Message(message);
  return bilan.ecranDeVeilleEnvoye && (!demande.page || bilan.pageEnvoyee) ? 1 : 0;
}

}  // namespace lumaveil
