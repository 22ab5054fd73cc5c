// CMainFrame: the maker's main window. It assembles the top bar
// (COutilDialog), the splitter with the screen list (CListeView, 190 pixels
// wide at first) and the form view (CPrincipaleView), and the bottom bar
// (CInformationDialog); it creates one action per command of the command
// table, shared by the menus, the buttons and the accelerators, and routes
// the File, screen-list and help commands. Other commands are connected by
// whoever does their work, through Action().
#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "projet/contexte.h"
#include "fichiers_recents.h"
#include "dialogue.h"
#include "document/doc.h"
#include "fenetre/commandes.h"
#include "panneaux/panneaux.h"

class QAction;
class QMenu;
class QSplitter;

namespace lumaveil {

class CDialogueQt;
class CInformationDialog;
class CListeView;
class COutilDialog;
class CPrincipaleView;
class CTravail;
class CTravailFenetre;
class CEditeursQt;
class CCommandesEcran;
class CCommandesGeneration;

class CMainFrame : public QMainWindow, public IVuesDocument {
  Q_OBJECT
 public:
  // Creates the image-operations object of `contexte` when it has none.
  explicit CMainFrame(CContexte& contexte, QWidget* parent = nullptr);
  ~CMainFrame() override;

  QAction* Action(Commande commande) const { return actions_[std::size_t(commande)]; }
  QMenu* Menu(const QString& titre) const;

  CDoc& Doc() { return *doc_; }
  CTravail& Travail() { return *travail_; }
  CListeView* ListeView() const { return liste_; }
  CPrincipaleView* PrincipaleView() const { return principale_; }
  COutilDialog* OutilDialog() const { return outils_; }
  CInformationDialog* InformationDialog() const { return informations_; }
  QSplitter* Separateur() const { return separateur_; }
  CContexte& Contexte() { return contexte_; }
  CFichiersRecents& FichiersRecents() { return recents_; }
  // The Generate commands: the generation dialog, preview, savers, sending.
  CCommandesGeneration& Generation() { return *generation_; }
  IDialogue& Dialogue();

  // Shows the large picture, closing by itself after `secondes` (0: only a
  // click closes it).
  void MontreAPropos(int secondes);

  // IVuesDocument
  void NouveauProjet() override;
  int LitProjet(const QString& chemin) override;
  int EcritProjet(const QString& chemin) override;
  QWidget* FenetreDocument() override { return this; }

  // The multi-selection picture chooser: the chosen pictures become screens
  // after the selection (CTravail::InsereImages). IDOK or IDCANCEL.
  int ChoisitImages();
  // "Add photos..." (`dossier` false: several files) and "Add folder..."
  // (a folder's pictures): the chosen photos become screens after the
  // selection, in the order the Screen menu names, as one change
  // (travail/ajout_photos.h). IDOK or IDCANCEL.
  int AjouteDesPhotos(bool dossier);

  // Runs the creation wizard at New when the settings ask for it; empty
  // until the wizard exists.
  std::function<void()> Assistant;

 protected:
  void closeEvent(QCloseEvent* evenement) override;
  // At the first show, once the style has given the controls their sizes,
  // the window takes the room of the list and the whole form, within the
  // screen's available area, centred on it.
  void showEvent(QShowEvent* evenement) override;

 private:
  void CreeActions();
  void CreeMenus();
  void RouteCommandes();
  // The keyboard's Tab order, as the eye reads the window.
  void OrdreTabulation();
  bool place_ = false;  // placed at its first show
  void MetAJourTitre();
  // The modified flag, and the texts and state of Undo and Redo.
  void MetAJourHistorique();
  void MetAJourRecents();
  void OuvreAvecBureau(const QUrl& url);
  // Zoom In and Out greyed at the ends; the list made wide enough for a
  // column of thumbnails.
  void SuitZoom();

  CContexte& contexte_;
  std::array<QAction*, kNombreCommandes> actions_{};
  std::unique_ptr<CDialogueQt> dialogue_;
  CDoc* doc_ = nullptr;
  CTravail* travail_ = nullptr;
  std::unique_ptr<CTravailFenetre> ecranTravail_;
  std::unique_ptr<CEditeursQt> editeurs_;
  std::unique_ptr<CCommandesEcran> commandes_;
  std::unique_ptr<CCommandesGeneration> generation_;
  Panneaux panneaux_;
  COutilDialog* outils_ = nullptr;
  CInformationDialog* informations_ = nullptr;
  QSplitter* separateur_ = nullptr;
  CListeView* liste_ = nullptr;
  CPrincipaleView* principale_ = nullptr;
  QMenu* menuFichier_ = nullptr;
  QAction* avantQuitter_ = nullptr;
  std::vector<QAction*> actionsRecents_;
  CFichiersRecents recents_;
};

// File of the help manual: the installed one, else the one beside the program.
QString CheminAide();

// The demo saver "presentation.scr": in the current directory when there is
// one there, else the one shipped with the maker.
QString CheminPresentation();

}  // namespace lumaveil
