#include "programme/application.h"

#include <curl/curl.h>

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include "assistant/assistant.h"
#include "dialogs/commun/boite_message.h"
#include "chaines_maker.h"
#include "commun/langue.h"
#include "distribution/trousseau.h"
#include "fenetre/geometrie_fenetre.h"
#include "fenetre/main_frame.h"

namespace lumaveil {

namespace {

// The FTP password kept in the desktop's keyring for the stored server and
// user, when the store has none.
void LitMotDePasseTrousseau(ParametresApplication& p) {
  if (!p.Password.empty() || p.ServerName.empty() || !TrousseauDisponible()) return;
  if (std::optional<std::string> mot = LitMotDePasse(p.ServerName, p.UserName)) p.Password = *mot;
}

// The settings written at exit: when the desktop's keyring runs, the FTP
// password goes there (under the server and user name) and the store keeps
// an empty Password; otherwise the store (a file only its owner can read)
// keeps it.
void EcritParametresEtTrousseau(const ParametresApplication& p) {
  ParametresApplication aEcrire = p;
  if (TrousseauDisponible() && RangeMotDePasse(p.ServerName, p.UserName, p.Password))
    aEcrire.Password.clear();
  EcritParametres(aEcrire);
}

}  // namespace

bool MessagerieDisponible() {
  return !QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty();
}

CLumaveilApp::CLumaveilApp() = default;

CLumaveilApp::~CLumaveilApp() {
  fenetre_.reset();
  if (reseau_) curl_global_cleanup();
}

bool CLumaveilApp::InitInstance(const QString& projet, int secondesImage) {
  // 1. Every setting at its default, the renderer's resize flag at 1.
  contexte_.Parametres = ParametresApplication{};
  contexte_.QualiteRedimension = 1;
  contexte_.EcranCourant.reset();

  // 2. The stored settings; missing values keep their defaults.
  LitParametres(contexte_.Parametres);
  LitMotDePasseTrousseau(contexte_.Parametres);

  // 3. The network layer.
  if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
    talvik::BoiteMessage(nullptr, kEchecSockets, talvik::kTitreErreur, IconeMessage::Erreur);
    return false;
  }
  reseau_ = true;

  // 4. The mail capacity.
  contexte_.Messagerie = MessagerieDisponible();

  // The screen the library asks about is the one the window shows on.
  if (QScreen* ecran = QGuiApplication::primaryScreen()) {
    const QSize taille = ecran->size();
    const int bits = ecran->depth();
    talvik::CGraphique::InstalleRequeteEcran([taille, bits](int& l, int& h, int& b) {
      l = taille.width();
      h = taille.height();
      b = bits;
      return true;
    });
  }
  contexte_.Controleur.FixeResolutionCible(TailleEcranCourante());
  // The display's size is where the project starts, not a change to undo.
  contexte_.Controleur.OublieHistorique();
  InstalleChainesMaker();
  talvik::InstalleMessagesQt();

  // 5.-7. The profile with its recent files, the main window with its
  // document, the command line. A project named there must exist; it is
  // read once the window shows.
  fenetre_ = std::make_unique<CMainFrame>(contexte_);
  fenetre_->Assistant = Assistant;
  if (!projet.isEmpty()) {
    if (!QFileInfo(projet).isFile()) {
      talvik::BoiteMessage(nullptr,
                           QCoreApplication::translate("Messages", "Unable to open file %1")
                               .arg(projet)
                               .toStdString(),
                           talvik::kTitreErreur, IconeMessage::Erreur);
      return false;
    }
    fenetre_->Doc().FixeChemin(QFileInfo(projet).absoluteFilePath());
  }

  // 9. The main window, where the user left it or sized for the screen.
  PlaceFenetrePrincipale(*fenetre_);
  fenetre_->show();
  // 10. The start-up picture.
  if (secondesImage > 0) fenetre_->MontreAPropos(secondesImage);
  // 11.
  contexte_.DemarrageEnCours = false;
  // 12. The project named on the command line, read now, or a new project.
  if (!fenetre_->Doc().CheminFichier().isEmpty()) {
    const QString chemin = fenetre_->Doc().CheminFichier();
    if (!fenetre_->Doc().OuvreFichier(chemin)) {
      fenetre_->Doc().FixeChemin(QString());
      fenetre_->NouveauProjet();
    }
  } else {
    fenetre_->NouveauProjet();
  }
  return true;
}

int CLumaveilApp::ExitInstance(int code) {
  // The settings first: a session that ends (a logout) does not wait for
  // the window to be taken down.
  EcritParametresEtTrousseau(contexte_.Parametres);
  fenetre_.reset();
  return code;
}

int LanceApplication(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumaveil"));
  QApplication::setOrganizationName(QStringLiteral("Vermalune"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icones/logo.svg")));
  // The window in the user's language (LANGUAGE=fr lumaveil: French).
  InstalleTraductions(application, LangueChoisie());
  const QStringList arguments = QApplication::arguments();
  CLumaveilApp app;
  app.Assistant = [&app] { LanceAssistant(*app.Fenetre()); };
  if (!app.InitInstance(arguments.size() > 1 ? arguments.at(1) : QString())) return 1;
  return app.ExitInstance(QApplication::exec());
}

}  // namespace lumaveil
