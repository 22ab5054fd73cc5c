#include "internet/envoi.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <mutex>
#include <thread>

#include "app/contexte.h"
#include "app/dialogue_qt.h"
#include "chaines_maker.h"
#include "dialogs/commun/progression_dlg.h"
#include "distribution/envoi_internet.h"
#include "distribution/envoi_mail.h"
#include "internet/internet_dialog.h"

namespace lumaveil {

namespace {

bool LanceDetache(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return false;
  QStringList suite;
  for (std::size_t i = 1; i < arguments.size(); ++i)
    suite << QString::fromStdString(arguments[i]);
  return QProcess::startDetached(QString::fromStdString(arguments[0]), suite);
}

std::string TitreVersNom(const QString& titreDocument) {
  return NomBase(QFileInfo(titreDocument).fileName().toStdString());
}

// The main window stays disabled while the upload runs.
class CFenetreBloquee {
 public:
  explicit CFenetreBloquee(QWidget* parent) : fenetre_(parent ? parent->window() : nullptr) {
    if (fenetre_) fenetre_->setEnabled(false);
  }
  ~CFenetreBloquee() {
    if (fenetre_) fenetre_->setEnabled(true);
  }

 private:
  QPointer<QWidget> fenetre_;
};

// What the worker tells the progress window.
struct Avancement {
  std::mutex verrou;
  std::string nom;
  std::int64_t envoye = 0;
  std::int64_t total = 0;
  std::atomic<bool> arret{false};
  std::atomic<bool> fini{false};
};

BilanInternet EnvoieAvecProgression(QWidget* parent, const DemandeInternet& demande) {
  Avancement avancement;
  BilanInternet bilan;
  std::thread travail([&] {
    bilan = EnvoieSurInternet(demande, [&](const std::string& nom, std::int64_t envoye,
                                           std::int64_t total) {
      std::lock_guard<std::mutex> garde(avancement.verrou);
      avancement.nom = nom;
      avancement.envoye = envoye;
      avancement.total = total;
      return !avancement.arret.load();
    });
    avancement.fini = true;
  });

  {
    CFenetreBloquee bloquee(parent);
    talvik::CProgressionDlg fenetre(parent);
    fenetre.m_strOperation = "Sending to " + demande.serveur.nom;
    fenetre.m_strFichier = demande.nomEcranDeVeille;
    fenetre.Create();
    fenetre.setEnabled(true);
    QObject::connect(fenetre.BoutonArret(), &QPushButton::toggled, &fenetre, [&](bool presse) {
      if (presse) avancement.arret = true;
    });
    QEventLoop boucle;
    QTimer minuterie;
    QObject::connect(&minuterie, &QTimer::timeout, &boucle, [&] {
      if (avancement.fini) {
        boucle.quit();
        return;
      }
      std::lock_guard<std::mutex> garde(avancement.verrou);
      if (avancement.nom.empty()) return;
      fenetre.m_strFichier = avancement.nom;
      const int pourMille =
          avancement.total > 0 ? int(avancement.envoye * 1000 / avancement.total) : 0;
      fenetre.m_Progression->setRange(0, 1000);
      fenetre.m_Progression->setValue(pourMille);
      fenetre.m_strCompteur = "(" + std::to_string(avancement.envoye / 1024) + " / " +
                              std::to_string(avancement.total / 1024) + " KiB)";
      fenetre.m_bArret = avancement.arret ? 1 : 0;
      fenetre.UpdateData(false);
    });
    minuterie.start(50);
    if (!avancement.fini) boucle.exec();
    travail.join();
  }
  return bilan;
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
  dlg.m_strNomUtilisateur = p.UserName;
  dlg.m_strMotDePasse = p.Password;
  dlg.m_strRepertoireServeur = p.ServerDirectory;
  dlg.m_strNomFichier = nom + ".scr";
  dlg.m_bCreationPage = p.WebPageCreating;
  dlg.m_strNomPage = nom + ".html";
  if (dlg.exec() != QDialog::Accepted) return 0;
  if (!dialogue.Question(MessageMaker(IDS_CONFIRME_INTERNET, IDS_QUESTION, IconeMessage::Question)))
    return 0;

  p.ServerName = dlg.m_strNomServeur;
  p.PortNumber = dlg.m_nNumeroPort;
  p.PassiveMode = dlg.m_bModePassif;
  p.UserName = dlg.m_strNomUtilisateur;
  p.Password = dlg.m_strMotDePasse;
  p.ServerDirectory = RepertoireServeur(dlg.m_strRepertoireServeur);
  p.WebPageCreating = dlg.m_bCreationPage;

  DemandeInternet demande;
  demande.cheminEcranDeVeille = cheminEcranDeVeille.toStdString();
  demande.nomBase = nom;
  demande.serveur.nom = p.ServerName;
  demande.serveur.port = p.PortNumber;
  demande.serveur.passif = p.PassiveMode != 0;
  demande.serveur.utilisateur = p.UserName;
  demande.serveur.motDePasse = p.Password;
  demande.serveur.repertoire = p.ServerDirectory;
  demande.serveur.autorites = contexte.AutoritesTls;
  demande.nomEcranDeVeille = dlg.m_strNomFichier;
  demande.page = p.WebPageCreating != 0;
  demande.nomPage = dlg.m_strNomPage;

  const BilanInternet bilan = EnvoieAvecProgression(parent, demande);
  for (const MessageUtilisateur& message : bilan.messages) dialogue.Message(message);
  return bilan.ecranDeVeilleEnvoye && (!demande.page || bilan.pageEnvoyee) ? 1 : 0;
}

}  // namespace lumaveil
