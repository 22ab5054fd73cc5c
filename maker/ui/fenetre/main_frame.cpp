#include "fenetre/main_frame.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QIcon>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QShortcut>
#include <QSplitter>
#include <QUrl>
#include <QVBoxLayout>

#include "commun/dialogue_qt.h"
#include "commun/langue.h"
#include "dialogs/commun/apropos_dlg.h"
#include "dialogs/commun/image_qt.h"
#include "dialogs/commun/placement_fenetre.h"
#include "travail/travail.h"
#include "configuration/configuration_dialog.h"
#include "modele_ecran/commande_modele.h"
#include "proprietes/applique_proprietes.h"
#include "fenetre/geometrie_fenetre.h"
#include "fenetre/information_dialog.h"
#include "fenetre/outil_dialog.h"
#include "fenetre/placeur_fenetres.h"
#include "fichiers_livres.h"
#include "generation/commandes_generation.h"
#include "icones/ressources.h"
#include "internet/envoi.h"
#include "commun/ks_file_dialog.h"
#include "liste/liste_view.h"
#include "panneaux/boite_ecran.h"
#include "principale/principale_view.h"
#include "redimension.h"
#include "travail/commandes_ecran.h"
#include "travail/ajout_photos.h"
#include "travail/editeurs_qt.h"
#include "travail/travail_fenetre.h"
#include "motifs_utilisateur.h"

namespace lumaveil {

namespace {

constexpr int kLargeurListe = 190;

// The large picture of the start-up and about boxes.
talvik::HBITMAP ImageAPropos() {
  QImage image(480, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter peintre(&image);
  QSvgRenderer(QStringLiteral(":/icones/apropos.svg")).render(&peintre);
  peintre.end();
  return talvik::BitmapDepuisImageQt(image);
}

}  // namespace

QString CheminAide() { return QString::fromStdString(CheminLivre(kFichierManuel)); }

QString CheminPresentation() {
  QString ici = QDir::current().absoluteFilePath(QString::fromLatin1(kFichierPresentation));
  if (QFileInfo(ici).isFile()) return ici;
  return QString::fromStdString(CheminLivre(kFichierPresentation));
}

CMainFrame::CMainFrame(CContexte& contexte, QWidget* parent)
    : QMainWindow(parent), contexte_(contexte) {
  InitialiseIcones();
  setObjectName("CMainFrame");
  setWindowIcon(QIcon(QStringLiteral(":/icones/logo.svg")));
  if (!contexte_.Graphique) {
    // The user patterns of the settings store; each add or removal is stored.
    contexte_.Graphique = std::make_unique<talvik::CGraphique>(talvik::LitMotifsUtilisateur());
    contexte_.Graphique->FixeSauvegardeMotifs(&talvik::SauveMotifsUtilisateur);
  }
  dialogue_ = std::make_unique<CDialogueQt>(this);

  CreeActions();

  auto* centre = new QWidget(this);
  auto* disposition = new QVBoxLayout(centre);
  disposition->setContentsMargins(0, 0, 0, 0);
  disposition->setSpacing(0);
  auto trait = [centre, disposition] {
    auto* ligne = new QFrame(centre);
    ligne->setFrameShape(QFrame::HLine);
    ligne->setFrameShadow(QFrame::Sunken);
    disposition->addWidget(ligne);
  };
  outils_ = new COutilDialog([this](Commande c) { return Action(c); }, centre);
  disposition->addWidget(outils_);
  trait();

  separateur_ = new QSplitter(Qt::Horizontal, centre);
  separateur_->setObjectName("Separateur");
  separateur_->setChildrenCollapsible(false);
  liste_ = new CListeView(contexte_.Controleur, *contexte_.Graphique, separateur_);
  principale_ = new CPrincipaleView(separateur_);
  separateur_->addWidget(liste_);
  separateur_->addWidget(principale_);
  separateur_->setStretchFactor(0, 0);
  separateur_->setStretchFactor(1, 1);
  liste_->setMinimumWidth(120);
  separateur_->setSizes({kLargeurListe, 800});
  disposition->addWidget(separateur_, 1);

  trait();
  informations_ = new CInformationDialog(centre);
  disposition->addWidget(informations_);
  setCentralWidget(centre);

  travail_ = new CTravail(contexte_, this);
  // The working screen's panels and per-screen commands.
  panneaux_.retouche = new CRetoucheDialog;
  panneaux_.decor = new CDecorDialog;
  panneaux_.transition = new CTransitionDialog;
  CPrincipaleView::PlacePanneau(principale_->GroupeRetouche(), panneaux_.retouche);
  CPrincipaleView::PlacePanneau(principale_->GroupeDecor(), panneaux_.decor);
  CPrincipaleView::PlacePanneau(principale_->GroupeTransition(), panneaux_.transition);
  // The working screen itself, out of the Picture panel: as large as the
  // window allows, the panels beside or below it.
  panneaux_.retouche->Boite()->Agrandissable();
  principale_->PlaceEcran(panneaux_.retouche->Boite());
  ecranTravail_ = std::make_unique<CTravailFenetre>(contexte_, *travail_);
  editeurs_ = std::make_unique<CEditeursQt>(this, *contexte_.Graphique);
  commandes_ = std::make_unique<CCommandesEcran>(*ecranTravail_, *editeurs_);
  RelieCommandes(panneaux_, *commandes_);
  doc_ = new CDoc(*this, this);
  generation_ = std::make_unique<CCommandesGeneration>(
      contexte_, *travail_, this, *dialogue_, [this] { return doc_->Titre(); },
      [this] { return doc_->CheminFichier(); });
  // Sending works on the saver the last generation wrote ("" after a change).
  generation_->EnvoieParMail = [this] {
    CommandeEnvoiMail(this, contexte_, QString::fromStdString(contexte_.Projet.CheminEcranDeVeille),
                      doc_->Titre());
  };
  generation_->EnvoieSurInternet = [this] {
    CommandeEnvoiInternet(this, contexte_,
                          QString::fromStdString(contexte_.Projet.CheminEcranDeVeille),
                          doc_->Titre());
  };
  CreeMenus();
  RouteCommandes();

  // F6 and Shift+F6 move the focus between the list and the panels.
  auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), this);
  auto* shiftF6 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
  auto bascule = [this] {
    if (liste_->hasFocus()) panneaux_.retouche->CaseAjustement()->setFocus(Qt::ShortcutFocusReason);
    else liste_->setFocus(Qt::ShortcutFocusReason);
  };
  connect(f6, &QShortcut::activated, this, bascule);
  connect(shiftF6, &QShortcut::activated, this, bascule);

  recents_.Lit();
  // A new project is first saved where the last one was.
  if (!recents_.Liste().empty()) {
    const QString recent = QString::fromStdString(recents_.Liste().front());
    doc_->FixeDernierDossier(QFileInfo(recent).absolutePath());
  }
  MetAJourRecents();
  MetAJourTitre();
  OrdreTabulation();
  new CPlaceurFenetres(this);
}

void CMainFrame::showEvent(QShowEvent* evenement) {
  // On a smaller screen the form scrolls.
  if (!place_) {
    place_ = true;
    talvik::PlaceDansEcran(this, nullptr);
  }
  QMainWindow::showEvent(evenement);
}

void CMainFrame::OrdreTabulation() {
  // As the eye reads the window: the toolbar, the list, then the panels
  // from the top left, each panel's controls from the top; the web link of
  // the bottom bar last.
  std::vector<QWidget*> ordre;
  for (int i = 0; i < int(COutilDialog::CommandesBoutons().size()); ++i)
    ordre.push_back(outils_->Bouton(i));
  ordre.push_back(liste_);
  CRetoucheDialog* retouche = panneaux_.retouche;
  ordre.insert(ordre.end(), {retouche->CaseAjustement(), retouche->BoutonChargement(),
                             retouche->BoutonRotation(), retouche->BoutonReglage(),
                             retouche->BoutonRecoupe()});
  for (int i = 0; i < 4; ++i)
    ordre.push_back(panneaux_.decor->Bouton(CDecorDialog::Ligne(i)));
  for (int i = 0; i < 2; ++i)
    ordre.push_back(panneaux_.transition->Bouton(CTransitionDialog::Ligne(i)));
  ordre.push_back(informations_->Lien());
  for (std::size_t i = 1; i < ordre.size(); ++i) QWidget::setTabOrder(ordre[i - 1], ordre[i]);
}

CMainFrame::~CMainFrame() = default;

IDialogue& CMainFrame::Dialogue() { return *dialogue_; }

QMenu* CMainFrame::Menu(const QString& titre) const {
  for (QAction* a : menuBar()->actions()) {
    if (a->menu() && a->menu()->accessibleName() == titre) return a->menu();
  }
  return nullptr;
}

void CMainFrame::CreeActions() {
  for (const DefinitionCommande& d : TableCommandes()) {
    auto* action = new QAction(TraduitCommande(d.texte).section('\t', 0, 0), this);
    if (d.raccourci) {
      QList<QKeySequence> raccourcis;
      for (const QString& r : QString::fromUtf8(d.raccourci).split('|'))
        raccourcis << QKeySequence(r);
      action->setShortcuts(raccourcis);
      action->setShortcutContext(Qt::WindowShortcut);
    }
    if (d.icone) action->setIcon(QIcon(QString::fromUtf8(d.icone)));
    if (d.bulle) action->setToolTip(TraduitCommande(d.bulle));
    else action->setToolTip(TexteSansMnemonique(d.texte));
    actions_[std::size_t(d.commande)] = action;
    addAction(action);
  }
  // The thumbnails' zoom: the platform's standard keys (Ctrl++ and Ctrl+-).
  for (const auto& [commande, touches] :
       {std::pair{Commande::ZoomAvant, QKeySequence::ZoomIn},
        std::pair{Commande::ZoomArriere, QKeySequence::ZoomOut}}) {
    Action(commande)->setShortcuts(touches);
    Action(commande)->setShortcutContext(Qt::WindowShortcut);
  }
}

void CMainFrame::CreeMenus() {
  QString courant;
  QMenu* menu = nullptr;
  for (const DefinitionCommande& d : TableCommandes()) {
    if (!d.menu) continue;
    if (courant != QString::fromUtf8(d.menu)) {
      courant = QString::fromUtf8(d.menu);
      const QString titre = courant == "File"       ? tr("&File")
                            : courant == "Edit"     ? tr("&Edit")
                            : courant == "View"     ? tr("&View")
                            : courant == "Screen"   ? tr("&Screen")
                            : courant == "Generate" ? tr("&Generate")
                            : courant == "Setup"    ? tr("Se&tup")
                                                    : QStringLiteral("&?");
      menu = menuBar()->addMenu(titre);
      menu->setAccessibleName(courant);
      if (courant == "File") menuFichier_ = menu;
    }
    if (d.separateurAvant) {
      QAction* s = menu->addSeparator();
      if (d.commande == Commande::Quitter) avantQuitter_ = s;
    }
    menu->addAction(Action(d.commande));
  }
}

void CMainFrame::RouteCommandes() {
  connect(liste_, &CListeView::suppressionDemandee, travail_, &CTravail::SupprimeEcran);
  connect(liste_, &CListeView::precedentDemande, travail_, &CTravail::Precedent);
  connect(liste_, &CListeView::suivantDemande, travail_, &CTravail::Suivant);
  connect(liste_, &CListeView::ecranChoisi, travail_, &CTravail::RendCourant);
  // The modified flag and Undo / Redo follow the controller's history.
  connect(&contexte_.Controleur, &CControleurProjet::historiqueChange, this,
          &CMainFrame::MetAJourHistorique);
  MetAJourHistorique();
  connect(travail_, &CTravail::ecranCourantChange, this, [this] {
    if (travail_->AUnEcranCourant())
      RafraichitPanneaux(panneaux_, travail_->EcranCourant(), travail_->ChargementEnCours());
  });
  connect(informations_, &CInformationDialog::lienClique, this,
          [this] { OuvreAvecBureau(SiteWeb()); });
  connect(doc_, &CDoc::etatChange, this, &CMainFrame::MetAJourTitre);
  connect(doc_, &CDoc::fichierUtilise, this, [this](const QString& chemin) {
    recents_.Ajoute(chemin.toStdString());
    MetAJourRecents();
  });

  const std::pair<Commande, std::function<void()>> parCommande[] = {
      {Commande::Nouveau, [this] { doc_->Nouveau(); }},
      {Commande::Ouvrir, [this] { doc_->Ouvre(); }},
      {Commande::Enregistrer, [this] { doc_->Sauve(); }},
      {Commande::EnregistrerSous, [this] { doc_->SauveSous(); }},
      {Commande::Quitter, [this] { close(); }},
      {Commande::Modele,
       [this] {
         CommandeModele(contexte_, liste_->FondVignette(), *travail_, *dialogue_, false, this);
       }},
      {Commande::Propriete, [this] { CommandePropriete(contexte_, *travail_, this); }},
      {Commande::Annuler, [this] { travail_->Annule(); }},
      {Commande::Retablir, [this] { travail_->Refait(); }},
      {Commande::ZoomAvant, [this] { liste_->ZoomAvant(); }},
      {Commande::ZoomArriere, [this] { liste_->ZoomArriere(); }},
      {Commande::EcranNouveau, [this] { travail_->NouvelEcran(); }},
      {Commande::AjoutPhotos, [this] { AjouteDesPhotos(false); }},
      {Commande::AjoutDossier, [this] { AjouteDesPhotos(true); }},
      {Commande::OrdreNom, [] { EcritOrdrePhotos(OrdrePhotos::Nom); }},
      {Commande::OrdreDate, [] { EcritOrdrePhotos(OrdrePhotos::Date); }},
      {Commande::EcranSupprime, [this] { travail_->SupprimeEcran(); }},
      {Commande::EcranPrecedent, [this] { travail_->Precedent(); }},
      {Commande::EcranSuivant, [this] { travail_->Suivant(); }},
      {Commande::ChargementImage, [this] { commandes_->ChargementImage(); }},
      {Commande::DechargementImage, [this] { commandes_->DechargementImage(); }},
      {Commande::Rotation, [this] { commandes_->Rotation(); }},
      {Commande::Recoupe, [this] { commandes_->Recoupe(); }},
      {Commande::Reglage, [this] { commandes_->Reglage(); }},
      {Commande::Redimension, [this] { commandes_->Redimension(); }},
      {Commande::Texte, [this] { commandes_->Texte(); }},
      {Commande::Cadre, [this] { commandes_->Cadre(); }},
      {Commande::Fond, [this] { commandes_->Fond(); }},
      {Commande::Effet, [this] { commandes_->Effet(); }},
      {Commande::Duree, [this] { commandes_->Duree(); }},
      {Commande::Affichage, [this] { generation_->Affiche(); }},
      {Commande::Generation, [this] { generation_->Generer(); }},
      {Commande::SauveWindows, [this] { generation_->Sauve(Plateforme::Windows); }},
      {Commande::SauveLinux, [this] { generation_->Sauve(Plateforme::Linux); }},
      {Commande::SauvePageWeb, [this] { generation_->SauvePageWeb(); }},
      {Commande::EnvoiMail, [this] { generation_->EnvoiMail(); }},
      {Commande::EnvoiInternet, [this] { generation_->EnvoiInternet(); }},
      {Commande::Configuration, [this] { CConfigurationDlg(contexte_.Parametres, &contexte_.Controleur, this).exec(); }},
      {Commande::Aide, [this] { OuvreAvecBureau(QUrl::fromLocalFile(CheminAide())); }},
      {Commande::Web, [this] { OuvreAvecBureau(SiteWeb()); }},
      // The demo saver here is a Linux saver: it is a program, started as one.
      {Commande::Presentation, [] { QProcess::startDetached(CheminPresentation(), {}); }},
      {Commande::APropos, [this] { MontreAPropos(0); }},
  };
  for (const auto& [commande, travail] : parCommande)
    connect(Action(commande), &QAction::triggered, this, travail);
  // The order photos are added in: one of two, as last chosen.
  auto* ordre = new QActionGroup(this);
  for (Commande c : {Commande::OrdreNom, Commande::OrdreDate}) {
    Action(c)->setCheckable(true);
    ordre->addAction(Action(c));
  }
  Action(LitOrdrePhotos() == OrdrePhotos::Date ? Commande::OrdreDate : Commande::OrdreNom)
      ->setChecked(true);
  // The zoom as last left, else the one that suits the display; the list
  // widens to hold a column of thumbnails.
  connect(liste_, &CListeView::zoomChange, this, &CMainFrame::SuitZoom);
  const QScreen* ecran = QGuiApplication::primaryScreen();
  liste_->FixeZoom(LitZoomVignettes(CListeView::ZoomPourDpi(ecran ? ecran->logicalDotsPerInch() : 96)));
  SuitZoom();
}

void CMainFrame::SuitZoom() {
  const int zoom = liste_->Zoom();
  Action(Commande::ZoomAvant)->setEnabled(zoom < CListeView::kZoomMaximal);
  Action(Commande::ZoomArriere)->setEnabled(zoom > CListeView::kZoomMinimal);
  const int voulue = liste_->gridSize().width() + liste_->verticalScrollBar()->sizeHint().width() +
                     2 * liste_->frameWidth();
  // Before the window is laid out the splitter's sizes are not yet its
  // own: the list opens at its usual width, or wider for the zoom.
  if (!separateur_->isVisible()) {
    separateur_->setSizes({std::max(kLargeurListe, voulue), 800});
    return;
  }
  QList<int> tailles = separateur_->sizes();
  if (tailles.size() == 2 && tailles[0] < voulue) {
    const int total = tailles[0] + tailles[1];
    tailles = {voulue, std::max(0, total - voulue)};
    separateur_->setSizes(tailles);
  }
}

void CMainFrame::OuvreAvecBureau(const QUrl& url) {
  // A failure is not reported.
  QDesktopServices::openUrl(url);
}

void CMainFrame::MontreAPropos(int secondes) {
  talvik::CAproposdeDlg boite(this);
  boite.setObjectName("CAproposdeDlg");
  boite.m_hImage = ImageAPropos();
  boite.m_strTitre = tr("About Lumaveil").toStdString();
  boite.m_nSecondes = secondes;
  boite.exec();
}

int CMainFrame::ChoisitImages() {
  CKSFileDialog choix(true, QStringLiteral(".jpg"), QString(),
                      OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST, FiltreImages(), this);
  choix.FixeTitre(QString::fromUtf8(kTitreChoixImages));
  if (choix.DoModal() != IDOK) return IDCANCEL;
  travail_->InsereImages(choix.Chemins());
  return IDOK;
}

int CMainFrame::AjouteDesPhotos(bool dossier) {
  QStringList chemins;
  if (dossier) {
    QFileDialog choix(this, tr("Select a folder of photos"));
    choix.setObjectName(CKSFileDialog::kNomObjet);
    choix.setOption(QFileDialog::DontUseNativeDialog);
    choix.setFileMode(QFileDialog::Directory);
    choix.setOption(QFileDialog::ShowDirsOnly);
    if (choix.exec() != QDialog::Accepted) return IDCANCEL;
    chemins = choix.selectedFiles();
  } else {
    CKSFileDialog choix(true, QStringLiteral(".jpg"), QString(),
                        OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST, FiltreImages(), this);
    choix.FixeTitre(QString::fromUtf8(kTitreChoixImages));
    if (choix.DoModal() != IDOK) return IDCANCEL;
    chemins = choix.Chemins();
  }
  AjoutePhotos(contexte_.Controleur, chemins, LitOrdrePhotos(), this,
               [this](int index) { travail_->RendCourant(index); });
  return IDOK;
}

void CMainFrame::MetAJourTitre() {
  setWindowTitle(doc_->Titre() + QStringLiteral("[*] - ") + QString::fromUtf8(CDoc::kTitreFenetre));
  setWindowModified(doc_->EstModifie());
}

void CMainFrame::MetAJourHistorique() {
  const CControleurProjet& controleur = contexte_.Controleur;
  doc_->FixeModifie(controleur.EstModifie());
  QAction* annuler = Action(Commande::Annuler);
  QAction* retablir = Action(Commande::Retablir);
  annuler->setEnabled(controleur.PeutAnnuler());
  retablir->setEnabled(controleur.PeutRefaire());
  annuler->setText(controleur.PeutAnnuler() ? tr("&Undo %1").arg(controleur.TexteAnnulation())
                                            : tr("&Undo"));
  retablir->setText(controleur.PeutRefaire()
                        ? tr("&Redo %1").arg(controleur.TexteRetablissement())
                        : tr("&Redo"));
}

void CMainFrame::MetAJourRecents() {
  for (QAction* a : actionsRecents_) {
    menuFichier_->removeAction(a);
    a->deleteLater();
  }
  actionsRecents_.clear();
  const auto& liste = recents_.Liste();
  for (int i = 0; i < int(liste.size()); ++i) {
    const QString chemin = QString::fromStdString(liste[std::size_t(i)]);
    auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(chemin).fileName()),
                          menuFichier_);
    a->setToolTip(chemin);
    connect(a, &QAction::triggered, this, [this, chemin] {
      if (doc_->OuvreFichier(chemin)) return;
      // A file that could not be opened leaves the list.
      const auto& l = recents_.Liste();
      for (int j = 0; j < int(l.size()); ++j)
        if (QString::fromStdString(l[std::size_t(j)]) == chemin) recents_.Retire(j);
      MetAJourRecents();
    });
    menuFichier_->insertAction(avantQuitter_, a);
    actionsRecents_.push_back(a);
  }
  if (!liste.empty()) {
    QAction* s = new QAction(menuFichier_);
    s->setSeparator(true);
    menuFichier_->insertAction(avantQuitter_, s);
    actionsRecents_.push_back(s);
  }
}

// ---- the document's views -------------------------------------------------

void CMainFrame::NouveauProjet() {
  contexte_.Controleur.Nouveau();
  travail_->Abandonne();
  if (contexte_.Parametres.StartWizard && Assistant) Assistant();
  travail_->PremierEcran();
  // What the wizard made is the new project, not a change to it.
  contexte_.Controleur.OublieHistorique();
  doc_->FixeModifie(false);
}

int CMainFrame::LitProjet(const QString& chemin) {
  if (contexte_.DemarrageEnCours) return 1;
  repaint();
  if (!contexte_.Controleur.Ouvre(chemin.toStdString(), *dialogue_)) return 0;
  travail_->PremierEcran();
  contexte_.Controleur.OublieHistorique();
  return 1;
}

int CMainFrame::EcritProjet(const QString& chemin) {
  if (contexte_.DemarrageEnCours) return 1;
  return contexte_.Controleur.Sauve(chemin.toStdString(), *dialogue_);
}

void CMainFrame::closeEvent(QCloseEvent* evenement) {
  if (!doc_->SauveModifications()) {
    evenement->ignore();
    return;
  }
  recents_.Ecrit();
  RetientFenetrePrincipale(*this);
  RetientZoomVignettes(liste_->Zoom());
  // The thumbnails still being made are not wanted any more: the workers
  // stop now rather than when the window is destroyed.
  liste_->Fabrique().Arrete();
  evenement->accept();
}

}  // namespace lumaveil
