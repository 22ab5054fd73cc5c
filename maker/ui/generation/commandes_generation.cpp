#include "generation/commandes_generation.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

#include "chaines_maker.h"
#include "commande_generation.h"
#include "commun/langue.h"
#include "dialogs/commun/boite_message.h"
#include "dialogue.h"
#include "distribution/page_web.h"
#include "ecrans_suffisants.h"
#include "generation/choix_dossier_qt.h"
#include "generation/choix_fichier_qt.h"
#include "generation/generation_dlg.h"
#include "taches/progression_travail.h"
#include "travail/travail.h"

namespace lumaveil {

namespace {

void OuvreDossierParDefaut(const QString& dossier) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(dossier));
}

}  // namespace

CCommandesGeneration::CCommandesGeneration(CContexte& contexte, CTravail& travail,
                                           QWidget* principale, IDialogue& dialogue,
                                           std::function<QString()> titre,
                                           std::function<QString()> fichierProjet,
                                           QObject* parent)
    : QObject(parent),
      contexte_(contexte),
      travail_(travail),
      principale_(principale),
      dialogue_(dialogue),
      titre_(std::move(titre)),
      fichierProjet_(std::move(fichierProjet)) {}

CCommandesGeneration::~CCommandesGeneration() {
  // A preview still running ends with its owner.
  if (apercu_) delete apercu_.data();
}

void CCommandesGeneration::Generer() {
  CGenerationDlg dlg(principale_);
  dlg.FixeChoix(contexte_.Projet.MelangeEcrans != 0, contexte_.Projet.MoniteursDifferents != 0);
  const int resultat = dlg.exec();
  // The playing choices count for whatever the dialog was left with, not
  // for Cancel.
  if (resultat != CGenerationDlg::kAucun) {
    contexte_.Controleur.FixeMelangeEcrans(dlg.Melange());
    contexte_.Controleur.FixeMoniteursDifferents(dlg.MoniteursDifferents());
  }
  switch (resultat) {
    case CGenerationDlg::kAffichage:
      Affiche();
      break;
    case CGenerationDlg::kSauveWindows:
      Sauve(Plateforme::Windows);
      break;
    case CGenerationDlg::kSauveLinux:
      Sauve(Plateforme::Linux);
      break;
    case CGenerationDlg::kSauvePageWeb:
      SauvePageWeb();
      break;
    case CGenerationDlg::kEnvoiMail:
      EnvoiMail();
      break;
    case CGenerationDlg::kEnvoiInternet:
      EnvoiInternet();
      break;
    default:
      break;
  }
}

void CCommandesGeneration::AttendEcranCourant() {
  if (travail_.AUnEcranCourant()) travail_.EcranPret();
}

template <class Travail>
auto CCommandesGeneration::SurFil(Travail&& travail) {
  AttendEcranCourant();
  // The project stays as it is while the worker reads it: the main window
  // takes no input until the work has ended.
  if (principale_) principale_->setEnabled(false);
  CProgressionTravail progression(principale_, dialogue_);
  auto bilan = progression.Execute(std::forward<Travail>(travail));
  if (principale_) principale_->setEnabled(true);
  return bilan;
}

void CCommandesGeneration::Affiche() {
  // One preview at a time: the main window stays disabled while it runs.
  if (apercu_) return;
  AttendEcranCourant();
  apercu_ = CJoueScenarioUIThread::Lance(contexte_.Projet, *contexte_.Graphique, principale_,
                                         dialogue_, OptionsPreview);
}

BilanGeneration CCommandesGeneration::Sauve(Plateforme plateforme) {
  ParametresCommandeGeneration parametres;
  parametres.titreProjet = titre_ ? titre_().toStdString() : std::string();
  parametres.plateforme = plateforme;
  parametres.qualiteJPEG = contexte_.Parametres.JPEGQuality;
  parametres.maison = QDir::homePath().toStdString();
  parametres.moteur = plateforme == Plateforme::Windows ? MoteurWindows : MoteurLinux;
  parametres.fichierProjet = fichierProjet_ ? fichierProjet_().toStdString() : std::string();
  parametres.langue = LangueInterface().toStdString();
  CChoixFichierQt choix(principale_);
  std::optional<OptionsGeneration> options =
      PrepareGeneration(contexte_.Projet, parametres, choix, dialogue_);
  if (!options) return {};
  const OptionsGeneration& o = *options;
  BilanGeneration bilan = SurFil([&](IProgression& progression, IDialogue& dialogue) {
    return GenerePaquet(contexte_.Projet, *contexte_.Graphique, o, dialogue, progression);
  });
  if (bilan.paquetEcrit) contexte_.Controleur.NoteEcranDeVeille(o.sortie);
  TermineGeneration(bilan, o, parametres, dialogue_);
  if (bilan.resultat == ResultatGeneration::Termine && bilan.paquetEcrit) {
    // Where the saver went, and its folder opened on Yes.
    const QString fichier = QFileInfo(QString::fromStdString(o.sortie)).absoluteFilePath();
    if (dialogue_.Question(
            MessageUtilisateur{kIdEcranSauve, tr(kEcranSauve).arg(fichier).toStdString(),
                               talvik::kTitreQuestion, IconeMessage::Question, o.sortie}))
      (OuvreDossier ? OuvreDossier : OuvreDossierParDefaut)(QFileInfo(fichier).absolutePath());
  }
  return bilan;
}

bool CCommandesGeneration::SauvePageWeb() {
  const CProjet& projet = contexte_.Projet;
  // The generation says why, before any folder is asked for.
  if (!EcransSuffisants(projet, dialogue_)) return false;
  const QString dossier = ChoixDossierPageWeb
                              ? ChoixDossierPageWeb()
                              : CChoixDossierQt::Choisit(principale_, tr("Save as web page"));
  if (dossier.isEmpty()) return false;
  OptionsPageWeb options;
  options.dossier = dossier.toStdString();
  options.nomBase = NomPropose(titre_ ? titre_().toStdString() : std::string());
  options.qualiteJPEG = contexte_.Parametres.JPEGQuality;
  options.langue = LangueInterface().toStdString();
  options.fichierProjet = fichierProjet_ ? fichierProjet_().toStdString() : std::string();
  options.moteurWindows = MoteurWindows;
  options.moteurLinux = MoteurLinux;
  const BilanPageWeb bilan = SurFil([&](IProgression& progression, IDialogue& dialogue) {
    return EcritPageWeb(contexte_.Projet, *contexte_.Graphique, options, dialogue, progression);
  });
  if (!bilan.ecranDeVeille.empty()) contexte_.Controleur.NoteEcranDeVeille(bilan.ecranDeVeille);
  if (bilan.ecrite) {
    dialogue_.Message(MessageUtilisateur{
        0,
        tr("The web page is ready. Open index.html in a browser to watch the screen saver, or "
           "copy the whole folder to any web host and share the link.\n\n%1")
            .arg(QString::fromStdString(bilan.page))
            .toStdString(),
        "Information",
        IconeMessage::Information,
        {}});
  }
  return bilan.ecrite;
}

void CCommandesGeneration::SansEnvoi() {
  if (contexte_.Projet.CheminEcranDeVeille.empty()) {
    // Nothing to send until a saver has been generated since the last change.
    dialogue_.Message(MessageMaker(IDS_PAS_DE_FICHIER, IDS_ERREUR, IconeMessage::Erreur));
    return;
  }
  talvik::Bip();
}

void CCommandesGeneration::EnvoiMail() {
  if (EnvoieParMail) EnvoieParMail();
  else SansEnvoi();
}

void CCommandesGeneration::EnvoiInternet() {
  if (EnvoieSurInternet) EnvoieSurInternet();
  else SansEnvoi();
}

}  // namespace lumaveil
