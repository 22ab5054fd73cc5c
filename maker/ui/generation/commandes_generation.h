// The Generate commands of the main window: the generation dialog and what
// each of its choices does, also reached from the Generate menu.
// - Display: the full-screen preview (CJoueScenarioUIThread);
// - Save for Windows / Save for Linux: the chooser on the GUI thread, the
//   generation on a worker thread under the progress window (Stop and the
//   questions answered on the GUI thread), the main window disabled
//   meanwhile, then the install offer (Linux savers) and where the saver
//   went, its folder opened on Yes;
// - Save as web page: the folder chooser on the GUI thread, the saver, the
//   web player and its page written on a worker under the progress window;
// - Send by email / Send to Internet: the entry points given by whoever
//   sends; until then the message for "no generated saver", or the beep.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "projet/contexte.h"
#include "apercu_plein_ecran/joue_scenario.h"
#include "choix_fichier.h"
#include "generation.h"
#include "plateforme.h"

class QWidget;

namespace lumaveil {

class CTravail;
class IDialogue;

class CCommandesGeneration : public QObject {
  Q_OBJECT
 public:
  // `titre` gives the document's title (the proposed file name is cut at
  // its first "."), `fichierProjet` the project's file ("" for none).
  // `travail`'s working screen finishes loading before a worker renders
  // with the shared image-operations object.
  CCommandesGeneration(CContexte& contexte, CTravail& travail, QWidget* principale,
                       IDialogue& dialogue, std::function<QString()> titre,
                       std::function<QString()> fichierProjet, QObject* parent = nullptr);
  ~CCommandesGeneration() override;

  // The generation dialog, then the chosen command.
  void Generer();
  // Display: the preview from the selected screen.
  void Affiche();
  // Save for Windows / Save for Linux.
  BilanGeneration Sauve(Plateforme plateforme);
  // Save as web page: true when the whole folder was written.
  bool SauvePageWeb();
  // Send by email / Send to Internet.
  void EnvoiMail();
  void EnvoiInternet();

  // Engine files (empty: the one beside the program).
  std::string MoteurWindows;
  std::string MoteurLinux;
  // The folder "Save as web page" writes to; "" when the user cancels. By
  // default the maker's folder chooser (CChoixDossierQt).
  std::function<QString()> ChoixDossierPageWeb;
  // Opens a folder in the desktop's file manager; by default
  // QDesktopServices::openUrl.
  std::function<void(const QString& dossier)> OuvreDossier;

  // The question after Save for Windows / Save for Linux: where the saver
  // went (%1), and whether to open its folder.
  static constexpr unsigned kIdEcranSauve = 61291;
  static constexpr const char* kEcranSauve =
      QT_TRANSLATE_NOOP("lumaveil::CCommandesGeneration",
                        "The screen saver is saved as:\n%1\n\nOpen the folder that holds it?");
  // How a preview renders and keeps time (tests).
  OptionsApercu OptionsPreview;
  // The senders of the last generated saver; empty until one is given.
  std::function<void()> EnvoieParMail;
  std::function<void()> EnvoieSurInternet;

  // The preview running, null when none.
  CJoueScenarioUIThread* Apercu() const { return apercu_; }

 private:
  void SansEnvoi();
  void AttendEcranCourant();
  // `travail` on a worker behind the progress window, once the working
  // screen is loaded; the main window is disabled meanwhile.
  template <class Travail>
  auto SurFil(Travail&& travail);

  CContexte& contexte_;
  CTravail& travail_;
  QPointer<QWidget> principale_;
  IDialogue& dialogue_;
  std::function<QString()> titre_;
  std::function<QString()> fichierProjet_;
  QPointer<CJoueScenarioUIThread> apercu_;
};

}  // namespace lumaveil
